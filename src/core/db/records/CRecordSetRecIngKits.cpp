#include "core/db/records/CRecordSetRecIngKits.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetRecIngKits, "Ingredients_Kits", nullptr, WSC_RECINGKITS_COLUMNS)

} // namespace wsc
