#include "core/db/records/CRecordSetRecipeLog.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetRecipeLog, "Recipes Log Query - By Batch Number", nullptr,
                        WSC_RECIPELOG_COLUMNS)

} // namespace wsc
