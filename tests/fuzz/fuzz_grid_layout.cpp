// A grid layout file of any bytes: a layout of the shape asked for, or the reason there is none.
#include "core/grid/GridLayoutFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString problem;
    // The ingredients grid's shape and the target style grid's.
    const wsc::GridLayoutFile six = wsc::GridLayoutFile::parse(text, {8, 10, 6, 7, 8, 8}, problem);
    if (problem.isEmpty() && six.sheets.size() != 6)
        __builtin_trap();
    wsc::GridLayoutFile::parse(text, {6}, problem);
    return 0;
}
