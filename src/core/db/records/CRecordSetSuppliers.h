#pragma once

#include "core/db/records/CDataRecordset.h"

// clang-format off
#define WSC_SUPPLIERS_COLUMNS(X) \
    X(SuppliersID, Long, 0) \
    X(SuppliersName, Text, {}) \
    X(SuppliersAddress, Text, {}) \
    X(SuppliersInfo, Text, {}) \
    X(SuppliersEMail, Text, {}) \
    X(SuppliersInternet, Text, {})
// clang-format on

namespace wsc {

// A supplier.
class CRecordSetSuppliers : public CDataRecordset {
public:
    using CDataRecordset::CDataRecordset;
    WSC_RECORDSET_FIELDS(WSC_SUPPLIERS_COLUMNS)
};

} // namespace wsc
