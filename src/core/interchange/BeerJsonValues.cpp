#include "core/interchange/BeerJsonValues.h"

#include "core/calc/Units.h"

#include <QRegularExpression>

#include <cctype>

namespace wsc::beerjson {
namespace {

constexpr double kLitresPerBarrel = 117.347765304; // 31 US gallons
constexpr double kLitresPerImperialGallon = 4.54609;

// ---------------------------------------------------------------------------------------------
// Units: what the schema allows, each to and from the unit BeerXML and our records use.

constexpr UnitFactor kVolumes[] = {
    {"l", 1},
    {"ml", 0.001},
    {"tsp", 0.00492892159375},
    {"tbsp", 0.01478676478125},
    {"floz", 0.0295735295625},
    {"cup", 0.2365882365},
    {"pt", 0.473176473},
    {"qt", 0.946352946},
    {"gal", units::kLitresPerGallon},
    {"bbl", kLitresPerBarrel},
    {"ifloz", 0.0284130625},
    {"ipt", 0.56826125},
    {"iqt", 1.1365225},
    {"igal", kLitresPerImperialGallon},
    {"ibbl", 163.65924},
};
constexpr UnitFactor kMasses[] = {
    {"kg", 1}, {"g", 0.001}, {"mg", 0.000001}, {"lb", units::kKgPerLb}, {"oz", units::kKgPerOz},
};
constexpr UnitFactor kTimes[] = {
    {"min", 1}, {"sec", 1.0 / 60}, {"hr", 60}, {"day", 1440}, {"week", 10080},
};

} // namespace

std::string Utf8(const QString& s) {
    return s.toStdString();
}

QString FromUtf8(const std::string& s) {
    return QString::fromStdString(s);
}

std::span<const UnitFactor> Volumes() {
    return kVolumes;
}

std::span<const UnitFactor> Masses() {
    return kMasses;
}

std::optional<double> FactorOf(std::span<const UnitFactor> table, const std::string& unit) {
    for (const UnitFactor& u : table) {
        if (QString::fromStdString(unit).compare(QLatin1String(u.unit), Qt::CaseInsensitive) == 0)
            return u.factor;
    }
    return std::nullopt;
}

// A measured value of the file in the base unit of its conversion; nothing when it is not
// one the schema allows.

double ValueOf(const Json& v, Conv conv, const QString& where) {
    if (v.is_number())
        return v.get<double>();
    if (!v.is_object() || !v.contains("value") || !v["value"].is_number())
        throw Fault{QStringLiteral("%1 is no value with a unit").arg(where)};
    const double x = v["value"].get<double>();
    const std::string unit =
        v.contains("unit") && v["unit"].is_string() ? v["unit"].get<std::string>() : std::string();
    auto scaled = [&](std::span<const UnitFactor> table) {
        if (const auto f = FactorOf(table, unit))
            return x * *f;
        throw Fault{QStringLiteral("%1 has the unit \"%2\", which it cannot have")
                        .arg(where, FromUtf8(unit))};
    };
    switch (conv) {
    case Conv::Volume:
        return scaled(kVolumes);
    case Conv::Mass:
        // A hop oil or extract measured by volume: a litre weighs about a kilogram.
        if (FactorOf(kVolumes, unit))
            return scaled(kVolumes);
        return scaled(kMasses);
    case Conv::Minutes:
        return scaled(kTimes);
    case Conv::Days:
        return scaled(kTimes) / 1440;
    case Conv::Temperature:
        if (unit == "F")
            return FromStored(Unit::Celsius, x);
        return x;
    case Conv::Gravity:
        // Some programs write the gravity in thousandths ("1038") under "sg".
        if (unit == "sg" && x >= 990 && x <= 2000)
            return x / 1000;
        if (unit == "plato")
            return GravityOfPlato(x);
        if (unit == "brix") // close enough to Plato for a wort
            return GravityOfPlato(x);
        return x;
    case Conv::Color:
    case Conv::Lovibond:
        // BeerXML, and every program that reads it, takes Lovibond and SRM as one scale.
        return unit == "EBC" ? x / 1.97 : x;
    default:
        return x;
    }
}

// ---------------------------------------------------------------------------------------------
// Paths of properties: "boil/boil_time", "fermentation/fermentation_steps/0/step_time".

Json& At(Json& j, const std::string& path) {
    Json* at = &j;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = path.find('/', start);
        const std::string part = path.substr(start, slash - start);
        if (!part.empty() && std::isdigit(static_cast<unsigned char>(part[0]))) {
            const std::size_t i = std::stoul(part);
            if (!at->is_array())
                *at = Json::array();
            while (at->size() <= i)
                at->push_back(Json::object());
            at = &(*at)[i];
        } else {
            if (!at->is_object())
                *at = Json::object();
            at = &(*at)[part];
        }
        if (slash == std::string::npos)
            return *at;
        start = slash + 1;
    }
}

const Json* Find(const Json& j, const std::string& path) {
    const Json* at = &j;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = path.find('/', start);
        const std::string part = path.substr(start, slash - start);
        if (!part.empty() && std::isdigit(static_cast<unsigned char>(part[0]))) {
            const std::size_t i = std::stoul(part);
            if (!at->is_array() || at->size() <= i)
                return nullptr;
            at = &(*at)[i];
        } else {
            if (!at->is_object() || !at->contains(part))
                return nullptr;
            at = &(*at)[part];
        }
        if (slash == std::string::npos)
            return at;
        start = slash + 1;
    }
}

QString NotJson(const Json::exception& e) {
    // "[json.exception.parse_error.101] parse error at line 3, column 7: ..."
    static const QRegularExpression tag(QStringLiteral(R"(^\[json\.exception\.[a-z_.0-9]+\] )"));
    return QStringLiteral("the file is not valid JSON: %1")
        .arg(QString::fromUtf8(e.what()).remove(tag));
}

} // namespace wsc::beerjson
