// Reports to PDF as a script makes them: the current recipe sheet, and the list of all recipes
// of a 10,000-recipe database.
#include "BenchData.h"
#include "core/calc/UtilizationTable.h"
#include "core/reports/PrintEngine.h"
#include "core/reports/ReportCommands.h"
#include "core/reports/ReportRenderer.h"
#include "core/settings/ScriptedPrompter.h"
#include "render/PdfReportOutput.h"
#include "render/ReportPages.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace wsc;

class Context : public ReportContext {
public:
    explicit Context(QString recipes) : m_recipes(std::move(recipes)) {}
    QString recipeDatabase() const override { return m_recipes; }
    QString dataDatabase() const override { return QStringLiteral(WSC_DATA_DB); }
    std::int64_t currentBatch() const override { return 8; }
    bool hasUnsavedChanges() const override { return false; }
    bool displayWarnings() const override { return false; }

private:
    QString m_recipes;
};

void toPdf(benchmark::State& state, const QString& recipes, const char* file) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    Context context(recipes);
    int pages = 0;
    for (auto _ : state) {
        PrintEngine engine;
        PdfReportOutput output(pdf);
        engine.setOutput(&output);
        ScriptedPrompter prompter;
        ReportCommands commands(engine, prompter, QCoreApplication::applicationDirPath());
        const ReportSelection s = ReportSelection::of(*ReportNamed(QString::fromLatin1(file)));
        if (!commands.ensureEngineOpen() || !commands.openReport(s) ||
            !commands.output(s, ReportCommands::Action::Print, context, {})) {
            state.SkipWithError("the report was not made");
            return;
        }
        pages = output.pages();
    }
    state.counters["pages"] = pages;
}

void BM_CurrentRecipeToPdf(benchmark::State& state) {
    toPdf(state, QStringLiteral(WSC_SAMPLES_DB), "Recipe");
}
BENCHMARK(BM_CurrentRecipeToPdf)->Unit(benchmark::kMillisecond);

void BM_AllRecipesOf10000ToPdf(benchmark::State& state) {
    toPdf(state, wsc::bench::BigRecipeDatabase(), "Recipes");
}
BENCHMARK(BM_AllRecipesOf10000ToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// The stages of the big list on their own: the rows read and formatted, the same as HTML, the
// pages counted, the PDF file drawn from them.
const RenderedReport& bigList() {
    static const ReportFile file =
        ReportFile::load(QCoreApplication::applicationDirPath() + QStringLiteral("/Recipes.rpt"));
    static const UtilizationTable shipped = UtilizationTable::shipped();
    static const RenderedReport report = [] {
        ReportInputs in;
        in.file = &file;
        in.database = wsc::bench::BigRecipeDatabase();
        in.utilization = &shipped;
        in.printDate = QDate(2026, 12, 7);
        return RenderReport(in);
    }();
    return report;
}

void BM_AllRecipesOf10000Rows(benchmark::State& state) {
    const ReportFile file =
        ReportFile::load(QCoreApplication::applicationDirPath() + QStringLiteral("/Recipes.rpt"));
    const UtilizationTable shipped = UtilizationTable::shipped();
    ReportInputs in;
    in.file = &file;
    in.database = wsc::bench::BigRecipeDatabase();
    in.utilization = &shipped;
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderReport(in).rows);
}
BENCHMARK(BM_AllRecipesOf10000Rows)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AllRecipesOf10000Html(benchmark::State& state) {
    const RenderedReport& report = bigList();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportHtml(report).size());
}
BENCHMARK(BM_AllRecipesOf10000Html)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AllRecipesOf10000Pages(benchmark::State& state) {
    const RenderedReport& report = bigList();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportPages(report).pageCount());
}
BENCHMARK(BM_AllRecipesOf10000Pages)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AllRecipesOf10000PdfOnly(benchmark::State& state) {
    const ReportPages pages(bigList());
    QTemporaryDir dir;
    for (auto _ : state)
        pages.writePdf(dir.filePath(QStringLiteral("out.pdf")), nullptr);
}
BENCHMARK(BM_AllRecipesOf10000PdfOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
