#include "core/db/records/CRecordSetRecipe.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetRecipe, "Recipes", "RecipeID", WSC_RECIPE_COLUMNS)

} // namespace wsc
