#include "core/interchange/RecipeDates.h"

#include <QRegularExpression>

namespace wsc {
namespace {

int monthNamed(const QString& word) {
    static const char* names[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                  "jul", "aug", "sep", "oct", "nov", "dec"};
    const QString w = word.left(3).toLower();
    for (int i = 0; i < 12; ++i) {
        if (w == QLatin1String(names[i]))
            return i + 1;
    }
    return 0;
}

int fullYear(int year, int digits) {
    // Two digits: 1970 to 2069.
    if (digits <= 2)
        return year < 70 ? 2000 + year : 1900 + year;
    return year;
}

// "4:43", "4:43:15", "4:43:15 PM", "16:43:15.123"; an empty text is midnight.
std::optional<QTime> timeOf(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QTime(0, 0);
    static const QRegularExpression re(
        QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2})(?:\\.\\d+)?)?\\s*([AaPp][Mm])?$"));
    const QRegularExpressionMatch m = re.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    int h = m.captured(1).toInt();
    const int mi = m.captured(2).toInt();
    const int s = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    const QString half = m.captured(4).toLower();
    if (!half.isEmpty()) {
        if (h < 1 || h > 12)
            return std::nullopt;
        h = (h % 12) + (half == QLatin1String("pm") ? 12 : 0);
    }
    const QTime time(h, mi, s);
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

std::optional<QDateTime> dateTime(int year, int month, int day, const QString& time) {
    const QDate d(year, month, day);
    const std::optional<QTime> t = timeOf(time);
    if (!d.isValid() || !t)
        return std::nullopt;
    return QDateTime(d, *t);
}

const QRegularExpression& numeric() {
    static const QRegularExpression re(
        QStringLiteral("^(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{2,4})(?:[ T,]+(.*))?$"));
    return re;
}

} // namespace

RecipeDates::Order RecipeDates::orderOf(const QStringList& texts) {
    for (const QString& t : texts) {
        const QRegularExpressionMatch m = numeric().match(t.trimmed());
        if (m.hasMatch() && m.captured(1).toInt() > 12)
            return Order::DayFirst;
    }
    return Order::MonthFirst;
}

std::optional<QDateTime> RecipeDates::parse(const QString& text, Order order) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    // ISO, with a "T" or a blank before the time.
    static const QRegularExpression iso(QStringLiteral(
        "^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[T ](\\d{1,2}:\\d{2}(?::\\d{2}(?:\\.\\d+)?)?)"
        "\\s*(?:Z|[+-]\\d{2}:?\\d{2})?)?$"));
    if (const QRegularExpressionMatch m = iso.match(t); m.hasMatch())
        return dateTime(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                        m.captured(4));
    if (const QRegularExpressionMatch m = numeric().match(t); m.hasMatch()) {
        const int a = m.captured(1).toInt();
        const int b = m.captured(2).toInt();
        const int year = fullYear(m.captured(3).toInt(), static_cast<int>(m.captured(3).size()));
        // A first number above 12 can only be the day, a second one only the day too.
        const bool dayFirst = a > 12 || (b <= 12 && order == Order::DayFirst);
        return dayFirst ? dateTime(year, b, a, m.captured(4)) : dateTime(year, a, b, m.captured(4));
    }
    // "14 Jul 2017", "14-Jul-2017", "3 Dec 04", with or without a time.
    static const QRegularExpression dayName(QStringLiteral(
        "^(\\d{1,2})(?:st|nd|rd|th)?[ .-]+([A-Za-z]{3,})\\.?[ .,-]+(\\d{2,4})(?:[ T,]+(.*))?$"));
    if (const QRegularExpressionMatch m = dayName.match(t); m.hasMatch()) {
        const int month = monthNamed(m.captured(2));
        if (month == 0)
            return std::nullopt;
        return dateTime(fullYear(m.captured(3).toInt(), static_cast<int>(m.captured(3).size())),
                        month, m.captured(1).toInt(), m.captured(4));
    }
    // "July 14, 2017", "Jul 14 2017".
    static const QRegularExpression nameDay(QStringLiteral(
        "^([A-Za-z]{3,})\\.?[ ]+(\\d{1,2})(?:st|nd|rd|th)?,?[ ]+(\\d{2,4})(?:[ T,]+(.*))?$"));
    if (const QRegularExpressionMatch m = nameDay.match(t); m.hasMatch()) {
        const int month = monthNamed(m.captured(1));
        if (month == 0)
            return std::nullopt;
        return dateTime(fullYear(m.captured(3).toInt(), static_cast<int>(m.captured(3).size())),
                        month, m.captured(2).toInt(), m.captured(4));
    }
    return std::nullopt;
}

} // namespace wsc
