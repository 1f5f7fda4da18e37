#pragma once

#include "core/db/records/CDataRecordset.h"

// clang-format off
#define WSC_HOPSUTILIZATION_COLUMNS(X) \
    X(HopsUtil_BoilIndex, Integer, 0) \
    X(HopsUtil_BoilTime, Integer, 0) \
    X(HopsUtil_OriginalGravity, Double, 0.0) \
    X(HopsUtil_Utilization, Double, 0.0)
// clang-format on

namespace wsc {

// One entry of the hop utilization table.
class CRecordSetHopsUtilization : public CDataRecordset {
public:
    using CDataRecordset::CDataRecordset;
    WSC_RECORDSET_FIELDS(WSC_HOPSUTILIZATION_COLUMNS)

    // Without a Data database path the set shows message 224 and names a file that cannot
    // be opened, so the open fails with a database error.
    QString GetDefaultDBName() const override;
};

} // namespace wsc
