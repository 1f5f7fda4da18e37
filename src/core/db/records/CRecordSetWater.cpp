#include "core/db/records/CRecordSetWater.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetWater, "Water", "WaterID", WSC_WATER_COLUMNS)

} // namespace wsc
