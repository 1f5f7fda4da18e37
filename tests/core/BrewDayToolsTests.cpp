// The brew-day tools against figures worked by hand from the published formulas, in US and in
// metric units: the same beer gives the same answer in either.
#include "core/calculators/BrewDayTools.h"
#include "core/settings/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace wsc {
namespace {

using Maker = std::function<std::unique_ptr<UnitCalculator>(Prompter&, const UnitChoice&)>;

template <class Tool> Maker make() {
    return [](Prompter& p, const UnitChoice& u) { return std::make_unique<Tool>(p, u); };
}

struct Case {
    const char* what;
    Maker tool;
    bool metric;
    std::map<std::string, std::string> typed;
    std::map<std::string, std::string> expected; // field key → text shown after solving
    const char* error = nullptr;                 // or a part of the message refusing it
};

// °F 68 holds 3.0378 − 0.050062 × 68 + 0.00026555 × 68² = 0.86 volumes; 5 gal is 18.927 L;
// glucose gives 1.977 / 0.4886 = 4.046 g per litre and volume.
std::vector<Case> Cases() {
    return {
        {"priming: corn sugar for 2.4 volumes in 5 gal at 68 °F",
         make<PrimingCalculator>(),
         false,
         {{"volumes", "2.4"}, {"beer", "5"}, {"temperature", "68"}, {"kind", "0"}},
         {{"sugar", "4.16"}, {"residual", "0.86"}}},
        {"priming: the same in grams, litres and °C",
         make<PrimingCalculator>(),
         true,
         {{"volumes", "2.4"}, {"beer", "18.927"}, {"temperature", "20"}, {"kind", "0"}},
         {{"sugar", "117.8"}, {"residual", "0.86"}}},
        {"priming: table sugar ferments more fully: less of it",
         make<PrimingCalculator>(),
         false,
         {{"volumes", "2.4"}, {"beer", "5"}, {"temperature", "68"}, {"kind", "1"}},
         {{"sugar", "3.95"}}},
        {"priming: 4 oz of corn sugar gives 2.34 volumes",
         make<PrimingCalculator>(),
         false,
         {{"sugar", "4"}, {"beer", "5"}, {"temperature", "68"}, {"kind", "0"}},
         {{"volumes", "2.34"}}},
        {"priming: a cold beer holds more than asked",
         make<PrimingCalculator>(),
         false,
         {{"volumes", "1.5"}, {"beer", "5"}, {"temperature", "34"}},
         {},
         "still holds 1.64 volumes"},
        {"priming: both quantities given",
         make<PrimingCalculator>(),
         false,
         {{"sugar", "4"}, {"volumes", "2.4"}, {"beer", "5"}, {"temperature", "68"}},
         {},
         "leave either the Sugar (oz) or the Volumes of CO2 blank"},
        {"priming: a temperature out of range, in the unit typed",
         make<PrimingCalculator>(),
         true,
         {{"volumes", "2.4"}, {"beer", "19"}, {"temperature", "45"}},
         {},
         "The Beer temperature (\u00b0C) entered (45) must be between 0.0 and 37.8."},
        {"hydrometer: 1.050 at 80 °F on a 60 °F hydrometer",
         make<HydrometerCorrection>(),
         false,
         {{"reading", "1.050"}, {"sample", "80"}},
         {{"corrected", "1.052"}}},
        {"hydrometer: 1.040 at 30 °C on a 20 °C hydrometer",
         make<HydrometerCorrection>(),
         true,
         {{"reading", "1.040"}, {"sample", "30"}},
         {{"corrected", "1.043"}}},
        {"hydrometer: what to read at 80 °F for 1.052",
         make<HydrometerCorrection>(),
         false,
         {{"corrected", "1.0524"}, {"sample", "80"}},
         {{"reading", "1.050"}}},
        {"hydrometer: at the calibration temperature nothing changes",
         make<HydrometerCorrection>(),
         false,
         {{"reading", "1.047"}, {"sample", "60"}},
         {{"corrected", "1.047"}}},
        {"refractometer: 12 °Bx before fermentation, factor 1.04",
         make<RefractometerCalculator>(),
         false,
         {{"brix", "12"}},
         {{"og", "1.046"}}},
        {"refractometer: 12 then 6 °Bx once fermenting (Terrill's cubic)",
         make<RefractometerCalculator>(),
         false,
         {{"brix", "12"}, {"current", "6"}},
         {{"og", "1.046"}, {"gravity", "1.011"}, {"abv", "4.6"}}},
        {"refractometer: the Brix a gravity reads as",
         make<RefractometerCalculator>(),
         false,
         {{"og", "1.046441535"}},
         {{"brix", "12.0"}}},
        {"refractometer: a current reading above the original",
         make<RefractometerCalculator>(),
         false,
         {{"brix", "10"}, {"current", "11"}},
         {},
         "must be between 0.00 and 10.00"},
        {"strike: 12 lb at 68 °F, 1.25 qt/lb, for 152 °F (the grain's weight gives the volume "
         "only)",
         make<StrikeWaterCalculator>(),
         false,
         {{"target", "152"}, {"grain", "12"}, {"grain-temperature", "68"}},
         {{"strike", "165"}, {"volume", "3.75"}}},
        {"strike: the mash temperature 165.44 °F water gives",
         make<StrikeWaterCalculator>(),
         false,
         {{"strike", "165.44"}, {"grain", "10"}, {"grain-temperature", "68"}},
         {{"target", "152"}}},
        {"strike: 5 kg at 20 °C, 2.6 L/kg, for 67 °C",
         make<StrikeWaterCalculator>(),
         true,
         {{"target", "67"}, {"grain", "5"}, {"grain-temperature", "20"}},
         {{"strike", "74.5"}, {"volume", "13.00"}}},
        {"strike: a tun that takes 3 °F",
         make<StrikeWaterCalculator>(),
         false,
         {{"target", "152"}, {"grain", "10"}, {"grain-temperature", "68"}, {"allowance", "3"}},
         {{"strike", "168"}}},
        {"infusion: 10 lb in 12.5 qt from 122 °F to 152 °F with boiling water",
         make<MashInfusionCalculator>(),
         false,
         {{"target", "152"}, {"grain", "10"}, {"mash-water", "12.5"}, {"current", "122"}},
         {{"water", "7.25"}}},
        {"infusion: the temperature 7.25 qt reach",
         make<MashInfusionCalculator>(),
         false,
         {{"water", "7.25"}, {"grain", "10"}, {"mash-water", "12.5"}, {"current", "122"}},
         {{"target", "152"}}},
        {"infusion: water no hotter than the target",
         make<MashInfusionCalculator>(),
         false,
         {{"target", "152"},
          {"grain", "10"},
          {"mash-water", "12.5"},
          {"current", "122"},
          {"water-temperature", "150"}},
         {},
         "must be above the Target temperature"},
        {"dilution: 5 gal at 1.060 to 1.050: add 1 gal",
         make<DilutionCalculator>(),
         false,
         {{"final-gravity", "1.050"}, {"volume", "5"}, {"gravity", "1.060"}},
         {{"final-volume", "6.00"}, {"water", "1.00"}}},
        {"dilution: 6 gal at 1.040 boiled down to 5 gal",
         make<DilutionCalculator>(),
         false,
         {{"final-volume", "5"}, {"volume", "6"}, {"gravity", "1.040"}},
         {{"final-gravity", "1.048"}, {"water", "-1.00"}}},
        {"dilution: in litres",
         make<DilutionCalculator>(),
         true,
         {{"final-gravity", "1.050"}, {"volume", "20"}, {"gravity", "1.060"}},
         {{"final-volume", "24.00"}, {"water", "4.00"}}},
    };
}

TEST(BrewDayTools, WorkedExamples) {
    for (const Case& c : Cases()) {
        ScriptedPrompter prompter;
        auto tool = c.tool(prompter, c.metric ? UnitChoice::metric() : UnitChoice::us());
        // The quantities start blank; the settings keep their defaults unless typed.
        for (int i = 0; i < tool->quantityCount(); ++i)
            tool->setText(i, QString());
        for (const auto& [key, text] : c.typed) {
            const int f = tool->fieldNamed(QString::fromStdString(key));
            ASSERT_GE(f, 0) << c.what << ": " << key;
            tool->setText(f, QString::fromStdString(text));
        }
        const bool solved = tool->calculate();
        if (c.error) {
            EXPECT_FALSE(solved) << c.what;
            EXPECT_TRUE(tool->lastError().contains(QString::fromUtf8(c.error)))
                << c.what << ": " << tool->lastError().toStdString();
            ASSERT_EQ(prompter.shown().size(), 1u) << c.what;
            continue;
        }
        ASSERT_TRUE(solved) << c.what << ": " << tool->lastError().toStdString();
        EXPECT_TRUE(prompter.shown().empty()) << c.what;
        for (const auto& [key, text] : c.expected)
            EXPECT_EQ(tool->text(tool->fieldNamed(QString::fromStdString(key))).toStdString(), text)
                << c.what << ": " << key;
    }
}

// The labels carry the unit each value is in, and the defaults follow it.
TEST(BrewDayTools, LabelsAndDefaultsFollowTheUnits) {
    ScriptedPrompter prompter;
    HydrometerCorrection us(prompter, UnitChoice::us());
    HydrometerCorrection metric(prompter, UnitChoice::metric());
    EXPECT_EQ(FieldName(us.field(HydrometerCorrection::Calibration)),
              QStringLiteral("Calibrated at (\u00b0F)"));
    EXPECT_EQ(us.text(HydrometerCorrection::Calibration), QStringLiteral("60"));
    EXPECT_EQ(metric.text(HydrometerCorrection::Calibration), QStringLiteral("20"));
    StrikeWaterCalculator strike(prompter, UnitChoice::metric());
    EXPECT_EQ(FieldName(strike.field(StrikeWaterCalculator::Ratio)),
              QStringLiteral("Water to grain ratio (L/kg)"));
    EXPECT_EQ(FieldName(strike.field(StrikeWaterCalculator::Grain)),
              QStringLiteral("Grain weight (kg)"));
    PrimingCalculator priming(prompter, UnitChoice::metric());
    EXPECT_EQ(FieldName(priming.field(PrimingCalculator::Sugar)), QStringLiteral("Sugar (g)"));
    // Non-numeric text is refused with the field's name, as in every calculator.
    priming.setText(PrimingCalculator::Volumes, QStringLiteral("2.4"));
    priming.setText(PrimingCalculator::Beer, QStringLiteral("twenty"));
    EXPECT_FALSE(priming.calculate());
    EXPECT_TRUE(priming.lastError().contains(QStringLiteral("\"Beer volume (L)\"")));
    EXPECT_EQ(priming.focusField(), int(PrimingCalculator::Beer));
}

} // namespace
} // namespace wsc
