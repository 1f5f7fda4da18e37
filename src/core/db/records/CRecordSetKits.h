#pragma once

#include "core/db/records/CDataRecordset.h"

// clang-format off
#define WSC_KITS_COLUMNS(X) \
    X(KitsColor, Double, 0.0) \
    X(KitsDescription, Text, {}) \
    X(KitsHBU, Double, 0.0) \
    X(KitsID, Long, 0) \
    X(KitsManuf, Text, {}) \
    X(KitsStartSPGrav, Double, 0.0) \
    X(KitsStyle, Text, {}) \
    X(KitsUnits, Long, 0) \
    X(KitsWeight, Double, 0.0)
// clang-format on

namespace wsc {

// A beer kit of the catalogue.
class CRecordSetKits : public CDataRecordset {
public:
    using CDataRecordset::CDataRecordset;
    WSC_RECORDSET_FIELDS(WSC_KITS_COLUMNS)
};

} // namespace wsc
