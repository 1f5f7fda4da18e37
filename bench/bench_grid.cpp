// Re-binding the six sheets of the ingredients grid, as every move to another recipe does, and
// the predictions strip worked out from the grid's cells after an edit.
#include "BenchData.h"
#include "app/form/CRecipeGrid1.h"
#include "app/widgets/DialogRunner.h"
#include "core/calc/Predictions.h"
#include "core/calc/UtilizationTable.h"
#include "core/db/DatabaseOps.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/document/CWscalcDoc.h"
#include "core/document/ShippedDatabases.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace wsc;

// One recipe with 60 ingredient rows, 10 of each kind.
QString recipeWith60Rows(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("sixty.mdb"));
    CreateRecipeDatabase(path, false);
    SqliteConnection c(path, SqliteConnection::Mode::ReadWrite);
    c.exec(
        QStringLiteral("BEGIN; INSERT INTO Recipes (RecipeBatchNo, RecipeName) VALUES (1, 'R')"));
    for (int i = 0; i < 10; ++i) {
        c.exec(QStringLiteral(
            "INSERT INTO Ingredients_Kits (IngRecipeID, IngKitsManuf, IngKitsStyle, IngKitsWeight) "
            "VALUES (1, 'M', 'S', 3.3);"
            "INSERT INTO Ingredients_Extracts (IngRecipeID, IngExtractsName, IngExtractsWeight) "
            "VALUES (1, 'E', 3.3);"
            "INSERT INTO Ingredients_Grains (IngRecipeID, IngGrainsName, IngGrainsWeight) VALUES "
            "(1, 'G', 1.25);"
            "INSERT INTO Ingredients_Adjuncts (IngRecipeID, IngAdjunctsName, IngAdjunctsAmt) "
            "VALUES (1, 'A', '1');"
            "INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName, IngHopsAlpha, IngHopsTime) "
            "VALUES (1, 'H', 5.5, 60);"
            "INSERT INTO Ingredients_Yeasts (IngRecipeID, IngYeastName) VALUES (1, 'Y');"));
    }
    c.exec(QStringLiteral("COMMIT"));
    return path;
}

// The grid of the form on that recipe, as the form makes it.
struct GridOn60Rows {
    GridOn60Rows()
        : profile(dir.filePath(QStringLiteral("settings.ini"))), services{prompter, profile,
                                                                          nullptr, nullptr},
          doc(services), grid(doc, runner,
                              CRecipeGrid1::Hooks{[] { return 1L; }, [] {}, [] { return true; },
                                                  [](int, bool) {}}) {
        doc.OnOpenDocument(recipeWith60Rows(dir));
        grid.Create(QCoreApplication::applicationDirPath());
    }
    QTemporaryDir dir;
    ProfileStore profile;
    ScriptedPrompter prompter;
    CoreServices services;
    CWscalcDoc doc;
    DialogRunner runner;
    CRecipeGrid1 grid;
};

void BM_RebindSixSheets60Rows(benchmark::State& state) {
    GridOn60Rows on;
    for (auto _ : state) {
        on.grid.bindAll();
        benchmark::DoNotOptimize(on.grid.GetRowCount(SheetHops));
    }
    state.counters["rows"] = on.grid.GetRowCount(SheetHops) - 2;
}
BENCHMARK(BM_RebindSixSheets60Rows)->Unit(benchmark::kMillisecond);

// The run the strip makes on the grid itself (its writes kept aside), and the Recipe page's
// shares: twice the 30 rows a large recipe has.
void BM_StripFromTheGrid60Rows(benchmark::State& state) {
    GridOn60Rows on;
    on.grid.bindAll();
    const UtilizationTable table = UtilizationTable::shipped();
    const StyleRanges style{1.040, 1.060, 4, 6, 20, 40, 4, 12};
    for (auto _ : state) {
        const Predictions p = Predict(on.grid, table, RecipeInputs{});
        benchmark::DoNotOptimize(PredictionLines(p, style));
        benchmark::DoNotOptimize(GlanceOf(on.grid, p));
    }
}
BENCHMARK(BM_StripFromTheGrid60Rows)->Unit(benchmark::kMicrosecond);

} // namespace
