#include "core/calculators/TwoWayConverter.h"

#include "core/settings/MessageCatalog.h"

namespace wsc {
namespace {

const TwoWayConverter::Conversion kAbvAbw = {
    "Alcohol by Volume to/from Alcohol by Weight",
    {{"abv", "By &Volume", CalcFieldKind::Text, "5.00", ""},
     "5.00",
     2,
     0.5,
     20,
     Msg::kByVolumeRange},
    {{"abw", "By &Weight", CalcFieldKind::Text, "", "0"}, "0.00", 2, 0.4, 16, Msg::kByWeightRange},
    0.0,
    0.8,
    1.25,
    Msg::kAlcoholByOneMustBeZero,
    Msg::kAlcoholByOnlyOneZero,
};

// Beers finish below water's density, so a Balling below 0 is a real reading.
const TwoWayConverter::Conversion kSgBalling = {
    "Specific Gravity to/from Balling Converter",
    {{"sg", "&Specific Gravity", CalcFieldKind::Text, "1.000", ""},
     "1.000",
     3,
     1.0,
     1.2,
     Msg::kSpecificGravityRange},
    {{"balling", "&Balling", CalcFieldKind::Text, "", "0", true},
     "0.00",
     2,
     -TwoWayConverter::kNoLimit,
     50,
     Msg::kBallingRange},
    1.0,
    250,
    0.004,
    Msg::kBallingOneMustBeZero,
    Msg::kBallingOnlyOneZero,
};

} // namespace

TwoWayConverter::TwoWayConverter(Prompter& prompter, const Conversion& conversion)
    : SolverCalculator(prompter),
      m_conversion(conversion), m_fields{conversion.first.field, conversion.second.field} {
    start();
    markEdited(0);
}

const TwoWayConverter::Reading& TwoWayConverter::reading(int field) const {
    return field == 0 ? m_conversion.first : m_conversion.second;
}

void TwoWayConverter::reset() {
    for (int f : {0, 1})
        setFieldText(f, QString::fromLatin1(reading(f).cleared));
}

std::optional<int> TwoWayConverter::solve(Work& w) {
    auto& v = w.values;
    const int unknown = solveOneOfTwo(w, m_conversion.noneZero, m_conversion.bothZero);
    if (unknown < 0)
        return std::nullopt;
    for (int f : {0, 1}) {
        const Reading& r = reading(f);
        if (v[f] > 0 && (v[f] < r.low || v[f] > r.high))
            return dataError(r.outOfRange, {w.texts[f]});
    }
    const Conversion& c = m_conversion;
    if (unknown == 0)
        v[0] = rounded(v[1] * c.toFirst + c.base, c.first.decimals);
    else
        v[1] = rounded((v[0] - c.base) * c.toSecond, c.second.decimals);
    for (int f : {0, 1})
        w.texts[f] = QString::asprintf("%.*f", reading(f).decimals, v[f]);
    return unknown;
}

AbvAbwConverter::AbvAbwConverter(Prompter& prompter) : TwoWayConverter(prompter, kAbvAbw) {}

SgBallingConverter::SgBallingConverter(Prompter& prompter)
    : TwoWayConverter(prompter, kSgBalling) {}

} // namespace wsc
