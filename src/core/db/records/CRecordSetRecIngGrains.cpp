#include "core/db/records/CRecordSetRecIngGrains.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetRecIngGrains, "Ingredients_Grains", nullptr,
                        WSC_RECINGGRAINS_COLUMNS)

} // namespace wsc
