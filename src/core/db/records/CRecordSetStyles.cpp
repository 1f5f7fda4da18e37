#include "core/db/records/CRecordSetStyles.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetStyles, "Styles", "StylesID", WSC_STYLES_COLUMNS)

} // namespace wsc
