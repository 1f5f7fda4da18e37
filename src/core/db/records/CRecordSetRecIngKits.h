#pragma once

#include "core/db/dao/CDaoRecordset.h"

// clang-format off
#define WSC_RECINGKITS_COLUMNS(X) \
    X(IngKitsHBU, Double, 0.0) \
    X(IngKitsManuf, Text, {}) \
    X(IngKitsStartSPGrav, Double, 0.0) \
    X(IngKitsStyle, Text, {}) \
    X(IngKitsWeight, Double, 0.0) \
    X(IngRecipeID, Long, 0) \
    X(IngKitsColor, Double, 0.0) \
    X(IngKitsID, Long, 0) \
    X(IngKitsUnits, Text, {})
// clang-format on

namespace wsc {

// A kit row of a recipe.
class CRecordSetRecIngKits : public CDaoRecordset {
public:
    using CDaoRecordset::CDaoRecordset;
    WSC_RECORDSET_FIELDS(WSC_RECINGKITS_COLUMNS)
};

} // namespace wsc
