#pragma once

// What reading and writing BeerJSON share: measured values ({unit, value}) in every unit the
// schema allows, and properties found by their path ("boil/boil_time").

#include "core/interchange/BeerJsonFields.h"

#include <QString>

#include <nlohmann/json.hpp>

#include <optional>
#include <span>
#include <string>

namespace wsc::beerjson {

using Json = nlohmann::ordered_json;

// A fault of a file, said as the brewer reads it.
struct Fault {
    QString text;
};

std::string Utf8(const QString& s);
QString FromUtf8(const std::string& s);

struct UnitFactor {
    const char* unit;
    double factor; // of the base unit in one of this unit
};
// Litres, kilograms and minutes in one of each unit the schema allows.
std::span<const UnitFactor> Volumes();
std::span<const UnitFactor> Masses();
std::optional<double> FactorOf(std::span<const UnitFactor> table, const std::string& unit);

// A measured value of the file in the base unit of its conversion; throws a Fault naming
// `where` when it is no measured value or its unit is none the schema allows there.
double ValueOf(const Json& v, Conv conv, const QString& where);

template <class Value> Json Measured(const char* unit, Value value) {
    Json j = Json::object();
    j["unit"] = unit;
    j["value"] = value;
    return j;
}

// What the parser said of a file that is not JSON, as the brewer reads it: "the file is not
// valid JSON: parse error at line 3, column 7: ...".
QString NotJson(const Json::exception& e);
inline constexpr char kNotBeerJson[] = "the file is JSON but no BeerJSON (no \"beerjson\" object)";

// The property at a path, made when missing ("fermentation_steps/0" makes the list and item).
Json& At(Json& j, const std::string& path);
// The property at a path, or null.
const Json* Find(const Json& j, const std::string& path);

} // namespace wsc::beerjson
