#include "core/db/records/CRecordSetAdjuncts.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetAdjuncts, "Adjuncts", "AdjunctsID", WSC_ADJUNCTS_COLUMNS)

} // namespace wsc
