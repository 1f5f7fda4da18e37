#include "support/TestSupport.h"

#include "core/calc/IngredientSheets.h"
#include "core/calc/RecipeCalculator.h"
#include "core/calc/TargetStyles.h"
#include "core/calc/UtilizationTable.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/document/BoundQuerySheet.h"
#include "core/document/FieldExchange.h"
#include "core/document/MashTypeRules.h"
#include "core/document/RecipeLogTable.h"
#include "core/reference/Lookups.h"

#include "core/settings/ScriptedPrompter.h"

#include <QFile>

namespace wsc {
namespace {

using test::DbFixture;

class LogTable : public DbFixture {
protected:
    // Dates as other programs store them: without a time, in UTC, as a word.
    void SetUp() override {
        DbFixture::SetUp();
        m_file = makeRecipeDb(QStringLiteral("log.mdb"));
        execSql(m_file,
                QStringLiteral(
                    "INSERT INTO Recipes (RecipeID, RecipeBatchNo, RecipeName, RecipeDateBrewed, "
                    "RecipeTargetStyle) VALUES (1, 10, 'apricot', '2026-02-01T00:00:00', 'Ale'), "
                    "(2, 9, 'Zesty', NULL, 'Ale 2'), (3, 11, 'Zesty', '2026-01-05', 'Ale'), "
                    "(4, '12', 1234, '2025-12-31T23:30:00Z', NULL), "
                    "(5, 13, 'Bitter', 'soon', 'ale')"));
        m_db.Open(m_file, false, true);
        m_table.read(m_db);
    }
    QStringList column(int c) const {
        QStringList out;
        for (int i = 0; i < m_table.rowCount(); ++i)
            out << m_table.text(i, c);
        return out;
    }
    QString m_file;
    CDaoDatabase m_db;
    RecipeLogTable m_table;
};

TEST_F(LogTable, SortsNumbersDatesAndBytesWithTiesInBatchOrder) {
    EXPECT_EQ(column(0), (QStringList{"9", "10", "11", "12", "13"}));
    EXPECT_EQ(column(1), (QStringList{"Zesty", "apricot", "Zesty", "1234", "Bitter"}));
    EXPECT_EQ(column(2), (QStringList{"", "2/1/2026", "1/5/2026", "12/31/2025", ""}));
    EXPECT_EQ(RecipeLogTable::dateText(QDateTime(QDate(2026, 3, 7), QTime())),
              QStringLiteral("3/7/2026"));

    m_table.sort(1, true); // capitals before small letters, digits before both
    EXPECT_EQ(column(0), (QStringList{"12", "13", "9", "11", "10"}));
    m_table.sort(3, true); // an empty style first; "Ale" before "Ale 2" before "ale"
    EXPECT_EQ(column(0), (QStringList{"12", "10", "11", "9", "13"}));
    m_table.sort(2, true); // no date (and one that does not read) before every date
    EXPECT_EQ(column(0), (QStringList{"9", "13", "12", "11", "10"}));
    m_table.sort(2, false);
    EXPECT_EQ(column(0), (QStringList{"10", "11", "12", "9", "13"}));
    m_table.sort(0, false);
    EXPECT_EQ(column(0), (QStringList{"13", "12", "11", "10", "9"}));
}

TEST_F(LogTable, FollowsOneRecipeToItsPlaceInTheOrder) {
    m_table.sort(1, true);
    execSql(m_file, QStringLiteral("UPDATE Recipes SET RecipeName = 'Amber' WHERE RecipeID = 2"));
    const auto amber = m_table.fetch(m_db, 2);
    ASSERT_TRUE(amber.has_value());
    EXPECT_FALSE(m_table.fitsAt(m_table.find(2), *amber));
    m_table.erase(m_table.find(2));
    m_table.insert(m_table.positionFor(*amber), *amber);
    EXPECT_TRUE(m_table.fitsAt(m_table.find(2), *amber));
    EXPECT_TRUE(m_table.fitsAt(0, m_table.row(0)));
    EXPECT_TRUE(m_table.fitsAt(4, m_table.row(4)));
    EXPECT_EQ(column(1), (QStringList{"1234", "Amber", "Bitter", "Zesty", "apricot"}));
    EXPECT_EQ(m_table.text(m_table.find(2), 0), QStringLiteral("9"));
    // A recipe that is gone reads as none; the batch search wraps past the end.
    execSql(m_file, QStringLiteral("DELETE FROM Recipes WHERE RecipeID = 5"));
    EXPECT_FALSE(m_table.fetch(m_db, 5).has_value());
    EXPECT_EQ(m_table.findBatch(12, 0), 0);
    EXPECT_EQ(m_table.findBatch(12, 4), 0);
    EXPECT_EQ(m_table.findBatch(99, 2), -1);
}

TEST(MashRules, EnabledEditsAndHeadingsByType) {
    const MashLayout none = MashLayoutFor(-1);
    for (int c = 0; c < 4; ++c)
        EXPECT_FALSE(none.time[c] || none.temperature[c] || none.volume[c]);
    EXPECT_FALSE(none.changesHeadings);
    const MashLayout single = MashLayoutFor(0);
    EXPECT_EQ(single.firstHeading, QStringLiteral("\tStrike"));
    EXPECT_EQ(single.volume, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(single.timeTip[3], 220);
    const MashLayout step = MashLayoutFor(1);
    EXPECT_EQ(step.volume, (std::array<bool, 4>{false, false, false, false}));
    EXPECT_TRUE(step.starchHeadingsEnabled);
    const MashLayout decoction = MashLayoutFor(2);
    EXPECT_EQ(decoction.volumeTip, (std::array<int, 4>{203, 204, 204, 204}));
}

TEST(NumberFields, RefusedTextNamesTheFieldAndKeepsTheValue) {
    ScriptedPrompter prompter;
    std::int64_t whole = 7;
    EXPECT_FALSE(
        ReadWholeField(QStringLiteral("12a"), QStringLiteral("&Batch #"), prompter, whole));
    EXPECT_EQ(whole, 7);
    EXPECT_TRUE(prompter.last().text.contains(QStringLiteral("\"Batch #\"")));
    EXPECT_FALSE(ReadWholeField(QStringLiteral("-1"), QStringLiteral("x"), prompter, whole));
    EXPECT_FALSE(
        ReadWholeField(QStringLiteral("2147483648"), QStringLiteral("x"), prompter, whole));
    EXPECT_TRUE(ReadWholeField(QStringLiteral(" 70000 "), QStringLiteral("x"), prompter, whole));
    EXPECT_EQ(whole, 70000);
    double number = 1.5;
    // A decimal comma is a decimal mark; a thousands mark makes no number.
    EXPECT_TRUE(
        ReadNumberField(QStringLiteral(" 2,25 "), QStringLiteral("Boil"), prompter, number));
    EXPECT_EQ(number, 2.25);
    number = 1.5;
    EXPECT_FALSE(
        ReadNumberField(QStringLiteral("1,000.5"), QStringLiteral("Boil"), prompter, number));
    EXPECT_FALSE(
        ReadNumberField(QStringLiteral("1,0,0"), QStringLiteral("Boil"), prompter, number));
    EXPECT_EQ(number, 1.5);
    EXPECT_FALSE(ReadNumberField(QStringLiteral("inf"), QStringLiteral("Boil"), prompter, number));
    EXPECT_EQ(PlainLabel(QStringLiteral("Salt && &Pepper")), QStringLiteral("Salt & Pepper"));
}

TEST(Efficiency, ActualPointsOverPointsAtFullGrainEfficiency) {
    MemorySheets sheets;
    sheets.addRow(SheetGrains, {QStringLiteral("Pale"), QStringLiteral("10"), QStringLiteral("lbs"),
                                QStringLiteral("1.037"), QStringLiteral("2")});
    UtilizationTable table;
    RecipeInputs in{5, 6, 0, 75, {}};
    const auto e = RecipeCalculator::systemEfficiencyActual(sheets, table, in, 1.0555);
    ASSERT_TRUE(e);
    EXPECT_NEAR(*e, 75.0, 1e-9);
    EXPECT_FALSE(RecipeCalculator::systemEfficiencyActual(sheets, table, in, 1.0));
    MemorySheets empty;
    EXPECT_FALSE(RecipeCalculator::systemEfficiencyActual(empty, table, in, 1.050));
}

TEST(Styles, AMissingSubcategoryMatchesSpaceOrEmpty) {
    std::vector<StyleRow> styles = {
        {{QStringLiteral("Ale"), QStringLiteral("Bitter"), QStringLiteral(" ")}, {1.03, 1.04}},
        {{QStringLiteral("Ale"), QStringLiteral("IPA"), QStringLiteral("Belgian")}, {1.06, 1.07}}};
    EXPECT_TRUE(TargetStyles::find(styles, {QStringLiteral("Ale"), QStringLiteral("Bitter"), {}}));
    EXPECT_TRUE(TargetStyles::find(
        styles, {QStringLiteral("Ale"), QStringLiteral("Bitter"), QStringLiteral(" ")}));
    EXPECT_FALSE(TargetStyles::find(styles, {QStringLiteral("Ale"), QStringLiteral("IPA"), {}}));
    EXPECT_EQ(TargetStyles::seekFailedText(
                  {QStringLiteral("Ale"), QStringLiteral("Bitter"), QStringLiteral(" ")}),
              QStringLiteral("Seek failed on Ale, Bitter.  Contact Quillbarrow Software."));
    EXPECT_EQ(TargetStyles::seekFailedText(
                  {QStringLiteral("Ale"), QStringLiteral("IPA"), QStringLiteral("Belgian")}),
              QStringLiteral("Seek failed on Ale, IPA, Belgian.  Contact Quillbarrow Software."));
}

class ReferenceLookups : public DbFixture {
protected:
    ReferenceLookups() { db.Open(copyShippedData()); }
    CDaoDatabase db;
};

TEST_F(ReferenceLookups, RowsComeInIndexOrderWithTheirIdentifiers) {
    const auto hops = Lookups::rows(db, LookupKind::Hops);
    ASSERT_GT(hops.size(), 10u);
    for (std::size_t i = 1; i < hops.size(); ++i)
        EXPECT_LE(hops[i - 1].texts.at(0), hops[i].texts.at(0));
    EXPECT_EQ(hops.front().texts.at(1), QStringLiteral("14.0"));
    const auto all = Lookups::rows(db, LookupKind::Adjuncts, AdjunctMode::All);
    const auto fermentable = Lookups::rows(db, LookupKind::Adjuncts, AdjunctMode::FermentableOnly);
    const auto priming = Lookups::rows(db, LookupKind::Adjuncts, AdjunctMode::PrimingOnly);
    EXPECT_LT(fermentable.size(), all.size());
    EXPECT_EQ(priming.at(0).id, Lookups::kForcedCarbonation);
    EXPECT_EQ(priming.at(1).texts.at(0), QStringLiteral("Dry Malt Extract"));
}

TEST_F(ReferenceLookups, ResultsByIdentifierAndTheirTexts) {
    const auto extract = Lookups::result(db, LookupKind::Extracts, 1);
    ASSERT_TRUE(extract);
    EXPECT_EQ(extract->name, QStringLiteral("Extra Light Syrup"));
    EXPECT_EQ(extract->unitsText, QStringLiteral("lbs"));
    EXPECT_EQ(extract->formText, QStringLiteral("Syrup"));
    EXPECT_FALSE(Lookups::result(db, LookupKind::Hops, 99999));
    const auto info = Lookups::info(db, LookupKind::Yeast, 1);
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->startsWith(QStringLiteral("Manufacturer:\tCellar Culture Labs\n")));
    EXPECT_TRUE(info->contains(QStringLiteral("Attenuation:\t76.00\n")));
}

class BoundSheet : public DbFixture {
protected:
    BoundSheet() {
        file = copyShippedSamples();
        db.Open(file);
        sheet.bind(&db, QStringLiteral("RecipeIngredients_Hops"),
                   QStringLiteral("Ingredients_Hops"), 2);
        sheet.read();
    }
    QString file;
    CDaoDatabase db;
    BoundQuerySheet sheet;
};

TEST_F(BoundSheet, ReadsWritesStartsAndDeletesExactRows) {
    ASSERT_EQ(sheet.rowCount(), 3);
    EXPECT_EQ(sheet.columnCount(), 8);
    EXPECT_EQ(sheet.text(1, 0), QStringLiteral("Cascade"));
    EXPECT_EQ(sheet.text(1, 4), QStringLiteral("15"));
    sheet.setText(1, 2, QStringLiteral("1.25"));
    // Text that is no number is refused for a number column, never stored as 0.
    try {
        sheet.setText(1, 4, QStringLiteral("not a number"));
        ADD_FAILURE() << "a text was written into a number column";
    } catch (const CDaoException& e) {
        EXPECT_EQ(e.errorInfo().m_lErrorCode, 3421);
    }
    EXPECT_EQ(sheet.text(1, 4), QStringLiteral("15"));
    EXPECT_EQ(
        db.connection()
            .scalar(QStringLiteral("SELECT IngHopsTime FROM Ingredients_Hops WHERE IngRowID=%1")
                        .arg(sheet.rowId(1)))
            .toDouble(),
        15.0);
    // An emptied number cell is stored empty.
    sheet.setText(1, 5, QString());
    EXPECT_TRUE(db.connection()
                    .scalar(QStringLiteral("SELECT IngHopsIBU FROM Ingredients_Hops WHERE "
                                           "IngRowID=%1")
                                .arg(sheet.rowId(1)))
                    .isNull());
    const int row = sheet.startRecord(
        {QStringLiteral("Fuggle"), QStringLiteral("4.5"), QStringLiteral("1"), QStringLiteral("oz"),
         QStringLiteral("30"), QStringLiteral("0"), QStringLiteral("0.0"), QStringLiteral("2")});
    EXPECT_EQ(row, 3);
    const long long cascadeAtZero = sheet.rowId(2);
    sheet.deleteRow(2);
    sheet.read();
    ASSERT_EQ(sheet.rowCount(), 3);
    for (int r = 0; r < sheet.rowCount(); ++r)
        EXPECT_NE(sheet.rowId(r), cascadeAtZero);
    EXPECT_EQ(sheet.text(2, 0), QStringLiteral("Fuggle"));
    EXPECT_EQ(sheet.text(1, 2), QStringLiteral("1.25"));
}

TEST_F(BoundSheet, WritesAreRefusedOnceTheFileIsGone) {
    ASSERT_TRUE(QFile::remove(file));
    EXPECT_THROW(sheet.setText(0, 2, QStringLiteral("2")), CDaoException);
    EXPECT_THROW(sheet.startRecord({}), CDaoException);
    EXPECT_EQ(sheet.rowCount(), 3);
}

} // namespace
} // namespace wsc
