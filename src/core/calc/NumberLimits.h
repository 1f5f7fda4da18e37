#pragma once

#include <QString>

namespace wsc {

// The largest quantity a field takes, typed or read from a file: far beyond any brewer's
// batch, and small enough that nothing calculated from it overflows or prints as a wall of
// digits. Whole-number fields keep their own range.
inline constexpr double kLargestQuantity = 1e6;

enum class NumberFault { None, NotANumber, Negative, TooLarge };

// The one check of a number typed or read: `ok` says whether the text was a number at all.
// Infinity and NaN are no numbers; below 0 is refused unless `negativeAllowed`, and beyond
// `largest` (either side of 0) always.
NumberFault CheckNumber(double value, bool ok, bool negativeAllowed = false,
                        double largest = kLargestQuantity);

// A text quoted in a message: whole when short, else its head and "…" so that no message
// grows with what a file or a field holds.
QString ShownInMessage(const QString& text, int maxCharacters = 60);

} // namespace wsc
