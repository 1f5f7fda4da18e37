#include "AppFixture.h"

#include "app/calc/CCalcMessagesDlg.h"
#include "app/form/CRecipeFormHeading.h"
#include "app/form/CRecipeFormSheet.h"
#include "app/form/CRecipePropertySheet.h"
#include "app/form/CRecipeRecipePage.h"
#include "app/shell/CMainFrame.h"
#include "app/widgets/CColorLabel.h"
#include "app/widgets/CControlTipWnd.h"
#include "app/widgets/Commands.h"
#include "core/db/SqliteConnection.h"
#include "core/document/CWscalcDoc.h"
#include "core/settings/MessageCatalog.h"
#include "support/FormParts.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QtTest/QTest>

namespace wsc {
namespace {

class RecipeForm : public test::FormFixture {
protected:
    void run(int id) { frame().runCommand(id); }
    QStringList popupEntries(bool enabledOnly) {
        std::unique_ptr<QMenu> menu(form()->createPopupMenu(nullptr));
        QStringList out;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator())
                out << QStringLiteral("-");
            else if (!enabledOnly || a->isEnabled())
                out << a->text() + u'\t' + a->shortcut().toString();
        }
        return out;
    }
};

TEST_F(RecipeForm, ShowsTheFirstRecipeWithItsHeadingAndIngredients) {
    openSamples();
    EXPECT_EQ(test::NameEdit(form())->text(), QStringLiteral("Homestead Bitter"));
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("1"));
    EXPECT_TRUE(qobject_cast<QCheckBox*>(form()->control(1255))->isChecked());
    EXPECT_EQ(test::Sheet(form())->count(), 6);
    EXPECT_EQ(test::Sheet(form())->tabText(3), QStringLiteral("Fermentation Info"));
    EXPECT_EQ(test::Sheet(form())->GetActiveIndex(), 0);
    EXPECT_EQ(test::StatusLabel(form())->text(), QStringLiteral("Not Done"));
    EXPECT_FALSE(test::MsgsButton(form())->isEnabled());
    EXPECT_EQ(test::TargetLabel(form(), 0)->text(), QStringLiteral("British Bitter"));
    const QStringList lines = test::RecipePage(form())->lineTexts();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines.at(0).startsWith(QStringLiteral("1.8 kg, ")));
    EXPECT_EQ(test::RecipePage(form())->rows().header(0), QStringLiteral("Ingredients"));
    EXPECT_EQ(frame().document()->workspace() != nullptr, true);
    EXPECT_FALSE(form()->commands().isModified());
}

TEST_F(RecipeForm, NavigationStopsAtBothEnds) {
    openSamples();
    run(ID_RECORD_PREV);
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("1"));
    run(ID_RECORD_LAST);
    run(ID_RECORD_NEXT);
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("8"));
    EXPECT_EQ(test::NameEdit(form())->text(), QStringLiteral("Old Kettle IPA"));
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST_F(RecipeForm, KeysOfTheRecordMenu) {
    openSamples();
    EXPECT_EQ(frame().action(ID_RECORD_ADD)->shortcut(),
              QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus));
    EXPECT_EQ(frame().action(ID_RECORD_DELETE)->shortcut(),
              QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus));
    EXPECT_EQ(frame().action(ID_RECORD_COMMIT)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    frame().activateWindow();
    if (!QTest::qWaitForWindowActive(&frame()))
        GTEST_SKIP() << "the platform gives no active window";
    QTest::keyClick(test::NameEdit(form()), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("2"));
    QTest::keyClick(test::NameEdit(form()), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("8"));
    QTest::keyClick(test::NameEdit(form()), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("1"));
}

TEST_F(RecipeForm, TypingMarksTheRecipeModifiedAndRefreshDiscardsIt) {
    openSamples();
    EXPECT_FALSE(frame().isCommandEnabled(ID_RECORD_REFRESH));
    QTest::keyClicks(test::BrewerEdit(form()), QStringLiteral("x"));
    EXPECT_TRUE(form()->commands().isModified());
    EXPECT_TRUE(frame().isCommandEnabled(ID_RECORD_REFRESH));
    run(ID_RECORD_REFRESH);
    EXPECT_EQ(test::BrewerEdit(form())->text(), QStringLiteral("Home Brewer"));
    EXPECT_FALSE(frame().isCommandEnabled(ID_RECORD_REFRESH));
    // A click on a process box counts as a change too.
    QTest::mouseClick(qobject_cast<QCheckBox*>(form()->control(1256)), Qt::LeftButton);
    EXPECT_TRUE(form()->commands().isModified());
}

TEST_F(RecipeForm, NonNumericBatchNumberIsRefusedNamingTheField) {
    openSamples();
    test::BatchEdit(form())->setText(QStringLiteral("twelve"));
    test::BrewerEdit(form())->setText(QStringLiteral("Kept"));
    run(ID_RECORD_COMMIT);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(m_prompter.last().text.contains(QStringLiteral("\"Batch #\"")));
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("twelve"));
    EXPECT_EQ(test::BrewerEdit(form())->text(), QStringLiteral("Kept"));
    EXPECT_TRUE(form()->commands().isModified());
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeID=1")),
              QStringLiteral("Home Brewer"));
}

// An emptied batch number is the validation's to refuse, with its own message, and the field
// takes the focus; a number typed then is committed.
TEST_F(RecipeForm, AnEmptyBatchNumberIsRefusedByTheValidation) {
    openSamples();
    test::BatchEdit(form())->clear();
    run(ID_RECORD_COMMIT);
    ASSERT_EQ(m_prompter.ids(), std::vector<int>{Msg::kRecipeNeedsBatchNumber});
    EXPECT_EQ(form()->focusWidget(), test::BatchEdit(form()));
    EXPECT_TRUE(form()->commands().isModified());
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBatchNo FROM Recipes WHERE RecipeID=1")), 1);
    m_prompter.clear();
    QTest::keyClicks(test::BatchEdit(form()), QStringLiteral("41"));
    run(ID_RECORD_COMMIT);
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBatchNo FROM Recipes WHERE RecipeID=1")), 41);
}

TEST_F(RecipeForm, PopupMenuFollowsTheRecordState) {
    openSamples();
    const QStringList all = popupEntries(false);
    ASSERT_EQ(all.size(), 11);
    EXPECT_EQ(all.at(4), QStringLiteral("-"));
    EXPECT_TRUE(all.at(0).startsWith(QStringLiteral("&First\tCtrl+F")));
    EXPECT_TRUE(all.at(10).startsWith(QStringLiteral("Commit Add/Update\tCtrl+S")));
    EXPECT_FALSE(popupEntries(true).join(u'|').contains(QStringLiteral("&Refresh")));

    run(ID_RECORD_ADD);
    EXPECT_EQ(test::NameEdit(form())->text(), QStringLiteral("<new recipe>"));
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("9"));
    const QString enabled = popupEntries(true).join(u'|');
    EXPECT_FALSE(enabled.contains(QStringLiteral("&Copy")));
    EXPECT_FALSE(enabled.contains(QStringLiteral("&Delete")));
    EXPECT_TRUE(enabled.contains(QStringLiteral("&Refresh")));
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 9);
}

TEST_F(RecipeForm, DeleteWithoutWarningsAndTheSavePromptOnMoving) {
    m_profile.setInteger(Setting::DisplayDeleteWarnings, 0);
    openSamples();
    run(ID_RECORD_DELETE);
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("2"));
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 7);

    test::NameEdit(form())->setText(QStringLiteral("Renamed"));
    m_prompter.queue(PromptAnswer::Cancel);
    run(ID_RECORD_NEXT);
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{68});
    EXPECT_EQ(test::NameEdit(form())->text(), QStringLiteral("Renamed"));
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("2"));
}

TEST_F(RecipeForm, RecipeScrollDecidesThePageAfterAMove) {
    openSamples();
    test::Sheet(form())->SetActivePage(CRecipeFormSheet::PageMash);
    run(ID_RECORD_NEXT);
    EXPECT_EQ(test::Sheet(form())->GetActiveIndex(), 0);

    m_profile.setInteger(Setting::RecipeScroll, 1);
    form()->readPreferences();
    test::Sheet(form())->SetActivePage(CRecipeFormSheet::PageComments);
    run(ID_RECORD_NEXT);
    EXPECT_EQ(test::Sheet(form())->GetActiveIndex(), CRecipeFormSheet::PageComments);
}

TEST_F(RecipeForm, RecipePageNamesTheUseOfEachHop) {
    const QString file = copyShippedSamples();
    {
        SqliteConnection c(file, SqliteConnection::Mode::ReadWrite);
        c.exec(
            QStringLiteral("INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName, IngHopsAlpha, "
                           "IngHopsWeight, IngHopsUnits, IngHopsTime) VALUES "
                           "(1, 'Fuggle', 4.5, 1, 'oz', 20)"));
    }
    open(file);
    const QStringList lines = test::RecipePage(form())->lineTexts();
    EXPECT_TRUE(lines.contains(QStringLiteral("1.0 oz, Fuggle, 4.5, 20 (Flavoring)")));
}

TEST_F(RecipeForm, TargetStyleRunsTheCalculationsAndMsgsListsThem) {
    openSamples();
    run(ID_RECORD_NEXT); // extract, with a hop at 0 minutes: message 233
    qobject_cast<QPushButton*>(form()->control(CRecipeFormHeading::kIdTargetStyle))->click();
    EXPECT_NEAR(form()->calculator().PredictedOG, 1.0516, 1e-6);
    ASSERT_GT(form()->calculator().CalcMessageCount, 0u);
    EXPECT_TRUE(form()->calculator().CalcMessages.contains(QStringLiteral(
        "Information: During Hops IBU calculation the Boil Time was zero.  These "
        "will be assumed to be finishing  hops, and not contribute to bitterness.")));
    EXPECT_EQ(test::StatusLabel(form())->text(), QStringLiteral("Errors"));
    EXPECT_EQ(test::StatusLabel(form())->textColor(), QColor(255, 0, 0));
    EXPECT_TRUE(test::MsgsButton(form())->isEnabled());
    test::MsgsButton(form())->click();
    EXPECT_EQ(m_runner.dialogs, (QStringList{QStringLiteral("wsc::CTargetStyleDlg"),
                                             QStringLiteral("wsc::CCalcMessagesDlg")}));

    // A recipe whose run finds nothing to say (batch 3) reads "No Errors" in blue.
    run(ID_RECORD_NEXT);
    m_runner.dialogs.clear();
    qobject_cast<QPushButton*>(form()->control(CRecipeFormHeading::kIdTargetStyle))->click();
    EXPECT_EQ(form()->calculator().CalcMessageCount, 0u);
    EXPECT_EQ(test::StatusLabel(form())->text(), QStringLiteral("No Errors"));
    EXPECT_EQ(test::StatusLabel(form())->textColor(), QColor(0, 0, 255));
    EXPECT_FALSE(test::MsgsButton(form())->isEnabled());
    // A move sets the status back.
    run(ID_RECORD_NEXT);
    EXPECT_EQ(test::StatusLabel(form())->text(), QStringLiteral("Not Done"));
    EXPECT_EQ(test::StatusLabel(form())->textColor(), QColor(0, 0, 0));
    EXPECT_FALSE(test::MsgsButton(form())->isEnabled());
}

TEST_F(RecipeForm, MessagesDialogSortsAndDropsRepeats) {
    QStringList messages{QStringLiteral("Warning: b"), QStringLiteral("Information: a"),
                         QStringLiteral("Warning: b")};
    CCalcMessagesDlg dlg(messages);
    ASSERT_EQ(dlg.list()->model()->rowCount(), 2);
    EXPECT_EQ(dlg.rows().text(0, 1), QStringLiteral("Information"));
    EXPECT_EQ(dlg.rows().text(1, 0), QStringLiteral("2"));
    EXPECT_EQ(dlg.rows().text(1, 2), QStringLiteral("b"));
    EXPECT_EQ(messages.size(), 2);
    EXPECT_TRUE(dlg.list()->selectionModel()->isRowSelected(0, {}));
}

TEST_F(RecipeForm, ControlTipsComeFromTheCatalogueAndFollowTheSetting) {
    openSamples();
    EXPECT_EQ(test::Tips(form())->textFor(test::NameEdit(form())), MessageCatalog::text(131));
    EXPECT_EQ(test::Tips(form())->textFor(test::BatchEdit(form())), MessageCatalog::text(195));
    EXPECT_TRUE(test::Tips(form())->isActive());
    m_profile.setInteger(Setting::DisplayToolTips, 0);
    form()->readPreferences();
    EXPECT_FALSE(test::Tips(form())->isActive());
}

TEST_F(RecipeForm, CopyWithTheWarningShowsTheCopyAndCommitStoresIt) {
    openSamples();
    m_prompter.queue(PromptAnswer::Yes);
    run(ID_RECORD_COPY);
    EXPECT_EQ(m_prompter.ids(), (std::vector<int>{37, 83}));
    EXPECT_EQ(test::NameEdit(form())->text(), QStringLiteral("Copy of Homestead Bitter"));
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("9"));
    EXPECT_EQ(test::RecipePage(form())->lineTexts().size(), 4);
    run(ID_RECORD_COMMIT);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Ingredients_Kits k JOIN Recipes r ON "
                                       "r.RecipeID=k.IngRecipeID WHERE r.RecipeBatchNo=9")),
              1);
}

} // namespace
} // namespace wsc
