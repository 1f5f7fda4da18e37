// What a brewer does in a database of 10,000 and 100,000 recipes (6 ingredient rows each): open
// and sort the recipe log, commit a recipe with the log open and with it closed.
//   wsc_bench_scale [--benchmark_filter=...]
#include "BenchData.h"
#include "app/document/CRecipeLogView.h"
#include "app/form/CRecipeFormSheet.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CWscalcApp.h"
#include "app/widgets/Commands.h"
#include "app/widgets/DialogRunner.h"
#include "core/db/SqliteConnection.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace wsc;

// Every dialog is closed at once; nothing is asked.
class Runner : public DialogRunner {
public:
    int exec(QDialog&) override { return QDialog::Rejected; }
};

// The program on a copy of a generated database, with the recipe form showing.
struct Program {
    explicit Program(int recipes)
        : profile(dir.filePath(QStringLiteral("settings.ini"))),
          file(bench::CopyOfRecipeDatabase(recipes, dir)) {
        profile.setInteger(Setting::TipStartUp, 1);
        CWscalcApp::Environment env;
        env.profile = &profile;
        env.prompter = &prompter;
        env.runner = &runner;
        env.backupRoot = dir.filePath(QStringLiteral("backups"));
        app = std::make_unique<CWscalcApp>(env);
        app->InitInstance({QStringLiteral("/s"), file});
    }
    CMainFrame& frame() { return *app->mainFrame(); }
    QTemporaryDir dir;
    ProfileStore profile;
    QString file;
    ScriptedPrompter prompter;
    Runner runner;
    std::unique_ptr<CWscalcApp> app;
};

// View > Recipe Log on a document: a new view, its connection and every row.
void BM_LogOpen(benchmark::State& state) {
    const int recipes = static_cast<int>(state.range(0));
    bench::BenchDocument d(bench::RecipeDatabase(recipes));
    long long grown = 0;
    for (auto _ : state) {
        const long long before = bench::ResidentBytes();
        CRecipeLogView view(d.doc);
        view.resize(800, 600);
        view.Refresh();
        grown = std::max(grown, bench::ResidentBytes() - before);
        benchmark::DoNotOptimize(view.selectedRow());
    }
    state.counters["grown_MiB"] = double(grown) / (1024 * 1024);
}
BENCHMARK(BM_LogOpen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// A click on the "Recipe Name" heading, then on "Brew Date".
void BM_LogSort(benchmark::State& state) {
    bench::BenchDocument d(bench::RecipeDatabase(static_cast<int>(state.range(0))));
    CRecipeLogView view(d.doc);
    view.resize(800, 600);
    view.Refresh();
    int column = 1;
    for (auto _ : state) {
        view.SortBy(column);
        column = column == 1 ? 2 : 1;
        benchmark::DoNotOptimize(view.selectedRow());
    }
}
BENCHMARK(BM_LogSort)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(6);

// Record > Commit after a change of the recipe's name; the second argument opens the log.
void BM_Commit(benchmark::State& state) {
    Program p(static_cast<int>(state.range(0)));
    if (state.range(1) != 0) {
        p.frame().runCommand(ID_VIEW_RECIPE_LOG);
        // Laid out as on the screen: the first layout of a view is not the commit's work.
        p.frame().recipeLog()->doItemsLayout();
        // The log stays open behind the form, which takes the commands again.
        p.frame().runCommand(ID_VIEW_RECIPE_FORM);
    }
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        p.frame()
            .recipeForm()
            ->findChild<QLineEdit*>(QStringLiteral("name"))
            ->setText(QStringLiteral("Renamed %1").arg(++n));
        state.ResumeTiming();
        p.frame().runCommand(ID_RECORD_COMMIT);
    }
    state.counters["log_open"] = double(p.frame().recipeLog() != nullptr);
    SqliteConnection c(p.file, SqliteConnection::Mode::ReadOnly);
    if (c.scalar(
             QStringLiteral("SELECT count(*) FROM Recipes WHERE RecipeName = 'Renamed %1'").arg(n))
            .toInt() != 1)
        state.SkipWithError("the commit did not reach the file");
}
BENCHMARK(BM_Commit)
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace
