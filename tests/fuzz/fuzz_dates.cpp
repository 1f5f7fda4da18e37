// The dates other programs write in recipe files, in either order of day and month.
#include "core/interchange/RecipeDates.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList dates = text.split(u'\n');
    const wsc::RecipeDates::Order order = wsc::RecipeDates::orderOf(dates);
    for (const QString& d : dates)
        wsc::RecipeDates::parse(d, order);
    return 0;
}
