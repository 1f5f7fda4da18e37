#include "core/db/records/CRecordSetBrewer.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetBrewer, "Brewer", "BrewerID", WSC_BREWER_COLUMNS)

} // namespace wsc
