// Filling the recipe log with 10,000 recipes, as View > Recipe Log and every refresh do.
#include "BenchData.h"
#include "app/document/CRecipeLogView.h"
#include "core/document/CWscalcDoc.h"

#include <benchmark/benchmark.h>

namespace {

using namespace wsc;

void BM_LogViewFill10000(benchmark::State& state) {
    bench::BenchDocument d(bench::BigRecipeDatabase());
    for (auto _ : state) {
        // A new view each time: its own connection, the snapshot and every row of the list.
        CRecipeLogView view(d.doc);
        view.Refresh();
        benchmark::DoNotOptimize(view.rowCount());
    }
}
BENCHMARK(BM_LogViewFill10000)->Unit(benchmark::kMillisecond);

void BM_LogViewRefresh10000(benchmark::State& state) {
    bench::BenchDocument d(bench::BigRecipeDatabase());
    CRecipeLogView view(d.doc);
    view.Refresh();
    for (auto _ : state) {
        view.Refresh();
        benchmark::DoNotOptimize(view.rowCount());
    }
}
BENCHMARK(BM_LogViewRefresh10000)->Unit(benchmark::kMillisecond);

} // namespace
