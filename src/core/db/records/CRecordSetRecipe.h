#pragma once

#include "core/db/dao/CDaoRecordset.h"

// clang-format off
#define WSC_RECIPE_COLUMNS(X) \
    X(RecipeBatchNo, Long, 0) \
    X(RecipeBatchSize, Double, 5.0) \
    X(RecipeBoilLth, Long, 0) \
    X(RecipeBoilSize, Double, 5.0) \
    X(RecipeBrewer, Text, {}) \
    X(RecipeComments, Text, {}) \
    X(RecipeDateBottled, Date, {}) \
    X(RecipeDateBrewed, Date, {}) \
    X(RecipeDateObtained, Date, {}) \
    X(RecipeDateRacked, Date, {}) \
    X(RecipeFermAvgTempPri, Long, 0) \
    X(RecipeFermAvgTempSec, Long, 0) \
    X(RecipeFermConditioningAmt, Long, 0) \
    X(RecipeFermConditioningUnits, Text, QStringLiteral("Days")) \
    X(RecipeFermPrimary, Long, 0) \
    X(RecipeFermPrimingAmt, Text, {}) \
    X(RecipeFermPrimingName, Text, {}) \
    X(RecipeFermPrimingUnits, Text, {}) \
    X(RecipeFermSecondary, Long, 0) \
    X(RecipeFermTypeAle, Long, 0) \
    X(RecipeID, Long, 0) \
    X(RecipeMashTime1, Long, 0) \
    X(RecipeMashTime2, Long, 0) \
    X(RecipeMashTime3, Long, 0) \
    X(RecipeMashTime4, Long, 0) \
    X(RecipeMashVol1, Double, 0.0) \
    X(RecipeMashVol2, Double, 0.0) \
    X(RecipeMashVol3, Double, 0.0) \
    X(RecipeMashVol4, Double, 0.0) \
    X(RecipeMeasureEnglish, Long, 0) \
    X(RecipeName, Text, {}) \
    X(RecipeProcessAllGrain, Boolean, false) \
    X(RecipeProcessExtract, Boolean, false) \
    X(RecipeProcessKit, Boolean, false) \
    X(RecipeProcessPartial, Boolean, false) \
    X(RecipeRatingAppearance, Long, 0) \
    X(RecipeRatingAroma, Long, 0) \
    X(RecipeRatingCompComments, Text, {}) \
    X(RecipeRatingCompDate, Date, {}) \
    X(RecipeRatingCompName, Text, {}) \
    X(RecipeRatingCompPrizes, Text, {}) \
    X(RecipeRatingCompScore, Long, 0) \
    X(RecipeRatingDateSampled2, Date, {}) \
    X(RecipeRatingDateSampled3, Date, {}) \
    X(RecipeRatingImpression, Long, 1) \
    X(RecipeRatingNotes, Text, {}) \
    X(RecipeRatingTaste, Long, 0) \
    X(RecipeSGFinal, Double, 1.0) \
    X(RecipeSGOriginal, Double, 1.0) \
    X(RecipeSGRacking, Double, 1.0) \
    X(RecipeSource, Text, {}) \
    X(RecipeSpargeVol, Double, 0.0) \
    X(RecipeTargetAlcoHi, Double, 0.0) \
    X(RecipeTargetAlcoLo, Double, 0.0) \
    X(RecipeTargetCategory, Text, {}) \
    X(RecipeTargetColorHi, Double, 0.0) \
    X(RecipeTargetColorLo, Double, 0.0) \
    X(RecipeTargetIBUHi, Double, 0.0) \
    X(RecipeTargetIBULo, Double, 0.0) \
    X(RecipeTargetSpGravHi, Double, 1.0) \
    X(RecipeTargetSpGravLo, Double, 1.0) \
    X(RecipeTargetStyle, Text, {}) \
    X(RecipeTargetSubcategory, Text, {}) \
    X(RecipeUtensils, Text, {}) \
    X(RecipeWortCollectedVol, Double, 0.0) \
    X(RecipeYield, Text, {}) \
    X(RecipeMashPhAdj, Double, 0.0) \
    X(RecipeSpargePhAdj, Double, 0.0) \
    X(RecipeMashTemp1, Long, 0) \
    X(RecipeMashTemp2, Long, 0) \
    X(RecipeMashTemp3, Long, 0) \
    X(RecipeMashTemp4, Long, 0) \
    X(RecipeSGFinalTemp, Long, 0) \
    X(RecipeSGOriginalTemp, Long, 0) \
    X(RecipeSGRackingTemp, Long, 0) \
    X(RecipeSpargeTemp, Long, 0) \
    X(RecipeMashType, Long, -1) \
    X(RecipeRatingDateSampled1, Date, {}) \
    X(RecipeSystemEfficiencyActual, Double, 0.0) \
    X(RecipeSystemEfficiencyExpected, Double, 80.0)
// clang-format on

namespace wsc {

// One recipe of the recipe database; the initial values are the presets of a new recipe.
class CRecordSetRecipe : public CDaoRecordset {
public:
    using CDaoRecordset::CDaoRecordset;
    WSC_RECORDSET_FIELDS(WSC_RECIPE_COLUMNS)
};

} // namespace wsc
