#include "core/calculators/GravityCalculator.h"

#include "core/settings/MessageCatalog.h"

namespace wsc {
namespace {

constexpr double kPoundsPerKilogram = 2.2;

} // namespace

GravityCalculator::GravityCalculator(Prompter& prompter) : SolverCalculator(prompter) {
    start();
    reset();
}

const std::vector<CalcFieldSpec>& GravityCalculator::fields() const {
    using K = CalcFieldKind;
    static const std::vector<CalcFieldSpec> f = {
        {"og", "Original Gravity", K::Text, "0.0", ""},
        {"weight", "&Weight", K::Number, "1", "0"},
        {"potential", "E&xtract Potential", K::Number, "1.03", "0"},
        {"volume", "Boil &Volume", K::Number, "5", "0"},
        {"efficiency", "E&fficiency", K::Number, "80", ""},
        {"balling", "Balling", K::Result, "0", ""},
    };
    return f;
}

QStringList GravityCalculator::unknownNames() const {
    return {QStringLiteral("Original Gravity"), QStringLiteral("Weight"),
            QStringLiteral("Extract Potential"), QStringLiteral("Boil Volume")};
}

void GravityCalculator::chooseSource(Source source, const QString& name, double sg) {
    setText(Potential, general(sg));
    const bool grain = source == Source::Grain;
    setFieldText(Efficiency, grain ? QStringLiteral("80") : QStringLiteral("100"));
    m_efficiencyLocked = !grain;
    m_sourceName = name;
    setFocusField(Potential);
}

void GravityCalculator::reset() {
    for (int i = 0; i < fieldCount(); ++i)
        setFieldText(i, QString::fromLatin1(field(i).initial));
    m_kilograms = false;
    m_efficiencyLocked = false;
    m_sourceName = QStringLiteral("None Selected");
}

std::optional<int> GravityCalculator::solve(Work& w) {
    auto& v = w.values;
    if (v[Efficiency] == 0)
        return dataError(Msg::kGravityNeedsEfficiency);
    int zeros = 0;
    int unknown = -1;
    for (int i : {Weight, Potential, Volume, Og}) {
        if (v[i] == 0) {
            ++zeros;
            unknown = i;
        }
    }
    if (zeros == 0)
        return dataError(Msg::kGravityOneMustBeZero);
    if (zeros > 1)
        return dataError(Msg::kGravityOnlyOneZero);
    if (v[Potential] > 0 && (v[Potential] < 1.0 || v[Potential] > 1.2))
        return dataError(Msg::kPotentialRange, {QString::asprintf("%.3f", v[Potential])});
    if (v[Efficiency] > 0 && (v[Efficiency] < 25 || v[Efficiency] > 100))
        return dataError(Msg::kEfficiencyRange, {QString::asprintf("%.0f", v[Efficiency])});

    double pounds = m_kilograms ? v[Weight] * kPoundsPerKilogram : v[Weight];
    const double extractPoints = (v[Potential] - 1.0) * 1000;
    const double gravityPoints = (v[Og] - 1.0) * 1000;
    const double e = v[Efficiency] * 0.01;
    switch (unknown) {
    case Og:
        v[Og] = rounded(1.0 + (pounds * extractPoints / v[Volume] * e) * 0.001, 3);
        break;
    case Weight:
        if (extractPoints == 0)
            return unsolvable(FieldName(field(Potential)), QStringLiteral("1.000"), Weight);
        pounds = gravityPoints / e * v[Volume] / extractPoints;
        v[Weight] = rounded(m_kilograms ? pounds / kPoundsPerKilogram : pounds, 0);
        break;
    case Potential:
        v[Potential] = rounded(1.0 + (gravityPoints / e * v[Volume] / pounds) * 0.001, 3);
        break;
    case Volume:
        if (gravityPoints == 0)
            return unsolvable(FieldName(field(Og)), QStringLiteral("1.000"), Volume);
        v[Volume] = rounded(extractPoints * pounds * e / gravityPoints, 0);
        break;
    }
    w.texts[Og] = QString::asprintf("%.3f", v[Og]);
    v[Balling] = (v[Og] - 1.0) * 250;
    w.texts[Balling] = QString::asprintf("%.1f", v[Balling]);
    return unknown;
}

} // namespace wsc
