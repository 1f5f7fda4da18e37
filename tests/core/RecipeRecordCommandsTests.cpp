#include "support/FakeRecipeForm.h"

#include "core/calc/IngredientSheets.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoWorkspace.h"
#include "core/document/CWscalcDoc.h"
#include "core/document/FieldExchange.h"
#include "core/document/RecipeIngredientRows.h"
#include "core/document/RecipeRecordCommands.h"
#include "core/settings/MessageCatalog.h"

#include <QFile>

namespace wsc {
namespace {

using Move = RecipeRecordCommands::Move;
using test::FakeForm;
using test::HintLog;

class RecordCommands : public test::RecordCommandsFixture {};

TEST_F(RecordCommands, OpensOnTheLowestBatchNumberUnderEditInATransaction) {
    openSamples();
    EXPECT_EQ(shownBatch(), 1);
    EXPECT_EQ(m_form->name, QStringLiteral("Homestead Bitter"));
    EXPECT_EQ(m_doc->currentRecipeId(), 1);
    EXPECT_EQ(m_doc->workspace()->transactionDepth(), 1);
    EXPECT_EQ(m_cmd->record().GetEditMode(), CDaoRecordset::dbEditInProgress);
    EXPECT_GT(m_doc->utilization().entry(10, 2), 0.0);
}

TEST_F(RecordCommands, NextOnTheLastAndPreviousOnTheFirstStayPut) {
    openSamples();
    m_cmd->OnRecordMove(Move::Previous);
    EXPECT_EQ(shownBatch(), 1);
    m_cmd->OnRecordMove(Move::Next);
    EXPECT_EQ(shownBatch(), 2);
    m_cmd->OnRecordMove(Move::Last);
    EXPECT_EQ(shownBatch(), 8);
    m_cmd->OnRecordMove(Move::Next);
    EXPECT_EQ(shownBatch(), 8);
    EXPECT_EQ(m_form->name, QStringLiteral("Old Kettle IPA"));
    m_cmd->OnRecordMove(Move::First);
    EXPECT_EQ(shownBatch(), 1);
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(m_doc->workspace()->transactionDepth(), 1);
}

TEST_F(RecordCommands, MovingWithAnEmptyNameShowsMessage8AndStays) {
    openSamples();
    m_form->name.clear();
    m_cmd->setModified();
    m_cmd->OnRecordMove(Move::Next);
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{8});
    EXPECT_EQ(m_prompter.last().icon, PromptIcon::Exclamation);
    EXPECT_EQ(m_form->focus, FormControl::kName);
    EXPECT_EQ(shownBatch(), 1);
    EXPECT_TRUE(m_cmd->isModified());
}

TEST_F(RecordCommands, EmptyBatchNumberIsRefusedWithMessage85AndKeepsTheTypedValues) {
    openSamples();
    m_form->batch = QStringLiteral("  ");
    m_form->brewer = QStringLiteral("typed");
    m_cmd->setModified();
    EXPECT_FALSE(m_cmd->OnRecordCommit());
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{85});
    EXPECT_EQ(m_form->focus, FormControl::kBatchNo);
    EXPECT_EQ(m_form->brewer, QStringLiteral("typed"));
    EXPECT_TRUE(m_cmd->isModified());
    EXPECT_TRUE(m_cmd->canRefresh());
}

TEST_F(RecordCommands, NonNumericBatchNumberNamesTheFieldAndStaysUnderEdit) {
    openSamples();
    m_form->batch = QStringLiteral("12a");
    m_form->name = QStringLiteral("Renamed");
    m_cmd->setModified();
    m_cmd->OnRecordMove(Move::Next);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(m_prompter.last().text.contains(QStringLiteral("\"Batch #\"")));
    EXPECT_EQ(shownBatch(), 1);
    EXPECT_EQ(m_form->name, QStringLiteral("Renamed"));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeName FROM Recipes WHERE RecipeID=1")),
              QStringLiteral("Homestead Bitter"));
}

TEST_F(RecordCommands, AddAfterBatch41GivesNewRecipe42AlreadyStored) {
    {
        const QString file = makeRecipeDb();
        SqliteConnection c(file, SqliteConnection::Mode::ReadWrite);
        c.exec(QStringLiteral("INSERT INTO Recipes (RecipeName, RecipeBatchNo, RecipeBatchSize, "
                              "RecipeBoilSize) VALUES ('Old', 41, 5, 5), ('Older', 3, 5, 5)"));
        open(file);
    }
    m_cmd->OnRecordAdd();
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(m_form->name, QStringLiteral("<new recipe>"));
    EXPECT_EQ(m_form->batch, QStringLiteral("42"));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeName FROM Recipes WHERE RecipeBatchNo=42")),
              QStringLiteral("<new recipe>"));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeSystemEfficiencyExpected FROM Recipes "
                                       "WHERE RecipeBatchNo=42"))
                  .toDouble(),
              80.0);
    EXPECT_EQ(m_log.events, std::vector<int>{9});
    EXPECT_TRUE(m_cmd->newRecordPending());
    EXPECT_FALSE(m_cmd->canCopy());
    EXPECT_FALSE(m_cmd->canDelete());
    EXPECT_TRUE(m_cmd->canRefresh());
    EXPECT_EQ(m_doc->workspace()->transactionDepth(), 1);

    // Naming it and committing stores the name and ends the pending state.
    m_form->name = QStringLiteral("Autumn Ale");
    m_cmd->setModified();
    EXPECT_TRUE(m_cmd->OnRecordCommit());
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeName FROM Recipes WHERE RecipeBatchNo=42")),
              QStringLiteral("Autumn Ale"));
    EXPECT_FALSE(m_cmd->newRecordPending());
    EXPECT_EQ(m_doc->currentBatchNo(), 42);
}

TEST_F(RecordCommands, DuplicateBatchNumberShowsMessage86AndKeepsTheTypedValue) {
    openSamples();
    m_form->batch = QStringLiteral("5");
    m_cmd->setModified();
    EXPECT_FALSE(m_cmd->OnRecordCommit());
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{86});
    EXPECT_EQ(m_form->focus, FormControl::kBatchNo);
    EXPECT_EQ(m_form->batch, QStringLiteral("5"));
    EXPECT_EQ(m_cmd->record().m_RecipeBatchNo, 5);
    EXPECT_EQ(m_cmd->record().GetEditMode(), CDaoRecordset::dbEditInProgress);
    EXPECT_EQ(m_doc->workspace()->transactionDepth(), 1);
    // Correcting the number and committing again works.
    m_form->batch = QStringLiteral("70000");
    EXPECT_TRUE(m_cmd->OnRecordCommit());
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBatchNo FROM Recipes WHERE RecipeID=1")),
              70000);
}

TEST_F(RecordCommands, DeletingTheOnlyRecipeIsRefusedEvenWithoutDeleteWarnings) {
    {
        const QString file = makeRecipeDb();
        SqliteConnection c(file, SqliteConnection::Mode::ReadWrite);
        c.exec(QStringLiteral("INSERT INTO Recipes (RecipeName, RecipeBatchNo) VALUES ('One', 1)"));
        m_profile.setInteger(Setting::DisplayDeleteWarnings, 0);
        open(file);
    }
    m_cmd->OnRecordDelete();
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{250});
    EXPECT_EQ(m_prompter.last().icon, PromptIcon::Stop);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 1);
}

TEST_F(RecordCommands, CopyThenDeleteThenNoDeletesNothing) {
    openSamples();
    const int hops = committed(QStringLiteral("SELECT count(*) FROM Ingredients_Hops WHERE "
                                              "IngRecipeID=1"))
                         .toInt();
    m_prompter.queue(PromptAnswer::Yes); // copy
    m_cmd->OnRecordCopy();
    m_prompter.clear();
    m_prompter.queue(PromptAnswer::Ok); // delete "Copy of Homestead Bitter"
    m_prompter.queue(PromptAnswer::No); // do not save the copy
    m_cmd->OnRecordDelete();
    EXPECT_EQ(m_prompter.ids(), (std::vector<int>{32, 68}));
    EXPECT_EQ(m_prompter.shown().front().text,
              QStringLiteral("Please confirm delete -\nRecipe - Copy of Homestead Bitter"));
    // The copy is gone with "No"; the recipe it was made from stays, with its rows.
    EXPECT_EQ(m_form->name, QStringLiteral("Homestead Bitter"));
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Ingredients_Hops WHERE "
                                       "IngRecipeID=1")),
              hops);
    EXPECT_TRUE(m_cmd->OnRecordCommit());
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
}

TEST_F(RecordCommands, CopyThenDeleteThenNoNeverEmptiesAOneRecipeFile) {
    const QString file = makeRecipeDb();
    execSql(file, QStringLiteral("INSERT INTO Recipes (RecipeName, RecipeBatchNo, RecipeBoilSize, "
                                 "RecipeBatchSize) VALUES ('Only One', 1, 5, 5)"));
    open(file);
    m_prompter.queue(PromptAnswer::Yes);
    m_cmd->OnRecordCopy();
    m_prompter.queue(PromptAnswer::Ok);
    m_prompter.queue(PromptAnswer::No);
    m_cmd->OnRecordDelete();
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeName FROM Recipes")),
              QStringLiteral("Only One"));
    EXPECT_EQ(m_form->name, QStringLiteral("Only One"));
}

TEST_F(RecordCommands, LeavingAnUneditedRecipeWritesNothing) {
    const QString file = copyShippedSamples();
    // Values the form cannot show exactly, as another tool may have stored them.
    execSql(file, QStringLiteral("UPDATE Recipes SET RecipeSGOriginal=1.0525, "
                                 "RecipeFermConditioningUnits='Fortnights', "
                                 "RecipeDateBrewed='2026-03-04T17:45:00', "
                                 "RecipeSystemEfficiencyActual=61.3 WHERE RecipeID=2"));
    const QByteArray before = test::FileDigest(file);
    open(file);
    m_cmd->OnRecordMove(Move::Next);
    m_cmd->OnRecordMove(Move::Previous);
    m_cmd->OnRecordMove(Move::Last);
    m_cmd->GoToBatch(2);
    m_cmd->OnRecordMove(Move::First);
    EXPECT_TRUE(m_cmd->OnRecordCommit());
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(test::FileDigest(file), before);
}

TEST_F(RecordCommands, AddOrCopyPastTheLastBatchNumberSaysSoAndAddsNothing) {
    const QString file = copyShippedSamples();
    execSql(file, QStringLiteral("UPDATE Recipes SET RecipeBatchNo=2147483647 WHERE RecipeID=8"));
    open(file);
    m_cmd->OnRecordAdd();
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Data Error:\nNo batch number is left after 2147483647, the highest "
                             "one in use.\nPlease give a recipe a lower batch number, then add "
                             "again."));
    m_prompter.queue(PromptAnswer::Yes);
    m_cmd->OnRecordCopy();
    EXPECT_EQ(m_prompter.ids().back(), 0);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
    EXPECT_EQ(committed(QStringLiteral("SELECT min(RecipeBatchNo) FROM Recipes")), 1);
    EXPECT_EQ(shownBatch(), 1);
    EXPECT_FALSE(m_cmd->newRecordPending());
}

TEST_F(RecordCommands, DeleteRemovesTheRecipeWithItsRowsAndShowsTheNext) {
    openSamples();
    m_cmd->OnRecordMove(Move::Next); // batch 2, three hops
    m_prompter.queue(PromptAnswer::Ok);
    m_cmd->OnRecordDelete();
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{32});
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Please confirm delete -\nRecipe - Backyard Pale Ale"));
    EXPECT_EQ(shownBatch(), 3);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 7);
    EXPECT_EQ(
        committed(QStringLiteral("SELECT count(*) FROM Ingredients_Hops WHERE IngRecipeID=2")), 0);
    EXPECT_EQ(m_log.events.back(), 8);
    // The last recipe deleted: the one before it is shown.
    m_cmd->OnRecordMove(Move::Last);
    m_prompter.queue(PromptAnswer::Ok);
    m_cmd->OnRecordDelete();
    EXPECT_EQ(shownBatch(), 7);
}

TEST_F(RecordCommands, DeleteCancelledChangesNothing) {
    openSamples();
    m_prompter.queue(PromptAnswer::Cancel);
    m_cmd->OnRecordDelete();
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
    EXPECT_EQ(shownBatch(), 1);
}

TEST_F(RecordCommands, CopyCarriesEveryColumnAndAllIngredientRows) {
    openSamples();
    m_cmd->OnRecordMove(Move::Last);
    m_cmd->OnRecordMove(Move::Previous);
    m_cmd->OnRecordMove(Move::Previous);
    m_cmd->OnRecordMove(Move::Previous); // batch 5: three hops, two grains
    ASSERT_EQ(shownBatch(), 5);
    const FieldValues source = m_cmd->record().fieldValues();
    m_prompter.queue(PromptAnswer::Yes);
    m_cmd->OnRecordCopy();
    EXPECT_EQ(m_prompter.ids(), (std::vector<int>{37, 83}));
    EXPECT_EQ(m_prompter.shown().front().text,
              QStringLiteral("Please confirm copy -\nRecipe - Garden Pils"));
    EXPECT_EQ(m_form->name, QStringLiteral("Copy of Garden Pils"));
    EXPECT_EQ(m_form->batch, QStringLiteral("9"));
    EXPECT_EQ(m_form->page, 0);

    // Written by the next commit.
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
    EXPECT_TRUE(m_cmd->OnRecordCommit());
    EXPECT_EQ(m_log.events.back(), 6);
    EXPECT_NE(std::find(m_log.events.begin(), m_log.events.end(), 7), m_log.events.end());
    const long newId = m_cmd->record().m_RecipeID;
    EXPECT_NE(newId, 5);
    const FieldValues copy = m_cmd->record().fieldValues();
    const RecordLayout& l = m_cmd->record().layout();
    for (std::size_t i = 0; i < l.count; ++i) {
        const QString col = QString::fromLatin1(l.columns[i].name);
        if (col == u"RecipeID" || col == u"RecipeBatchNo" || col == u"RecipeName")
            continue;
        EXPECT_EQ(copy[i], source[i]) << col.toStdString();
    }
    auto rows = [&](const char* table, long id) {
        return committed(QStringLiteral("SELECT count(*) FROM %1 WHERE IngRecipeID=%2")
                             .arg(QLatin1String(table))
                             .arg(id))
            .toInt();
    };
    EXPECT_EQ(rows("Ingredients_Hops", newId), 3);
    EXPECT_EQ(rows("Ingredients_Grains", newId), 2);
    EXPECT_EQ(rows("Ingredients_Hops", 5), 3);
    EXPECT_EQ(rows("Ingredients_Grains", 5), 2);
}

TEST_F(RecordCommands, RefreshAfterCopyDropsTheCopyAndShowsTheSource) {
    openSamples();
    m_profile.setInteger(Setting::DisplayWarnings, 0);
    m_cmd->readPreferences();
    m_cmd->OnRecordCopy();
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{83});
    EXPECT_TRUE(m_cmd->canRefresh());
    m_cmd->OnRecordRefresh();
    EXPECT_EQ(shownBatch(), 1);
    EXPECT_EQ(m_form->name, QStringLiteral("Homestead Bitter"));
    m_cmd->OnRecordMove(Move::Next);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Ingredients_Kits")), 1);
}

TEST_F(RecordCommands, SavePromptFollowsDisplayWarnings) {
    openSamples();
    // Warnings on: Cancel stays with the change on screen.
    m_form->brewer = QStringLiteral("Changed");
    m_cmd->setModified();
    m_prompter.queue(PromptAnswer::Cancel);
    m_cmd->OnRecordMove(Move::Next);
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{68});
    EXPECT_EQ(m_prompter.last().text, QStringLiteral("Save changes to current recipe?\n"));
    EXPECT_EQ(m_prompter.last().buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(shownBatch(), 1);
    EXPECT_EQ(m_form->brewer, QStringLiteral("Changed"));
    EXPECT_EQ(m_form->focus, FormControl::kName);

    // No discards the change and moves on.
    m_prompter.queue(PromptAnswer::No);
    m_cmd->OnRecordMove(Move::Next);
    EXPECT_EQ(shownBatch(), 2);
    EXPECT_NE(committed(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeID=1")),
              QStringLiteral("Changed"));

    // Yes keeps it.
    m_form->brewer = QStringLiteral("Kept");
    m_cmd->setModified();
    m_prompter.queue(PromptAnswer::Yes);
    m_cmd->OnRecordMove(Move::Next);
    EXPECT_EQ(shownBatch(), 3);
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeID=2")),
              QStringLiteral("Kept"));

    // Warnings off: committed without asking.
    m_profile.setInteger(Setting::DisplayWarnings, 0);
    m_cmd->readPreferences();
    m_prompter.clear();
    m_form->brewer = QStringLiteral("Silent");
    m_cmd->setModified();
    m_cmd->OnRecordMove(Move::Previous);
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeID=3")),
              QStringLiteral("Silent"));
    EXPECT_EQ(m_doc->workspace()->transactionDepth(), 1);
}

TEST_F(RecordCommands, RefreshDiscardsTheRecipeWithItsIngredientEdits) {
    openSamples();
    SqliteConnection& c = m_doc->database()->connection();
    c.exec(QStringLiteral("INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName, IngHopsTime) "
                          "VALUES (1, 'Uncommitted', 10)"));
    m_form->name = QStringLiteral("Changed");
    m_cmd->setModified();
    m_cmd->OnRecordRefresh();
    EXPECT_EQ(m_form->name, QStringLiteral("Homestead Bitter"));
    EXPECT_FALSE(m_cmd->isModified());
    EXPECT_EQ(RecipeIngredientRows::count(*m_doc->database(), RecipeIngredientRows::Hop, 1), 1);
    EXPECT_EQ(m_doc->workspace()->transactionDepth(), 1);
}

TEST_F(RecordCommands, CommitSavesIngredientRowsWrittenInTheTransaction) {
    openSamples();
    m_doc->database()->connection().exec(QStringLiteral(
        "INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName, IngHopsTime) VALUES (1, 'X', 5)"));
    EXPECT_EQ(
        committed(QStringLiteral("SELECT count(*) FROM Ingredients_Hops WHERE IngRecipeID=1")), 1);
    EXPECT_TRUE(m_cmd->OnRecordCommit());
    EXPECT_EQ(
        committed(QStringLiteral("SELECT count(*) FROM Ingredients_Hops WHERE IngRecipeID=1")), 2);
}

TEST_F(RecordCommands, GoToBatchFindsNumbersAbove65535) {
    openSamples();
    m_form->batch = QStringLiteral("70000");
    m_cmd->setModified();
    ASSERT_TRUE(m_cmd->OnRecordCommit());
    EXPECT_EQ(m_log.recipes, std::vector<long>{1}); // the commit names the recipe it wrote
    m_cmd->OnRecordMove(Move::Next);
    HintLog other;
    m_doc->addView(&other);
    m_doc->SelectBatch(&other, 70000); // the form receives hint 3
    EXPECT_EQ(other.events, std::vector<int>{});
    ASSERT_EQ(m_log.batches, std::vector<long>{70000});
    EXPECT_EQ(m_log.events.back(), 3);
    // The hint word alone would say 4464.
    EXPECT_EQ(HintEventOf(MakeHint(HintEvent::GoToBatch, 70000)), HintEvent::GoToBatch);
    EXPECT_EQ(MakeHint(HintEvent::GoToBatch, 70000) & 0xFFFF, 4464);
    m_cmd->GoToBatch(m_log.batches.back());
    EXPECT_EQ(m_form->name, QStringLiteral("Homestead Bitter"));
    EXPECT_EQ(m_doc->currentRecipeId(), 1);
    EXPECT_EQ(m_doc->currentBatchNo(), 70000);

    m_cmd->GoToBatch(99);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Seek failed on batch number 99.  Contact Quillbarrow Software."));
    EXPECT_EQ(m_form->name, QStringLiteral("Homestead Bitter"));
}

TEST_F(RecordCommands, ValidationRulesInOrder) {
    openSamples();
    auto commitWith = [&](ProcessChecks p) {
        m_prompter.clear();
        m_form->process = p;
        m_cmd->setModified();
        m_cmd->OnRecordCommit();
        return m_prompter.ids();
    };
    // Recipe 1 has one kit.
    EXPECT_EQ(commitWith({false, true, false, false}), std::vector<int>{152});
    EXPECT_EQ(commitWith({true, false, true, true}), std::vector<int>{142});
    EXPECT_EQ(m_form->focus, FormControl::kAllGrain);
    // A kit only in row 11 does not count.
    m_form->sheets = MemorySheets();
    for (int i = 0; i < 11; ++i)
        m_form->sheets.addRow(0, {i == 10 ? QStringLiteral("Kit") : QString()});
    EXPECT_EQ(commitWith({true, false, false, false}), std::vector<int>{150});
    // All grain with a grain and an extract.
    m_form->sheets = MemorySheets();
    m_form->sheets.addRow(2, {QStringLiteral("Pale")});
    m_form->sheets.addRow(1, {QStringLiteral("Light DME")});
    EXPECT_EQ(commitWith({false, false, false, true}), std::vector<int>{208});
    m_form->sheets = MemorySheets();
    m_form->sheets.addRow(2, {QStringLiteral("Pale")});
    // Both sizes zero: the boil size is named.
    m_cmd->record().m_RecipeBoilSize = 0;
    m_cmd->record().m_RecipeBatchSize = 0;
    EXPECT_EQ(commitWith({false, false, false, true}), std::vector<int>{211});
    EXPECT_TRUE(
        m_prompter.last().text.startsWith(QStringLiteral("Data Error:\nBoil Size is zero.")));
}

TEST_F(RecordCommands, EmptyDatabaseShowsNothingUntilAdd) {
    open(makeRecipeDb());
    EXPECT_FALSE(m_cmd->hasRecord());
    m_cmd->OnRecordMove(Move::Next);
    EXPECT_TRUE(m_prompter.shown().empty());
    m_cmd->OnRecordAdd();
    EXPECT_EQ(m_form->batch, QStringLiteral("1"));
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 1);
}

TEST_F(RecordCommands, RecipePageLinesListHopsShortestBoilFirstWithTheirUse) {
    openSamples();
    const auto lines = RecipeIngredientRows::lines(*m_doc->database(), 8);
    ASSERT_FALSE(lines.empty());
    std::vector<QString> hops;
    for (const auto& l : lines) {
        if (l.kind == RecipeIngredientRows::Hop)
            hops.push_back(l.text);
    }
    ASSERT_EQ(hops.size(), 4u);
    EXPECT_TRUE(hops.front().endsWith(QStringLiteral("(Aroma)")));
    EXPECT_TRUE(hops.back().endsWith(QStringLiteral("(Bittering)")));
    EXPECT_EQ(RecipeIngredientRows::hopUseLabel(20), QStringLiteral("(Flavoring)"));
    EXPECT_EQ(RecipeIngredientRows::hopUseLabel(15), QStringLiteral("(Aroma)"));
    EXPECT_EQ(RecipeIngredientRows::hopUseLabel(30), QStringLiteral("(Flavoring)"));
    EXPECT_EQ(RecipeIngredientRows::hopUseLabel(30.5), QStringLiteral("(Bittering)"));
    EXPECT_EQ(lines.front().kind, RecipeIngredientRows::Grain);
}

} // namespace
} // namespace wsc

namespace wsc {
namespace {

TEST_F(RecordCommands, DatabaseFileDeletedWhileOpenIsReportedAndTheEditIsKept) {
    openSamples();
    m_form->brewer = QStringLiteral("Typed after the file went");
    m_cmd->setModified();
    ASSERT_TRUE(QFile::remove(m_file));
    EXPECT_FALSE(m_cmd->OnRecordCommit());
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(m_prompter.last().text.contains(QStringLiteral("Couldn't find file")));
    EXPECT_TRUE(m_cmd->isModified());
    EXPECT_EQ(m_form->brewer, QStringLiteral("Typed after the file went"));
    EXPECT_EQ(m_doc->workspace()->transactionDepth(), 1);
}

TEST_F(RecordCommands, FileReplacedWhileOpenIsNotWrittenInto) {
    openSamples();
    const QString moved = m_file + QStringLiteral(".old");
    ASSERT_TRUE(QFile::rename(m_file, moved));
    ASSERT_TRUE(QFile::copy(moved, m_file));
    m_form->name = QStringLiteral("Lost?");
    m_cmd->setModified();
    m_cmd->OnRecordMove(RecipeRecordCommands::Move::Next);
    EXPECT_EQ(shownBatch(), 1);
    EXPECT_TRUE(m_prompter.last().text.contains(QStringLiteral("Couldn't find file")));
    EXPECT_EQ(m_form->name, QStringLiteral("Lost?"));
}

} // namespace
} // namespace wsc
