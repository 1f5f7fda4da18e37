// The units a brewer may read and type in: what is stored stays the working measure, and a value
// typed in another unit shows again as it was typed.
#include "calc/Units.h"

#include <QString>

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

} // namespace
} // namespace wsc
