#include "core/document/FieldExchange.h"

#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

#include <cmath>
#include <limits>

namespace wsc {

QString PlainLabel(const QString& label) {
    QString out;
    for (int i = 0; i < label.size(); ++i) {
        if (label.at(i) == u'&' && i + 1 < label.size()) {
            out += label.at(++i);
            continue;
        }
        if (label.at(i) != u'&')
            out += label.at(i);
    }
    return out;
}

double ReadTypedNumber(const QString& text, bool* ok) {
    QString t = text.trimmed();
    if (t.count(u',') == 1 && !t.contains(u'.'))
        t.replace(u',', u'.');
    return t.toDouble(ok);
}

bool ReadWholeField(const QString& text, const QString& label, Prompter& prompter,
                    std::int64_t& value) {
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < 0 || v > std::numeric_limits<std::int32_t>::max()) {
        prompter.text(QString::fromLatin1(Texts::kEnterWholeNumber).arg(PlainLabel(label)),
                      PromptIcon::Exclamation);
        return false;
    }
    value = v;
    return true;
}

QString NumberFaultText(NumberFault fault, const QString& label, bool negativeAllowed,
                        double largest) {
    const QString field = PlainLabel(label);
    const QString most = QString::number(largest, 'f', 0);
    switch (fault) {
    case NumberFault::None:
        return {};
    case NumberFault::NotANumber:
        return QString::fromLatin1(Texts::kEnterNumber).arg(field);
    case NumberFault::Negative:
        return QString::fromLatin1(Texts::kEnterQuantity).arg(field);
    case NumberFault::TooLarge:
        break;
    }
    return QString::fromLatin1(Texts::kEnterNumberFromTo)
        .arg(field, negativeAllowed ? u'-' + most : QStringLiteral("0"), most);
}

NumberFault CheckTypedNumber(const QString& text, double& value, bool negativeAllowed,
                             double largest) {
    bool ok = false;
    const double v = ReadTypedNumber(text, &ok);
    const NumberFault fault = CheckNumber(v, ok, negativeAllowed, largest);
    if (fault == NumberFault::None)
        value = v;
    return fault;
}

bool ReadNumberField(const QString& text, const QString& label, Prompter& prompter, double& value) {
    // Sizes, gravities, volumes and percentages are never below 0, nor beyond any batch.
    const NumberFault fault = CheckTypedNumber(text, value);
    if (fault != NumberFault::None) {
        prompter.text(NumberFaultText(fault, label), PromptIcon::Exclamation);
        return false;
    }
    return true;
}

} // namespace wsc

namespace wsc {

bool ReadFieldInUnit(const QString& text, const QString& label, Quantity quantity, Unit unit,
                     bool whole, Prompter& prompter, double& stored) {
    const StoredRange range = RangeOf(quantity, unit, whole);
    bool ok = false;
    const double typed = ReadTypedNumber(text, &ok);
    const double value = ok && std::isfinite(typed) ? ToStored(unit, typed) : 0;
    // The range holds for the value typed, before a whole-number field rounds it.
    const bool good = ok && std::isfinite(typed) && (!whole || typed == std::trunc(typed)) &&
                      value >= range.minimum && value <= range.maximum;
    if (good) {
        stored = whole ? std::round(value) : value;
        return true;
    }
    const QString field = PlainLabel(label);
    const double low = FromStored(unit, range.minimum);
    if (!ok && !whole) {
        prompter.text(QString::fromLatin1(Texts::kEnterNumber).arg(field), PromptIcon::Exclamation);
    } else if (whole) {
        const double high = std::floor(FromStored(unit, range.maximum));
        prompter.text(
            QString::fromLatin1(Texts::kScoreOutOfRange)
                .arg(field, QString::number(std::ceil(low), 'f', 0), QString::number(high, 'f', 0)),
            PromptIcon::Exclamation);
    } else if (typed < 0 && low == 0) {
        prompter.text(QString::fromLatin1(Texts::kEnterQuantity).arg(field),
                      PromptIcon::Exclamation);
    } else {
        prompter.text(QString::fromLatin1(Texts::kEnterNumberFromTo)
                          .arg(field, FormatInUnit(unit, range.minimum, -1, false),
                               FormatInUnit(unit, range.maximum, -1, false)),
                      PromptIcon::Exclamation);
    }
    return false;
}

} // namespace wsc
