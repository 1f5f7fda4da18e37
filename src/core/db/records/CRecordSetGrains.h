#pragma once

#include "core/db/records/CDataRecordset.h"

// clang-format off
#define WSC_GRAINS_COLUMNS(X) \
    X(GrainsID, Long, 0) \
    X(GrainsName, Text, {}) \
    X(GrainsColor, Double, 0.0) \
    X(GrainsComments, Text, {}) \
    X(GrainsSPGrav, Double, 0.0) \
    X(GrainsDegreesBalling, Double, 0.0) \
    X(GrainsCategory, Text, {}) \
    X(GrainsProtein, Double, 0.0) \
    X(GrainsYield, Double, 0.0) \
    X(GrainsManuf, Text, {})
// clang-format on

namespace wsc {

// A grain of the catalogue.
class CRecordSetGrains : public CDataRecordset {
public:
    using CDataRecordset::CDataRecordset;
    WSC_RECORDSET_FIELDS(WSC_GRAINS_COLUMNS)
};

} // namespace wsc
