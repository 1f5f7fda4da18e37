#include "core/db/records/CRecordSetHops.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetHops, "Hops", "HopsID", WSC_HOPS_COLUMNS)

} // namespace wsc
