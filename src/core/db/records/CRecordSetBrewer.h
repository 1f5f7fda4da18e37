#pragma once

#include "core/db/records/CDataRecordset.h"

// clang-format off
#define WSC_BREWER_COLUMNS(X) \
    X(BrewerID, Long, 0) \
    X(BrewerName, Text, {}) \
    X(BrewerAddress, Text, {}) \
    X(BrewerSkill, Long, 0)
// clang-format on

namespace wsc {

// The brewer's own details.
class CRecordSetBrewer : public CDataRecordset {
public:
    using CDataRecordset::CDataRecordset;
    WSC_RECORDSET_FIELDS(WSC_BREWER_COLUMNS)
};

} // namespace wsc
