#pragma once

#include "core/db/dao/CDaoRecordset.h"

// clang-format off
#define WSC_RECINGGRAINS_COLUMNS(X) \
    X(IngGrainsName, Text, {}) \
    X(IngRecipeID, Long, 0) \
    X(IngGrainsColor, Double, 0.0) \
    X(IngGrainsID, Long, 0) \
    X(IngGrainsSPGrav, Double, 0.0) \
    X(IngGrainsUnits, Text, {}) \
    X(IngGrainsWeight, Double, 0.0)
// clang-format on

namespace wsc {

// A grain row of a recipe.
class CRecordSetRecIngGrains : public CDaoRecordset {
public:
    using CDaoRecordset::CDaoRecordset;
    WSC_RECORDSET_FIELDS(WSC_RECINGGRAINS_COLUMNS)
};

} // namespace wsc
