#include "support/TestSupport.h"

#include "core/calc/UtilizationTable.h"
#include "core/reports/PrintEngine.h"
#include "core/reports/PrintJob.h"
#include "core/reports/ReportCommands.h"
#include "core/reports/ReportRenderer.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ScriptedPrompter.h"

#include <QDir>
#include <QFile>

namespace wsc {
namespace {

// Keeps what the engine hands over instead of showing or printing it.
class CapturedOutput : public ReportOutput {
public:
    QObject* showInWindow(const RenderedReport& report, const WindowOutput& where,
                          QString*) override {
        reports.push_back(report);
        windows.push_back(where);
        return &window;
    }
    bool print(const RenderedReport& report, const PrintOptions& options, QString*) override {
        reports.push_back(report);
        printed.push_back(options);
        return true;
    }
    std::vector<RenderedReport> reports;
    std::vector<WindowOutput> windows;
    std::vector<PrintOptions> printed;
    QObject window;
};

class Context : public ReportContext {
public:
    QString recipeDatabase() const override { return recipes; }
    QString dataDatabase() const override { return data; }
    std::int64_t currentBatch() const override { return batch; }
    bool hasUnsavedChanges() const override { return unsaved; }
    bool displayWarnings() const override { return warnings; }

    QString recipes = QStringLiteral(WSC_SAMPLES_DB);
    QString data = QStringLiteral(WSC_DATA_DB);
    std::int64_t batch = 8;
    bool unsaved = false;
    bool warnings = true;
};

class Reports : public test::DbFixture {
protected:
    Reports() {
        engine.setOutput(&output);
        engine.setPrintDate(QDate(2026, 12, 7));
    }
    ReportCommands commands(const QString& dir = QStringLiteral(WSC_REPORTS_DIR)) {
        return ReportCommands(engine, prompter, dir);
    }
    static ReportSelection selection(const char* file) {
        return ReportSelection::of(*ReportNamed(QString::fromLatin1(file)));
    }
    // A report folder of the test's own with the shipped files, to change or take away.
    QString reportFolder() {
        const QString dir = path(QStringLiteral("reports"));
        QDir().mkpath(dir);
        for (const QString& f : QDir(QStringLiteral(WSC_REPORTS_DIR)).entryList({"*.rpt"}))
            QFile::copy(QDir(QStringLiteral(WSC_REPORTS_DIR)).filePath(f), QDir(dir).filePath(f));
        return dir;
    }
    static void write(const QString& file, const QString& text) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
    }

    PrintEngine engine;
    CapturedOutput output;
    ScriptedPrompter prompter;
    Context context;
};

// Every report of the catalogue against the sample and Data databases, as reviewed.
class GoldenReport : public Reports, public ::testing::WithParamInterface<int> {};

TEST_P(GoldenReport, MatchesTheReviewedFile) {
    const ReportEntry& entry = ReportCatalog().at(static_cast<std::size_t>(GetParam()));
    ReportCommands c = commands();
    ASSERT_TRUE(c.ensureEngineOpen());
    const ReportSelection s = ReportSelection::of(entry);
    ASSERT_TRUE(c.openReport(s)) << prompter.last().text.toStdString();
    ASSERT_TRUE(c.output(s, ReportCommands::Action::Print, context, {}))
        << prompter.last().text.toStdString();
    ASSERT_EQ(output.reports.size(), 1u);
    const RenderedReport& r = output.reports.front();
    EXPECT_EQ(r.title, QLatin1String(entry.display));
    const QString actual = QStringLiteral("<!-- %1, printed %2 -->\n")
                               .arg(r.title, r.printDate.toString(Qt::ISODate)) +
                           ReportHtml(r);
    const QString golden =
        QStringLiteral(WSC_TEST_DATA_DIR "/reports/%1.html").arg(QLatin1String(entry.file));
    if (qEnvironmentVariableIsSet("WSC_UPDATE_GOLDEN"))
        write(golden, actual);
    QFile f(golden);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << golden.toStdString();
    const QStringList expected = QString::fromUtf8(f.readAll()).split(u'\n');
    const QStringList lines = actual.split(u'\n');
    // Line by line, so a change in layout reads as a diff.
    for (qsizetype i = 0; i < std::max(expected.size(), lines.size()); ++i)
        ASSERT_EQ(lines.value(i), expected.value(i)) << golden.toStdString() << ":" << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, GoldenReport, ::testing::Range(0, 12),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(
                                 ReportCatalog().at(static_cast<std::size_t>(info.param)).file);
                         });

// A row's cells are held as one text: each comes back as it was given, an empty one and a
// separator inside one included.
TEST(ReportRows, CellsComeBackAsGiven) {
    const ReportRow row({QStringLiteral("Cascade"), QString(), QStringLiteral("a\u001fb"),
                         QStringLiteral("1.00 oz")});
    EXPECT_EQ(row.size(), 4);
    EXPECT_EQ(row.cells(), (QStringList{QStringLiteral("Cascade"), QString(), QStringLiteral("a b"),
                                        QStringLiteral("1.00 oz")}));
    EXPECT_EQ(row.cell(3), QStringLiteral("1.00 oz"));
    EXPECT_EQ(row.cell(1), QString());
    EXPECT_EQ(row.cell(4), QString());
    EXPECT_FALSE(row.group());
    const ReportRow group({QStringLiteral("Ales")}, true);
    EXPECT_TRUE(group.group());
    EXPECT_EQ(group.cells(), QStringList{QStringLiteral("Ales")});
    EXPECT_TRUE(ReportRow().cells().isEmpty());
}

TEST(ReportFileSyntax, MistakesNameTheirLine) {
    const std::pair<const char*, const char*> bad[] = {
        {"report \"A\"\ntable Hops\ncolum HopsName \"Name\"", "unknown keyword \"colum\""},
        {"report \"A\"\ntable Hops\ncolumn HopsName Name", "the header must be in quotes"},
        {"report \"A\"\ntable Hops\ncolumn HopsAlpha:%.1q \"Alpha\"", "unknown format"},
        {"report \"A\"\ntable Hops\ncolumn HopsName \"Name\" wide", "unknown word \"wide\""},
        {"report \"A\ntable Hops", "not closed"},
        {"report \"A\"\ntable Recipes\nfields \"F\"\n\"Name\" RecipeName", "no \"end\""},
        {"report \"A\"\ntable Recipes\nsubreport 13 \"X\"\n", "1 to 12"},
        {"report \"A\"\ntable Recipes\ngrid \"G\"\nrow \"a\" RecipeName\nend",
         "\"header\" line before"},
        {"report \"A\"\ntable Hops;DROP\ncolumn HopsName \"N\"", "must be a name"},
        {"report \"A\"\ntable Hops\ncolumn HopsAlpha \"A\" unset high", "takes a number"},
        {"report \"A\"\ntable Hops\ncolumn HopsAlpha \"A\" units HopsName:Sizes",
         "unknown choices list \"Sizes\""},
        {"report \"A\"\ntable Recipes\nnotes \"N\" 0", "1 to 40 lines"},
        {"report \"A\"\ntable Recipes\nfields \"F\"\n\"Size\" RecipeBatchSize gallons\nend",
         "a field line is a label"},
        {"report \"A\"\ntable Recipes\ncolumn RecipeBatchSize \"Size\" in barrels",
         "\"in\" takes volume"},
    };
    const int lines[] = {3, 3, 3, 3, 1, 4, 3, 4, 2, 3, 3, 3, 4, 3};
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        try {
            ReportFile::parse(QString::fromLatin1(bad[i].first));
            ADD_FAILURE() << bad[i].first;
        } catch (const ReportSyntaxError& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(bad[i].second)))
                << e.message().toStdString();
            EXPECT_EQ(e.line(), lines[i]) << bad[i].first;
        }
    }
    // Every shipped file reads.
    for (const ReportEntry& e : ReportCatalog())
        EXPECT_NO_THROW(
            ReportFile::load(QStringLiteral(WSC_REPORTS_DIR "/%1.rpt").arg(QLatin1String(e.file))))
            << e.file;
}

TEST(ReportFormula, OnlyATableColumnEqualToANumber) {
    QString error;
    const auto f = SelectionFormula::parse(QStringLiteral("{Recipes.RecipeBatchNo} = 42"), &error);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->table, QStringLiteral("Recipes"));
    EXPECT_EQ(f->column, QStringLiteral("RecipeBatchNo"));
    EXPECT_EQ(f->value, 42);
    for (const char* bad :
         {"{Recipes.RecipeBatchNo} = 1 OR 1=1", "{Recipes.RecipeBatchNo} = '1'",
          "{Recipes.RecipeBatchNo} > 3", "Recipes.RecipeBatchNo = 3", "{Recipes.Name\"} = 3",
          "{Recipes.RecipeBatchNo} = 1; DROP TABLE Recipes", ""}) {
        EXPECT_FALSE(SelectionFormula::parse(QString::fromLatin1(bad), &error)) << bad;
        EXPECT_TRUE(error.contains(QLatin1String("{Table.Column} = number"))) << bad;
    }
}

TEST_F(Reports, JobsAndSubreportsOpenAndCloseInTheirLists) {
    EXPECT_EQ(engine.state(), PrintEngine::State::Closed);
    EXPECT_EQ(engine.openJob(QStringLiteral(WSC_REPORTS_DIR "/Hops.rpt")), nullptr);
    ASSERT_TRUE(engine.open());
    ASSERT_TRUE(engine.open()); // again: nothing changes
    PrintJob* hops = engine.openJob(QStringLiteral(WSC_REPORTS_DIR "/Hops.rpt"));
    PrintJob* recipe = engine.openJob(QStringLiteral(WSC_REPORTS_DIR "/Recipe.rpt"));
    ASSERT_TRUE(hops && recipe);
    EXPECT_EQ(engine.currentJob(), recipe); // the newest job is the current one
    EXPECT_EQ(engine.jobCount(), 2u);
    EXPECT_NE(hops->number(), recipe->number());

    // Sections 4000 + 25 n hold the recipe report's subreports.
    EXPECT_EQ(recipe->findSubreport(4000, 0), 0);
    EXPECT_EQ(recipe->findSubreport(4010, 0), 0);
    EXPECT_EQ(recipe->findSubreport(4325, 0), 0); // section 13
    const long handle = recipe->findSubreport(4000 + 25 * 6, 0);
    SubreportInfo info;
    ASSERT_TRUE(recipe->subreportInfo(handle, info));
    EXPECT_EQ(info.name, QStringLiteral("Hops"));
    PrintJob* sub = recipe->openSubreport(info.name);
    ASSERT_TRUE(sub);
    EXPECT_EQ(recipe->subreportJobs().size(), 1u);
    EXPECT_EQ(recipe->openSubreport(QStringLiteral("Nothing")), nullptr);
    EXPECT_EQ(recipe->errorCode(), ReportCode::kNoSuchSubreport);
    // A path the location cannot hold is refused, not cut.
    EXPECT_FALSE(sub->setTableLocation(0, TableLocation{QString(300, u'x')}));
    EXPECT_EQ(sub->errorCode(), ReportCode::kPathTooLong);
    ASSERT_TRUE(sub->setTableLocation(0, TableLocation{QStringLiteral("/a/b.mdb")}));
    sub->close();
    EXPECT_TRUE(recipe->subreportJobs().empty());
    // The subreport's location belongs to the report: a new job on it sees it.
    TableLocation seen;
    recipe->openSubreport(info.name)->tableLocation(0, seen);
    EXPECT_EQ(seen.location, QStringLiteral("/a/b.mdb"));

    // Closing a job closes its open subreports with it; closing the engine closes the rest.
    recipe->close();
    EXPECT_EQ(engine.jobCount(), 1u);
    EXPECT_EQ(engine.currentJob(), nullptr);
    engine.close();
    EXPECT_EQ(engine.jobCount(), 0u);
    EXPECT_EQ(engine.state(), PrintEngine::State::Closed);
}

TEST_F(Reports, AReportFileThatIsMissingOrWrongOutputsNothing) {
    const QString dir = reportFolder();
    QFile::remove(QDir(dir).filePath(QStringLiteral("Hops.rpt")));
    write(QDir(dir).filePath(QStringLiteral("Kits.rpt")),
          QStringLiteral("report \"List all Kits\"\ntable Kits\n\ncolumn KitsManuf Maker\n"));
    ReportCommands c = commands(dir);
    ASSERT_TRUE(c.ensureEngineOpen());

    EXPECT_FALSE(c.openReport(selection("Hops")));
    EXPECT_TRUE(prompter.last().text.startsWith(QLatin1String("Error opening report.\n")));
    EXPECT_TRUE(prompter.last().text.contains(QLatin1String("Hops.rpt")));
    EXPECT_EQ(prompter.last().icon, PromptIcon::None);

    EXPECT_FALSE(c.openReport(selection("Kits")));
    EXPECT_TRUE(prompter.last().text.startsWith(
        QStringLiteral("Error opening report.\nLine 4 of %1: the header must be in quotes")
            .arg(QDir(dir).filePath(QStringLiteral("Kits.rpt")))))
        << prompter.last().text.toStdString();

    // After a failed open no job is current. The repeat commands open the selected file
    // again; still missing, they say so again and output nothing, never an earlier job.
    ASSERT_TRUE(c.openReport(selection("Styles")));
    EXPECT_FALSE(c.openReport(selection("Hops")));
    EXPECT_EQ(engine.currentJob(), nullptr);
    prompter.clear();
    EXPECT_FALSE(c.repeat(selection("Hops"), ReportCommands::Action::Preview, context,
                          ReportCommands::previewWindow(nullptr)));
    EXPECT_TRUE(prompter.last().text.startsWith(QLatin1String("Error opening report.\n")));
    EXPECT_TRUE(output.reports.empty());
    // Put back, the same command prints it.
    QFile::copy(QStringLiteral(WSC_REPORTS_DIR "/Hops.rpt"), QDir(dir).filePath("Hops.rpt"));
    EXPECT_TRUE(c.repeat(selection("Hops"), ReportCommands::Action::Preview, context,
                         ReportCommands::previewWindow(nullptr)));
    ASSERT_EQ(output.reports.size(), 1u);
    EXPECT_EQ(output.reports.front().title, QStringLiteral("List all Hops"));
    // And again, on the same job.
    const std::size_t jobs = engine.jobCount();
    EXPECT_TRUE(c.repeat(selection("Hops"), ReportCommands::Action::Print, context, {}));
    EXPECT_EQ(engine.jobCount(), jobs);

    prompter.clear();
    EXPECT_FALSE(c.repeat(ReportSelection{}, ReportCommands::Action::Print, context, {}));
    EXPECT_EQ(prompter.last().text, QString::fromLatin1(Texts::kNoReportSelected));
}

TEST_F(Reports, TheCurrentRecipeReportAsksAboutUnsavedChangesOnlyWithWarningsOn) {
    ReportCommands c = commands();
    context.unsaved = true;
    context.warnings = false;
    ASSERT_TRUE(c.previewCurrentRecipe(context, ReportCommands::previewWindow(&output.window)));
    EXPECT_TRUE(prompter.shown().empty());
    ASSERT_EQ(output.windows.size(), 1u);
    const WindowOutput& w = output.windows.front();
    EXPECT_EQ(w.title, QStringLiteral("Wortsmith Calculator Reports"));
    EXPECT_EQ(QList<int>({w.left, w.top, w.width, w.height}), QList<int>({10, 20, 600, 400}));
    EXPECT_EQ(w.parent, &output.window);

    context.warnings = true;
    prompter.queue(PromptAnswer::No);
    EXPECT_FALSE(c.previewCurrentRecipe(context, ReportCommands::previewWindow(nullptr)));
    EXPECT_EQ(prompter.last().text, QString::fromLatin1(Texts::kUnsavedRecipeReport));
    EXPECT_EQ(prompter.last().buttons, PromptButtons::YesNo);
    EXPECT_EQ(output.reports.size(), 1u); // nothing more was output
    prompter.queue(PromptAnswer::Yes);
    EXPECT_TRUE(c.previewCurrentRecipe(context, ReportCommands::previewWindow(nullptr)));
    EXPECT_EQ(output.reports.size(), 2u);

    // Only the current recipe, and list reports never ask.
    const QString page = ReportHtml(output.reports.back());
    EXPECT_TRUE(page.contains(QLatin1String("Batch 8:")));
    EXPECT_FALSE(page.contains(QLatin1String("Batch 7:")));
    prompter.clear();
    ASSERT_TRUE(c.openReport(selection("Hops")));
    EXPECT_TRUE(c.output(selection("Hops"), ReportCommands::Action::Print, context, {}));
    EXPECT_TRUE(prompter.shown().empty());
    ASSERT_EQ(output.printed.size(), 1u);
    EXPECT_EQ(output.printed.front().word(PrintOptions::kCopiesOffset), 1);
}

TEST_F(Reports, ALongDatabasePathIsRefusedNotCut) {
    ReportCommands c = commands();
    ASSERT_TRUE(c.ensureEngineOpen());
    const QString deep = path(QString(120, u'd') + QStringLiteral("/") + QString(120, u'e'));
    QDir().mkpath(deep);
    const QString copy = QDir(deep).filePath(QStringLiteral("WortsmithSamples.mdb"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(WSC_SAMPLES_DB), copy));
    ASSERT_GT(copy.size(), ReportCommands::kMaxPath);
    context.recipes = copy;
    ASSERT_TRUE(c.openReport(selection("Recipes")));
    EXPECT_FALSE(c.output(selection("Recipes"), ReportCommands::Action::Preview, context,
                          ReportCommands::previewWindow(nullptr)));
    EXPECT_TRUE(prompter.last().text.contains(copy));
    EXPECT_TRUE(prompter.last().text.startsWith(QLatin1String("Report Error:")));
    EXPECT_TRUE(output.reports.empty());
}

TEST_F(Reports, ASectionWithoutItsSubreportIsLeftOutAndSaidSo) {
    const QString dir = reportFolder();
    const QString file = QDir(dir).filePath(QStringLiteral("Recipe.rpt"));
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(in.readAll());
    in.close();
    // Section 5 goes, and the hops' table is one the database does not have.
    const qsizetype from = text.indexOf(QLatin1String("subreport 5 "));
    text.remove(from, text.indexOf(QLatin1String("end\n"), from) + 4 - from);
    text.replace(QLatin1String("table Ingredients_Hops"), QLatin1String("table Ingredients_Hop"));
    write(file, text);

    ReportCommands c = commands(dir);
    ASSERT_TRUE(c.previewCurrentRecipe(context, ReportCommands::previewWindow(nullptr)))
        << prompter.last().text.toStdString();
    const QString page = ReportHtml(output.reports.front());
    EXPECT_TRUE(page.contains(
        QLatin1String("Section 5 of this report is left out: it holds no subreport.")));
    EXPECT_TRUE(page.contains(QLatin1String("This section cannot be shown: The data base")));
    EXPECT_TRUE(page.contains(QLatin1String("has no table Ingredients_Hop.")));
    // The sections around them are there.
    EXPECT_TRUE(page.contains(QLatin1String("<h2>Grains</h2>")));
    EXPECT_TRUE(page.contains(QLatin1String("<h2>Yeasts</h2>")));
}

// The kettle sheet as a brewer fills it in: readings never taken are blanks to write on, every
// quantity carries its unit once, and the first mash step has the name the Mash page gives it.
TEST_F(Reports, TheRecipeSheetLeavesUnsetValuesBlankAndNamesEachUnitOnce) {
    const QString recipes = copyShippedSamples();
    // Batch 8 as a new recipe holds them: gravities 1.000, no temperatures, no pH, no score,
    // not yet rated; and a priming amount typed with its unit.
    execSql(recipes,
            QStringLiteral("UPDATE Recipes SET RecipeSGOriginal = 1.0, RecipeSGRacking = 1.0, "
                           "RecipeSGFinal = 1.0, RecipeSGOriginalTemp = 0, RecipeMashPhAdj = 0, "
                           "RecipeRatingCompScore = 0, RecipeRatingAroma = 0, "
                           "RecipeRatingAppearance = 0, RecipeRatingTaste = 0, "
                           "RecipeRatingImpression = 1, RecipeFermConditioningAmt = 0, "
                           "RecipeFermPrimingAmt = '3/4 cup', RecipeFermPrimingUnits = 'cup', "
                           "RecipeMashType = 1 WHERE RecipeBatchNo = 8"));
    context.recipes = recipes;
    ReportCommands c = commands();
    ASSERT_TRUE(c.previewCurrentRecipe(context, ReportCommands::previewWindow(nullptr)))
        << prompter.last().text.toStdString();
    const QString page = ReportHtml(output.reports.front());
    EXPECT_FALSE(page.contains(QLatin1String(">1.000<")));
    EXPECT_FALSE(page.contains(QLatin1String("0 Days")));
    EXPECT_FALSE(page.contains(QLatin1String("<td>0.0<")));
    EXPECT_FALSE(page.contains(QLatin1String("cup cup")));
    EXPECT_TRUE(page.contains(QLatin1String("<td align=\"right\">3/4 cup</td>")));
    EXPECT_TRUE(page.contains(QLatin1String("<td><b>Batch Size</b></td><td>5.00 gal</td>")));
    // A step infusion starts with its protein rest.
    EXPECT_TRUE(page.contains(QLatin1String("<tr><td>Protein Rest</td>")));
    EXPECT_FALSE(page.contains(QLatin1String("<tr><td>Strike</td>")));
    // The tasting total of an unrated beer is a blank, and so is the judges' score.
    const qsizetype tasting = page.indexOf(QLatin1String("<h2>Tasting Score</h2>"));
    const QString tastingRow = page.mid(
        page.indexOf(QLatin1String("<tr><td"), tasting),
        page.indexOf(QLatin1String("</tr>"), page.indexOf(QLatin1String("<tr><td"), tasting)) -
            page.indexOf(QLatin1String("<tr><td"), tasting));
    EXPECT_TRUE(tastingRow.startsWith(QLatin1String(
        "<tr><td align=\"right\"></td><td align=\"right\"></td><td align=\"right\"></td><td "
        "align=\"right\">1</td><td align=\"right\"></td>")))
        << tastingRow.toStdString();
    const qsizetype competition = page.indexOf(QLatin1String("<h2>Competition Results</h2>"));
    EXPECT_TRUE(page.mid(competition, 600)
                    .contains(QLatin1String("<td>2026-06-13</td><td align=\"right\"></td>")));

    // Every reading a brewer took still prints, 1.000 included where it was measured.
    execSql(recipes, QStringLiteral("UPDATE Recipes SET RecipeSGFinal = 0.998, "
                                    "RecipeRatingCompScore = 41 WHERE RecipeBatchNo = 8"));
    output.reports.clear();
    ASSERT_TRUE(c.previewCurrentRecipe(context, ReportCommands::previewWindow(nullptr)));
    EXPECT_TRUE(ReportHtml(output.reports.front())
                    .contains(QLatin1String("<td align=\"right\">0.998</td>")));
    EXPECT_TRUE(
        ReportHtml(output.reports.front()).contains(QLatin1String("<td align=\"right\">41</td>")));
}

// In metric units the recipe sheet and the list of recipes give litres, °C, °Plato, EBC and
// kilograms, converted from what the file holds; the same reports in US units are the reviewed
// ones (the golden files above).
TEST_F(Reports, MetricUnitsConvertTheQuantitiesAndNameTheirUnits) {
    const QString recipes = copyShippedSamples();
    execSql(recipes, QStringLiteral("UPDATE Recipes SET RecipeBatchSize = 5, RecipeBoilSize = 6.5, "
                                    "RecipeSGOriginal = 1.048, RecipeSGOriginalTemp = 68, "
                                    "RecipeMashTemp1 = 153, RecipeSGFinal = 1.0 WHERE "
                                    "RecipeBatchNo = 8"));
    context.recipes = recipes;
    engine.setUnits(UnitChoice::metric());
    ReportCommands c = commands();
    ASSERT_TRUE(c.previewCurrentRecipe(context, ReportCommands::previewWindow(nullptr)))
        << prompter.last().text.toStdString();
    const QString page = ReportHtml(output.reports.front());
    // 5 gal is 18.93 L, 6.5 gal 24.61 L; 68 °F is 20 °C and 153 °F 67 °C; 1.048 is 11.9 °P.
    EXPECT_TRUE(page.contains(QLatin1String("<td><b>Batch Size</b></td><td>18.93 L</td>")));
    EXPECT_TRUE(page.contains(QLatin1String("<td><b>Boil Size</b></td><td>24.61 L</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<td align=\"right\">67 \u00b0C</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<td align=\"right\">20 \u00b0C</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral(">Original (\u00b0P)</th>")));
    EXPECT_TRUE(page.contains(QLatin1String("<td align=\"right\">11.9</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("Original Gravity (\u00b0P)")));
    EXPECT_TRUE(page.contains(QStringLiteral("Color (EBC)")));
    EXPECT_TRUE(page.contains(QStringLiteral("Weight (kg)")));
    // No US unit is left beside a converted value.
    EXPECT_FALSE(page.contains(QLatin1String("gal<")));
    EXPECT_FALSE(page.contains(QStringLiteral("\u00b0F<")));

    // The list: the predicted and measured gravities in °P, the colour in EBC, headed so.
    output.reports.clear();
    const ReportSelection list = selection("Recipes");
    ASSERT_TRUE(c.openReport(list));
    ASSERT_TRUE(c.output(list, ReportCommands::Action::Print, context, {}));
    const RenderedReport& r = output.reports.front();
    const ReportBlock* table = nullptr;
    for (const ReportBlock& b : r.blocks)
        table = b.kind == ReportBlock::Kind::Table ? &b : table;
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->headers.contains(QStringLiteral("Predicted OG (\u00b0P)")));
    EXPECT_TRUE(table->headers.contains(QStringLiteral("EBC")));
    EXPECT_TRUE(table->headers.contains(QStringLiteral("OG (\u00b0P)")));
    EXPECT_FALSE(table->headers.contains(QStringLiteral("SRM")));
    const qsizetype og = table->headers.indexOf(QStringLiteral("OG (\u00b0P)"));
    bool found = false;
    for (const ReportRow& row : table->rows)
        found = found || (row.cell(0) == QLatin1String("8") && row.cell(og) == "11.9");
    EXPECT_TRUE(found);
}

TEST_F(Reports, AStoredTextIsShownAsItIsAndQuotesInDataStayText) {
    const QString data = copyShippedData();
    execSql(data, QStringLiteral("INSERT INTO Hops (HopsName, HopsAlpha, HopsOrigin) VALUES "
                                 "('<b>Bold</b> \"Hop\"', 'high', 'x'' OR 1=1 --')"));
    context.data = data;
    ReportCommands c = commands();
    ASSERT_TRUE(c.ensureEngineOpen());
    ASSERT_TRUE(c.openReport(selection("Hops")));
    ASSERT_TRUE(c.output(selection("Hops"), ReportCommands::Action::Print, context, {}));
    const QString page = ReportHtml(output.reports.front());
    EXPECT_TRUE(page.contains(QLatin1String("<td>&lt;b&gt;Bold&lt;/b&gt; &quot;Hop&quot;</td>")));
    EXPECT_TRUE(page.contains(QLatin1String("<td align=\"right\">high</td>")));
    EXPECT_TRUE(page.contains(QLatin1String("x&#x27; OR 1=1 --")) ||
                page.contains(QLatin1String("x' OR 1=1 --")));
}

} // namespace
} // namespace wsc
