// Opening a large recipe database and moving through it, as the recipe form does.
#include "db/DatabaseOps.h"
#include "db/dao/CDaoDatabase.h"
#include "db/dao/CDaoWorkspace.h"
#include "db/records/CRecordSetRecIngHops.h"
#include "db/records/CRecordSetRecipe.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace wsc;

// 10,000 recipes with 6 ingredient rows each (60,000 rows), built once per process.
const QString& bigDatabase() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("big.mdb"));
        CreateRecipeDatabase(p, false);
        CDaoDatabase db;
        db.Open(p);
        db.connection().exec(QStringLiteral("BEGIN"));
        SqliteStatement r = db.connection().prepare(QStringLiteral(
            "INSERT INTO Recipes (RecipeBatchNo, RecipeName, RecipeComments) VALUES (?, ?, ?)"));
        for (int i = 1; i <= 10000; ++i) {
            r.bindInt64(1, i);
            r.bindText(2, QStringLiteral("Recipe %1").arg(i));
            r.bindText(3, QString(200, u'c'));
            r.exec();
            r.reset();
            for (const char* t :
                 {"Ingredients_Kits", "Ingredients_Extracts", "Ingredients_Grains",
                  "Ingredients_Hops", "Ingredients_Yeasts", "Ingredients_Adjuncts"}) {
                SqliteStatement ing = db.connection().prepare(
                    QStringLiteral("INSERT INTO %1 (IngRecipeID) VALUES (?)")
                        .arg(QString::fromLatin1(t)));
                ing.bindInt64(1, i);
                ing.exec();
            }
        }
        db.connection().exec(QStringLiteral("COMMIT"));
        return p;
    }();
    return path;
}

void BM_OpenAndLoadFirstRecipe(benchmark::State& state) {
    const QString& path = bigDatabase();
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
    db.Open(bigDatabase());
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
