#include "core/calculators/AbvAbwConverter.h"

namespace wsc {

AbvAbwConverter::AbvAbwConverter(Prompter& prompter) : SolverCalculator(prompter) {
    start();
    markEdited(Abv);
}

const std::vector<CalcFieldSpec>& AbvAbwConverter::fields() const {
    using K = CalcFieldKind;
    static const std::vector<CalcFieldSpec> f = {
        {"abv", "By &Volume", K::Text, "5.00", ""},
        {"abw", "By &Weight", K::Text, "", "0"},
    };
    return f;
}

void AbvAbwConverter::reset() {
    setFieldText(Abv, QStringLiteral("5.00"));
    setFieldText(Abw, QStringLiteral("0.00"));
}

std::optional<int> AbvAbwConverter::solve(Work& w) {
    auto& v = w.values;
    const int unknown = solveOneOfTwo(w, 270, 271);
    if (unknown < 0)
        return std::nullopt;
    if (v[Abv] > 0 && (v[Abv] < 0.5 || v[Abv] > 20))
        return dataError(274, {w.texts[Abv]});
    if (v[Abw] > 0 && (v[Abw] < 0.4 || v[Abw] > 16))
        return dataError(275, {w.texts[Abw]});
    if (unknown == Abv)
        v[Abv] = rounded(v[Abw] * 1.25, 2);
    else
        v[Abw] = rounded(v[Abv] * 0.8, 2);
    w.texts[Abv] = QString::asprintf("%.2f", v[Abv]);
    w.texts[Abw] = QString::asprintf("%.2f", v[Abw]);
    return unknown;
}

} // namespace wsc
