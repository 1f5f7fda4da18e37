#pragma once

#include "core/db/dao/CDaoRecordset.h"

// clang-format off
#define WSC_RECINGEXTRACTS_COLUMNS(X) \
    X(IngExtractsForm, Text, {}) \
    X(IngExtractsHBU, Double, 0.0) \
    X(IngExtractsHopped, Boolean, false) \
    X(IngExtractsManuf, Text, {}) \
    X(IngExtractsName, Text, {}) \
    X(IngExtractsSPGrav, Double, 0.0) \
    X(IngExtractsWeight, Double, 0.0) \
    X(IngRecipeID, Long, 0) \
    X(IngExtractsID, Long, 0) \
    X(IngExtractsColor, Double, 0.0) \
    X(IngExtractsUnits, Text, {})
// clang-format on

namespace wsc {

// A malt extract row of a recipe.
class CRecordSetRecIngExtracts : public CDaoRecordset {
public:
    using CDaoRecordset::CDaoRecordset;
    WSC_RECORDSET_FIELDS(WSC_RECINGEXTRACTS_COLUMNS)
};

} // namespace wsc
