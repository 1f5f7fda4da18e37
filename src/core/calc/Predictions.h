#pragma once

#include "core/calc/Units.h"

#include "core/calc/RecipeCalculator.h"
#include "core/calc/TargetStyles.h"

#include <QString>

#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace wsc {

class CRecordSetRecipe;

// Sheets that read through to others and keep what is written to them aside: the calculation
// run works on them as on the grid, and the grid is left as it was.
class OverlaySheets : public IngredientSheets {
public:
    explicit OverlaySheets(const IngredientSheets& under) : m_under(under) {}
    int rowCount(int sheet) const override { return m_under.rowCount(sheet); }
    QString cellText(int sheet, int row, int col) const override;
    void setCellText(int sheet, int row, int col, const QString& text) override;

private:
    const IngredientSheets& m_under;
    std::map<std::tuple<int, int, int>, QString> m_written;
};

// What a recipe is predicted to be: one calculation run on its rows and fields as they stand,
// with no question asked and nothing written back.
struct Predictions {
    double og = 0;
    double fg = 0;
    double abv = 0;
    double ibu = 0;
    double hbu = 0;
    double mcu = 0; // malt colour units
    CalcStatus status = CalcStatus::NotDone;
    std::vector<QString> hopIbu; // each hop row's IBU as the run works it out, row 1 first

    double srm() const;
    // Bitterness units over gravity units; 0 without gravity above water.
    double buGu() const;
};

Predictions Predict(const IngredientSheets& sheets, const UtilizationTable& table,
                    const RecipeInputs& inputs);
// The results of a run already made.
Predictions PredictionsOf(const RecipeCalculator& calc);

// A fermentable's part of the grist by weight.
struct GristShare {
    int sheet = 0;
    int row = 0;
    QString name;
    double pounds = 0;
    double percent = 0;
};

// Every fermentable weighed in (extracts, grains, adjuncts that ferment and are weighed, not
// measured by the spoon), in grid order.
std::vector<GristShare> GristShares(const IngredientSheets& sheets);

// What a recipe sheet gives beside each ingredient: a fermentable's share of the grist, a hop
// addition's bitterness.
struct IngredientGlance {
    std::map<std::pair<int, int>, double> share; // percent, by sheet and row
    std::vector<QString> hopIbu;                 // by hop row, row 1 first
    // "48 %", "17 IBU", or empty for an ingredient with neither; `row` counts from 1.
    QString textFor(int sheet, int row) const;
};

IngredientGlance GlanceOf(const IngredientSheets& sheets, const Predictions& predictions);

// The target style's ranges of a recipe; none without a target style.
std::optional<StyleRanges> RecipeStyleRanges(const CRecordSetRecipe& recipe);

// One prediction beside its style's range, as the form's strip shows it and the recipe report
// prints it.
struct PredictionLine {
    QString name;  // "Original Gravity"
    QString brief; // "OG"
    double value = 0;
    QString shown; // the value as printed
    QString unit;  // the unit beside a value shown in another unit than its name says ("°P")
    std::optional<std::pair<double, double>> range;
    QString low, high; // blank without a range
    int where = 0;     // -1 below, 0 within, 1 above the range; 0 without one
};

// The gravities and the colour in the brewer's units (°Plato, EBC) when chosen; the malt colour
// units stay as they are.
std::vector<PredictionLine> PredictionLines(const Predictions& p,
                                            const std::optional<StyleRanges>& style,
                                            const UnitChoice& units = {});

} // namespace wsc
