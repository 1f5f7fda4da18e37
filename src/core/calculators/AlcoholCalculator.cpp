#include "core/calculators/AlcoholCalculator.h"

#include "core/settings/MessageCatalog.h"

namespace wsc {
namespace {

constexpr double kAbvPerPoint = 0.1275;
constexpr double kPointsPerAbv = 7.8431372549019605; // 1 / 0.1275
constexpr double kAbwPerAbv = 0.8;

double points(double gravity) {
    return (gravity - 1.0) * 1000;
}

} // namespace

AlcoholCalculator::AlcoholCalculator(Prompter& prompter) : SolverCalculator(prompter) {
    start();
}

const std::vector<CalcFieldSpec>& AlcoholCalculator::fields() const {
    using K = CalcFieldKind;
    static const std::vector<CalcFieldSpec> f = {
        {"abv", "% by Volume", K::Text, "0.0", ""},
        {"og", "&Original Gravity", K::Number, "1.04", "0.000"},
        {"tg", "&Terminal Gravity*", K::Number, "1.03", "0.000"},
        {"attenuation", "&Yeast Attenuation", K::Number, "75", ""},
        {"abw", "% by Weight", K::Result, "0.0", ""},
    };
    return f;
}

QStringList AlcoholCalculator::unknownNames() const {
    return {QStringLiteral("% by Volume"), QStringLiteral("Original Gravity"),
            QStringLiteral("Terminal Gravity")};
}

void AlcoholCalculator::reset() {
    for (int i = 0; i < fieldCount(); ++i)
        setFieldText(i, QString::fromLatin1(field(i).initial));
}

std::optional<int> AlcoholCalculator::solve(Work& w) {
    auto& v = w.values;
    int count = 0;
    int unknown = -1;
    if (v[Abv] == 0) {
        count = 1;
        unknown = Abv;
    }
    if (v[Og] == 0) {
        ++count;
        unknown = Og;
    }
    if (v[Tg] == 0) {
        if (v[Abv] != 0) {
            ++count;
            unknown = Tg;
        } else if (v[Attenuation] == 0) {
            return dataError(Msg::kAlcoholNeedsAttenuation);
        }
        // Otherwise the terminal gravity is predicted from the attenuation.
    }
    if (count == 0)
        return dataError(Msg::kAlcoholOneMustBeZero);
    if (count > 1)
        return dataError(Msg::kAlcoholOnlyOneZero);
    for (const auto& [i, word] : {std::pair{Og, "Original"}, std::pair{Tg, "Terminal"}}) {
        if (v[i] > 0 && (v[i] < 1.0 || v[i] > 1.2))
            return dataError(Msg::kAlcoholGravityRange,
                             {QString::fromLatin1(word), QString::asprintf("%.3f", v[i])});
    }
    if (v[Og] > 0 && v[Tg] >= v[Og])
        return dataError(Msg::kTerminalNotBelowOriginal);
    if (v[Attenuation] > 0 && (v[Attenuation] < 50 || v[Attenuation] > 95))
        return dataError(Msg::kAttenuationRange, {QString::asprintf("%.0f", v[Attenuation])});

    switch (unknown) {
    case Abv: {
        const double og = points(v[Og]);
        double tg = points(v[Tg]);
        if (v[Tg] <= 1.0) {
            // Attenuation is the share of the extract the yeast ferments: 75% of 50 points
            // leaves 12.5, as in the recipe's own alcohol prediction.
            const double a = v[Attenuation] > 0 ? v[Attenuation] * 0.01 : 0.75;
            tg = og * (1 - a);
            v[Tg] = 1.0 + tg * 0.001;
        }
        v[Abv] = (og - tg) * kAbvPerPoint;
        break;
    }
    case Og:
        v[Og] = rounded(1.0 + (points(v[Tg]) + v[Abv] * kPointsPerAbv) * 0.001, 3);
        break;
    case Tg:
        v[Tg] = rounded(1.0 + (points(v[Og]) - v[Abv] * kPointsPerAbv) * 0.001, 3);
        break;
    }
    w.texts[Abv] = QString::asprintf("%.2f", v[Abv]);
    v[Abw] = v[Abv] * kAbwPerAbv;
    w.texts[Abw] = QString::asprintf("%.2f", v[Abw]);
    return unknown;
}

} // namespace wsc
