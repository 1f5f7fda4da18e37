#pragma once

#include "core/calc/Predictions.h"
#include "core/calc/Units.h"
#include "core/db/records/CRecordSetRecipe.h"

#include <QString>

#include <optional>

namespace wsc {

class CDaoDatabase;
class UtilizationTable;
struct RecipeInputs;

// A recipe at another batch size, and perhaps another system efficiency.
struct ScaleRequest {
    double batchSize = 0;             // gallons
    std::optional<double> efficiency; // per cent; the recipe's own when not given
    // The unit the batch size was typed in, for the message that gives the sizes taken.
    Unit volume = Unit::UsGallon;
};

// How the copy's amounts change: every amount with the batch (the boil with it, so the hops'
// bitterness per gallon stays), the grains also by the old efficiency over the new; a kit is a
// whole can, so kits are taken `kitCopies` times.
struct ScalePlan {
    double amount = 1;
    double grain = 1;
    int kitCopies = 1;
    double batchSize = 0;
    double efficiency = 0;
};

// The plan for `recipe` with `kitRows` kit rows, or nothing with the reason in `why`.
std::optional<ScalePlan> PlanScale(const CRecordSetRecipe& recipe, int kitRows,
                                   const ScaleRequest& request, QString* why);
// The copy's own fields: batch and boil size, the mash, sparge and collected volumes, the
// expected efficiency.
void ScaleRecipeFields(CRecordSetRecipe& copy, const ScalePlan& plan);
// The copy's ingredient rows, already copied from the original.
void ScaleIngredientRows(CDaoDatabase& db, long recipeId, const ScalePlan& plan);

// What a recipe is predicted to be, for comparing a scaled copy with its original.
Predictions FiguresOf(CDaoDatabase& db, long recipeId, const RecipeInputs& inputs,
                      const UtilizationTable& table);
// "Original gravity  1.044  1.044" and so on, the original's figures beside the copy's, in the
// brewer's gravity and colour units.
QString CompareFigures(const Predictions& original, const Predictions& copy,
                       const UnitChoice& units);

// A scaled copy of the recipe of batch `batch`, by Copy's rules (the next batch number,
// "Copy of ..."), in one transaction of its own; the original is left as it was. Its batch
// number, or nothing with the reason in `why`. Throws CDaoException on a database fault.
std::optional<long> AddScaledCopy(CDaoDatabase& db, long batch, const ScaleRequest& request,
                                  QString* why);

} // namespace wsc
