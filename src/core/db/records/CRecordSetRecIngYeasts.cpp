#include "core/db/records/CRecordSetRecIngYeasts.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetRecIngYeasts, "Ingredients_Yeasts", nullptr,
                        WSC_RECINGYEASTS_COLUMNS)

} // namespace wsc
