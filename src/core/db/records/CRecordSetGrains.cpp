#include "core/db/records/CRecordSetGrains.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetGrains, "Grains", "GrainsID", WSC_GRAINS_COLUMNS)

} // namespace wsc
