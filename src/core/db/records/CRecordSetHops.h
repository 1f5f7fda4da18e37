#pragma once

#include "core/db/records/CDataRecordset.h"

// clang-format off
#define WSC_HOPS_COLUMNS(X) \
    X(HopsAlpha, Double, 0.0) \
    X(HopsComments, Text, {}) \
    X(HopsID, Long, 0) \
    X(HopsName, Text, {}) \
    X(HopsOrigin, Text, {}) \
    X(HopsStability, Long, 0) \
    X(HopsAlphaHi, Double, 0.0) \
    X(HopsAlphaLo, Double, 0.0) \
    X(HopsSubstitute1, Text, {}) \
    X(HopsSubstitute2, Text, {}) \
    X(HopsSubstitute3, Text, {}) \
    X(HopsSubstitute4, Text, {})
// clang-format on

namespace wsc {

// A hop variety of the catalogue.
class CRecordSetHops : public CDataRecordset {
public:
    using CDataRecordset::CDataRecordset;
    WSC_RECORDSET_FIELDS(WSC_HOPS_COLUMNS)
};

} // namespace wsc
