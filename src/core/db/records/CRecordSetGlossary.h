#pragma once

#include "core/db/records/CDataRecordset.h"

// clang-format off
#define WSC_GLOSSARY_COLUMNS(X) \
    X(GlossaryID, Long, 0) \
    X(GlossaryTerm, Text, {}) \
    X(GlossaryInfo, Text, {})
// clang-format on

namespace wsc {

// A glossary term.
class CRecordSetGlossary : public CDataRecordset {
public:
    using CDataRecordset::CDataRecordset;
    WSC_RECORDSET_FIELDS(WSC_GLOSSARY_COLUMNS)
};

} // namespace wsc
