#include "core/db/records/CRecordSetRecIngHops.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetRecIngHops, "Ingredients_Hops", nullptr, WSC_RECINGHOPS_COLUMNS)

} // namespace wsc
