#pragma once

#include "core/db/records/CDataRecordset.h"

// clang-format off
#define WSC_WATER_COLUMNS(X) \
    X(WaterHardness, Long, 0) \
    X(WaterID, Long, 0) \
    X(WaterInfo, Text, {}) \
    X(WaterType, Text, {})
// clang-format on

namespace wsc {

// A water profile.
class CRecordSetWater : public CDataRecordset {
public:
    using CDataRecordset::CDataRecordset;
    WSC_RECORDSET_FIELDS(WSC_WATER_COLUMNS)
};

} // namespace wsc
