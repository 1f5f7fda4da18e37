#include "core/db/records/CRecordSetRecIngExtracts.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetRecIngExtracts, "Ingredients_Extracts", nullptr,
                        WSC_RECINGEXTRACTS_COLUMNS)

} // namespace wsc
