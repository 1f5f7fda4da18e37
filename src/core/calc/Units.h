#pragma once

#include <QString>

namespace wsc {

// Exact factors of the English working measure in metric units.
namespace units {
inline constexpr double kLitresPerGallon = 3.785411784; // US gallon
inline constexpr double kKgPerLb = 0.45359237;
inline constexpr double kKgPerOz = 0.028349523125; // a sixteenth of the pound, exactly
inline constexpr double kGramsPerOz = 28.349523125;
inline constexpr double kEbcPerSrm = 1.97;
} // namespace units

// What a brewer measures, each with the units it can be shown and typed in. What is stored is
// always in the working measure (the first unit of each); values are converted only where they
// are shown or typed, so a file written with one choice reads the same with any other.
enum class Quantity { Volume, Weight, Temperature, Gravity, Color };

enum class Unit {
    UsGallon,
    Litre,
    Pound,
    Ounce,
    Kilogram,
    Gram,
    Fahrenheit,
    Celsius,
    SpecificGravity,
    Plato,
    Srm, // colour as the eye sees it; the stored malt colour units go through Morey first
    Ebc,
};

struct UnitInfo {
    Unit unit;
    Quantity quantity;
    Unit stored;        // the working-measure unit the value is kept in
    const char* symbol; // as a label carries it: "Batch Size (L)"
    const char* key;    // in the settings and on the command line
    int decimals;       // what the unit is read to
};

const UnitInfo& InfoOf(Unit unit);
// The unit of a quantity by its key ("litre", "plato"); false when there is none such.
bool UnitOfKey(Quantity quantity, const QString& key, Unit* unit);

// A value typed in `unit` in the working measure, and back: linear units by their exact factor,
// temperatures by °C = (°F − 32) × 5/9, degrees Plato by the usual cubic in the gravity (and its
// exact inverse, so a gravity typed in °Plato shows again as typed), EBC as 1.97 × SRM.
double ToStored(Unit unit, double value);
double FromStored(Unit unit, double stored);

// Degrees Plato of a specific gravity: −616.868 + 1111.14 g − 630.272 g² + 135.997 g³.
double PlatoOfGravity(double sg);
// The specific gravity whose degrees Plato are `plato`, by that same cubic.
double GravityOfPlato(double plato);

// A stored value as it shows in `unit`: to `decimals` places (the unit's own when -1), with the
// trailing zeros dropped when `trim` ("23" L, "24.61" L), never "-0". A stored 0 of a temperature
// or gravity shown in °C or °Plato is a reading never taken and shows empty (0 °F and a gravity
// of 0 mean nothing there).
QString FormatInUnit(Unit unit, double stored, int decimals = -1, bool trim = true);

// What a field of `quantity` may hold, in the working measure: temperatures and volumes 0 or
// more, gravities typed in °Plato 1.000 to 1.200 (the cubic means nothing outside them).
struct StoredRange {
    double minimum;
    double maximum; // infinity when there is no upper bound
};
StoredRange RangeOf(Quantity quantity, Unit unit, bool whole);

// The units the brewer reads each quantity in: US measure unless chosen otherwise.
struct UnitChoice {
    Unit volume = Unit::UsGallon;
    Unit weight = Unit::Pound;
    Unit temperature = Unit::Fahrenheit;
    Unit gravity = Unit::SpecificGravity;
    Unit color = Unit::Srm;

    static UnitChoice us() { return {}; }
    bool operator==(const UnitChoice&) const = default;
    // Litres, kilograms, °C, °Plato and EBC.
    static UnitChoice metric();
    Unit of(Quantity quantity) const;
    bool isUs() const;
    // Weighs or measures in metric units: where a calculator offers English or Metric, Metric.
    bool prefersMetric() const { return weight == Unit::Kilogram || volume == Unit::Litre; }
};

// The unit text a new ingredient row of the grid starts with: pounds or kilograms ("lbs", "kg")
// for kits, extracts and grains, ounces or grams ("oz", "g") for hops and adjuncts.
QString IngredientUnitText(bool small, const UnitChoice& units);

} // namespace wsc
