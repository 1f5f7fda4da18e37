#pragma once

#include "core/calc/NumberLimits.h"
#include "core/calc/Units.h"

#include <QString>

#include <cstdint>

namespace wsc {

class Prompter;

// Reading a numeric control into a record field. Text that is not a number (or, for a
// quantity, a number below 0) is refused with a message naming the field, and the field keeps
// its value. `label` is the control's label
// ("&Batch #" is shown as "Batch #").
bool ReadWholeField(const QString& text, const QString& label, Prompter& prompter,
                    std::int64_t& value);
bool ReadNumberField(const QString& text, const QString& label, Prompter& prompter, double& value);

// A number typed in `unit` into a field of `quantity` kept in the working measure, read into
// `stored` (a whole-number field keeps the nearest whole number of the working unit, so 21 °C is
// 70 °F and shows as 21 °C again). Text that is no number, or (in a whole-number field) no
// whole number, or a value outside the field's range is refused with a message naming the field
// and giving the range in `unit`; `stored` is then left alone.
bool ReadFieldInUnit(const QString& text, const QString& label, Quantity quantity, Unit unit,
                     bool whole, Prompter& prompter, double& stored);

// A number as a brewer types it, with a decimal point or, in its place, a decimal comma ("0,5"
// is a half, in every locale). Thousands separators and other text make it no number: a typed
// text is never read as another number.
double ReadTypedNumber(const QString& text, bool* ok);

// The message of the one check of a number (CheckNumber) for the field `label`: no number, one
// below 0, or one beyond `largest`, each with the range the field takes. Empty for no fault.
QString NumberFaultText(NumberFault fault, const QString& label, bool negativeAllowed = false,
                        double largest = kLargestQuantity);
// The number a text holds as a brewer types it, with the one check: a fault when it is none.
NumberFault CheckTypedNumber(const QString& text, double& value, bool negativeAllowed = false,
                             double largest = kLargestQuantity);

// A control label without its mnemonic marks.
QString PlainLabel(const QString& label);

} // namespace wsc
