#include "AppFixture.h"
#include "support/ChildProcess.h"

#include "app/calc/CTargetStyleGrid2.h"
#include "app/document/CRecipeLogView.h"
#include "app/document/CWscalcFrame.h"
#include "app/form/CRecipeFormSheet.h"
#include "app/form/CRecipeGrid1.h"
#include "app/form/CRecipePage.h"
#include "app/form/CRecipePropertySheet.h"
#include "app/shell/CMainFrame.h"
#include "app/widgets/Commands.h"
#include "core/db/DatabaseBackup.h"
#include "core/db/SqliteConnection.h"
#include "core/settings/MessageCatalog.h"
#include "support/FormParts.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTableWidget>
#include <QtTest/QTest>

#include <algorithm>
#include <csignal>

namespace wsc {
namespace {

using test::FormFixture;

class Trust : public FormFixture {
protected:
    ~Trust() override { CRecipeFormSheet::setGridLayoutDirectory(QString()); }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QStringList texts() const {
        QStringList all;
        for (const Prompt& p : m_prompter.shown())
            all << p.text;
        return all;
    }
};

TEST_F(Trust, TheLogReadsItsOwnDocumentsFile) {
    openSamples();
    // Another program, or another start of this one, changed the setting meanwhile.
    m_profile.setText(Setting::RecipeFileOpened, makeRecipeDb(QStringLiteral("other.mdb")));
    frame().runCommand(ID_VIEW_RECIPE_LOG);
    ASSERT_NE(frame().recipeLog(), nullptr);
    EXPECT_EQ(frame().recipeLog()->columnTexts(0).size(), 8);
}

// The copy of a changed file is made once the form shows its first recipe, not before, and
// before the first change is written: a failed copy is said over the form; a made one holds
// the file as it was, even when a commit comes before the program has drawn a thing.
TEST_F(Trust, TheStartBackupComesOnceTheFormShowsAndBeforeTheFirstCommit) {
    const QString file = copyShippedSamples();
    auto recipes = [](const QString& db) {
        SqliteConnection c(db, SqliteConnection::Mode::ReadOnly);
        return c
            .scalar(QStringLiteral("SELECT group_concat(RecipeBatchNo || RecipeName, '|') FROM "
                                   "(SELECT * FROM Recipes ORDER BY RecipeID)"))
            .toString();
    };
    const QString before = recipes(file);
    writeFile(QStringLiteral("backups"), "a file where the folder of backups would go");
    bool formShown = false;
    m_prompter.onShow = [&](const Prompt& p) {
        if (p.text.startsWith(QStringLiteral("Warning:\nNo backup copy")))
            formShown = form() && form()->isVisible() &&
                        test::NameEdit(form())->text() == QStringLiteral("Homestead Bitter");
    };
    start({QStringLiteral("/s"), file});
    ASSERT_NE(form(), nullptr);
    EXPECT_TRUE(texts().filter(QStringLiteral("No backup copy")).isEmpty());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !texts().filter(QStringLiteral("No backup copy")).isEmpty(); }, 5000));
    EXPECT_TRUE(formShown);
    m_prompter.onShow = {};
    m_app.reset();

    QFile::remove(path(QStringLiteral("backups")));
    start({QStringLiteral("/s"), file});
    ASSERT_NE(form(), nullptr);
    test::NameEdit(form())->setText(QStringLiteral("Changed at once"));
    frame().runCommand(ID_RECORD_COMMIT);
    const QStringList made = DatabaseBackup(path(QStringLiteral("backups"))).backupsOf(file);
    ASSERT_EQ(made.size(), 1);
    EXPECT_EQ(recipes(made.front()), before);
    EXPECT_NE(recipes(file), before);
    QTest::qWait(50); // the copy the start asked for is not made twice
    EXPECT_EQ(DatabaseBackup(path(QStringLiteral("backups"))).backupsOf(file).size(), 1);
}

TEST_F(Trust, FieldsTheUserDidNotTouchKeepTheirStoredValues) {
    const QString file = copyShippedSamples();
    const QString odd = QStringLiteral(
        "UPDATE Recipes SET RecipeSGOriginal=1.0525, RecipeFermConditioningUnits='Fortnights', "
        "RecipeDateBrewed='2026-03-04T17:45:00', RecipeSystemEfficiencyActual=61.3, "
        "RecipeSystemEfficiencyExpected=72.25, RecipeMashType=9, RecipeMeasureEnglish=7 "
        "WHERE RecipeID=2");
    execSql(file, odd);
    const QByteArray untouched = test::FileDigest(file);
    open(file);
    // Looking at every recipe and its pages writes nothing. (Coming back to Fermentation
    // Info runs the calculations, which may bring a hop row's stored bitterness up to date.)
    for (int i = 0; i < 8; ++i) {
        for (int page : {0, 1, 2, 4, 5})
            form()->showPage(page);
        frame().runCommand(ID_RECORD_NEXT);
    }
    frame().runCommand(ID_RECORD_FIRST);
    EXPECT_EQ(test::FileDigest(file), untouched);

    // A change to one field writes that field only.
    goToBatch(2);
    test::BrewerEdit(form())->setFocus();
    test::BrewerEdit(form())->selectAll();
    QTest::keyClicks(test::BrewerEdit(form()), QStringLiteral("Typed Brewer"));
    frame().runCommand(ID_RECORD_NEXT);
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeID=2")),
              QStringLiteral("Typed Brewer"));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeSGOriginal FROM Recipes WHERE RecipeID=2"))
                  .toDouble(),
              1.0525);
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeFermConditioningUnits FROM Recipes WHERE "
                                       "RecipeID=2")),
              QStringLiteral("Fortnights"));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeDateBrewed FROM Recipes WHERE RecipeID=2")),
              QStringLiteral("2026-03-04T17:45:00"));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeSystemEfficiencyExpected FROM Recipes WHERE "
                                       "RecipeID=2"))
                  .toDouble(),
              72.25);
    // A choice stored that no button stands for (no button is shown chosen) stays.
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeMashType FROM Recipes WHERE RecipeID=2")), 9);
    EXPECT_EQ(
        committed(QStringLiteral("SELECT RecipeMeasureEnglish FROM Recipes WHERE RecipeID=2")), 7);
}

// Texts another tool stored, longer than the fields take: shown at once, cut, with a note,
// and kept whole however the recipe is changed and committed.
TEST_F(Trust, TextsLongerThanTheirFieldsAreShownCutAndKeptWhole) {
    const QString file = copyShippedSamples();
    const QString name = QStringLiteral("A name longer than the fifty characters the field takes");
    execSql(file,
            QStringLiteral("UPDATE Recipes SET RecipeComments = replace(hex(zeroblob(500000)), "
                           "'00', 'ab'), RecipeName = '%1' WHERE RecipeBatchNo = 1")
                .arg(name));
    open(file);
    auto* comments = test::Sheet(form())
                         ->page(CRecipeFormSheet::PageComments)
                         ->findChild<QPlainTextEdit*>(QStringLiteral("comments"));
    ASSERT_NE(comments, nullptr);
    form()->showPage(CRecipeFormSheet::PageComments);
    EXPECT_LT(comments->toPlainText().size(), 70000);
    EXPECT_TRUE(
        comments->toPlainText().contains(QStringLiteral("of its 1000000 characters are shown")));
    EXPECT_TRUE(comments->isReadOnly());
    EXPECT_EQ(test::NameEdit(form())->text(), name.left(50));
    EXPECT_TRUE(test::NameEdit(form())->isReadOnly());
    EXPECT_FALSE(test::BrewerEdit(form())->isReadOnly());

    // Another field changed and committed: the long texts stay as they were stored.
    test::BrewerEdit(form())->setFocus();
    QTest::keyClicks(test::BrewerEdit(form()), QStringLiteral(" and friend"));
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_EQ(committed(QStringLiteral("SELECT length(RecipeComments) FROM Recipes WHERE "
                                       "RecipeBatchNo = 1")),
              1000000);
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeName FROM Recipes WHERE RecipeBatchNo = 1")),
              name);
    EXPECT_TRUE(
        committed(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeBatchNo = 1"))
            .toString()
            .endsWith(QStringLiteral(" and friend")));
    // The next recipe's texts are whole and can be changed again.
    frame().runCommand(ID_RECORD_NEXT);
    EXPECT_FALSE(comments->isReadOnly());
    EXPECT_FALSE(test::NameEdit(form())->isReadOnly());
}

struct LayoutCase {
    const char* name;
    QByteArray content; // empty: no file at all
    const char* says;
};

class BadLayouts : public Trust, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(BadLayouts, TheFormOpensWithTheBuiltInLayoutAndSaysWhy) {
    const LayoutCase& c = GetParam();
    const QString dir = path(QStringLiteral("layouts"));
    ASSERT_TRUE(QDir().mkdir(dir));
    if (!c.content.isNull()) {
        QFile f(dir + QStringLiteral("/GWIngredients.gws"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.content);
        QFile t(dir + QStringLiteral("/GWTargetStyle.gws"));
        ASSERT_TRUE(t.open(QIODevice::WriteOnly));
        t.write(c.content);
    }
    CRecipeFormSheet::setGridLayoutDirectory(dir);
    openSamples();
    // open() clears the prompts; the layout message came before.
    m_prompter.clear();
    CRecipeGrid1* grid = test::Grid(form());
    ASSERT_EQ(grid->sheetCount(), SheetCount);
    EXPECT_EQ(grid->table(SheetHops)->columnCount(), 8);
    goToBatch(2);
    EXPECT_GT(grid->ingredientCount(SheetHops), 0);
    CTargetStyleGrid2 target(dir, &m_prompter);
    EXPECT_EQ(target.sheetCount(), 1);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(m_prompter.last().text.startsWith(QStringLiteral("Configuration Error:")));
    EXPECT_TRUE(m_prompter.last().text.contains(QString::fromLatin1(c.says)))
        << m_prompter.last().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, BadLayouts,
    ::testing::Values(
        LayoutCase{"missing", QByteArray(), "missing or empty"},
        LayoutCase{"empty", QByteArray(""), "missing or empty"},
        LayoutCase{"garbled", QByteArray("\x01\x02 not a layout \xff"), "number of sheets"},
        LayoutCase{"fiveSheets", QByteArray("[Grid]\nSheets=5\n"), "has 5 sheets where"},
        LayoutCase{"sevenSheets", QByteArray("[Grid]\nSheets=7\n"), "has 7 sheets where"},
        LayoutCase{"hugeSheets", QByteArray("[Grid]\nSheets=2147483647\n"), "number of sheets"},
        LayoutCase{"hugeColumns", QByteArray("[Grid]\nSheets=1\n[Sheet0]\nColumns=100000000\n"),
                   "columns it needs"},
        LayoutCase{"unknownCellType",
                   QByteArray("[Grid]\nSheets=1\n[Sheet0]\nColumns=6\nColumn0=|130|Header\n"
                              "Column1=Low|65|Edit\nColumn2=|20|Edit\nColumn3=Recipe|70|Flaot\n"
                              "Column4=|20|Edit\nColumn5=High|65|Edit\n"),
                   "column 3 of sheet 0 has the cell type \"Flaot\", which is none of"},
        LayoutCase{"huge", QByteArray("[Grid]\nSheets=1\n;") + QByteArray(2 << 20, 'x'),
                   "cannot be read as a layout file"}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST_F(Trust, SettingsOfTheWrongSizeOrTypeAreIgnored) {
    m_profile.setText(Setting::RecipeFormSizeMaxX, QStringLiteral("-5"));
    m_profile.setInteger(Setting::RecipeFormSizeMaxY, 999999999);
    m_profile.setText(Setting::RecipeDocSizeMaxX, QStringLiteral("abc"));
    m_profile.setText(Setting::WindowPos,
                      QStringLiteral("0,1,-1,-1,-1,-1,0,0,2000000000,2000000000"));
    openSamples();
    EXPECT_EQ(frame().formFrame()->width(), 840);
    EXPECT_EQ(frame().formFrame()->height(), 510);
    EXPECT_EQ(form()->sizeHint().width(), 815);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(frame().width(), screen.width());
    EXPECT_LE(frame().height(), screen.height());
}

// The program itself, started as a user starts it and ended from outside.
class Ending : public test::DbFixture {
protected:
    // A settings file of the program's own under a home folder of the test's.
    test::ChildProcess::Environment startAsAUser(const QString& data, bool tipAtStart = false) {
        const QString config = path(QStringLiteral("home/config/Quillbarrow Software"));
        EXPECT_TRUE(QDir().mkpath(config));
        QFile settings(config + QStringLiteral("/Wortsmith Calculator.conf"));
        EXPECT_TRUE(settings.open(QIODevice::WriteOnly));
        // The program starts without the Tip of the Day, as a user who turned it off, unless
        // the tip is what the test is about, and without the question of units, as a user who
        // has answered it.
        settings.write(tipAtStart ? "[Tip]\nStartUp=0\n" : "[Tip]\nStartUp=1\n");
        settings.write("[Units]\nOffered=1\n");
        if (!data.isEmpty())
            settings.write("[Settings]\nDefaultDataFile=" + QFile::encodeName(data) + "\n");
        settings.close();
        const QByteArray home = QFile::encodeName(path(QStringLiteral("home")));
        return {{"HOME", home},
                {"XDG_CONFIG_HOME", home + "/config"},
                {"XDG_DATA_HOME", home + "/data"},
                {"XDG_CACHE_HOME", home + "/cache"},
                {"QT_QPA_PLATFORM", "offscreen"}};
    }
    // Where a child program started by a test writes its standard error.
    QString errorsFile() { return path(QStringLiteral("errors.txt")); }
    // The program ended by itself with status 0, leaving each file whole, with nothing beside
    // it, and as it was before.
    void expectEndedCleanly(test::ChildProcess& child, const QString& file,
                            const QByteArray& digest) {
        ASSERT_TRUE(child.waitForExit()) << "the program did not end";
        // What the program wrote, to tell a crash from a refusal when this fails.
        const QByteArray said = child.output() + readFile(errorsFile());
        EXPECT_TRUE(child.exitedByItself()) << "ended by signal " << child.endingSignal() << "\n"
                                            << said.constData();
        EXPECT_EQ(child.exitCode(), 0) << said.constData();
        EXPECT_TRUE(test::SidecarsOf(file).isEmpty())
            << test::SidecarsOf(file).join(u' ').toStdString();
        EXPECT_EQ(test::FileDigest(file), digest) << file.toStdString() << " was changed";
        SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
        EXPECT_EQ(c.integrityCheck(), QStringLiteral("ok"));
    }
};

class EndingIdle : public Ending, public ::testing::WithParamInterface<int> {};

TEST_P(EndingIdle, ASignalClosesTheDatabaseCleanly) {
    const QString file = copyShippedSamples();
    openFolderToEveryone();
    const QByteArray digest = test::FileDigest(file);
    test::ChildProcess child({QByteArray(WSC_APP_BINARY), "/s", QFile::encodeName(file)},
                             startAsAUser({}));
    // The program has the file open once its lock is there.
    const QString lock = file + QStringLiteral(".lock");
    for (int i = 0; i < 1200 && !QFileInfo::exists(lock); ++i)
        QTest::qWait(50);
    ASSERT_TRUE(QFileInfo::exists(lock));
    child.signal(GetParam());
    expectEndedCleanly(child, file, digest);
    SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
}

INSTANTIATE_TEST_SUITE_P(TermHangUpAndCtrlC, EndingIdle,
                         ::testing::Values(SIGTERM, SIGHUP, SIGINT));

// File > Exit ends the program, also while the help window is open beside it.
TEST_F(Ending, ExitEndsTheProgramWithTheHelpWindowOpen) {
    const QString recipes = copyShippedSamples();
    const QString data = copyShippedData();
    const QByteArray digest = test::FileDigest(recipes);
    const QString errors = errorsFile();
    // Started in the help file's folder, where the program looks for it first.
    test::ChildProcess child(
        {QByteArray(WSC_SIGNAL_CHILD), "exit-with-help", "/s", QFile::encodeName(recipes)},
        startAsAUser(data), QFile::encodeName(errors),
        QFile::encodeName(QFileInfo(QStringLiteral(WSC_HELP_FILE)).absolutePath()));
    ASSERT_TRUE(child.waitFor("help open"))
        << child.output().constData() << readFile(errors).constData();
    expectEndedCleanly(child, recipes, digest);
}

std::string SignalName(int signal) {
    return signal == SIGTERM ? "_Term" : signal == SIGHUP ? "_HangUp" : "_CtrlC";
}

struct OpenWindowCase {
    const char* scenario;
    // What is open when the signal comes.
    const char* window;
    int signal;
};
void PrintTo(const OpenWindowCase& c, std::ostream* os) {
    *os << c.scenario << " with " << c.window << " open";
}

class EndingWithAWindowOpen : public Ending,
                              public ::testing::WithParamInterface<OpenWindowCase> {};

// A signal while a question, a dialog or a start-up message is open ends the program cleanly:
// what was typed is rolled back unasked, the locks go, and the status is 0.
TEST_P(EndingWithAWindowOpen, ASignalEndsTheProgramWithNothingHalfSaved) {
    const OpenWindowCase& c = GetParam();
    const QString recipes = copyShippedSamples();
    const QString data = copyShippedData();
    // A value the program cannot use, which it says at once when the recipe shows.
    if (QByteArray(c.scenario) == "startup")
        execSql(recipes, QStringLiteral(
                             "UPDATE Recipes SET RecipeBoilLth = 'long' WHERE RecipeBatchNo = 1"));
    const QByteArray recipesDigest = test::FileDigest(recipes);
    const QByteArray dataDigest = test::FileDigest(data);
    const QString errors = errorsFile();
    const bool tip = QByteArray(c.scenario) == "tip";
    test::ChildProcess child({QByteArray(WSC_SIGNAL_CHILD), tip ? "startup" : c.scenario, "/s",
                              QFile::encodeName(recipes)},
                             startAsAUser(data, tip), QFile::encodeName(errors));
    ASSERT_TRUE(child.waitFor(QByteArray("open ") + c.window))
        << child.output().constData() << readFile(errors).constData();
    // The file is held while the window is open.
    EXPECT_TRUE(QFileInfo::exists(recipes + QStringLiteral(".lock")));
    child.signal(c.signal);
    expectEndedCleanly(child, recipes, recipesDigest);
    expectEndedCleanly(child, data, dataDigest);
    EXPECT_FALSE(child.output().contains("returned")) << "the command went on after the signal";
}

INSTANTIATE_TEST_SUITE_P(
    Windows, EndingWithAWindowOpen,
    ::testing::Values(OpenWindowCase{"question", "QMessageBox", SIGTERM},
                      OpenWindowCase{"question", "QMessageBox", SIGHUP},
                      OpenWindowCase{"question", "QMessageBox", SIGINT},
                      OpenWindowCase{"delete", "QMessageBox", SIGTERM},
                      OpenWindowCase{"startup", "QMessageBox", SIGTERM},
                      OpenWindowCase{"startup", "QMessageBox", SIGHUP},
                      OpenWindowCase{"tip", "wsc::CTipOfTheDayDlg", SIGTERM},
                      OpenWindowCase{"tip", "wsc::CTipOfTheDayDlg", SIGHUP},
                      OpenWindowCase{"tip", "wsc::CTipOfTheDayDlg", SIGINT},
                      OpenWindowCase{"lookup", "wsc::CLookupDlg", SIGTERM},
                      OpenWindowCase{"maintenance", "wsc::CAddChgHops", SIGTERM},
                      OpenWindowCase{"options", "wsc::CWSOptionsSheet", SIGTERM},
                      OpenWindowCase{"calculator", "wsc::CBitternessCalcDlg", SIGHUP},
                      OpenWindowCase{"filedialog", "QFileDialog", SIGTERM}),
    [](const ::testing::TestParamInfo<OpenWindowCase>& info) {
        return std::string(info.param.scenario) + SignalName(info.param.signal);
    });

class EndingBusy : public Ending, public ::testing::WithParamInterface<OpenWindowCase> {};

// A signal while the main thread is deaf to its events (a long layout, a query that runs on)
// still ends the program at once: the query is stopped, or the databases are rolled back from
// the signal's own thread; the change in the open transaction is gone, the lock too.
TEST_P(EndingBusy, ASignalEndsAProgramThatDoesNotLookUp) {
    const OpenWindowCase& c = GetParam();
    const QString recipes = copyShippedSamples();
    const QString data = copyShippedData();
    const QByteArray digest = test::FileDigest(recipes);
    const QString errors = errorsFile();
    test::ChildProcess child(
        {QByteArray(WSC_SIGNAL_CHILD), c.scenario, "/s", QFile::encodeName(recipes)},
        startAsAUser(data), QFile::encodeName(errors));
    ASSERT_TRUE(child.waitFor("busy")) << child.output().constData() << readFile(errors).data();
    EXPECT_TRUE(QFileInfo::exists(recipes + QStringLiteral("-journal")));
    child.signal(c.signal);
    expectEndedCleanly(child, recipes, digest);
}

INSTANTIATE_TEST_SUITE_P(Busy, EndingBusy,
                         ::testing::Values(OpenWindowCase{"busy", "", SIGINT},
                                           OpenWindowCase{"busy", "", SIGTERM},
                                           OpenWindowCase{"busy-sql", "", SIGINT},
                                           OpenWindowCase{"busy-sql", "", SIGHUP}),
                         [](const ::testing::TestParamInfo<OpenWindowCase>& info) {
                             std::string name = info.param.scenario;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name + SignalName(info.param.signal);
                         });

} // namespace
} // namespace wsc
