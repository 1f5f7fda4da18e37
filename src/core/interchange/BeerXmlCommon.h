#pragma once

// What the BeerXML reader and writer share: stored rows as they are read, the recipe's measure
// in the format's units, and the conversions both directions need.

#include "core/calc/Units.h"
#include "core/db/SqliteConnection.h"
#include "core/db/records/Columns.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

namespace wsc::beerxml {

// The columns of the recipe's four mash steps: minutes, temperature and volume.
inline constexpr const char* kMashTimes[] = {
    col::recipe::RecipeMashTime1, col::recipe::RecipeMashTime2, col::recipe::RecipeMashTime3,
    col::recipe::RecipeMashTime4};
inline constexpr const char* kMashTemps[] = {
    col::recipe::RecipeMashTemp1, col::recipe::RecipeMashTemp2, col::recipe::RecipeMashTemp3,
    col::recipe::RecipeMashTemp4};
inline constexpr const char* kMashVols[] = {
    col::recipe::RecipeMashVol1, col::recipe::RecipeMashVol2, col::recipe::RecipeMashVol3,
    col::recipe::RecipeMashVol4};

// What one package of yeast is in kilograms or litres: a sachet of dry yeast, a pouch of liquid
// yeast.
inline constexpr double kKgPerDryPackage = 0.0115;
inline constexpr double kLitresPerLiquidPackage = 0.125;

// A number as the file holds it: nine decimals, exactly rounded, without the zeros that follow
// the last digit.
QString Number(double v);
// Converted values are kept to the precision a brewer can weigh and read.
double Rounded(double v);
// Kilograms in one of a weight unit of ours, or nothing for another unit.
std::optional<double> KilogramsPer(const QString& unit);
// The format's percent of sugar's yield for our gravity of a pound in a gallon, and back.
double YieldOf(double potential);
double PotentialOf(double yield);
bool IsTrue(const QString& text);
// The name of one of our own elements (ours::): our prefix and the name.
QByteArray OwnElement(const char* name);

// Our own element that carries a kept element (or a mark of ours, "#..."), for our next
// import of the file, and the kept element such an element carries, or nothing.
QString KeptElement(const QString& name);
std::optional<QString> KeptName(const QString& element);

// How the recipe's own measure reads in the format's units.
struct Measure {
    bool metric = false;
    double litres(double v) const { return metric ? v : v * units::kLitresPerGallon; }
    double celsius(double v) const { return metric ? v : FromStored(Unit::Celsius, v); }
    double fromLitres(double v) const { return Rounded(metric ? v : v / units::kLitresPerGallon); }
    qlonglong fromCelsius(double c) const {
        return std::llround(metric ? c : ToStored(Unit::Celsius, c));
    }
};

struct Row {
    std::map<QString, QVariant, std::less<>> v;
    QVariant raw(const char* c) const {
        auto it = v.find(QLatin1StringView(c));
        return it == v.end() ? QVariant() : it->second;
    }
    QString text(const char* c) const {
        const QVariant x = raw(c);
        return x.isNull() ? QString() : x.toString();
    }
    double real(const char* c) const {
        const QVariant x = raw(c);
        return x.isNull() ? 0 : x.toDouble();
    }
    long whole(const char* c) const { return long(std::llround(real(c))); }
};

// The rows of a query; each query is prepared once per export or import.
class Queries {
public:
    explicit Queries(SqliteConnection& c) : m_c(c) {}
    std::vector<Row> rows(const QString& sql, const QVariant& key = {}) {
        auto it = m_statements.find(sql);
        if (it == m_statements.end())
            it = m_statements.emplace(sql, m_c.prepare(sql)).first;
        SqliteStatement& st = it->second;
        st.reset();
        if (key.isValid())
            st.bind(1, key);
        std::vector<Row> out;
        eachOf(st, [&](Row&& r) {
            out.push_back(std::move(r));
            return true;
        });
        return out;
    }
    // The rows one at a time, for a query of more rows than are held at once; false when
    // `take` stopped it.
    template <class Take> bool each(const QString& sql, Take take) {
        SqliteStatement st = m_c.prepare(sql);
        return eachOf(st, take);
    }

private:
    template <class Take> static bool eachOf(SqliteStatement& st, Take take) {
        // The columns in the map's order, so that each row is built without a search; of two
        // columns of one name the later one counts.
        std::vector<std::pair<QString, int>> names;
        for (int i = 0; i < st.columnCount(); ++i)
            names.emplace_back(st.columnName(i), i);
        std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first : a.second > b.second;
        });
        while (st.step()) {
            Row r;
            for (const auto& [name, i] : names)
                r.v.emplace_hint(r.v.end(), name, st.value(i));
            if (!take(std::move(r))) {
                st.reset();
                return false;
            }
        }
        return true;
    }

    SqliteConnection& m_c;
    std::map<QString, SqliteStatement> m_statements;
};

} // namespace wsc::beerxml
