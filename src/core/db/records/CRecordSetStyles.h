#pragma once

#include "core/db/records/CDataRecordset.h"

// clang-format off
#define WSC_STYLES_COLUMNS(X) \
    X(StylesID, Long, 0) \
    X(StylesName, Text, {}) \
    X(StylesCategory, Text, {}) \
    X(StylesSubcategory, Text, {}) \
    X(StylesGravityLo, Double, 0.0) \
    X(StylesGravityHi, Double, 0.0) \
    X(StylesAlcoLo, Double, 0.0) \
    X(StylesIBULo, Double, 0.0) \
    X(StylesIBUHi, Double, 0.0) \
    X(StylesColorLo, Double, 0.0) \
    X(StylesColorHi, Double, 0.0) \
    X(StylesAlcoHi, Double, 0.0) \
    X(StylesType, Text, {}) \
    X(StylesComments, Text, {})
// clang-format on

namespace wsc {

// A beer style with its ranges.
class CRecordSetStyles : public CDataRecordset {
public:
    using CDataRecordset::CDataRecordset;
    WSC_RECORDSET_FIELDS(WSC_STYLES_COLUMNS)
};

} // namespace wsc
