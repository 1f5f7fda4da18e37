#include "support/TestSupport.h"

#include "core/calc/UtilizationTable.h"
#include "core/calculators/AlcoholCalculator.h"
#include "core/calculators/BitternessCalculator.h"
#include "core/calculators/GravityCalculator.h"
#include "core/calculators/TwoWayConverter.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ScriptedPrompter.h"

namespace wsc {
namespace {

// The shipped table at 60 minutes and 1.050, and at 30 minutes and 1.050.
constexpr double kU60 = 0.23066408;
constexpr double kU30 = 0.17727106;

// Types into the named fields (as a user would, so the last one is the field edited last).
void type(SolverCalculator& c, std::initializer_list<std::pair<const char*, const char*>> texts) {
    for (const auto& [key, text] : texts) {
        const int i = c.fieldNamed(QString::fromLatin1(key));
        ASSERT_GE(i, 0) << key;
        c.setText(i, QString::fromLatin1(text));
    }
}

QString shown(const SolverCalculator& c, const char* key) {
    return c.text(c.fieldNamed(QString::fromLatin1(key)));
}

bool noNonsense(const SolverCalculator& c) {
    for (int i = 0; i < c.fieldCount(); ++i) {
        const QString t = c.text(i).toLower();
        if (t.contains(QLatin1String("inf")) || t.contains(QLatin1String("nan")))
            return false;
    }
    return true;
}

class Bitterness : public ::testing::Test {
protected:
    ScriptedPrompter prompter;
    UtilizationTable table = UtilizationTable::shipped();
    BitternessCalculator calc{prompter, table};

    void example(const char* minutes) {
        type(calc, {{"gravity", "1.050"},
                    {"time", minutes},
                    {"weight", "1"},
                    {"alpha", "5"},
                    {"volume", "5"},
                    {"ibu", ""}});
    }
};

TEST_F(Bitterness, OneOunceOfFivePercentHopsForAnHour) {
    EXPECT_EQ(calc.text(BitternessCalculator::Utilization), QStringLiteral("0.034"));
    EXPECT_FALSE(calc.calculated());
    example("60");
    ASSERT_TRUE(calc.calculate());
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(shown(calc, "ibu"), QString::asprintf("%.0f", 74.9 * kU60)); // 17
    EXPECT_EQ(shown(calc, "ibu"), QStringLiteral("17"));
    EXPECT_EQ(shown(calc, "hbu"), QStringLiteral("5.0"));
    EXPECT_EQ(shown(calc, "utilization"), QStringLiteral("0.23066408"));
    EXPECT_EQ(shown(calc, "gravity"), QStringLiteral("1.05")); // shortest form after a run
    EXPECT_EQ(calc.highlighted(), BitternessCalculator::Ibu);
    EXPECT_EQ(calc.listSelection(), 0);
    EXPECT_TRUE(calc.calculated());
    EXPECT_EQ(calc.focusField(), BitternessCalculator::Ibu); // the IBUs were typed last

    // Half the boil: less utilization and half the HBUs.
    example("30");
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "ibu"), QString::asprintf("%.0f", 74.9 * kU30));
    EXPECT_EQ(shown(calc, "hbu"), QStringLiteral("2.5"));
}

struct Solving {
    const char* unknown;
    std::initializer_list<std::pair<const char*, const char*>> typed;
    const char* expected;
};

TEST_F(Bitterness, WeightAlphaAndVolumeAreSolvedAsWholeNumbers) {
    const Solving cases[] = {
        // 17 × 5 / (0.05 × 7490 × u) = 0.98 ounces
        {"weight", {{"ibu", "17"}, {"alpha", "5"}, {"volume", "5"}, {"weight", ""}}, "1"},
        // 40 × 5 / (7490 × 2 × u) × 100 = 5.79 %
        {"alpha", {{"ibu", "40"}, {"weight", "2"}, {"volume", "5"}, {"alpha", ""}}, "6"},
        // 0.05 × 7490 × 3 × u / 30 = 8.64 gallons
        {"volume", {{"ibu", "30"}, {"weight", "3"}, {"alpha", "5"}, {"volume", ""}}, "9"},
    };
    for (const Solving& s : cases) {
        calc.clear();
        type(calc, {{"gravity", "1.050"}, {"time", "60"}});
        type(calc, s.typed);
        ASSERT_TRUE(calc.calculate()) << s.unknown << ": " << calc.lastError().toStdString();
        EXPECT_EQ(shown(calc, s.unknown), QString::fromLatin1(s.expected)) << s.unknown;
        EXPECT_EQ(calc.highlighted(), calc.fieldNamed(QString::fromLatin1(s.unknown)));
    }
}

TEST_F(Bitterness, TheChecksComeInTheirOrderAndLeaveBlanksAsZero) {
    // A blank boil time is reported before the blanks are counted.
    type(calc, {{"time", ""}, {"weight", ""}, {"alpha", ""}, {"ibu", ""}});
    EXPECT_FALSE(calc.calculate());
    EXPECT_EQ(prompter.ids(), std::vector<int>{223});
    EXPECT_EQ(prompter.last().icon, PromptIcon::Exclamation);
    EXPECT_EQ(shown(calc, "weight"), QStringLiteral("0"));
    EXPECT_EQ(shown(calc, "time"), QStringLiteral("0"));

    prompter.clear();
    type(calc, {{"time", "60"}, {"gravity", "1.05"}, {"alpha", "5"}});
    EXPECT_FALSE(calc.calculate()); // weight and IBUs are 0
    EXPECT_EQ(prompter.ids(), std::vector<int>{222});

    prompter.clear();
    type(calc, {{"weight", "1"}, {"ibu", "20"}});
    EXPECT_FALSE(calc.calculate());
    EXPECT_EQ(prompter.ids(), std::vector<int>{221});
    EXPECT_EQ(
        prompter.last().text,
        QStringLiteral("Data Error:\nOne of these must be zero\nWeight, Alpha, Volume, IBUs"));
    EXPECT_FALSE(calc.calculated());
    EXPECT_EQ(calc.highlighted(), -1);
}

TEST_F(Bitterness, EnglishAndMetricSolveTheUnknownAgain) {
    // Before any calculation the unknown is the IBUs: the alpha of 0 makes two blanks.
    EXPECT_FALSE(calc.setMetric(true));
    EXPECT_EQ(prompter.ids(), std::vector<int>{222});
    EXPECT_EQ(calc.weightUnit(), QStringLiteral("Grams"));
    EXPECT_EQ(calc.volumeUnit(), QStringLiteral("Liters"));

    calc.clear();
    EXPECT_EQ(calc.weightUnit(), QStringLiteral("Onces"));
    example("60");
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "ibu"), QStringLiteral("17"));
    // 28 grams in 19 liters: 0.05 × 1000 × 28 × u / 19 = 17.0
    type(calc, {{"weight", "28"}, {"volume", "19"}});
    ASSERT_TRUE(calc.setMetric(true));
    EXPECT_EQ(shown(calc, "ibu"), QString::asprintf("%.0f", 0.05 * 1000 * 28 * kU60 / 19));
    EXPECT_EQ(shown(calc, "hbu"), QStringLiteral("140.0")); // in grams, as the weight is
    EXPECT_EQ(calc.focusField(), BitternessCalculator::Volume);
    ASSERT_TRUE(calc.setMetric(false));
    EXPECT_EQ(shown(calc, "ibu"), QString::asprintf("%.0f", 0.05 * 7490 * 28 * kU60 / 19));
}

TEST_F(Bitterness, RecalculateSolvesTheSameQuantityAfterAChange) {
    type(calc, {{"gravity", "1.050"}, {"time", "60"}, {"ibu", "17"}, {"alpha", "5"}});
    type(calc, {{"volume", "5"}, {"weight", ""}});
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "weight"), QStringLiteral("1"));
    EXPECT_EQ(calc.solvingFor(), BitternessCalculator::Weight);
    type(calc, {{"ibu", "51"}});
    ASSERT_TRUE(calc.recalculate());
    EXPECT_EQ(shown(calc, "weight"), QStringLiteral("3"));
    EXPECT_EQ(shown(calc, "ibu"), QStringLiteral("51"));
    EXPECT_EQ(calc.focusField(), BitternessCalculator::Ibu);

    // Picking the alpha from the list empties it; the user fills in the weight and solves.
    calc.chooseUnknown(BitternessCalculator::Alpha);
    EXPECT_EQ(shown(calc, "alpha"), QStringLiteral("0"));
    EXPECT_EQ(calc.highlighted(), BitternessCalculator::Alpha);
    EXPECT_EQ(calc.focusField(), BitternessCalculator::Alpha);
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "alpha"), QStringLiteral("5"));
    EXPECT_EQ(calc.focusField(), BitternessCalculator::Weight); // after a choice from the list
}

TEST_F(Bitterness, AGravityOutsideTheTableGivesNoBitternessAndNoDivisionByZero) {
    example("60");
    type(calc, {{"gravity", "1.200"}});
    ASSERT_TRUE(calc.calculate());
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.last().text,
              QStringLiteral("Warning: During Hops IBU calculation the Original Gravity (1.200) "
                             "was outside the bounds of the Utilization table."));
    EXPECT_EQ(shown(calc, "ibu"), QStringLiteral("0"));

    // Solving for the weight or the alpha would divide by the utilization of 0.
    for (const char* unknown : {"weight", "alpha"}) {
        prompter.clear();
        type(calc, {{"ibu", "20"}, {"weight", "1"}, {"alpha", "5"}, {unknown, ""}});
        EXPECT_FALSE(calc.calculate());
        ASSERT_EQ(prompter.shown().size(), 2u);
        EXPECT_EQ(prompter.last().icon, PromptIcon::Exclamation);
        EXPECT_TRUE(prompter.last().text.contains(QLatin1String("% Utilization of hops = 0")))
            << prompter.last().text.toStdString();
        EXPECT_EQ(shown(calc, unknown), QStringLiteral("0"));
        EXPECT_EQ(shown(calc, "ibu"), QStringLiteral("20"));
        EXPECT_TRUE(noNonsense(calc));
    }
}

TEST_F(Bitterness, AnAnswerTooLargeToShowIsReportedAndNothingChanges) {
    example("60");
    // Every input within what a field takes, and still no answer a number can hold.
    type(calc, {{"weight", "1e6"}, {"alpha", "1e6"}, {"volume", "1e-300"}, {"ibu", ""}});
    EXPECT_FALSE(calc.calculate());
    EXPECT_EQ(prompter.last().text,
              QStringLiteral("Data Error:\nThe International Bitterness Units (IBUs) would be too "
                             "large to show.  Please check the values entered."));
    EXPECT_EQ(shown(calc, "weight"), QStringLiteral("1e6"));
    // Beyond what a field takes, the input itself is refused with the range.
    type(calc, {{"weight", "1e300"}, {"ibu", ""}});
    EXPECT_FALSE(calc.calculate());
    EXPECT_EQ(prompter.last().text,
              QStringLiteral("Data Error:\nPlease enter a number from 0 to 1000000 in the field "
                             "\"Weight\"."));
    EXPECT_EQ(shown(calc, "ibu"), QStringLiteral("0"));
    EXPECT_EQ(shown(calc, "hbu"), QStringLiteral("0.0"));
    EXPECT_FALSE(calc.calculated());
}

TEST_F(Bitterness, TextsThatAreNoQuantityAreRefusedNamingTheField) {
    const std::pair<const char*, const char*> bad[] = {
        {"alpha", "five"}, {"weight", "-1"}, {"time", "60.5"}, {"ibu", "1e999"}, {"volume", "nan"}};
    for (const auto& [key, text] : bad) {
        calc.clear();
        prompter.clear();
        example("60");
        type(calc, {{key, text}});
        EXPECT_FALSE(calc.calculate()) << key;
        ASSERT_EQ(prompter.shown().size(), 1u) << key;
        const QString name = FieldName(calc.field(calc.fieldNamed(QString::fromLatin1(key))));
        EXPECT_TRUE(prompter.last().text.contains(QStringLiteral("\"%1\"").arg(name)))
            << prompter.last().text.toStdString();
        EXPECT_EQ(calc.focusField(), calc.fieldNamed(QString::fromLatin1(key)));
        EXPECT_EQ(shown(calc, key), QString::fromLatin1(text)); // kept as typed
        EXPECT_FALSE(calc.calculated());
    }
}

TEST_F(Bitterness, TheUtilizationFollowsGravityAndTimeAndHopsBringTheirAlpha) {
    EXPECT_TRUE(calc.leaveGravityOrTime()); // nothing changed, nothing looked up
    type(calc, {{"time", "60"}});
    EXPECT_TRUE(calc.leaveGravityOrTime());
    EXPECT_EQ(shown(calc, "utilization"), QStringLiteral("0.276"));
    type(calc, {{"gravity", "1.2"}});
    EXPECT_FALSE(calc.leaveGravityOrTime());
    EXPECT_EQ(shown(calc, "utilization"), QStringLiteral("0.000"));
    EXPECT_EQ(prompter.last().icon, PromptIcon::Information);

    EXPECT_EQ(calc.hopLabel(), QStringLiteral("None Selected, 0.0"));
    calc.chooseHop(QStringLiteral("Cascade"), 5.5);
    EXPECT_EQ(shown(calc, "alpha"), QStringLiteral("5.5"));
    EXPECT_EQ(calc.hopLabel(), QStringLiteral("Cascade, 5.5"));

    example("60");
    ASSERT_TRUE(calc.calculate());
    calc.clear();
    EXPECT_EQ(calc.hopLabel(), QStringLiteral("None Selected, 0.0"));
    EXPECT_EQ(shown(calc, "gravity"), QStringLiteral("1.03"));
    EXPECT_EQ(shown(calc, "time"), QStringLiteral("3"));
    EXPECT_EQ(shown(calc, "hbu"), QStringLiteral("0.0"));
    EXPECT_FALSE(calc.calculated());
    EXPECT_EQ(calc.highlighted(), -1);
    EXPECT_EQ(calc.listSelection(), -1);
    EXPECT_EQ(calc.solvingFor(), 0);
    EXPECT_EQ(calc.focusField(), BitternessCalculator::Weight);
}

class Gravity : public ::testing::Test {
protected:
    ScriptedPrompter prompter;
    GravityCalculator calc{prompter};
};

TEST_F(Gravity, SixPoundsOfDryExtract) {
    type(calc, {{"weight", "6"}, {"potential", "1.045"}, {"volume", "5"}, {"efficiency", "100"}});
    ASSERT_TRUE(calc.calculate()) << calc.lastError().toStdString();
    EXPECT_EQ(shown(calc, "og"), QStringLiteral("1.054"));
    EXPECT_EQ(shown(calc, "balling"), QStringLiteral("13.5"));
    EXPECT_EQ(calc.highlighted(), GravityCalculator::Og);

    // Six kilograms are 13.2 pounds: 1 + 13.2 × 45 / 5 × 0.001.
    calc.setKilograms(true);
    ASSERT_TRUE(calc.recalculate());
    EXPECT_EQ(shown(calc, "og"), QStringLiteral("1.119"));
}

TEST_F(Gravity, WeightAndVolumeAreWholeAndThePotentialHasThreeDecimals) {
    const Solving cases[] = {
        // 50 / 0.8 × 5 / 37 = 8.4 pounds
        {"weight", {{"og", "1.050"}, {"potential", "1.037"}, {"volume", "5"}, {"weight", ""}}, "8"},
        // 37 × 9 × 0.8 / 50 = 5.3 gallons
        {"volume", {{"og", "1.050"}, {"weight", "9"}, {"volume", ""}}, "5"},
        // 1 + 50 / 0.8 × 5 / 9 × 0.001
        {"potential",
         {{"og", "1.050"}, {"weight", "9"}, {"volume", "5"}, {"potential", ""}},
         "1.035"},
    };
    for (const Solving& s : cases) {
        calc.clear();
        type(calc, {{"potential", "1.037"}});
        type(calc, s.typed);
        ASSERT_TRUE(calc.calculate()) << s.unknown << ": " << calc.lastError().toStdString();
        EXPECT_EQ(shown(calc, s.unknown), QString::fromLatin1(s.expected)) << s.unknown;
    }
    // Kilograms in, kilograms out: 8.4 pounds are 3.8 kilograms.
    calc.clear();
    calc.setKilograms(true);
    type(calc, {{"og", "1.050"}, {"potential", "1.037"}, {"weight", ""}});
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "weight"), QStringLiteral("4"));
}

TEST_F(Gravity, EfficiencyFirstThenOneRangeMessagePerClick) {
    type(calc, {{"efficiency", ""}, {"weight", ""}, {"volume", ""}});
    EXPECT_FALSE(calc.calculate());
    EXPECT_EQ(prompter.ids(), std::vector<int>{240});

    prompter.clear();
    type(calc, {{"efficiency", "120"}, {"weight", "6"}, {"volume", "5"}, {"potential", "1.3"}});
    EXPECT_FALSE(calc.calculate());
    ASSERT_EQ(prompter.ids(), std::vector<int>{249});
    EXPECT_EQ(prompter.last().text,
              QStringLiteral("Data Error:\nThe Extract Potential entered (1.300) must be between "
                             "1.000 and 1.200"));
    prompter.clear();
    type(calc, {{"potential", "1.2"}}); // the bounds hold
    EXPECT_FALSE(calc.calculate());
    EXPECT_EQ(prompter.last().text,
              QStringLiteral("Data Error:\nThe Efficiency entered (120) must be between 25 and "
                             "100"));
    prompter.clear();
    type(calc, {{"efficiency", "25"}});
    EXPECT_TRUE(calc.calculate()) << calc.lastError().toStdString();
}

TEST_F(Gravity, ExtractsLockTheEfficiencyAndGrainsFreeIt) {
    calc.chooseSource(GravityCalculator::Source::Extract, QStringLiteral("Light DME"), 1.045);
    EXPECT_EQ(shown(calc, "potential"), QStringLiteral("1.045"));
    EXPECT_EQ(shown(calc, "efficiency"), QStringLiteral("100"));
    EXPECT_TRUE(calc.efficiencyLocked());
    EXPECT_EQ(calc.sourceName(), QStringLiteral("Light DME"));
    EXPECT_EQ(calc.focusField(), GravityCalculator::Potential);
    calc.chooseSource(GravityCalculator::Source::Grain, QStringLiteral("Pale Malt"), 1.037);
    EXPECT_EQ(shown(calc, "efficiency"), QStringLiteral("80"));
    EXPECT_FALSE(calc.efficiencyLocked());
    calc.chooseSource(GravityCalculator::Source::Adjunct, QStringLiteral("Corn Sugar"), 1.046);
    EXPECT_TRUE(calc.efficiencyLocked());
    calc.clear();
    EXPECT_FALSE(calc.efficiencyLocked());
    EXPECT_EQ(calc.sourceName(), QStringLiteral("None Selected"));
}

TEST_F(Gravity, ZeroPointsAreReportedInsteadOfDividedBy) {
    type(calc, {{"og", "1.050"}, {"potential", "1.000"}, {"weight", ""}});
    EXPECT_FALSE(calc.calculate());
    EXPECT_TRUE(prompter.last().text.contains(QLatin1String("Extract Potential = 1.000")));
    EXPECT_TRUE(prompter.last().text.startsWith(QLatin1String("Data Error:\nThe Weight ")));
    type(calc, {{"og", "1.000"}, {"potential", "1.037"}, {"weight", "9"}, {"volume", ""}});
    EXPECT_FALSE(calc.calculate());
    EXPECT_TRUE(prompter.last().text.contains(QLatin1String("Original Gravity = 1.000")));
    EXPECT_TRUE(noNonsense(calc));
    EXPECT_FALSE(calc.calculated());
}

class Alcohol : public ::testing::Test {
protected:
    ScriptedPrompter prompter;
    AlcoholCalculator calc{prompter};
};

TEST_F(Alcohol, TheTerminalGravityIsPredictedFromTheAttenuation) {
    // 75% of the 50 points are fermented, 12.5 are left: 37.5 × 0.1275 = 4.78.
    type(calc, {{"og", "1.050"}, {"tg", ""}, {"attenuation", "75"}, {"abv", ""}});
    ASSERT_TRUE(calc.calculate()) << calc.lastError().toStdString();
    EXPECT_EQ(shown(calc, "tg"), QStringLiteral("1.0125")); // not rounded
    EXPECT_EQ(shown(calc, "abv"), QStringLiteral("4.78"));
    EXPECT_EQ(shown(calc, "abw"), QString::asprintf("%.2f", 37.5 * 0.1275 * 0.8));
    EXPECT_EQ(calc.highlighted(), AlcoholCalculator::Abv);

    // A terminal gravity of 1.000 counts as unknown and is predicted too.
    type(calc, {{"tg", "1.000"}, {"attenuation", "80"}, {"abv", ""}});
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "tg"), QStringLiteral("1.01"));
    EXPECT_EQ(shown(calc, "abv"), QStringLiteral("5.10"));
}

TEST_F(Alcohol, MeasuredGravitiesAndTheOtherUnknowns) {
    type(calc, {{"og", "1.050"}, {"tg", "1.010"}, {"abv", ""}});
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "abv"), QStringLiteral("5.10"));
    EXPECT_EQ(shown(calc, "abw"), QStringLiteral("4.08"));

    calc.chooseUnknown(AlcoholCalculator::Og);
    EXPECT_EQ(shown(calc, "og"), QStringLiteral("0.000"));
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "og"), QStringLiteral("1.05"));
    EXPECT_EQ(calc.focusField(), AlcoholCalculator::Og);

    calc.chooseUnknown(AlcoholCalculator::Tg);
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "tg"), QStringLiteral("1.01"));
}

TEST_F(Alcohol, DataErrorsInTheirOrder) {
    struct Case {
        std::initializer_list<std::pair<const char*, const char*>> typed;
        int id;
        const char* text;
    };
    const Case cases[] = {
        {{{"abv", ""}, {"tg", ""}, {"attenuation", ""}, {"og", ""}}, 244, nullptr},
        {{{"abv", ""}, {"tg", ""}, {"attenuation", ""}, {"og", "1.050"}}, 244, nullptr},
        {{{"abv", "5"}, {"tg", "1.010"}, {"og", "1.050"}}, 242, nullptr},
        {{{"abv", ""}, {"og", ""}, {"tg", "1.010"}}, 243, nullptr},
        {{{"abv", ""}, {"og", "1.3"}, {"tg", "1.010"}},
         246,
         "Data Error:\nThe Original Gravity entered (1.300) must be between 1.000 and 1.200"},
        {{{"abv", ""}, {"og", "1.050"}, {"tg", "0.99"}},
         246,
         "Data Error:\nThe Terminal Gravity entered (0.990) must be between 1.000 and 1.200"},
        {{{"abv", ""}, {"og", "1.050"}, {"tg", "1.050"}}, 245, nullptr},
        {{{"abv", ""}, {"og", "1.050"}, {"tg", ""}, {"attenuation", "96"}},
         247,
         "Data Error:\nThe Attenuation entered (96) must be between 50 and 95"},
    };
    for (const Case& c : cases) {
        calc.clear();
        prompter.clear();
        type(calc, c.typed);
        EXPECT_FALSE(calc.calculate());
        ASSERT_EQ(prompter.ids(), std::vector<int>{c.id});
        if (c.text) {
            EXPECT_EQ(prompter.last().text, QString::fromLatin1(c.text));
        }
    }
}

TEST(Converters, GravityAndBalling) {
    ScriptedPrompter prompter;
    SgBallingConverter calc(prompter);
    EXPECT_EQ(calc.solvingFor(), SgBallingConverter::Balling);
    EXPECT_EQ(shown(calc, "balling"), QString());
    type(calc, {{"sg", ""}, {"balling", "12"}});
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "sg"), QStringLiteral("1.048"));
    EXPECT_EQ(shown(calc, "balling"), QStringLiteral("12.00"));
    EXPECT_EQ(calc.highlighted(), SgBallingConverter::Sg);
    EXPECT_EQ(calc.focusField(), SgBallingConverter::Balling);

    type(calc, {{"balling", ""}, {"sg", "1.048"}});
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "balling"), QStringLiteral("12.00"));

    // Below water: a Balling under 0 is a reading, not an error.
    type(calc, {{"sg", ""}, {"balling", "-2"}});
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "sg"), QStringLiteral("0.992"));

    type(calc, {{"sg", ""}, {"balling", " 60.0"}});
    EXPECT_FALSE(calc.calculate());
    EXPECT_EQ(prompter.last().text,
              QStringLiteral("Data Error:\nThe Balling entered ( 60.0) must be between 0 and 50"));
    type(calc, {{"sg", "1.3"}, {"balling", ""}});
    EXPECT_FALSE(calc.calculate());
    EXPECT_EQ(prompter.ids().back(), 267);
    type(calc, {{"sg", "1.040"}, {"balling", "10"}});
    EXPECT_FALSE(calc.calculate());
    EXPECT_EQ(prompter.ids().back(), 265);
    type(calc, {{"sg", ""}, {"balling", ""}});
    EXPECT_FALSE(calc.calculate());
    EXPECT_EQ(prompter.ids().back(), 266);

    calc.clear();
    EXPECT_EQ(shown(calc, "sg"), QStringLiteral("1.000"));
    EXPECT_EQ(shown(calc, "balling"), QStringLiteral("0.00"));
    EXPECT_EQ(calc.solvingFor(), SgBallingConverter::Balling);
    // Recalculate empties the Balling to "0", so the gravity's Balling comes back.
    type(calc, {{"sg", "1.060"}});
    ASSERT_TRUE(calc.recalculate());
    EXPECT_EQ(shown(calc, "balling"), QStringLiteral("15.00"));
}

TEST(Converters, VolumeAndWeight) {
    ScriptedPrompter prompter;
    AbvAbwConverter calc(prompter);
    EXPECT_EQ(shown(calc, "abv"), QStringLiteral("5.00"));
    type(calc, {{"abw", ""}});
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "abw"), QStringLiteral("4.00"));
    type(calc, {{"abv", ""}, {"abw", "4"}});
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "abv"), QStringLiteral("5.00"));

    const std::tuple<const char*, const char*, int, const char*> bad[] = {
        {"25.0", "", 274,
         "Data Error:\nThe By Volume entered (25.0) must be between 0.5 and 20.00"},
        {"", "0.3", 275, "Data Error:\nThe By Weight entered (0.3) must be between 0.4 and 16.00"},
        {"5", "4", 270, nullptr},
        {"", "", 271, nullptr},
    };
    for (const auto& [abv, abw, id, text] : bad) {
        prompter.clear();
        type(calc, {{"abv", abv}, {"abw", abw}});
        EXPECT_FALSE(calc.calculate());
        ASSERT_EQ(prompter.ids(), std::vector<int>{id});
        if (text) {
            EXPECT_EQ(prompter.last().text, QString::fromLatin1(text));
        }
    }
}

TEST(Calculators, NumbersReadAndWriteWithAPointUnderACommaLocale) {
    test::CommaLocale comma;
    if (!comma.available())
        GTEST_SKIP() << "no decimal-comma locale on this machine";
    ScriptedPrompter prompter;
    AlcoholCalculator calc(prompter);
    type(calc, {{"og", "1.050"}, {"tg", "1.010"}, {"abv", ""}});
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "abv"), QStringLiteral("5.10"));
    EXPECT_EQ(shown(calc, "og"), QStringLiteral("1.05"));
    // A comma is the decimal mark a brewer in this locale types: 1,060 is 1.060, never 1.
    type(calc, {{"og", "1,060"}, {"abv", ""}});
    ASSERT_TRUE(calc.calculate());
    EXPECT_EQ(shown(calc, "abv"), QStringLiteral("6.38"));
    // A thousands mark makes no number: refused.
    type(calc, {{"og", "1,060.0"}, {"abv", ""}});
    EXPECT_FALSE(calc.calculate());
    EXPECT_EQ(prompter.last().text,
              QStringLiteral("Data Error:\nPlease enter a number in the field \"Original "
                             "Gravity\"."));
}

} // namespace
} // namespace wsc
