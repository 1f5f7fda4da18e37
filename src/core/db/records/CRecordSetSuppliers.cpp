#include "core/db/records/CRecordSetSuppliers.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetSuppliers, "Suppliers", "SuppliersID", WSC_SUPPLIERS_COLUMNS)

} // namespace wsc
