#pragma once

#include "core/db/records/CDataRecordset.h"

// clang-format off
#define WSC_YEAST_COLUMNS(X) \
    X(YeastID, Long, 0) \
    X(YeastForm, Long, 0) \
    X(YeastType, Long, 0) \
    X(YeastComments, Text, {}) \
    X(YeastStrain, Text, {}) \
    X(YeastManuf, Text, {}) \
    X(YeastAttenuation, Double, 0.0)
// clang-format on

namespace wsc {

// A yeast of the catalogue.
class CRecordSetYeast : public CDataRecordset {
public:
    using CDataRecordset::CDataRecordset;
    WSC_RECORDSET_FIELDS(WSC_YEAST_COLUMNS)
};

} // namespace wsc
