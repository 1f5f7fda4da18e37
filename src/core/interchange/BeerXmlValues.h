#pragma once

// What the format takes in each of its elements. Every element the writer puts out passes
// through ValidValue: a value another program would refuse never reaches a standard element,
// whatever the recipe holds (typed, kept from a foreign file, left by an older version).

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace wsc::beerxml {

enum class ValueKind {
    Text,        // anything; also every element the format does not name
    Flag,        // TRUE or FALSE
    Whole,       // a whole number of 0 or more
    Number,      // a number of 0 or more
    Percent,     // 0 to 100
    Ph,          // 0 to 14
    Gravity,     // a specific gravity of 0.990 to 2.000
    Temperature, // degrees Celsius, 0 to 150
    Word,        // one of the format's words for the element
};

ValueKind KindOf(QByteArrayView record, QByteArrayView element);

// The value as it goes into `element` of `record`, in the format's spelling and unit, or
// nothing when it cannot be made valid there (it then goes out in our own element only). A
// flag in any case or as yes/no/1/0 is TRUE or FALSE, a word in any case is the list's
// spelling, a number with the format's unit after it ("1.012 SG") loses the unit, a gravity in
// degrees Plato ("3.1 °P") becomes a specific gravity.
std::optional<QString> ValidValue(QByteArrayView record, QByteArrayView element,
                                  const QString& value);

} // namespace wsc::beerxml
