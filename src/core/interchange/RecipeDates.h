#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace wsc {

// Dates as recipe files write them: ISO ("2017-07-14", with or without a time), numeric with
// the month or the day first ("4/6/2003", "8/12/2015 4:43:15 PM", "14.07.2017"), and with the
// month's name ("14 Jul 2017", "3 Dec 04", "July 14, 2017").
class RecipeDates {
public:
    enum class Order { MonthFirst, DayFirst };

    // The order of a file's numeric dates: day first when one of them can only be read that way
    // (a first number above 12), else month first, as the format's own examples write them.
    static Order orderOf(const QStringList& texts);
    // The date and time of `text`, or nothing when it is no date of those forms.
    static std::optional<QDateTime> parse(const QString& text, Order order);
};

} // namespace wsc
