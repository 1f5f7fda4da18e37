#include "core/calculators/SgBallingConverter.h"

namespace wsc {

SgBallingConverter::SgBallingConverter(Prompter& prompter) : SolverCalculator(prompter) {
    start();
    markEdited(Sg);
}

const std::vector<CalcFieldSpec>& SgBallingConverter::fields() const {
    using K = CalcFieldKind;
    // Beers finish below water's density, so a Balling below 0 is a real reading.
    static const std::vector<CalcFieldSpec> f = {
        {"sg", "&Specific Gravity", K::Text, "1.000", ""},
        {"balling", "&Balling", K::Text, "", "0", true},
    };
    return f;
}

void SgBallingConverter::reset() {
    setFieldText(Sg, QStringLiteral("1.000"));
    setFieldText(Balling, QStringLiteral("0.00"));
}

std::optional<int> SgBallingConverter::solve(Work& w) {
    auto& v = w.values;
    const int unknown = solveOneOfTwo(w, 265, 266);
    if (unknown < 0)
        return std::nullopt;
    if (v[Sg] > 0 && (v[Sg] < 1.0 || v[Sg] > 1.2))
        return dataError(267, {w.texts[Sg]});
    if (v[Balling] > 50)
        return dataError(268, {w.texts[Balling]});
    if (unknown == Sg)
        v[Sg] = rounded(v[Balling] * 0.004 + 1.0, 3);
    else
        v[Balling] = rounded((v[Sg] - 1.0) * 250, 2);
    w.texts[Sg] = QString::asprintf("%.3f", v[Sg]);
    w.texts[Balling] = QString::asprintf("%.2f", v[Balling]);
    return unknown;
}

} // namespace wsc
