#include "core/db/records/CRecordSetKits.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetKits, "Kits", "KitsID", WSC_KITS_COLUMNS)

} // namespace wsc
