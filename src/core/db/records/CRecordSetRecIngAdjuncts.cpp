#include "core/db/records/CRecordSetRecIngAdjuncts.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetRecIngAdjuncts, "Ingredients_Adjuncts", nullptr,
                        WSC_RECINGADJUNCTS_COLUMNS)

} // namespace wsc
