#include "core/db/records/CRecordSetYeast.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetYeast, "Yeast", "YeastID", WSC_YEAST_COLUMNS)

} // namespace wsc
