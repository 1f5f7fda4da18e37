// The units a brewer may read and type in: what is stored stays the working measure, and a value
// typed in another unit shows again as it was typed.
#include "core/calc/Predictions.h"
#include "core/calc/UnitPreference.h"
#include "core/calc/Units.h"
#include "core/document/FieldExchange.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/ScriptedPrompter.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace wsc {
namespace {

QString Shown(Unit unit, double stored) {
    return QString::number(FromStored(unit, stored), 'f', InfoOf(unit).decimals);
}

TEST(Units, TheFactorsAreTheExactOnes) {
    EXPECT_DOUBLE_EQ(ToStored(Unit::Litre, 3.785411784), 1.0);
    EXPECT_DOUBLE_EQ(ToStored(Unit::Kilogram, 0.45359237), 1.0);
    EXPECT_DOUBLE_EQ(ToStored(Unit::Gram, 28.349523125), 1.0 / 16);
    EXPECT_DOUBLE_EQ(ToStored(Unit::Ounce, 8), 0.5);
    EXPECT_DOUBLE_EQ(FromStored(Unit::Celsius, 212), 100);
    EXPECT_DOUBLE_EQ(FromStored(Unit::Celsius, 32), 0);
    EXPECT_DOUBLE_EQ(ToStored(Unit::Celsius, 66), 150.8);
    EXPECT_DOUBLE_EQ(FromStored(Unit::Ebc, 10), 19.7);
    // The working units are stored as they are.
    for (Unit u : {Unit::UsGallon, Unit::Pound, Unit::Fahrenheit, Unit::SpecificGravity, Unit::Srm})
        EXPECT_EQ(ToStored(u, 1.234), 1.234);
}

// 23 L is kept as about 6.0760 gal and shows as 23 L again, never 22.99 or 23.01; the same for
// every value a brewer types, in every unit.
TEST(Units, ATypedValueShowsAgainAsTyped) {
    EXPECT_NEAR(ToStored(Unit::Litre, 23), 6.0760, 0.0001);
    for (Unit u : {Unit::Litre, Unit::Kilogram, Unit::Gram, Unit::Ounce, Unit::Celsius, Unit::Plato,
                   Unit::Ebc}) {
        const int decimals = InfoOf(u).decimals;
        for (int i = 0; i <= 4000; ++i) {
            const double typed =
                std::round(i * 0.37 * std::pow(10, decimals)) / std::pow(10, decimals);
            if (u == Unit::Plato && typed > 40)
                break;
            const QString text = QString::number(typed, 'f', decimals);
            ASSERT_EQ(Shown(u, ToStored(u, typed)), text) << InfoOf(u).key << " " << i;
        }
    }
}

TEST(Units, PlatoByTheCubicAndItsInverse) {
    EXPECT_NEAR(PlatoOfGravity(1.040), 9.99, 0.01);
    EXPECT_NEAR(PlatoOfGravity(1.048), 11.91, 0.01);
    EXPECT_NEAR(PlatoOfGravity(1.000), 0, 0.01);
    // The whole range a gravity may be typed in: 1.000 to 1.200.
    EXPECT_NEAR(PlatoOfGravity(1.200), 43.9, 0.05);
    for (double p = 0; p <= 44; p += 0.1)
        ASSERT_NEAR(PlatoOfGravity(GravityOfPlato(p)), p, 1e-9) << p;
    EXPECT_NEAR(GravityOfPlato(12), 1.0484, 0.0001);
}

TEST(Units, KeysNameTheUnitsOfTheirQuantityOnly) {
    Unit u = Unit::UsGallon;
    EXPECT_TRUE(UnitOfKey(Quantity::Volume, QStringLiteral("Litre"), &u));
    EXPECT_EQ(u, Unit::Litre);
    EXPECT_FALSE(UnitOfKey(Quantity::Volume, QStringLiteral("kilogram"), &u));
    EXPECT_EQ(u, Unit::Litre);
    EXPECT_FALSE(UnitOfKey(Quantity::Gravity, QString(), &u));
    EXPECT_TRUE(UnitChoice::us().isUs());
    EXPECT_FALSE(UnitChoice::metric().isUs());
    EXPECT_EQ(UnitChoice::metric().of(Quantity::Temperature), Unit::Celsius);
    for (int i = 0; i <= static_cast<int>(Unit::Ebc); ++i)
        EXPECT_EQ(InfoOf(static_cast<Unit>(i)).unit, static_cast<Unit>(i));
}

// What a field shows: the typed figures with no trailing zeros, the whole degrees of a
// whole-number field, never "-0", and nothing for a reading never taken.
TEST(Units, AValueShowsInItsUnitAsABrewerWritesIt) {
    EXPECT_EQ(FormatInUnit(Unit::Litre, 23 / 3.785411784), QStringLiteral("23"));
    EXPECT_EQ(FormatInUnit(Unit::Litre, 6.5), QStringLiteral("24.61"));
    EXPECT_EQ(FormatInUnit(Unit::Litre, 5, -1, false), QStringLiteral("18.93"));
    EXPECT_EQ(FormatInUnit(Unit::Celsius, 70, 0), QStringLiteral("21"));
    EXPECT_EQ(FormatInUnit(Unit::Celsius, 32, 0), QStringLiteral("0"));
    EXPECT_EQ(FormatInUnit(Unit::Celsius, 31.9, 0), QStringLiteral("0"));
    EXPECT_EQ(FormatInUnit(Unit::Celsius, 0, 0), QString());
    EXPECT_EQ(FormatInUnit(Unit::Plato, 0, -1, false), QString());
    EXPECT_EQ(FormatInUnit(Unit::Plato, 1.0, -1, false), QStringLiteral("0.0"));
    EXPECT_EQ(FormatInUnit(Unit::Ebc, 10, -1, false), QStringLiteral("19.7"));
    EXPECT_EQ(FormatInUnit(Unit::Kilogram, 0, -1, false), QStringLiteral("0.000"));
}

// A value typed in another unit is read into the working measure or refused with the limits
// in the unit typed; a refusal leaves the stored value alone.
TEST(Units, TypedValuesAreCheckedAgainstTheLimitsInTheirUnit) {
    struct Case {
        Quantity quantity;
        Unit unit;
        bool whole;
        const char* typed;
        double stored;       // when taken
        const char* message; // when refused: the text after "Data Error:\n"
    };
    const Case cases[] = {
        {Quantity::Volume, Unit::Litre, false, "23", 23 / 3.785411784, nullptr},
        {Quantity::Volume, Unit::Litre, false, "0,5", 0.5 / 3.785411784, nullptr},
        {Quantity::Volume, Unit::Litre, false, "-1", 0,
         "Please enter a number of 0 or more in the field \"Batch\"."},
        {Quantity::Volume, Unit::Litre, false, "1.2.3", 0,
         "Please enter a number in the field \"Batch\"."},
        {Quantity::Temperature, Unit::Celsius, true, "21", 70, nullptr},
        {Quantity::Temperature, Unit::Celsius, true, "-17", 1, nullptr},
        {Quantity::Temperature, Unit::Celsius, true, "-18", 0,
         "Please enter a whole number from -17 to 1193046452 in the field \"Batch\"."},
        {Quantity::Temperature, Unit::Celsius, true, "20.5", 0,
         "Please enter a whole number from -17 to 1193046452 in the field \"Batch\"."},
        {Quantity::Gravity, Unit::Plato, false, "12", GravityOfPlato(12), nullptr},
        {Quantity::Gravity, Unit::Plato, false, "0", GravityOfPlato(0), nullptr},
        {Quantity::Gravity, Unit::Plato, false, "44", 0,
         "Please enter a number from 0.0 to 43.9 in the field \"Batch\"."},
        {Quantity::Gravity, Unit::Plato, false, "-1", 0,
         "Please enter a number from 0.0 to 43.9 in the field \"Batch\"."},
    };
    for (const Case& c : cases) {
        ScriptedPrompter prompter;
        double stored = 0;
        const bool taken = ReadFieldInUnit(QString::fromLatin1(c.typed), QStringLiteral("&Batch"),
                                           c.quantity, c.unit, c.whole, prompter, stored);
        EXPECT_EQ(taken, c.message == nullptr) << c.typed;
        if (c.message) {
            ASSERT_EQ(prompter.shown().size(), 1u) << c.typed;
            EXPECT_EQ(prompter.last().text,
                      QStringLiteral("Data Error:\n") + QString::fromUtf8(c.message))
                << c.typed;
            EXPECT_EQ(stored, 0) << c.typed;
        } else {
            EXPECT_TRUE(prompter.shown().empty()) << c.typed;
            EXPECT_DOUBLE_EQ(stored, c.stored) << c.typed;
        }
    }
}

// The choice as the settings keep it, and the question of the first start.
TEST(Units, TheChoiceIsKeptAndAMetricLocaleIsAskedOnce) {
    QTemporaryDir dir;
    ProfileStore profile(dir.filePath(QStringLiteral("settings.ini")));
    EXPECT_TRUE(ReadUnitChoice(profile).isUs());
    UnitChoice mixed;
    mixed.volume = Unit::Litre;
    mixed.gravity = Unit::Plato;
    WriteUnitChoice(profile, mixed);
    EXPECT_EQ(profile.text(Setting::UnitsVolume), QStringLiteral("litre"));
    EXPECT_EQ(ReadUnitChoice(profile), mixed);
    // A unit of another quantity, a small weight or a misspelling reads as the working unit.
    profile.setText(Setting::UnitsVolume, QStringLiteral("kilogram"));
    profile.setText(Setting::UnitsWeight, QStringLiteral("gram"));
    profile.setText(Setting::UnitsTemperature, QStringLiteral("celcius"));
    const UnitChoice read = ReadUnitChoice(profile);
    EXPECT_EQ(read.volume, Unit::UsGallon);
    EXPECT_EQ(read.weight, Unit::Pound);
    EXPECT_EQ(read.temperature, Unit::Fahrenheit);
    EXPECT_EQ(read.gravity, Unit::Plato);

    // A user who chose a unit already is not asked.
    EXPECT_FALSE(ShouldOfferMetricUnits(profile, true));
    WriteUnitChoice(profile, UnitChoice::us());
    EXPECT_FALSE(ShouldOfferMetricUnits(profile, false));
    EXPECT_TRUE(ShouldOfferMetricUnits(profile, true));
    AnswerMetricOffer(profile, false);
    EXPECT_TRUE(ReadUnitChoice(profile).isUs());
    EXPECT_FALSE(ShouldOfferMetricUnits(profile, true));
    profile.remove(Setting::UnitsOffered);
    AnswerMetricOffer(profile, true);
    EXPECT_EQ(ReadUnitChoice(profile), UnitChoice::metric());
}

// The predictions beside a style in metric units: the same figures converted, the range with
// them, and where each falls as in US units.
TEST(Units, PredictionLinesInMetricUnitsAreTheUsOnesConverted) {
    Predictions p;
    p.og = 1.052;
    p.fg = 1.013;
    p.mcu = 10;
    const StyleRanges style{1.045, 1.060, 4, 6, 20, 40, 12, 30};
    const auto us = PredictionLines(p, style);
    const auto metric = PredictionLines(p, style, UnitChoice::metric());
    ASSERT_EQ(us.size(), metric.size());
    for (std::size_t i = 0; i < us.size(); ++i)
        EXPECT_EQ(us[i].where, metric[i].where) << us[i].brief.toStdString();
    EXPECT_EQ(metric[0].name, QStringLiteral("Original Gravity (\u00b0P)"));
    EXPECT_EQ(metric[0].unit, QStringLiteral("\u00b0P"));
    EXPECT_TRUE(us[0].unit.isEmpty());
    EXPECT_EQ(metric[0].shown, QString::number(PlatoOfGravity(1.052), 'f', 1));
    EXPECT_EQ(metric[0].low, QString::number(PlatoOfGravity(1.045), 'f', 1));
    EXPECT_EQ(metric[1].shown, QString::number(PlatoOfGravity(1.013), 'f', 1));
    const PredictionLine& ebc = metric.back();
    EXPECT_EQ(ebc.brief, QStringLiteral("EBC"));
    EXPECT_EQ(ebc.shown, QString::number(us.back().value * 1.97, 'f', 1));
    EXPECT_EQ(ebc.high, QString::number(us.back().range->second * 1.97, 'f', 1));
    // The malt colour units and the rest stay as they are.
    for (std::size_t i = 2; i + 1 < us.size(); ++i)
        EXPECT_EQ(us[i].shown, metric[i].shown) << us[i].brief.toStdString();
}

} // namespace
} // namespace wsc
