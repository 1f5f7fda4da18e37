#include "core/db/records/CRecordSetExtracts.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetExtracts, "Extracts", "ExtractsID", WSC_EXTRACTS_COLUMNS)

} // namespace wsc
