#pragma once

#include "core/db/dao/CDaoRecordset.h"

// clang-format off
#define WSC_RECINGYEASTS_COLUMNS(X) \
    X(IngRecipeID, Long, 0) \
    X(IngYeastAmt, Double, 0.0) \
    X(IngYeastForm, Text, {}) \
    X(IngYeastName, Text, {}) \
    X(IngYeastType, Text, {}) \
    X(IngYeastManuf, Text, {}) \
    X(IngYeastID, Long, 0) \
    X(IngYeastAttenuation, Double, 0.0) \
    X(IngYeastUnits, Text, {})
// clang-format on

namespace wsc {

// A yeast row of a recipe.
class CRecordSetRecIngYeasts : public CDaoRecordset {
public:
    using CDaoRecordset::CDaoRecordset;
    WSC_RECORDSET_FIELDS(WSC_RECINGYEASTS_COLUMNS)
};

} // namespace wsc
