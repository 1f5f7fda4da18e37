#include "core/calc/Units.h"

#include "core/calc/NumberLimits.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace wsc {
namespace {

using units::kEbcPerSrm;
using units::kKgPerLb;
using units::kLitresPerGallon;

constexpr std::array<UnitInfo, 12> kUnits = {{
    {Unit::UsGallon, Quantity::Volume, Unit::UsGallon, "gal", "gallon", 2},
    {Unit::Litre, Quantity::Volume, Unit::UsGallon, "L", "litre", 2},
    {Unit::Pound, Quantity::Weight, Unit::Pound, "lb", "pound", 3},
    {Unit::Ounce, Quantity::Weight, Unit::Pound, "oz", "ounce", 2},
    {Unit::Kilogram, Quantity::Weight, Unit::Pound, "kg", "kilogram", 3},
    {Unit::Gram, Quantity::Weight, Unit::Pound, "g", "gram", 1},
    {Unit::Fahrenheit, Quantity::Temperature, Unit::Fahrenheit, "\u00b0F", "fahrenheit", 0},
    {Unit::Celsius, Quantity::Temperature, Unit::Fahrenheit, "\u00b0C", "celsius", 1},
    {Unit::SpecificGravity, Quantity::Gravity, Unit::SpecificGravity, "SG", "sg", 3},
    {Unit::Plato, Quantity::Gravity, Unit::SpecificGravity, "\u00b0P", "plato", 1},
    {Unit::Srm, Quantity::Color, Unit::Srm, "SRM", "srm", 1},
    {Unit::Ebc, Quantity::Color, Unit::Srm, "EBC", "ebc", 1},
}};

// How many of `unit` make one of the stored unit, for the linear units: each an exact constant,
// divided by and multiplied with once, so a typed value comes back as it was typed.
double PerStored(Unit unit) {
    switch (unit) {
    case Unit::Litre:
        return kLitresPerGallon;
    case Unit::Ounce:
        return 16;
    case Unit::Kilogram:
        return kKgPerLb;
    case Unit::Gram:
        return kKgPerLb * 1000;
    case Unit::Ebc:
        return kEbcPerSrm;
    default:
        return 1;
    }
}

} // namespace

const UnitInfo& InfoOf(Unit unit) {
    return kUnits.at(static_cast<std::size_t>(unit));
}

bool UnitOfKey(Quantity quantity, const QString& key, Unit* unit) {
    for (const UnitInfo& u : kUnits) {
        if (u.quantity == quantity && key.compare(QLatin1String(u.key), Qt::CaseInsensitive) == 0) {
            *unit = u.unit;
            return true;
        }
    }
    return false;
}

double PlatoOfGravity(double sg) {
    return -616.868 + sg * (1111.14 + sg * (-630.272 + sg * 135.997));
}

double GravityOfPlato(double plato) {
    // Newton's method on the cubic from a close first guess; the cubic rises steeply over every
    // gravity a wort can have, so a few steps reach the last bit.
    double sg = 1 + plato / (258.6 - plato / 258.2 * 227.1);
    for (int i = 0; i < 8; ++i) {
        const double slope = 1111.14 + sg * (-2 * 630.272 + sg * 3 * 135.997);
        const double step = (PlatoOfGravity(sg) - plato) / slope;
        sg -= step;
        if (std::abs(step) < 1e-15)
            break;
    }
    return sg;
}

double ToStored(Unit unit, double value) {
    switch (unit) {
    case Unit::Celsius:
        return value * 9 / 5 + 32;
    case Unit::Plato:
        return GravityOfPlato(value);
    default:
        return value / PerStored(unit);
    }
}

double FromStored(Unit unit, double stored) {
    switch (unit) {
    case Unit::Celsius:
        return (stored - 32) * 5 / 9;
    case Unit::Plato:
        return PlatoOfGravity(stored);
    default:
        return stored * PerStored(unit);
    }
}

QString FormatInUnit(Unit unit, double stored, int decimals, bool trim) {
    if (stored == 0 && (unit == Unit::Celsius || unit == Unit::Plato))
        return {};
    if (decimals < 0)
        decimals = InfoOf(unit).decimals;
    QString text = QString::number(FromStored(unit, stored), 'f', decimals);
    if (trim && text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    // A value just below 0 rounds to "-0.0": it is 0.
    bool zero = true;
    for (QChar c : text)
        zero = zero && (c == u'-' || c == u'0' || c == u'.');
    if (zero && text.startsWith(u'-'))
        text.remove(0, 1);
    return text;
}

StoredRange RangeOf(Quantity quantity, Unit unit, bool whole) {
    if (quantity == Quantity::Gravity && unit == Unit::Plato)
        return {1.0, 1.2};
    if (whole)
        return {0, static_cast<double>(std::numeric_limits<std::int32_t>::max())};
    return {0, kLargestQuantity};
}

UnitChoice UnitChoice::metric() {
    return {Unit::Litre, Unit::Kilogram, Unit::Celsius, Unit::Plato, Unit::Ebc};
}

Unit UnitChoice::of(Quantity quantity) const {
    switch (quantity) {
    case Quantity::Volume:
        return volume;
    case Quantity::Weight:
        return weight;
    case Quantity::Temperature:
        return temperature;
    case Quantity::Gravity:
        return gravity;
    case Quantity::Color:
        return color;
    }
    return volume;
}

bool UnitChoice::isUs() const {
    return volume == Unit::UsGallon && weight == Unit::Pound && temperature == Unit::Fahrenheit &&
           gravity == Unit::SpecificGravity && color == Unit::Srm;
}

QString IngredientUnitText(bool small, const UnitChoice& units) {
    const bool metric = units.weight == Unit::Kilogram;
    if (small)
        return metric ? QStringLiteral("g") : QStringLiteral("oz");
    return metric ? QStringLiteral("kg") : QStringLiteral("lbs");
}

} // namespace wsc
