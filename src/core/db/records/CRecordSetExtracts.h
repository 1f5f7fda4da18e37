#pragma once

#include "core/db/records/CDataRecordset.h"

// clang-format off
#define WSC_EXTRACTS_COLUMNS(X) \
    X(ExtractsColor, Double, 0.0) \
    X(ExtractsComments, Text, {}) \
    X(ExtractsDegreesBalling, Double, 0.0) \
    X(ExtractsHBU, Double, 0.0) \
    X(ExtractsHopped, Boolean, false) \
    X(ExtractsID, Long, 0) \
    X(ExtractsManuf, Text, {}) \
    X(ExtractsName, Text, {}) \
    X(ExtractsSpecificGravity, Double, 0.0) \
    X(ExtractsUnits, Long, 0) \
    X(ExtractsWeight, Double, 0.0) \
    X(ExtractsForm, Long, 0)
// clang-format on

namespace wsc {

// A malt extract of the catalogue.
class CRecordSetExtracts : public CDataRecordset {
public:
    using CDataRecordset::CDataRecordset;
    WSC_RECORDSET_FIELDS(WSC_EXTRACTS_COLUMNS)
};

} // namespace wsc
