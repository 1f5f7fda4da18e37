#pragma once

#include "core/db/dao/CDaoRecordset.h"

// clang-format off
#define WSC_RECINGHOPS_COLUMNS(X) \
    X(IngHopsAlpha, Double, 0.0) \
    X(IngHopsName, Text, {}) \
    X(IngRecipeID, Long, 0) \
    X(IngHopsHBU, Double, 0.0) \
    X(IngHopsIBU, Double, 0.0) \
    X(IngHopsID, Long, 0) \
    X(IngHopsTime, Double, 0.0) \
    X(IngHopsUnits, Text, {}) \
    X(IngHopsWeight, Double, 0.0)
// clang-format on

namespace wsc {

// A hop row of a recipe; `m_RecipeIDParam` is the table's parameter.
class CRecordSetRecIngHops : public CDaoRecordset {
public:
    using CDaoRecordset::CDaoRecordset;
    WSC_RECORDSET_FIELDS(WSC_RECINGHOPS_COLUMNS)

    std::int32_t m_RecipeIDParam = 1;
};

} // namespace wsc
