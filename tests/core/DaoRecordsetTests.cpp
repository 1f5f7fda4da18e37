#include "support/TestSupport.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/dao/CDaoWorkspace.h"
#include "core/db/records/CRecordSetHops.h"
#include "core/db/records/CRecordSetRecIngAdjuncts.h"
#include "core/db/records/CRecordSetRecIngHops.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/CRecordSetRecipeLog.h"
#include "core/db/records/CRecordSetRecipeMaxBatch.h"

namespace wsc {
namespace {

class RecipeTable : public test::DbFixture {
protected:
    void SetUp() override {
        db.Open(makeRecipeDb());
        rs = std::make_unique<CRecordSetRecipe>(&db);
        rs->Open();
        rs->SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
    }
    std::int32_t addRecipe(int batch, const QString& name) {
        rs->AddNew();
        rs->m_RecipeBatchNo = batch;
        rs->m_RecipeName = name;
        rs->Update();
        return static_cast<std::int32_t>(rs->GetLastModifiedBookmark());
    }

    CDaoDatabase db;
    std::unique_ptr<CRecordSetRecipe> rs;
};

TEST_F(RecipeTable, RecordClassBindsTheEightyColumnsWithNewRecordPresets) {
    EXPECT_EQ(rs->layout().count, 80u);
    EXPECT_STREQ(rs->layout().source, "Recipes");
    rs->AddNew();
    EXPECT_EQ(rs->m_RecipeBatchSize, 5.0);
    EXPECT_EQ(rs->m_RecipeBoilSize, 5.0);
    EXPECT_EQ(rs->m_RecipeFermConditioningUnits, QStringLiteral("Days"));
    EXPECT_EQ(rs->m_RecipeMashType, -1);
    EXPECT_EQ(rs->m_RecipeRatingImpression, 1);
    EXPECT_EQ(rs->m_RecipeSGFinal, 1.0);
    EXPECT_EQ(rs->m_RecipeTargetSpGravLo, 1.0);
    EXPECT_EQ(rs->m_RecipeSystemEfficiencyExpected, 80.0);
    EXPECT_FALSE(rs->m_RecipeDateBrewed.isValid());
    rs->CancelUpdate();
}

TEST_F(RecipeTable, MovesFollowBatchNumberOrderAndStopAtTheEnds) {
    addRecipe(10, QStringLiteral("ten"));
    addRecipe(9, QStringLiteral("nine"));
    addRecipe(70000, QStringLiteral("big"));
    rs->MoveFirst();
    EXPECT_EQ(rs->m_RecipeBatchNo, 9);
    rs->MoveNext();
    EXPECT_EQ(rs->m_RecipeBatchNo, 10);
    rs->MoveNext();
    EXPECT_EQ(rs->m_RecipeBatchNo, 70000);
    rs->MoveNext();
    EXPECT_TRUE(rs->IsEOF());
    rs->MovePrev();
    EXPECT_EQ(rs->m_RecipeBatchNo, 70000);
    rs->MoveFirst();
    rs->MovePrev();
    EXPECT_TRUE(rs->IsBOF());
    EXPECT_THROW(rs->Edit(), CDaoException);
}

TEST_F(RecipeTable, SeekFindsABatchNumberPassedAsText) {
    addRecipe(41, QStringLiteral("a"));
    addRecipe(70001, QStringLiteral("b"));
    EXPECT_TRUE(rs->Seek(QStringLiteral("="), {QStringLiteral("70001")}));
    EXPECT_EQ(rs->m_RecipeName, QStringLiteral("b"));
    EXPECT_FALSE(rs->Seek(QStringLiteral("="), {QStringLiteral("5")}));
}

TEST_F(RecipeTable, DuplicateBatchNumberIsRefusedWith3022AndNotWritten) {
    addRecipe(1, QStringLiteral("first"));
    addRecipe(2, QStringLiteral("second"));
    rs->AddNew();
    rs->m_RecipeBatchNo = 1;
    rs->m_RecipeName = QStringLiteral("dup");
    try {
        rs->Update();
        FAIL() << "duplicate written";
    } catch (const CDaoException& e) {
        EXPECT_EQ(e.errorInfo().m_lErrorCode, CDaoException::kDuplicateKey);
    }
    EXPECT_EQ(rs->GetRecordCount(), 2);
    // Changing an existing row's number to a used one fails the same way.
    ASSERT_TRUE(rs->Seek(QStringLiteral("="), {2}));
    rs->Edit();
    rs->m_RecipeBatchNo = 1;
    try {
        rs->Update();
        FAIL() << "duplicate written";
    } catch (const CDaoException& e) {
        EXPECT_EQ(e.errorInfo().m_lErrorCode, CDaoException::kDuplicateKey);
    }
}

TEST_F(RecipeTable, AddNewKeepsTheCurrentRecordAndBookmarksTheNewRow) {
    addRecipe(5, QStringLiteral("five"));
    rs->MoveFirst();
    const auto id = addRecipe(6, QStringLiteral("six"));
    EXPECT_EQ(rs->m_RecipeBatchNo, 5);
    rs->SetBookmark(id);
    EXPECT_EQ(rs->m_RecipeName, QStringLiteral("six"));
    EXPECT_EQ(rs->m_RecipeID, id);
}

TEST_F(RecipeTable, TextIsStoredExactlyAndWhole) {
    const QString tricky = QStringLiteral("Bob's \"Best\"; DROP TABLE Recipes; -- 'x' %1 %d");
    const QString longText = QString(5000, u'z');
    rs->AddNew();
    rs->m_RecipeBatchNo = 3;
    rs->m_RecipeName = tricky;
    rs->m_RecipeComments = longText;
    rs->m_RecipeYield = QStringLiteral("about 48 bottles, 2 spilled");
    rs->Update();
    rs->MoveFirst();
    EXPECT_EQ(rs->m_RecipeName, tricky);
    EXPECT_EQ(rs->m_RecipeComments.size(), 5000);
    EXPECT_EQ(rs->m_RecipeYield, QStringLiteral("about 48 bottles, 2 spilled"));
    EXPECT_EQ(rs->GetRecordCount(), 1);
}

TEST_F(RecipeTable, DatesRoundTripAndNullStaysNull) {
    rs->AddNew();
    rs->m_RecipeBatchNo = 1;
    rs->m_RecipeDateBrewed = QDateTime(QDate(2026, 3, 14), QTime(0, 0));
    rs->Update();
    rs->MoveFirst();
    EXPECT_EQ(rs->m_RecipeDateBrewed.date(), QDate(2026, 3, 14));
    EXPECT_FALSE(rs->m_RecipeDateBottled.isValid());
}

TEST_F(RecipeTable, EditCancelRestoresTheStoredValues) {
    addRecipe(1, QStringLiteral("kept"));
    rs->MoveFirst();
    rs->Edit();
    rs->m_RecipeName = QStringLiteral("changed");
    rs->CancelUpdate();
    EXPECT_EQ(rs->m_RecipeName, QStringLiteral("kept"));
}

TEST_F(RecipeTable, DeleteThenMoveNextPassesTheEndAndLastFindsTheRemainingRow) {
    addRecipe(1, QStringLiteral("a"));
    addRecipe(2, QStringLiteral("b"));
    rs->MoveLast();
    rs->Delete();
    EXPECT_TRUE(rs->IsDeleted());
    rs->MoveNext();
    EXPECT_TRUE(rs->IsEOF());
    rs->MoveLast();
    EXPECT_EQ(rs->m_RecipeBatchNo, 1);
}

TEST_F(RecipeTable, WorkspaceRollbackDiscardsAndCommitKeeps) {
    CDaoWorkspace* ws = db.workspace();
    ws->BeginTrans();
    addRecipe(1, QStringLiteral("rolled back"));
    ws->Rollback();
    EXPECT_EQ(rs->GetRecordCount(), 0);
    ws->BeginTrans();
    ws->BeginTrans(); // nested level
    addRecipe(2, QStringLiteral("inner"));
    ws->CommitTrans();
    ws->CommitTrans();
    EXPECT_EQ(rs->GetRecordCount(), 1);
}

TEST_F(RecipeTable, MaxBatchQueryAndLogSnapshot) {
    addRecipe(41, QStringLiteral("b"));
    addRecipe(7, QStringLiteral("a"));
    CRecordSetRecipeMaxBatch max(&db);
    max.Open(CDaoRecordset::dbOpenDynaset, {},
             CDaoRecordset::dbForwardOnly | CDaoRecordset::dbReadOnly);
    EXPECT_EQ(max.m_MaxOfRecipeBatchNo, 41);
    CRecordSetRecipeLog log(&db);
    log.Open(CDaoRecordset::dbOpenSnapshot, {}, CDaoRecordset::dbReadOnly);
    EXPECT_EQ(log.m_RecipeBatchNo, 7);
    log.MoveNext();
    EXPECT_EQ(log.m_RecipeBatchNo, 41);
    EXPECT_FALSE(log.CanUpdate());
    EXPECT_THROW(log.Edit(), CDaoException);
}

TEST_F(RecipeTable, IngredientRowsCopyToANewRecipeIdentifier) {
    const auto source = addRecipe(1, QStringLiteral("src"));
    const auto target = addRecipe(2, QStringLiteral("copy"));
    CRecordSetRecIngHops hops(&db);
    hops.Open();
    for (int t : {60, 15, 5}) {
        hops.AddNew();
        hops.m_IngRecipeID = source;
        hops.m_IngHopsName = QStringLiteral("Cascade");
        hops.m_IngHopsTime = t;
        hops.Update();
    }
    // Walk all rows; copy each of the source recipe with the new identifier, then return.
    for (hops.MoveFirst(); !hops.IsEOF(); hops.MoveNext()) {
        if (hops.m_IngRecipeID != source)
            continue;
        const auto here = hops.GetBookmark();
        const FieldValues values = hops.fieldValues();
        hops.AddNew();
        hops.setFieldValues(values);
        hops.m_IngRecipeID = target;
        hops.Update();
        hops.SetBookmark(here);
    }
    int src = 0, dst = 0;
    for (hops.MoveFirst(); !hops.IsEOF(); hops.MoveNext())
        (hops.m_IngRecipeID == source ? src : dst) += 1;
    EXPECT_EQ(src, 3);
    EXPECT_EQ(dst, 3);
}

TEST_F(RecipeTable, IngredientQueryReturnsOneRecipesRowsInEntryOrder) {
    CRecordSetRecIngAdjuncts adj(&db);
    adj.Open();
    for (auto [rid, amt] : {std::pair{7, "2 tsp, heaped"}, {8, "1"}, {7, "0.5"}}) {
        adj.AddNew();
        adj.m_IngRecipeID = rid;
        adj.m_IngAdjunctsAmt = QString::fromLatin1(amt);
        adj.Update();
    }
    SqliteStatement st = db.connection().prepare(
        QStringLiteral("SELECT IngAdjunctsAmt FROM \"RecipeIngredients_Adjuncts\" WHERE "
                       "IngRecipeID = ? ORDER BY IngRowID"));
    st.bindInt64(1, 7);
    QStringList got;
    while (st.step())
        got << st.text(0);
    EXPECT_EQ(got, QStringList({QStringLiteral("2 tsp, heaped"), QStringLiteral("0.5")}));
}

TEST_F(RecipeTable, SchemaCheckNamesAMissingColumn) {
    db.connection().exec(QStringLiteral("CREATE TABLE Broken (x INTEGER)"));
    struct Probe : CRecordSetHops {
        using CRecordSetHops::CRecordSetHops;
        QString GetDefaultSQL() const override { return QStringLiteral("[Broken]"); }
    } probe(&db);
    try {
        probe.Open();
        FAIL();
    } catch (const CDaoException& e) {
        EXPECT_EQ(e.errorInfo().m_lErrorCode, CDaoException::kItemNotFound);
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("HopsAlpha")));
    }
}

TEST_F(RecipeTable, SetCurrentIndexRefusesAnUnknownIndex) {
    EXPECT_THROW(rs->SetCurrentIndex(QStringLiteral("IndexNoSuch")), CDaoException);
}

} // namespace
} // namespace wsc
