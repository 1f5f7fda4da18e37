#pragma once

#include "core/db/dao/CDaoRecordset.h"

// clang-format off
#define WSC_RECIPELOG_COLUMNS(X) \
    X(RecipeBatchNo, Long, 0) \
    X(RecipeDateBrewed, Date, {}) \
    X(RecipeName, Text, {}) \
    X(RecipeTargetCategory, Text, {}) \
    X(RecipeTargetStyle, Text, {}) \
    X(RecipeTargetSubcategory, Text, {}) \
    X(RecipeID, Long, 0)
// clang-format on

namespace wsc {

// All recipes in batch-number order, for the recipe log.
class CRecordSetRecipeLog : public CDaoRecordset {
public:
    using CDaoRecordset::CDaoRecordset;
    WSC_RECORDSET_FIELDS(WSC_RECIPELOG_COLUMNS)
};

} // namespace wsc
