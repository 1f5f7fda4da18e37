// A report file of any text: read or refused with its line, never a crash.
#include "core/reports/ReportFile.h"

#include <cstddef>
#include <cstdint>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        wsc::ReportFile::parse(text);
    } catch (const wsc::ReportSyntaxError&) {
        // Refused, as a bad report file must be.
    }
    return 0;
}
