#include "support/TestSupport.h"

#include "core/calc/IngredientSheets.h"
#include "core/calc/UtilizationTable.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/records/CRecordSetAdjuncts.h"
#include "core/db/records/CRecordSetGrains.h"
#include "core/db/records/CRecordSetHops.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/CRecordSetStyles.h"
#include "core/db/records/CRecordSetYeast.h"

#include <QSet>

#include <cmath>

namespace wsc {
namespace {

// The shipped Data database, checked row by row against the rules the maintenance dialogs
// enforce, and the shipped sample recipes against the recipe form's validation.
class ShippedData : public test::DbFixture {
protected:
    void SetUp() override { data.Open(copyShippedData(), false, true); }
    int count(const char* table) {
        return data.connection()
            .scalar(QStringLiteral("SELECT count(*) FROM ") + QString::fromLatin1(table))
            .toInt();
    }
    CDaoDatabase data;
};

TEST_F(ShippedData, EveryTableHoldsItsCatalogue) {
    EXPECT_GE(count("Styles"), 100);
    EXPECT_GE(count("Hops"), 60);
    EXPECT_GE(count("Grains"), 60);
    EXPECT_GE(count("Extracts"), 15);
    EXPECT_GE(count("Kits"), 10);
    EXPECT_GE(count("Yeast"), 40);
    EXPECT_GE(count("Adjuncts"), 25);
    EXPECT_GE(count("Water"), 6);
    EXPECT_GE(count("Glossary"), 80);
    EXPECT_GE(count("Suppliers"), 3);
    EXPECT_EQ(count("Brewer"), 1);
    EXPECT_EQ(count("HopsUtilization"), 275);
}

TEST_F(ShippedData, HopsPassTheAlphaRulesAndSubstitutesExist) {
    CRecordSetHops rs(&data);
    rs.Open();
    QSet<QString> names;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
        names.insert(rs.m_HopsName);
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
        SCOPED_TRACE(rs.m_HopsName.toStdString());
        EXPECT_FALSE(rs.m_HopsName.isEmpty());
        EXPECT_GE(rs.m_HopsAlpha, 1.0);
        EXPECT_LE(rs.m_HopsAlpha, 20.0);
        if (rs.m_HopsAlphaLo + rs.m_HopsAlphaHi != 0) {
            EXPECT_GE(rs.m_HopsAlphaLo, 1.0);
            EXPECT_LE(rs.m_HopsAlphaHi, 20.0);
            EXPECT_LE(rs.m_HopsAlphaLo, rs.m_HopsAlpha);
            EXPECT_LE(rs.m_HopsAlpha, rs.m_HopsAlphaHi);
        }
        EXPECT_GE(rs.m_HopsStability, 0);
        EXPECT_LE(rs.m_HopsStability, 4);
        for (const QString& s : {rs.m_HopsSubstitute1, rs.m_HopsSubstitute2, rs.m_HopsSubstitute3,
                                 rs.m_HopsSubstitute4})
            if (!s.isEmpty()) {
                EXPECT_TRUE(names.contains(s)) << s.toStdString();
            }
    }
}

TEST_F(ShippedData, StylesHaveNamesAndSaneRanges) {
    CRecordSetStyles rs(&data);
    rs.Open();
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
        SCOPED_TRACE(rs.m_StylesCategory.toStdString());
        EXPECT_FALSE(rs.m_StylesName.isEmpty());
        EXPECT_FALSE(rs.m_StylesCategory.isEmpty());
        EXPECT_FALSE(rs.m_StylesSubcategory.isEmpty()); // " " when none
        EXPECT_TRUE(QStringList({QStringLiteral("Ale"), QStringLiteral("Lager"),
                                 QStringLiteral("Hybrid Beers")})
                        .contains(rs.m_StylesType));
        EXPECT_GE(rs.m_StylesGravityLo, 1.0);
        EXPECT_LE(rs.m_StylesGravityHi, 1.2);
        EXPECT_LE(rs.m_StylesGravityLo, rs.m_StylesGravityHi);
        EXPECT_LE(rs.m_StylesAlcoLo, rs.m_StylesAlcoHi);
        EXPECT_LE(rs.m_StylesIBULo, rs.m_StylesIBUHi);
        EXPECT_GE(rs.m_StylesColorLo, 0.0);
        EXPECT_LE(rs.m_StylesColorLo, rs.m_StylesColorHi);
        EXPECT_LE(rs.m_StylesColorHi, 500.0);
    }
}

TEST_F(ShippedData, GrainsYeastsAndAdjunctsAreWithinTheirBounds) {
    const QStringList categories = {
        QStringLiteral("Light Pale Malts"), QStringLiteral("Light-Colored Specialty Malts"),
        QStringLiteral("Crystal, Caramel, Carastan Malts"),
        QStringLiteral("Dark-Colored Specialty Malts"), QStringLiteral("Unusual Specialties")};
    CRecordSetGrains g(&data);
    g.Open();
    for (g.MoveFirst(); !g.IsEOF(); g.MoveNext()) {
        SCOPED_TRACE(g.m_GrainsName.toStdString());
        EXPECT_TRUE(categories.contains(g.m_GrainsCategory));
        EXPECT_GE(g.m_GrainsSPGrav, 1.0);
        EXPECT_LE(g.m_GrainsSPGrav, 1.2);
        EXPECT_GE(g.m_GrainsColor, 1.0);
        EXPECT_LE(g.m_GrainsColor, 500.0);
        EXPECT_NEAR(g.m_GrainsDegreesBalling, (g.m_GrainsSPGrav - 1) * 250, 0.051);
    }
    CRecordSetYeast y(&data);
    y.Open();
    for (y.MoveFirst(); !y.IsEOF(); y.MoveNext()) {
        EXPECT_GE(y.m_YeastAttenuation, 60.0);
        EXPECT_LE(y.m_YeastAttenuation, 90.0);
        EXPECT_FALSE(y.m_YeastManuf.isEmpty());
        EXPECT_FALSE(y.m_YeastStrain.isEmpty());
    }
    CRecordSetAdjuncts a(&data);
    a.Open();
    bool cornSugar = false;
    for (a.MoveFirst(); !a.IsEOF(); a.MoveNext()) {
        SCOPED_TRACE(a.m_AdjunctsName.toStdString());
        if (a.m_AdjunctsFermentable) {
            EXPECT_GE(a.m_AdjunctsSPGrav, 1.0);
            EXPECT_LE(a.m_AdjunctsSPGrav, 1.2);
            EXPECT_GE(a.m_AdjunctsColor, 1.0);
        }
        if (a.m_AdjunctsName.startsWith(QStringLiteral("Corn Sugar")))
            cornSugar = a.m_AdjunctsFermentable && a.m_AdjunctsPriming;
    }
    EXPECT_TRUE(cornSugar);
}

TEST_F(ShippedData, UtilizationTableFollowsTinsethsFormula) {
    UtilizationTable t;
    t.load(data);
    const int firstTimes[25] = {0,  3,  6,  9,  12, 15, 18, 21, 24, 27, 30, 33, 36,
                                39, 42, 45, 48, 51, 54, 57, 60, 70, 80, 90, 120};
    for (int g = 0; g < 25; ++g)
        for (int c = 0; c < 11; ++c) {
            const double og = 1.030 + 0.010 * c;
            const double u =
                1.65 * std::pow(0.000125, og - 1) * (1 - std::exp(-0.04 * firstTimes[g])) / 4.15;
            EXPECT_NEAR(t.entry(g, c), u, 1e-6) << g << "," << c;
        }
}

TEST_F(ShippedData, UtilizationLoadOfAShortTableStopsWithADatabaseError) {
    const QString p = makeDataDb(QStringLiteral("short.mdb"));
    CDaoDatabase db;
    db.Open(p);
    db.connection().exec(
        QStringLiteral("INSERT INTO HopsUtilization (HopsUtil_BoilIndex, HopsUtil_BoilTime, "
                       "HopsUtil_OriginalGravity, HopsUtil_Utilization) VALUES (0, 0, 1.03, 0.5), "
                       "(0, 0, 1.04, 0.6)"));
    UtilizationTable t;
    EXPECT_THROW(t.load(db), CDaoException);
    EXPECT_EQ(t.entry(0, 1), 0.6);
    EXPECT_EQ(t.entry(24, 10), 0.0);
}

TEST_F(ShippedData, SampleRecipesPassTheFormsValidationAndCarryTheirStyle) {
    CDaoDatabase recipes;
    recipes.Open(copyShippedSamples(), false, true);
    CRecordSetRecipe rs(&recipes);
    rs.Open();
    CRecordSetStyles styles(&data);
    styles.Open();
    styles.SetCurrentIndex(QStringLiteral("IndexStylesNameCatSubcat"));
    int n = 0;
    QSet<QString> processes;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext(), ++n) {
        SCOPED_TRACE(rs.m_RecipeName.toStdString());
        const MemorySheets sheets = MemorySheets::load(recipes, rs.m_RecipeID);
        const int kits = std::min(sheets.ingredientCount(SheetKits), 10);
        const int grains = std::min(sheets.ingredientCount(SheetGrains), 12);
        const int extracts = std::min(sheets.ingredientCount(SheetExtracts), 12);
        EXPECT_FALSE(rs.m_RecipeName.isEmpty());
        EXPECT_GT(rs.m_RecipeBatchNo, 0);
        EXPECT_EQ(rs.m_RecipeProcessKit, kits > 0);
        if (rs.m_RecipeProcessAllGrain) {
            EXPECT_FALSE(rs.m_RecipeProcessKit || rs.m_RecipeProcessExtract ||
                         rs.m_RecipeProcessPartial);
            EXPECT_GT(grains, 0);
            EXPECT_EQ(extracts + kits, 0);
        }
        EXPECT_NE(rs.m_RecipeBoilSize, 0);
        EXPECT_NE(rs.m_RecipeBatchSize, 0);
        processes << (rs.m_RecipeProcessKit       ? QStringLiteral("kit")
                      : rs.m_RecipeProcessExtract ? QStringLiteral("extract")
                      : rs.m_RecipeProcessPartial ? QStringLiteral("partial")
                                                  : QStringLiteral("grain"));
        ASSERT_TRUE(
            styles.Seek(QStringLiteral("="), {rs.m_RecipeTargetStyle, rs.m_RecipeTargetCategory,
                                              rs.m_RecipeTargetSubcategory}));
        EXPECT_EQ(rs.m_RecipeTargetSpGravLo, styles.m_StylesGravityLo);
        EXPECT_EQ(rs.m_RecipeTargetColorHi, styles.m_StylesColorHi);
        EXPECT_EQ(rs.m_RecipeTargetIBUHi, styles.m_StylesIBUHi);
    }
    EXPECT_GE(n, 8);
    EXPECT_EQ(processes.size(), 4);
    for (const char* t : {"Ingredients_Kits", "Ingredients_Extracts", "Ingredients_Grains",
                          "Ingredients_Hops", "Ingredients_Yeasts", "Ingredients_Adjuncts"})
        EXPECT_GT(recipes.connection()
                      .scalar(QStringLiteral("SELECT count(*) FROM ") + QString::fromLatin1(t))
                      .toInt(),
                  0)
            << t;
    EXPECT_EQ(
        recipes.connection()
            .scalar(QStringLiteral("SELECT count(*) FROM Recipes WHERE RecipeRatingCompScore > 0"))
            .toInt(),
        1);
}

} // namespace
} // namespace wsc
