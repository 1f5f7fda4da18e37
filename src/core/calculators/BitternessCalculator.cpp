#include "core/calculators/BitternessCalculator.h"

#include "core/calc/IngredientSheets.h"
#include "core/calc/UtilizationTable.h"
#include "core/settings/MessageCatalog.h"

namespace wsc {
namespace {

constexpr const char* kNoHop = "None Selected";

} // namespace

BitternessCalculator::BitternessCalculator(Prompter& prompter, const UtilizationTable& table)
    : SolverCalculator(prompter), m_table(table) {
    start();
    reset();
}

const std::vector<CalcFieldSpec>& BitternessCalculator::fields() const {
    using K = CalcFieldKind;
    static const std::vector<CalcFieldSpec> f = {
        {"ibu", "International Bitterness Units (IBUs)", K::Text, "0", ""},
        {"weight", "&Weight", K::Number, "1", "0"},
        {"alpha", "% &Alpha acid of hops", K::Number, "0", "0"},
        {"volume", "Boil &Volume", K::Number, "5", "0"},
        {"gravity", "&Original Specific Gravity\nof Boiled Wort", K::Number, "1.03", ""},
        {"time", "&Boil Time", K::Whole, "3", ""},
        {"utilization", "% Utilization of hops", K::Result, "", ""},
        {"hbu", "HBUs", K::Result, "0.0", ""},
    };
    return f;
}

QStringList BitternessCalculator::unknownNames() const {
    return {QStringLiteral("IBUs"), QStringLiteral("Weight"), QStringLiteral("Alpha"),
            QStringLiteral("Boil Volume")};
}

void BitternessCalculator::setText(int field, const QString& text) {
    SolverCalculator::setText(field, text);
    if (field == Gravity || field == Time)
        m_gravityOrTimeChanged = true;
}

QString BitternessCalculator::weightUnit() const {
    return m_metric ? QStringLiteral("Grams") : QStringLiteral("Onces");
}

QString BitternessCalculator::volumeUnit() const {
    return m_metric ? QStringLiteral("Liters") : QStringLiteral("Gallons");
}

bool BitternessCalculator::setMetric(bool metric) {
    m_metric = metric;
    return recalculate();
}

double BitternessCalculator::lookup(long minutes, double gravity) {
    // Out-of-range values are reported in a box of their own, not in a recipe's messages.
    return m_table.lookup(minutes, gravity, true, &prompter(), {});
}

bool BitternessCalculator::leaveGravityOrTime() {
    if (!m_gravityOrTimeChanged)
        return true;
    m_gravityOrTimeChanged = false;
    m_utilization = lookup(ReadWhole(text(Time)), ReadDouble(text(Gravity)));
    setFieldText(Utilization, QString::asprintf("%.3f", m_utilization));
    return m_utilization != 0;
}

void BitternessCalculator::chooseHop(const QString& name, double alpha) {
    m_hopName = name;
    m_hopAlpha = alpha;
    setText(Alpha, general(alpha));
}

QString BitternessCalculator::hopLabel() const {
    return m_hopName + QStringLiteral(", ") + QString::asprintf("%.1f", m_hopAlpha);
}

void BitternessCalculator::reset() {
    for (int i : {Ibu, Weight, Alpha, Volume, Gravity, Time, Hbu})
        setFieldText(i, QString::fromLatin1(field(i).initial));
    m_metric = false;
    m_gravityOrTimeChanged = false;
    m_hopName = QString::fromLatin1(kNoHop);
    m_hopAlpha = 0;
    m_utilization = lookup(3, 1.03);
    setFieldText(Utilization, QString::asprintf("%.3f", m_utilization));
}

std::optional<int> BitternessCalculator::solve(Work& w) {
    auto& v = w.values;
    const double factor = m_metric ? 1000 : 7490;
    if (v[Time] == 0 || v[Gravity] == 0)
        return dataError(Msg::kBitternessNeedsBoilAndGravity);
    int zeros = 0;
    int unknown = -1;
    for (int i : {Weight, Alpha, Volume, Ibu}) {
        if (v[i] == 0) {
            ++zeros;
            unknown = i;
        }
    }
    if (zeros == 0)
        return dataError(Msg::kBitternessOneMustBeZero);
    if (zeros > 1)
        return dataError(Msg::kBitternessOnlyOneZero);

    const double u = lookup(static_cast<long>(v[Time]), v[Gravity]);
    m_utilization = u;
    m_gravityOrTimeChanged = false; // looked up for these values just now
    const QString uName = FieldName(field(Utilization));
    switch (unknown) {
    case Ibu:
        v[Ibu] = v[Alpha] * 0.01 * factor * v[Weight] * u / v[Volume];
        break;
    case Weight:
        if (u == 0)
            return unsolvable(uName, QStringLiteral("0"), Weight);
        v[Weight] = rounded(v[Ibu] * v[Volume] / (v[Alpha] * 0.01 * factor * u), 0);
        break;
    case Alpha:
        if (u == 0)
            return unsolvable(uName, QStringLiteral("0"), Alpha);
        v[Alpha] = rounded(v[Ibu] * v[Volume] / (factor * v[Weight] * u) * 100, 0);
        break;
    case Volume:
        v[Volume] = rounded(v[Alpha] * 0.01 * factor * v[Weight] * u / v[Ibu], 0);
        break;
    }
    w.texts[Ibu] = QString::asprintf("%.0f", v[Ibu]);
    v[Hbu] = v[Time] / 60 * v[Alpha] * v[Weight];
    w.texts[Hbu] = QString::asprintf("%.1f", v[Hbu]);
    w.texts[Utilization] = general(u);
    return unknown;
}

} // namespace wsc
