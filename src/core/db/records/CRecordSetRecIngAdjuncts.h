#pragma once

#include "core/db/dao/CDaoRecordset.h"

// clang-format off
#define WSC_RECINGADJUNCTS_COLUMNS(X) \
    X(IngAdjunctsAmt, Text, {}) \
    X(IngAdjunctsName, Text, {}) \
    X(IngRecipeID, Long, 0) \
    X(IngAdjunctsFermentable, Long, 0) \
    X(IngAdjunctsUnits, Text, {}) \
    X(IngAdjunctsColor, Double, 0.0) \
    X(IngAdjunctsSPGrav, Double, 0.0) \
    X(IngAdjunctsID, Long, 0)
// clang-format on

namespace wsc {

// An adjunct row of a recipe; the amount is text, stored as typed.
class CRecordSetRecIngAdjuncts : public CDaoRecordset {
public:
    using CDaoRecordset::CDaoRecordset;
    WSC_RECORDSET_FIELDS(WSC_RECINGADJUNCTS_COLUMNS)
};

} // namespace wsc
