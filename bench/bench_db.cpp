// Opening a large recipe database and moving through it, as the recipe form does.
#include "BenchData.h"
#include "core/db/DatabaseOps.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoWorkspace.h"
#include "core/db/records/CRecordSetRecIngHops.h"
#include "core/db/records/CRecordSetRecipe.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace wsc;

void BM_OpenAndLoadFirstRecipe(benchmark::State& state) {
    const QString& path = wsc::bench::BigRecipeDatabase();
    for (auto _ : state) {
        CDaoDatabase db;
        db.Open(path);
        CRecordSetRecipe rs(&db);
        rs.Open();
        rs.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        db.workspace()->BeginTrans();
        rs.Edit();
        benchmark::DoNotOptimize(rs.m_RecipeName);
        db.workspace()->Rollback();
    }
}
BENCHMARK(BM_OpenAndLoadFirstRecipe)->Unit(benchmark::kMillisecond);

void BM_MoveNext1000(benchmark::State& state) {
    CDaoDatabase db;
    db.Open(wsc::bench::BigRecipeDatabase());
    CRecordSetRecipe rs(&db);
    rs.Open();
    rs.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
    for (auto _ : state) {
        rs.MoveFirst();
        for (int i = 0; i < 1000; ++i)
            rs.MoveNext();
        benchmark::DoNotOptimize(rs.m_RecipeBatchNo);
    }
    state.counters["per_move_us"] = benchmark::Counter(
        1000, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert,
        benchmark::Counter::kIs1000);
}
BENCHMARK(BM_MoveNext1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
