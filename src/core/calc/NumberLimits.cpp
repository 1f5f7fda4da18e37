#include "core/calc/NumberLimits.h"

#include <cmath>

namespace wsc {

NumberFault CheckNumber(double value, bool ok, bool negativeAllowed, double largest) {
    if (!ok || !std::isfinite(value))
        return NumberFault::NotANumber;
    if (value < 0 && !negativeAllowed)
        return NumberFault::Negative;
    if (std::fabs(value) > largest)
        return NumberFault::TooLarge;
    return NumberFault::None;
}

QString ShownInMessage(const QString& text, int maxCharacters) {
    if (text.size() <= maxCharacters)
        return text;
    return text.left(maxCharacters - 1) + QChar(0x2026);
}

} // namespace wsc
