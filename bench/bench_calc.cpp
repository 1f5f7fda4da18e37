// A full calculation run on a recipe of 60 ingredient rows (10 per sheet, 20 hop rows), and
// what the recipe form's strip of predictions works out after an edit of a 30-row recipe.
#include "core/calc/IngredientSheets.h"
#include "core/calc/Predictions.h"
#include "core/calc/RecipeCalculator.h"
#include "core/calc/UtilizationTable.h"

#include <benchmark/benchmark.h>

namespace {

using namespace wsc;

void BM_FullRun60Rows(benchmark::State& state) {
    MemorySheets sheets;
    auto s = [](const char* t) { return QString::fromLatin1(t); };
    for (int i = 0; i < 10; ++i) {
        sheets.addRow(SheetKits,
                      {s("M"), s("S"), s("2.0"), s("3.3"), s("lbs"), s("1.040"), s("8.0"), s("1")});
        sheets.addRow(SheetExtracts, {s("M"), s("N"), s("0.0"), s("3.3"), s("lbs"), s("Syrup"),
                                      s("0"), s("1.037"), s("4.0"), s("1")});
        sheets.addRow(SheetGrains, {s("Pale"), s("1.5"), s("lbs"), s("1.036"), s("3.0"), s("1")});
        sheets.addRow(SheetAdjuncts,
                      {s("Sugar"), s("4"), s("oz"), s("1"), s("1.046"), s("1.0"), s("1")});
        sheets.addRow(SheetYeasts,
                      {s("Y"), s("S"), s("Ale"), s("Dry"), s("1"), s("pkg"), s("75.0"), s("1")});
    }
    for (int i = 0; i < 20; ++i)
        sheets.addRow(SheetHops, {s("Hop"), s("5.5"), s("0.5"), s("oz"), QString::number(5 + 3 * i),
                                  s("0"), s("0.0"), s("1")});
    UtilizationTable table;
    for (int g = 0; g < UtilizationTable::kGroups; ++g)
        for (int c = 0; c < UtilizationTable::kColumns; ++c)
            table.setEntry(g, c, 0.01 * (g + 1));
    RecipeCalculator calc(sheets, table);
    for (auto _ : state) {
        calc.RunCalculations(false);
        benchmark::DoNotOptimize(calc.PredictedColor);
    }
}
BENCHMARK(BM_FullRun60Rows)->Unit(benchmark::kMicrosecond);

// 30 rows: 8 grains, 4 extracts, 4 adjuncts, 12 hops, 2 yeasts; the run on sheets that keep
// its writes aside, the lines against a style, and the Recipe page's shares.
void BM_StripAfterAnEdit30Rows(benchmark::State& state) {
    MemorySheets sheets;
    auto s = [](const char* t) { return QString::fromLatin1(t); };
    for (int i = 0; i < 8; ++i)
        sheets.addRow(SheetGrains, {s("Pale"), s("1.5"), s("lbs"), s("1.036"), s("3.0"), s("1")});
    for (int i = 0; i < 4; ++i) {
        sheets.addRow(SheetExtracts, {s("M"), s("N"), s("0.0"), s("3.3"), s("lbs"), s("Syrup"),
                                      s("0"), s("1.037"), s("4.0"), s("1")});
        sheets.addRow(SheetAdjuncts,
                      {s("Sugar"), s("4"), s("oz"), s("1"), s("1.046"), s("1.0"), s("1")});
    }
    for (int i = 0; i < 12; ++i)
        sheets.addRow(SheetHops, {s("Hop"), s("5.5"), s("0.5"), s("oz"), QString::number(5 + 5 * i),
                                  s("0"), s("0.0"), s("1")});
    for (int i = 0; i < 2; ++i)
        sheets.addRow(SheetYeasts,
                      {s("Y"), s("S"), s("Ale"), s("Dry"), s("1"), s("pkg"), s("75.0"), s("1")});
    const UtilizationTable table = UtilizationTable::shipped();
    const StyleRanges style{1.040, 1.060, 4, 6, 20, 40, 4, 12};
    RecipeInputs in;
    for (auto _ : state) {
        const Predictions p = Predict(sheets, table, in);
        benchmark::DoNotOptimize(PredictionLines(p, style));
        benchmark::DoNotOptimize(GlanceOf(sheets, p));
    }
}
BENCHMARK(BM_StripAfterAnEdit30Rows)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
