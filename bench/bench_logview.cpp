// Filling the recipe log with 10,000 recipes, as View > Recipe Log and every refresh do.
#include "BenchData.h"
#include "document/CRecipeLogView.h"
#include "document/CWscalcDoc.h"
#include "settings/ProfileStore.h"
#include "settings/ScriptedPrompter.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace wsc;

void BM_LogViewFill10000(benchmark::State& state) {
    QTemporaryDir dir;
    ProfileStore profile(dir.filePath(QStringLiteral("settings.ini")));
    ScriptedPrompter prompter;
    CoreServices services{prompter, profile, nullptr, nullptr};
    CWscalcDoc doc(services);
    doc.OnOpenDocument(bench::BigRecipeDatabase());
    for (auto _ : state) {
        // A new view each time: its own connection, the snapshot and every row of the list.
        CRecipeLogView view(doc);
        view.Refresh();
        benchmark::DoNotOptimize(view.topLevelItemCount());
    }
}
BENCHMARK(BM_LogViewFill10000)->Unit(benchmark::kMillisecond);

void BM_LogViewRefresh10000(benchmark::State& state) {
    QTemporaryDir dir;
    ProfileStore profile(dir.filePath(QStringLiteral("settings.ini")));
    ScriptedPrompter prompter;
    CoreServices services{prompter, profile, nullptr, nullptr};
    CWscalcDoc doc(services);
    doc.OnOpenDocument(bench::BigRecipeDatabase());
    CRecipeLogView view(doc);
    view.Refresh();
    for (auto _ : state) {
        view.Refresh();
        benchmark::DoNotOptimize(view.topLevelItemCount());
    }
}
BENCHMARK(BM_LogViewRefresh10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
