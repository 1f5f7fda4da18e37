#include "core/db/records/CRecordSetGlossary.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetGlossary, "Glossary", "GlossaryID", WSC_GLOSSARY_COLUMNS)

} // namespace wsc
