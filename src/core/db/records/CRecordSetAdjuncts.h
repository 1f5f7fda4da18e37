#pragma once

#include "core/db/records/CDataRecordset.h"

// clang-format off
#define WSC_ADJUNCTS_COLUMNS(X) \
    X(AdjunctsColor, Double, 0.0) \
    X(AdjunctsComments, Text, {}) \
    X(AdjunctsDegreesBalling, Double, 0.0) \
    X(AdjunctsFermentable, Boolean, false) \
    X(AdjunctsID, Long, 0) \
    X(AdjunctsName, Text, {}) \
    X(AdjunctsProtein, Double, 0.0) \
    X(AdjunctsSPGrav, Double, 0.0) \
    X(AdjunctsYield, Double, 0.0) \
    X(AdjunctsPriming, Boolean, false)
// clang-format on

namespace wsc {

// An adjunct of the catalogue.
class CRecordSetAdjuncts : public CDataRecordset {
public:
    using CDataRecordset::CDataRecordset;
    WSC_RECORDSET_FIELDS(WSC_ADJUNCTS_COLUMNS)
};

} // namespace wsc
