#include "core/calc/IngredientSheets.h"
#include "core/calc/RecipeCalculator.h"
#include "core/calc/UtilizationTable.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ScriptedPrompter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace wsc {
namespace {

// A table whose entry at (group, column) is group * 100 + column + 1, so a lookup tells where
// it landed.
UtilizationTable markedTable() {
    UtilizationTable t;
    for (int g = 0; g < UtilizationTable::kGroups; ++g)
        for (int c = 0; c < UtilizationTable::kColumns; ++c)
            t.setEntry(g, c, g * 100 + c + 1);
    return t;
}

struct GroupCase {
    long minutes;
    int group;
};
class UtilizationGroups : public ::testing::TestWithParam<GroupCase> {};
TEST_P(UtilizationGroups, BoilTimeFallsIntoItsGroup) {
    EXPECT_EQ(UtilizationTable::groupFor(GetParam().minutes), GetParam().group);
}
INSTANTIATE_TEST_SUITE_P(Boundaries, UtilizationGroups,
                         ::testing::Values(GroupCase{3, 1}, GroupCase{5, 1}, GroupCase{59, 19},
                                           GroupCase{60, 20}, GroupCase{62, 20}, GroupCase{63, 20},
                                           GroupCase{69, 20}, GroupCase{70, 21}, GroupCase{89, 22},
                                           GroupCase{90, 23}, GroupCase{119, 23},
                                           GroupCase{120, 24}));

struct ColumnCase {
    double og;
    int column;
};
class UtilizationColumns : public ::testing::TestWithParam<ColumnCase> {};
TEST_P(UtilizationColumns, GravityFallsIntoItsColumn) {
    EXPECT_EQ(UtilizationTable::columnFor(GetParam().og), GetParam().column);
}
INSTANTIATE_TEST_SUITE_P(Boundaries, UtilizationColumns,
                         ::testing::Values(ColumnCase{1.030, 0}, ColumnCase{1.034, 0},
                                           ColumnCase{1.035, 0}, ColumnCase{1.036, 1},
                                           ColumnCase{1.045, 1}, ColumnCase{1.125, 10},
                                           ColumnCase{1.130, 10}));

TEST(UtilizationLookup, OutsideTheTableGivesZeroWithItsMessages) {
    const UtilizationTable t = markedTable();
    QStringList msgs;
    auto add = [&](const QString& m) { msgs << m; };
    EXPECT_EQ(t.lookup(60, 1.050, false, nullptr, add), 20 * 100 + 2 + 1);
    EXPECT_TRUE(msgs.isEmpty());
    EXPECT_EQ(t.lookup(121, 1.050, false, nullptr, add), 0);
    EXPECT_EQ(msgs.last(),
              MessageCatalog::format(156, {QStringLiteral("Boil Time"), QStringLiteral("121")}));
    EXPECT_EQ(t.lookup(60, 1.131, false, nullptr, add), 0);
    EXPECT_EQ(msgs.last(), MessageCatalog::format(
                               156, {QStringLiteral("Original Gravity"), QStringLiteral("1.131")}));
    msgs.clear();
    EXPECT_EQ(t.lookup(200, 1.020, false, nullptr, add), 0);
    EXPECT_EQ(msgs.size(), 2);
    msgs.clear();
    EXPECT_EQ(t.lookup(0, 1.050, false, nullptr, add), 0);
    EXPECT_EQ(msgs, QStringList{MessageCatalog::text(233)});
}

TEST(UtilizationLookup, InteractiveProblemsAreBoxesWithHelpContext156) {
    const UtilizationTable t = markedTable();
    ScriptedPrompter p;
    EXPECT_EQ(t.lookup(0, 1.0, true, &p, {}), 0);
    ASSERT_EQ(p.shown().size(), 2u);
    EXPECT_EQ(p.shown()[0].helpContext, 156);
    EXPECT_EQ(p.shown()[1].helpContext, 156);
    EXPECT_EQ(p.shown()[1].text, MessageCatalog::text(233));
}

TEST(UtilizationLookup, AnEntryALoadNeverFilledReportsLikeAnOutOfTableValue) {
    UtilizationTable t; // all zero, as after a failed load
    QStringList msgs;
    EXPECT_EQ(t.lookup(60, 1.050, false, nullptr, [&](const QString& m) { msgs << m; }), 0);
    ASSERT_EQ(msgs.size(), 1);
    EXPECT_TRUE(msgs[0].startsWith(
        QStringLiteral("Warning: During Hops IBU calculation the Boil Time (60)")));
}

// A recipe built cell by cell, as the grid would show it.
class Calc : public ::testing::Test {
protected:
    Calc() : table(markedTable()), calc(sheets, table) {
        calc.setInputs(in);
        calc.setModifiedHandler([this] { ++modified; });
    }
    void setInputs() { calc.setInputs(in); }
    int kit(const QString& sg, const QString& color, const QString& hbu = QStringLiteral("0.0"),
            const QString& weight = QStringLiteral("3.3")) {
        return sheets.addRow(SheetKits,
                             {QStringLiteral("Maker"), QStringLiteral("Style"), hbu, weight,
                              QStringLiteral("lbs"), sg, color, QStringLiteral("1")});
    }
    int extract(const QString& weight, const QString& unit, const QString& form, const QString& sg,
                const QString& color = QStringLiteral("4.0")) {
        return sheets.addRow(SheetExtracts, {QStringLiteral("M"), QStringLiteral("N"),
                                             QStringLiteral("0.0"), weight, unit, form,
                                             QStringLiteral("0"), sg, color, QStringLiteral("1")});
    }
    int grain(const QString& weight, const QString& unit, const QString& sg, const QString& color) {
        return sheets.addRow(
            SheetGrains, {QStringLiteral("Pale"), weight, unit, sg, color, QStringLiteral("1")});
    }
    int adjunct(const QString& amt, const QString& unit, const QString& ferm, const QString& sg,
                const QString& color = QStringLiteral("1.0")) {
        return sheets.addRow(SheetAdjuncts, {QStringLiteral("Sugar"), amt, unit, ferm, sg, color,
                                             QStringLiteral("1")});
    }
    int hop(const QString& alpha, const QString& weight, const QString& unit, const QString& time,
            const QString& ibu = QStringLiteral("0"), const QString& hbu = QStringLiteral("0.0")) {
        return sheets.addRow(SheetHops, {QStringLiteral("Hop"), alpha, weight, unit, time, ibu, hbu,
                                         QStringLiteral("1")});
    }
    int yeast(const QString& amt, const QString& att) {
        return sheets.addRow(SheetYeasts, {QStringLiteral("Y"), QStringLiteral("S"),
                                           QStringLiteral("Ale"), QStringLiteral("Dry"), amt,
                                           QStringLiteral("pkg"), att, QStringLiteral("1")});
    }
    bool has(int id) const {
        const QString text = MessageCatalog::text(id);
        const QString prefix = text.left(text.indexOf(u'%') < 0 ? 30 : text.indexOf(u'%'));
        for (const QString& m : calc.CalcMessages)
            if (m.startsWith(prefix))
                return true;
        return false;
    }

    MemorySheets sheets;
    UtilizationTable table;
    RecipeInputs in;
    RecipeCalculator calc;
    int modified = 0;
};

TEST_F(Calc, GrainGravityUsesEfficiencyAndOuncesAreConverted) {
    in.efficiencyExpected = 75;
    setInputs();
    grain(QStringLiteral("10"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("3"));
    calc.CalcOriginalGravity();
    EXPECT_NEAR(calc.PredictedOG, 1.054, 1e-12);
    sheets.setCellText(SheetGrains, 1, 1, QStringLiteral("160"));
    sheets.setCellText(SheetGrains, 1, 2, QStringLiteral("oz"));
    calc.CalcOriginalGravity();
    EXPECT_NEAR(calc.PredictedOG, 1.054, 1e-12);
    EXPECT_TRUE(calc.CalcMessages.isEmpty());
}

TEST_F(Calc, FermentableWeightsConvertKilogramsAndGramsForEveryKind) {
    in.efficiencyExpected = 100;
    setInputs();
    grain(QStringLiteral("1"), QStringLiteral("kg"), QStringLiteral("1.036"), QStringLiteral("3"));
    adjunct(QStringLiteral("1000"), QStringLiteral("g"), QStringLiteral("1"),
            QStringLiteral("1.040"));
    extract(QStringLiteral("16"), QStringLiteral("oz"), QStringLiteral("Syrup"),
            QStringLiteral("1.035"));
    calc.CalcOriginalGravity();
    EXPECT_NEAR(calc.PredictedOG, 1 + (0.036 * 2.2 + 0.040 * 2.2 + 0.035 * 1.0) / 5, 1e-12);
}

TEST_F(Calc, ZeroEfficiencyAssumes80PercentEvenWithoutGrain) {
    in.efficiencyExpected = 0;
    setInputs();
    extract(QStringLiteral("6"), QStringLiteral("lbs"), QStringLiteral("Syrup"),
            QStringLiteral("1.036"));
    calc.CalcOriginalGravity();
    EXPECT_EQ(calc.CalcMessages, QStringList{MessageCatalog::format(288, {QStringLiteral("80%")})});
}

TEST_F(Calc, KitGivesItsGravityIn5GallonsWhateverItsWeight) {
    in.batchSize = 6;
    setInputs();
    kit(QStringLiteral("1.040"), QStringLiteral("8"), QStringLiteral("0.0"), QStringLiteral("99"));
    calc.CalcOriginalGravity();
    EXPECT_NEAR(calc.PredictedOG, 1 + 0.040 * 5 / 6, 1e-12);
}

TEST_F(Calc, InvalidExtractGravityIsReportedThenAssumed) {
    extract(QStringLiteral("1"), QStringLiteral("lbs"), QStringLiteral("Dry"),
            QStringLiteral("1.250"));
    calc.CalcOriginalGravity();
    ASSERT_EQ(calc.CalcMessages.size(), 2);
    EXPECT_EQ(
        calc.CalcMessages[0],
        QStringLiteral("Warning: Specific Gravity of 1.250 invalid in Extract number 1.  Please "
                       "enter a value between 1.000 and 1.200."));
    EXPECT_EQ(calc.CalcMessages[1],
              QStringLiteral(
                  "Information: Assumed extract potential of .045 due to invalid SG on Extract 1"));
    EXPECT_NEAR(calc.PredictedOG, 1 + 0.045 / 5, 1e-12);
}

TEST_F(Calc, GravityBoundsAreInclusive) {
    extract(QStringLiteral("1"), QStringLiteral("lbs"), QStringLiteral("Syrup"),
            QStringLiteral("1.200"));
    extract(QStringLiteral("1"), QStringLiteral("lbs"), QStringLiteral("Syrup"),
            QStringLiteral("1.000"));
    calc.CalcOriginalGravity();
    EXPECT_TRUE(calc.CalcMessages.isEmpty());
    EXPECT_NEAR(calc.PredictedOG, 1 + 0.2 / 5, 1e-12);
    extract(QStringLiteral("1"), QStringLiteral("lbs"), QStringLiteral("Syrup"),
            QStringLiteral("1.2001"));
    calc.CalcOriginalGravity();
    EXPECT_TRUE(has(149));
}

TEST_F(Calc, UnfermentableAdjunctIsSkippedSilentlyAndZeroWeightIsReported) {
    adjunct(QStringLiteral("0"), QStringLiteral("oz"), QStringLiteral("0"),
            QStringLiteral("1.040"));
    calc.CalcOriginalGravity();
    EXPECT_TRUE(calc.CalcMessages.isEmpty());
    adjunct(QStringLiteral(""), QStringLiteral("oz"), QStringLiteral("1"), QStringLiteral("1.040"));
    calc.CalcOriginalGravity();
    EXPECT_EQ(calc.CalcMessages.last(),
              MessageCatalog::format(213, {QStringLiteral("Adjunct"), QStringLiteral("2")}));
}

TEST_F(Calc, ZeroBatchSizeBypassesGravityAndColour) {
    in.batchSize = 0;
    setInputs();
    grain(QStringLiteral("10"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("3"));
    calc.RunCalculations(false);
    EXPECT_EQ(calc.PredictedOG, 0);
    EXPECT_EQ(calc.PredictedColor, 0);
    EXPECT_EQ(calc.PredictedABV, 0);
    EXPECT_TRUE(has(289));
    EXPECT_TRUE(has(212));
}

TEST_F(Calc, HopRowFollowsTheFormulaAndKeepsUnchangedTextsUnmodified) {
    in.efficiencyExpected = 100;
    setInputs();
    grain(QStringLiteral("6.9444444444444"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("3"));
    table.setEntry(20, 2, 0.2);
    hop(QStringLiteral("5.0"), QStringLiteral("1"), QStringLiteral("oz"), QStringLiteral("60"));
    calc.CalcHopRow(1, true);
    EXPECT_EQ(sheets.cellText(SheetHops, 1, 5), QString::asprintf("%.0f", 74.9 * 0.2));
    EXPECT_EQ(sheets.cellText(SheetHops, 1, 6), QStringLiteral("5.0"));
    EXPECT_EQ(modified, 2);
    // "5" and "5.0" count as the same HBU: nothing changes, nothing is modified.
    sheets.setCellText(SheetHops, 1, 6, QStringLiteral("5"));
    modified = 0;
    calc.CalcHopRow(1, false);
    EXPECT_EQ(modified, 0);
    EXPECT_EQ(sheets.cellText(SheetHops, 1, 6), QStringLiteral("5"));
}

TEST_F(Calc, HopGramsAreConvertedWhateverTheFlagAndGridAndRunAgree) {
    table.setEntry(20, 2, 0.25);
    in.efficiencyExpected = 100;
    setInputs();
    grain(QStringLiteral("6.9444444444444"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("3"));
    hop(QStringLiteral("10"), QStringLiteral("28.349523125"), QStringLiteral("g"),
        QStringLiteral("60"));
    hop(QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("oz"), QStringLiteral("60"));
    hop(QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("ounces"), QStringLiteral("60"));
    calc.CalcHopRow(1, true);
    const QString gridIbu = sheets.cellText(SheetHops, 1, 5);
    calc.CalcHopRow(1, false);
    EXPECT_EQ(sheets.cellText(SheetHops, 1, 5), gridIbu);
    calc.CalcHopRow(2, true);
    calc.CalcHopRow(3, false);
    EXPECT_EQ(sheets.cellText(SheetHops, 2, 5), gridIbu);
    EXPECT_EQ(sheets.cellText(SheetHops, 3, 5), gridIbu);
    EXPECT_EQ(gridIbu, QString::asprintf("%.0f", 10 * 0.01 * 0.25 * 7490 / 5));
}

TEST_F(Calc, TotalsAddTheRoundedCellTexts) {
    calc.setInputs({5, 0, 0, 80, {}}); // boil size 0: cells keep their texts
    hop(QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("oz"), QStringLiteral("60"),
        QStringLiteral("12"), QStringLiteral("2.5"));
    hop(QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("oz"), QStringLiteral("60"),
        QStringLiteral("7"), QStringLiteral("1.0"));
    kit(QStringLiteral("1.040"), QStringLiteral("8"), QStringLiteral("3.5"));
    calc.RunCalculations(false);
    EXPECT_EQ(calc.TotalIBU, 19);
    EXPECT_DOUBLE_EQ(calc.TotalHBU, 7.0);
    EXPECT_EQ(calc.CalcMessages.count(MessageCatalog::text(210)), 2);
}

TEST_F(Calc, BoilTimeZeroGivesOnlyMessage233AndZeroBitterness) {
    in.efficiencyExpected = 100;
    setInputs();
    grain(QStringLiteral("6.9444444444444"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("3"));
    hop(QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("oz"), QStringLiteral("0"));
    calc.CalcHopRow(1, false);
    EXPECT_EQ(calc.CalcMessages, QStringList{MessageCatalog::text(233)});
    EXPECT_EQ(sheets.cellText(SheetHops, 1, 5), QStringLiteral("0"));
    EXPECT_EQ(sheets.cellText(SheetHops, 1, 6), QStringLiteral("0.0"));
}

TEST_F(Calc, RunComputesGravityOnceWithoutHopsOrBoilSize) {
    calc.PredictedOG = 1.090; // left from another recipe
    in.efficiencyExpected = 0;
    setInputs();
    extract(QStringLiteral("5"), QStringLiteral("lbs"), QStringLiteral("Syrup"),
            QStringLiteral("1.040"));
    yeast(QStringLiteral("1"), QStringLiteral("75"));
    calc.RunCalculations(false);
    EXPECT_NEAR(calc.PredictedOG, 1.040, 1e-12);
    EXPECT_NEAR(calc.PredictedABV, 40 * 0.75 * 0.1275, 1e-9);
    EXPECT_EQ(calc.CalcMessages.count(MessageCatalog::format(288, {QStringLiteral("80%")})), 1);

    in.boilSize = 0;
    setInputs();
    hop(QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("oz"), QStringLiteral("60"));
    calc.RunCalculations(false);
    EXPECT_NEAR(calc.PredictedOG, 1.040, 1e-12);
    EXPECT_EQ(calc.CalcMessages.count(MessageCatalog::format(288, {QStringLiteral("80%")})), 1);
}

TEST_F(Calc, AlcoholFromAttenuationAndSugarPriming) {
    calc.PredictedOG = 1.050;
    yeast(QStringLiteral("1"), QStringLiteral("75"));
    calc.CalcAlcohol();
    EXPECT_DOUBLE_EQ(calc.PredictedABV, 4.78125);
    // The shipped priming sugars are written with capitals; the word counts in any case.
    for (auto [name, expected] : {std::pair{"corn sugar", 5.28125},
                                  {"sugar", 5.28125},
                                  {"sugar, corn", 5.28125},
                                  {"Corn Sugar (Dextrose)", 5.28125},
                                  {"Cane Sugar (Sucrose)", 5.28125},
                                  {"SUGAR", 5.28125},
                                  {"Dry Malt Extract", 4.78125},
                                  {"Forced Carbonation", 4.78125}}) {
        in.primingName = QString::fromLatin1(name);
        setInputs();
        calc.CalcAlcohol();
        EXPECT_NEAR(calc.PredictedABV, expected, 1e-9) << name;
    }
}

TEST_F(Calc, AttenuationRulesAndTheDefault) {
    calc.PredictedOG = 1.050;
    yeast(QStringLiteral("1"), QStringLiteral("70"));
    yeast(QStringLiteral("1"), QStringLiteral("0"));
    calc.CalcAlcohol();
    EXPECT_TRUE(has(236));
    EXPECT_TRUE(has(287));
    EXPECT_FALSE(has(237));
    EXPECT_NEAR(calc.PredictedABV, 50 * 0.70 * 0.1275, 1e-9);

    sheets.setCellText(SheetYeasts, 2, 6, QStringLiteral("100"));
    calc.CalcMessages.clear();
    calc.CalcAlcohol();
    EXPECT_TRUE(has(236));

    sheets.setCellText(SheetYeasts, 2, 6, QStringLiteral("99.9"));
    calc.CalcMessages.clear();
    calc.CalcAlcohol();
    EXPECT_EQ(calc.CalcMessages, QStringList{MessageCatalog::text(237)});
    EXPECT_NEAR(calc.PredictedABV, 50 * 0.75 * 0.1275, 1e-9);
}

TEST_F(Calc, NoYeastGivesOnly237AndGravityOneGivesNoAlcohol) {
    calc.PredictedOG = 1.0;
    calc.CalcAlcohol();
    EXPECT_EQ(calc.CalcMessages, QStringList{MessageCatalog::text(237)});
    EXPECT_EQ(calc.PredictedABV, 0);
}

TEST_F(Calc, ColourSumsLovibondPoundsPerGallon) {
    grain(QStringLiteral("10"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("3"));
    calc.CalcColor();
    EXPECT_DOUBLE_EQ(calc.PredictedColor, 6.0);
    sheets.setCellText(SheetGrains, 1, 1, QStringLiteral("160"));
    sheets.setCellText(SheetGrains, 1, 2, QStringLiteral("oz"));
    calc.CalcColor();
    EXPECT_DOUBLE_EQ(calc.PredictedColor, 6.0);
}

TEST_F(Calc, KitColourIgnoresWeightAndScalesWithBatch) {
    kit(QStringLiteral("1.040"), QStringLiteral("8"), QStringLiteral("0.0"), QStringLiteral("40"));
    calc.CalcColor();
    EXPECT_DOUBLE_EQ(calc.PredictedColor, 8.0);
    in.batchSize = 10;
    setInputs();
    calc.CalcColor();
    EXPECT_DOUBLE_EQ(calc.PredictedColor, 4.0);
}

TEST_F(Calc, ColourBoundsAndPercentSignsInCellTexts) {
    grain(QStringLiteral("1"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("500"));
    grain(QStringLiteral("1"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("500.5"));
    grain(QStringLiteral("1"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("5%d %1"));
    calc.CalcColor();
    EXPECT_DOUBLE_EQ(calc.PredictedColor, 500.0 / 5 + 5.0 / 5);
    ASSERT_EQ(calc.CalcMessages.size(), 1);
    grain(QStringLiteral("1"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("x%d %2"));
    calc.CalcMessages.clear();
    calc.CalcColor();
    EXPECT_EQ(calc.CalcMessages.size(), 2);
    EXPECT_TRUE(calc.CalcMessages.last().startsWith(
        QStringLiteral("Warning: Color (degrees Lovibond) of x%d %2 invalid in Grain number 4.")));
}

TEST_F(Calc, StatusAndTheBoxes) {
    ScriptedPrompter p;
    calc.setPrompter(&p);
    yeast(QStringLiteral("1"), QStringLiteral("75"));
    EXPECT_EQ(calc.RunCalculations(true), CalcStatus::NoErrors);
    EXPECT_TRUE(p.shown().empty());
    EXPECT_FALSE(calc.OnMsgs());
    EXPECT_EQ(p.ids(), std::vector<int>{13});
    yeast(QStringLiteral("1"), QStringLiteral("75"));
    EXPECT_EQ(calc.RunCalculations(true), CalcStatus::Errors);
    EXPECT_EQ(p.ids(), (std::vector<int>{13, 12}));
    calc.setDisplayWarnings(false);
    EXPECT_EQ(calc.RunCalculations(true), CalcStatus::Errors);
    EXPECT_TRUE(calc.OnMsgs());
    EXPECT_EQ(p.ids().size(), 2u);
    EXPECT_EQ(LookOf(CalcStatus::Errors).rgb, 0xFF0000u);
    EXPECT_EQ(LookOf(CalcStatus::NoErrors).text, QStringLiteral("No Errors"));
    EXPECT_EQ(LookOf(CalcStatus::NotDone).text, QStringLiteral("Not Done"));
}

TEST(CalcMessageDialog, SortedOnceEachAndSplitAtTheFirstColon) {
    QStringList msgs{
        MessageCatalog::text(210), MessageCatalog::format(288, {QStringLiteral("80%")}),
        MessageCatalog::text(210), MessageCatalog::format(288, {QStringLiteral("80%")})};
    const auto lines = CalcMessageLines(msgs);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].number, 1u);
    EXPECT_EQ(lines[0].level, QStringLiteral("Information"));
    EXPECT_EQ(lines[0].message,
              QStringLiteral("System efficiency of 80% assumed because not entered on Mash tab"));
    EXPECT_EQ(lines[1].level, QStringLiteral("Warning"));
    EXPECT_EQ(msgs.size(), 2);
}

TEST(StyleComparison, BoundsAreInRange) {
    EXPECT_EQ(CompareWithRange(1.048, 1.040, 1.048), 0);
    EXPECT_EQ(CompareWithRange(1.0481, 1.040, 1.048), 1);
    EXPECT_EQ(CompareWithRange(1.039, 1.040, 1.048), -1);
}

TEST(CellReading, LeadingNumberElseZero) {
    EXPECT_EQ(ReadDouble(QStringLiteral("1.25 lbs")), 1.25);
    EXPECT_EQ(ReadDouble(QStringLiteral("abc")), 0);
    EXPECT_EQ(ReadWhole(QStringLiteral("60.5")), 60);
    EXPECT_EQ(ReadWhole(QString()), 0);
}

} // namespace
} // namespace wsc

namespace wsc {
namespace {

TEST(CalcRun, GravityMessagesStandOncePerHopRow) {
    MemorySheets sheets;
    UtilizationTable table;
    for (int c = 0; c < UtilizationTable::kColumns; ++c)
        table.setEntry(20, c, 0.2);
    RecipeCalculator calc(sheets, table);
    calc.setInputs({5, 5, 0, 0, {}});
    for (int i = 0; i < 3; ++i)
        sheets.addRow(SheetHops, {QStringLiteral("H"), QStringLiteral("5"), QStringLiteral("1"),
                                  QStringLiteral("oz"), QStringLiteral("60"), QStringLiteral("0"),
                                  QStringLiteral("0.0"), QStringLiteral("1")});
    sheets.addRow(SheetGrains, {QStringLiteral("Pale"), QStringLiteral("8"), QStringLiteral("lbs"),
                                QStringLiteral("1.037"), QStringLiteral("2"), QStringLiteral("1")});
    calc.RunCalculations(false);
    EXPECT_EQ(calc.CalcMessages.count(MessageCatalog::format(288, {QStringLiteral("80%")})), 3);
    EXPECT_NEAR(calc.PredictedOG, 1 + 0.037 * 8 / 5 * 0.8, 1e-12);
    QStringList copy = calc.CalcMessages;
    EXPECT_EQ(CalcMessageLines(copy).size(), 2u); // 288 once, 237 once
}

} // namespace
} // namespace wsc

namespace wsc {
namespace {

TEST_F(Calc, QuantitiesBelowZeroAreReportedAsTypedAndLeftOut) {
    const int row = hop(QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("oz"),
                        QStringLiteral("-5"), QStringLiteral("12"), QStringLiteral("3.0"));
    grain(QStringLiteral("-2"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("3"));
    grain(QStringLiteral("10"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("3"));
    yeast(QStringLiteral("1"), QStringLiteral("75"));
    in.efficiencyExpected = 75;
    setInputs();
    calc.RunCalculations(false);
    EXPECT_TRUE(calc.CalcMessages.contains(
        QStringLiteral("Warning: Boil Time of -5 invalid in Hops number 1.  Please enter a number "
                       "of 0 or more.  This ingredient was excluded from the calculations.")));
    EXPECT_TRUE(calc.CalcMessages.contains(
        QStringLiteral("Warning: Weight of -2 invalid in Grain number 1.  Please enter a number "
                       "of 0 or more.  This ingredient was excluded from the calculations.")));
    // No 18446744073709551611-minute boil, no negative bitterness, no negative grain.
    for (const QString& m : calc.CalcMessages)
        EXPECT_FALSE(m.contains(QStringLiteral("18446744073709551611"))) << m.toStdString();
    EXPECT_EQ(sheets.cellText(SheetHops, row, 5), QStringLiteral("0"));
    EXPECT_EQ(sheets.cellText(SheetHops, row, 6), QStringLiteral("0.0"));
    EXPECT_EQ(calc.TotalHBU, 0.0);
    EXPECT_NEAR(calc.PredictedOG, 1 + 0.036 * 10 / 5 * 0.75, 1e-12);
}

// What another tool stored beyond any batch is a bad value, as it would be refused where typed:
// left out with its warning, never an original gravity of 25 digits.
TEST_F(Calc, QuantitiesBeyondAnyBatchAreReportedAndLeftOut) {
    grain(QStringLiteral("1e26"), QStringLiteral("kg"), QStringLiteral("1.036"),
          QStringLiteral("3"));
    grain(QStringLiteral("10"), QStringLiteral("lbs"), QStringLiteral("1.036"),
          QStringLiteral("3"));
    yeast(QStringLiteral("1"), QStringLiteral("75"));
    in.efficiencyExpected = 75;
    setInputs();
    calc.RunCalculations(false);
    EXPECT_TRUE(calc.CalcMessages.contains(
        QStringLiteral("Warning: Weight of 1e26 invalid in Grain number 1.  Please enter a number "
                       "of 0 or more.  This ingredient was excluded from the calculations.")));
    EXPECT_NEAR(calc.PredictedOG, 1 + 0.036 * 10 / 5 * 0.75, 1e-12);
    // A batch of 1e9 gallons is no batch either.
    in.batchSize = 1e9;
    setInputs();
    calc.RunCalculations(false);
    EXPECT_EQ(calc.PredictedOG, 0.0);
    EXPECT_TRUE(calc.CalcMessages.join(u'\n').contains(
        QStringLiteral("Warning: The recipe's Batch Size of ")));
}

TEST_F(Calc, ValuesThatAreNoFiniteNumbersAreReportedNeverComputed) {
    hop(QStringLiteral("inf"), QStringLiteral("1"), QStringLiteral("oz"), QStringLiteral("60"));
    hop(QStringLiteral("5"), QStringLiteral("nan"), QStringLiteral("oz"), QStringLiteral("60"));
    kit(QStringLiteral("1.040"), QStringLiteral("8"), QStringLiteral("1e999"));
    yeast(QStringLiteral("1"), QStringLiteral("75"));
    calc.RunCalculations(false);
    for (double v :
         {calc.PredictedOG, calc.TotalIBU, calc.TotalHBU, calc.PredictedABV, calc.PredictedColor})
        EXPECT_TRUE(std::isfinite(v));
    EXPECT_EQ(calc.status, CalcStatus::Errors);
    const QString all = calc.CalcMessages.join(u'\n');
    EXPECT_TRUE(all.contains(QStringLiteral("Alpha of inf invalid in Hops number 1")));
    EXPECT_TRUE(all.contains(QStringLiteral("Weight of nan invalid in Hops number 2")));
    EXPECT_TRUE(all.contains(QStringLiteral("HBU of 1e999 invalid in Kit number 1")));

    // Recipe sizes that are no numbers bypass the steps with a message, like a zero size.
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), -5.0}) {
        in.batchSize = bad;
        in.boilSize = bad;
        in.efficiencyExpected = bad;
        setInputs();
        EXPECT_NO_THROW(calc.RunCalculations(false));
        EXPECT_TRUE(std::isfinite(calc.PredictedABV));
        EXPECT_EQ(calc.PredictedOG, 0.0);
        EXPECT_TRUE(calc.CalcMessages.join(u'\n').contains(
            QStringLiteral("Warning: The recipe's Batch Size of ")));
        EXPECT_TRUE(calc.CalcMessages.join(u'\n').contains(
            QStringLiteral("Warning: The recipe's Boil Size of ")));
    }
    // A size typed as words is named as typed.
    in.batchSize = std::nan("");
    in.batchSizeText = QStringLiteral("five");
    setInputs();
    calc.RunCalculations(false);
    EXPECT_TRUE(calc.CalcMessages.contains(
        QStringLiteral("Warning: The recipe's Batch Size of five is not a valid number.  "
                       "Calculations have been bypassed.")));
}

TEST(UtilizationLookup, AGravityThatIsNoNumberIsOutsideTheTable) {
    const UtilizationTable t = markedTable();
    QStringList msgs;
    EXPECT_EQ(t.lookup(60, std::nan(""), false, nullptr, [&](const QString& m) { msgs << m; }), 0);
    ASSERT_EQ(msgs.size(), 1);
    EXPECT_TRUE(msgs[0].startsWith(
        QStringLiteral("Warning: During Hops IBU calculation the Original Gravity (")));
}

// The sample recipes, computed in the C locale and again in a decimal-comma one.
TEST(CalcLocale, TheSamplesComputeTheSameUnderADecimalCommaLocale) {
    CDaoDatabase db;
    db.Open(QStringLiteral(WSC_SAMPLES_DB), false, true);
    const UtilizationTable table = UtilizationTable::shipped();
    auto runAll = [&] {
        QStringList results;
        CRecordSetRecipe r(&db);
        r.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
        for (r.MoveFirst(); !r.IsEOF(); r.MoveNext()) {
            MemorySheets sheets = MemorySheets::load(db, r.m_RecipeID);
            RecipeCalculator calc(sheets, table);
            calc.setInputs(RecipeInputs::of(r));
            calc.RunCalculations(false);
            results << QString::asprintf("%.9f %.9f %.9f %.9f %.9f", calc.PredictedOG,
                                         calc.PredictedABV, calc.TotalIBU, calc.TotalHBU,
                                         calc.PredictedColor) +
                           calc.CalcMessages.join(u'|');
        }
        return results;
    };
    const std::string before = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    const QStringList inC = runAll();
    std::setlocale(LC_ALL, before.c_str());
    ASSERT_EQ(inC.size(), 8);
    EXPECT_TRUE(inC.first().startsWith(QStringLiteral("1.047200000")));
    test::CommaLocale comma;
    if (!comma.available())
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    EXPECT_EQ(runAll(), inC);
    EXPECT_EQ(ReadDouble(QStringLiteral("1.036")), 1.036);
}

// The samples are made with the bitterness a run would store, so a first look is right.
TEST(SampleRecipes, ComeWithTheBitternessARunWouldStore) {
    CDaoDatabase db;
    db.Open(QStringLiteral(WSC_SAMPLES_DB), false, true);
    const UtilizationTable table = UtilizationTable::shipped();
    CRecordSetRecipe r(&db);
    r.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
    int nonZero = 0;
    for (r.MoveFirst(); !r.IsEOF(); r.MoveNext()) {
        MemorySheets sheets = MemorySheets::load(db, r.m_RecipeID);
        RecipeCalculator calc(sheets, table);
        int changed = 0;
        calc.setModifiedHandler([&] { ++changed; });
        calc.setInputs(RecipeInputs::of(r));
        calc.RunCalculations(false);
        EXPECT_EQ(changed, 0) << "batch " << r.m_RecipeBatchNo;
        for (int row = 1; row <= sheets.ingredientCount(SheetHops); ++row)
            nonZero += sheets.cellText(SheetHops, row, 5) != QLatin1String("0");
    }
    EXPECT_GT(nonZero, 10);
}

} // namespace
} // namespace wsc
