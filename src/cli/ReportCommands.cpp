#include "cli/CliSupport.h"
#include "core/shell/ProgramFiles.h"

#include "core/calc/UtilizationTable.h"
#include "core/db/DatabaseOps.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/reports/PrintEngine.h"
#include "core/reports/ReportCommands.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ScriptedPrompter.h"
#include "render/PdfReportOutput.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

namespace wsc::cli {
namespace {

// The databases named on the command line; nothing is ever unsaved here.
class CliReportContext : public ReportContext {
public:
    QString recipeDatabase() const override { return recipes; }
    QString dataDatabase() const override { return data; }
    std::int64_t currentBatch() const override { return batch; }
    bool hasUnsavedChanges() const override { return false; }
    bool displayWarnings() const override { return false; }

    QString recipes;
    QString data;
    std::int64_t batch = 0;
};

QString reportUsage() {
    QStringList names;
    for (const ReportEntry& e : ReportCatalog())
        names << QLatin1String(e.file);
    return QStringLiteral("--report NAME [--db RECIPES.mdb] [--data DATA.mdb] [--batch N] "
                          "[--reports DIR] [--units us|metric] (--pdf OUT.pdf | --html OUT.html)\n "
                          " NAME is one of "
                          "%1, or its title in Select Report")
        .arg(names.join(QStringLiteral(", ")));
}

int cmdReport(const Args& a, const Output& io) {
    const ReportEntry* entry = ReportNamed(a.option(QStringLiteral("report")));
    if (!entry) {
        Fail(io, QStringLiteral("unknown report \"%1\"").arg(a.option(QStringLiteral("report"))));
        return kUsage;
    }
    const QString pdf = a.option(QStringLiteral("pdf"));
    const QString htmlOut = a.option(QStringLiteral("html"));
    if (pdf.isEmpty() && htmlOut.isEmpty()) {
        Fail(io, QStringLiteral("say where the report goes: --pdf or --html"));
        return kUsage;
    }
    if (!pdf.isEmpty() && !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return Fail(io, QStringLiteral("PDF files are written by the program wscalc-cli only"));

    CliReportContext context;
    context.recipes = a.option(QStringLiteral("db"));
    context.data = a.option(QStringLiteral("data"));
    const bool recipeReport = QLatin1String(entry->file) == QLatin1String(kRecipeReport);
    if (recipeReport) {
        bool ok = false;
        context.batch = a.option(QStringLiteral("batch")).toLongLong(&ok);
        if (!ok || context.batch < 0) {
            Fail(io, QStringLiteral("the current recipe report needs --batch N"));
            return kUsage;
        }
    }
    const bool needsRecipes = entry->database == ReportDatabase::Recipes;
    if ((needsRecipes && context.recipes.isEmpty()) || (!needsRecipes && context.data.isEmpty())) {
        Fail(io, QStringLiteral("the report \"%1\" reads the %2 database: give --%3")
                     .arg(QLatin1String(entry->display),
                          needsRecipes ? QStringLiteral("recipe") : QStringLiteral("Data"),
                          needsRecipes ? QStringLiteral("db") : QStringLiteral("data")));
        return kUsage;
    }

    const std::optional<UnitChoice> units = UnitsOption(a, io);
    if (!units)
        return kError;
    UtilizationTable table;
    try {
        if (const auto wrong = WrongKind(io.err, context.recipes, context.data))
            return *wrong;
        table = LoadUtilization(context.data);
    } catch (const CDaoException& e) {
        return Fail(io, QString::fromUtf8(e.what()));
    }
    QString directory = a.option(QStringLiteral("reports"));
    if (directory.isEmpty())
        directory = ProgramFiles::installedFolderHolding(QStringLiteral("Recipe.rpt"));
    PrintEngine engine;
    PdfReportOutput output(pdf, htmlOut);
    engine.setOutput(&output);
    engine.setUtilization(&table);
    engine.setUnits(*units);
    ScriptedPrompter prompter;
    ReportCommands commands(engine, prompter, directory);
    const ReportSelection selection = ReportSelection::of(*entry);
    const bool done = commands.ensureEngineOpen() && commands.openReport(selection) &&
                      commands.output(selection, ReportCommands::Action::Print, context, {});
    for (const Prompt& p : prompter.shown())
        Print(io.err, p.text);
    if (!done)
        return kError;
    if (!pdf.isEmpty())
        Print(io.out, QStringLiteral("%1: %2 page(s) written to %3")
                          .arg(QLatin1String(entry->display))
                          .arg(output.pages())
                          .arg(QFileInfo(pdf).absoluteFilePath()));
    return kOk;
}

} // namespace

void AddReportCommands(CommandTable& table) {
    table[QStringLiteral("report")] = {reportUsage(),
                                       {QStringLiteral("report"), QStringLiteral("db"),
                                        QStringLiteral("data"), QStringLiteral("batch"),
                                        QStringLiteral("reports"), QStringLiteral("pdf"),
                                        QStringLiteral("html"), QStringLiteral("units")},
                                       {},
                                       false,
                                       cmdReport};
}

} // namespace wsc::cli
