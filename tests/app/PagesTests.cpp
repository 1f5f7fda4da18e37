#include "AppFixture.h"

#include "app/document/CRecipeLogView.h"
#include "app/document/CWscalcFrame.h"
#include "app/form/CCompetitionResultsDlg.h"
#include "app/form/CRecipeComments.h"
#include "app/form/CRecipeFormSheet.h"
#include "app/form/CRecipeMash.h"
#include "app/form/CRecipePropertySheet.h"
#include "app/form/CRecipeRatingDlg.h"
#include "app/form/CRecipeSpecGravities.h"
#include "app/reference/CLookupDlg.h"
#include "app/reference/CSortListCtrl.h"
#include "app/shell/CMainFrame.h"
#include "app/widgets/CheckableDateEdit.h"
#include "app/widgets/Commands.h"
#include "app/widgets/SpinButtons.h"
#include "core/db/SqliteConnection.h"
#include "core/document/CWscalcDoc.h"
#include "support/FormParts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTreeView>
#include <QtTest/QTest>

namespace wsc {
namespace {

class Pages : public test::FormFixture {
protected:
    template <class Page> Page* page(int index) {
        test::Sheet(form())->SetActivePage(index);
        return static_cast<Page*>(test::Sheet(form())->page(index));
    }
};

TEST_F(Pages, NoMashTypeDisablesAllTwelveMashEdits) {
    openSamples(); // batch 1 has no mash type
    auto* mash = page<CRecipeMash>(CRecipeFormSheet::PageMash);
    EXPECT_EQ(mash->mashType(), -1);
    for (int c = 0; c < 4; ++c) {
        EXPECT_FALSE(mash->timeEdit(c)->isEnabled());
        EXPECT_FALSE(mash->temperatureEdit(c)->isEnabled());
        EXPECT_FALSE(mash->volumeEdit(c)->isEnabled());
    }
}

TEST_F(Pages, DecoctionThenSingleStageInfusion) {
    openSamples();
    auto* mash = page<CRecipeMash>(CRecipeFormSheet::PageMash);
    mash->mashTypes()->button(2)->click();
    for (int c = 0; c < 4; ++c)
        EXPECT_TRUE(mash->volumeEdit(c)->isEnabled());
    EXPECT_EQ(mash->heading(0)->text(), QStringLiteral("Protein Rest"));
    EXPECT_EQ(mash->volumeEdit(1)->toolTip(),
              QStringLiteral("Volume of mash boiled\nFormat = 99.9"));
    mash->mashTypes()->button(0)->click();
    EXPECT_TRUE(mash->volumeEdit(0)->isEnabled());
    for (int c = 1; c < 4; ++c)
        EXPECT_FALSE(mash->volumeEdit(c)->isEnabled());
    EXPECT_TRUE(mash->timeEdit(3)->isEnabled());
    EXPECT_FALSE(mash->timeEdit(1)->isEnabled());
    EXPECT_EQ(mash->heading(0)->text(), QStringLiteral("\tStrike"));
    EXPECT_FALSE(mash->heading(1)->isEnabled());
    EXPECT_EQ(mash->timeEdit(0)->toolTip(), QStringLiteral("Mash length\nMinutes\nFormat = 999"));
    EXPECT_EQ(form()->commands().record().m_RecipeMashType, 0);
    EXPECT_TRUE(form()->commands().isModified());
}

TEST_F(Pages, CalculatedEfficiencyAppearsOnceThereIsAnActualGravity) {
    openSamples();
    goToBatch(7); // all grain, no actual gravity yet
    auto* mash = page<CRecipeMash>(CRecipeFormSheet::PageMash);
    EXPECT_EQ(mash->calculated()->text(), QStringLiteral("---"));
    auto* ferm = page<CRecipeSpecGravities>(CRecipeFormSheet::PageFermentation);
    auto* og = ferm->findChild<QLineEdit*>(QStringLiteral("sgOriginal"));
    og->setText(QStringLiteral("1.050"));
    frame().runCommand(ID_RECORD_COMMIT);
    mash = page<CRecipeMash>(CRecipeFormSheet::PageMash);
    bool ok = false;
    const double shown = mash->calculated()->text().toDouble(&ok);
    ASSERT_TRUE(ok) << mash->calculated()->text().toStdString();
    EXPECT_GT(shown, 0);
    EXPECT_EQ(mash->calculated()->text(), QString::asprintf("%.1f", shown));
    EXPECT_NEAR(form()->commands().record().m_RecipeSystemEfficiencyActual, shown, 0.05);
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_NEAR(committed(QStringLiteral("SELECT RecipeSystemEfficiencyActual FROM Recipes WHERE "
                                         "RecipeBatchNo=7"))
                    .toDouble(),
                shown, 0.05);
}

TEST_F(Pages, BoilSizeLeavingUnchangedRunsNothingAndChangedRunsTheCalculations) {
    openSamples();
    goToBatch(2);
    test::Sheet(form())->SetActivePage(CRecipeFormSheet::PageRecipe);
    auto* ferm = page<CRecipeSpecGravities>(CRecipeFormSheet::PageFermentation);
    // The first showing was while the sheet was built: this activation runs once.
    const QString before = ferm->predicted()->text();
    form()->calculator().status = CalcStatus::NotDone;
    ferm->predicted()->clear();
    ferm->boilSizeLeft();
    EXPECT_TRUE(ferm->predicted()->text().isEmpty());
    EXPECT_EQ(form()->calculator().status, CalcStatus::NotDone);
    ferm->boilSize()->setText(QStringLiteral("5"));
    ferm->boilSizeLeft();
    EXPECT_NE(form()->calculator().status, CalcStatus::NotDone);
    EXPECT_EQ(ferm->predicted()->text(),
              QString::asprintf("%.3f", form()->calculator().PredictedOG));
    EXPECT_EQ(form()->commands().record().m_RecipeBoilSize, 5.0);
    EXPECT_FALSE(before.isEmpty());
}

TEST_F(Pages, ActivatingFermentationInfoKeepsTheChangedState) {
    openSamples();
    test::BrewerEdit(form())->setText(QStringLiteral("Typed"));
    page<CRecipeSpecGravities>(CRecipeFormSheet::PageFermentation);
    // Leaving the change unmarked would let closing the form lose it.
    EXPECT_TRUE(form()->commands().isModified());
}

TEST_F(Pages, EmptyDatesShowTodayUntickedAndStoreNothing) {
    openSamples();
    auto* comments = page<CRecipeComments>(CRecipeFormSheet::PageComments);
    CheckableDateEdit* obtained = comments->dateObtained();
    EXPECT_FALSE(obtained->isChecked());
    EXPECT_EQ(obtained->shownDate(), QDate::currentDate());
    EXPECT_FALSE(obtained->dateTime().isValid());
    obtained->setChecked(true);
    EXPECT_EQ(obtained->dateTime().date(), QDate::currentDate());
    EXPECT_TRUE(form()->commands().isModified());
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_FALSE(committed(QStringLiteral("SELECT RecipeDateObtained FROM Recipes WHERE "
                                          "RecipeBatchNo=1"))
                     .isNull());
    // Unticking stores an empty date.
    auto* ferm = page<CRecipeSpecGravities>(CRecipeFormSheet::PageFermentation);
    ferm->dateBrewed()->setChecked(false);
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_TRUE(
        committed(QStringLiteral("SELECT RecipeDateBrewed FROM Recipes WHERE RecipeBatchNo=1"))
            .isNull());
}

TEST_F(Pages, RatingTotalAndSpinRanges) {
    openSamples();
    auto* rating = page<CRecipeRatingDlg>(CRecipeFormSheet::PageRating);
    const char* values[] = {"3", "4", "10", "3"};
    for (int i = 0; i < 4; ++i)
        rating->scoreEdit(i)->setText(QString::fromLatin1(values[i]));
    EXPECT_EQ(rating->total()->text(), QStringLiteral("20"));
    rating->spin(0)->stepBy(5);
    EXPECT_EQ(rating->scoreEdit(0)->text(), QStringLiteral("3"));
    rating->spin(3)->stepBy(-9);
    EXPECT_EQ(rating->scoreEdit(3)->text(), QStringLiteral("1"));
    EXPECT_EQ(rating->total()->text(), QStringLiteral("18"));
    EXPECT_GE(rating->total()->font().pixelSize(), 32);
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_EQ(
        committed(QStringLiteral("SELECT RecipeRatingTaste FROM Recipes WHERE RecipeBatchNo=1")),
        10);
}

TEST_F(Pages, JudgesScoreUpTo50OrEmpty) {
    openSamples();
    auto* rating = page<CRecipeRatingDlg>(CRecipeFormSheet::PageRating);
    int result = -1;
    QString score;
    m_runner.onDialog = [&](QDialog& d) {
        auto& dlg = static_cast<CCompetitionResultsDlg&>(d);
        dlg.score()->setText(score);
        dlg.accept();
        result = dlg.result();
        return dlg.result();
    };
    score = QStringLiteral("51");
    rating->OnCompetitionResults();
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Data Error:\nThe Judge's score must be 50 or less."));
    m_prompter.clear();
    score = QStringLiteral("50");
    rating->OnCompetitionResults();
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(form()->commands().record().m_RecipeRatingCompScore, 50);
    score = QString();
    rating->OnCompetitionResults();
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST_F(Pages, CompetitionTypingThenCancelMarksModifiedButStoresNothing) {
    openSamples();
    auto* rating = page<CRecipeRatingDlg>(CRecipeFormSheet::PageRating);
    m_runner.onDialog = [](QDialog&) { return QDialog::Rejected; };
    rating->OnCompetitionResults();
    EXPECT_FALSE(form()->commands().isModified());
    m_runner.onDialog = [](QDialog& d) {
        static_cast<CCompetitionResultsDlg&>(d).name()->setText(QStringLiteral("County Fair"));
        return QDialog::Rejected;
    };
    rating->OnCompetitionResults();
    EXPECT_TRUE(form()->commands().isModified());
    EXPECT_TRUE(form()->commands().record().m_RecipeRatingCompName.isEmpty());
}

class Log : public Pages {
protected:
    void openWithLogRows() {
        const QString file = copyShippedSamples();
        {
            SqliteConnection c(file, SqliteConnection::Mode::ReadWrite);
            c.exec(QStringLiteral(
                "INSERT INTO Recipes (RecipeBatchNo, RecipeName, RecipeBatchSize, RecipeBoilSize, "
                "RecipeDateBrewed) VALUES (10, 'apricot wheat', 5, 5, NULL), "
                "(9, 'Zesty Saison', 5, 5, '2025-12-24T00:00:00')"));
        }
        open(file);
        frame().runCommand(ID_VIEW_RECIPE_LOG);
        ASSERT_NE(frame().recipeLog(), nullptr);
    }
    CRecipeLogView* log() { return frame().recipeLog(); }
};

TEST_F(Log, ShowsEveryRecipeInBatchOrderWithItsColumns) {
    openWithLogRows();
    EXPECT_EQ(log()->model()->headerData(2, Qt::Horizontal).toString(),
              QStringLiteral("Brew Date"));
    const QStringList batches = log()->columnTexts(0);
    ASSERT_EQ(batches.size(), 10);
    EXPECT_EQ(batches.at(8), QStringLiteral("9"));
    EXPECT_EQ(batches.at(9), QStringLiteral("10"));
    EXPECT_EQ(log()->columnTexts(2).at(0), QStringLiteral("1/10/2026"));
    EXPECT_TRUE(log()->columnTexts(2).at(9).isEmpty());
}

TEST_F(Log, SortsNumbersDatesAndBytes) {
    openWithLogRows();
    log()->SortBy(1); // names: capital Z before small a
    const QStringList names = log()->columnTexts(1);
    EXPECT_LT(names.indexOf(QStringLiteral("Zesty Saison")),
              names.indexOf(QStringLiteral("apricot wheat")));
    log()->SortBy(2); // dates ascending: the empty one first
    EXPECT_TRUE(log()->columnTexts(2).at(0).isEmpty());
    EXPECT_EQ(log()->columnTexts(2).at(1), QStringLiteral("12/24/2025"));
    log()->SortBy(2); // again: descending
    EXPECT_FALSE(log()->ascending());
    EXPECT_EQ(log()->columnTexts(2).at(0), QStringLiteral("5/2/2026"));
    EXPECT_TRUE(log()->columnTexts(2).at(9).isEmpty());
    log()->SortBy(0);
    EXPECT_EQ(log()->columnTexts(0).at(8), QStringLiteral("9"));
}

TEST_F(Log, ShowsOnlyCommittedRecipesAndFollowsTheRecordCommands) {
    openWithLogRows();
    test::NameEdit(form())->setText(QStringLiteral("Renamed but not saved"));
    log()->Refresh();
    EXPECT_EQ(log()->columnTexts(1).at(0), QStringLiteral("Homestead Bitter"));
    // Record commands belong to the form: they are greyed while the log is the active view.
    EXPECT_FALSE(frame().isCommandEnabled(ID_RECORD_COMMIT));
    frame().runCommand(ID_VIEW_RECIPE_FORM);
    frame().runCommand(ID_RECORD_COMMIT); // hint 6 refreshes the log
    EXPECT_EQ(log()->columnTexts(1).at(0), QStringLiteral("Renamed but not saved"));
    frame().runCommand(ID_RECORD_ADD); // hint 9
    EXPECT_EQ(log()->columnTexts(0).size(), 11);
    EXPECT_EQ(log()->columnTexts(1).last(), QStringLiteral("<new recipe>"));
}

// A commit, a delete and an add each move, take out or put in the one row they wrote: the
// other rows stay what they were (a row kept by the view still points at its recipe), and the
// rows keep the order of the sorted column.
TEST_F(Log, ACommitDeleteOrAddChangesOnlyItsOwnRow) {
    openWithLogRows();
    log()->SortBy(1);
    QAbstractItemModel* rows = log()->model();
    QSignalSpy resets(rows, &QAbstractItemModel::modelReset);
    QSignalSpy removed(rows, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(rows, &QAbstractItemModel::rowsInserted);
    const int zesty = log()->columnTexts(1).indexOf(QStringLiteral("Zesty Saison"));
    ASSERT_GE(zesty, 0);
    const QPersistentModelIndex kept = rows->index(zesty, 0);
    const QVariant keptId = kept.data(Qt::UserRole);
    auto inOrder = [&] {
        const QStringList names = log()->columnTexts(1);
        for (int i = 1; i < names.size(); ++i)
            if (names.at(i - 1).toUtf8() > names.at(i).toUtf8())
                return false;
        return true;
    };

    frame().runCommand(ID_VIEW_RECIPE_FORM);
    test::NameEdit(form())->setText(QStringLiteral("Amber Homestead"));
    test::BatchEdit(form())->setText(QStringLiteral("42"));
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(inserted.count(), 1);
    const int amber = log()->columnTexts(1).indexOf(QStringLiteral("Amber Homestead"));
    ASSERT_GE(amber, 0);
    EXPECT_EQ(log()->columnTexts(0).at(amber), QStringLiteral("42"));
    EXPECT_FALSE(log()->columnTexts(1).contains(QStringLiteral("Homestead Bitter")));
    EXPECT_TRUE(inOrder());
    ASSERT_TRUE(kept.isValid());
    EXPECT_EQ(kept.data(Qt::UserRole), keptId);
    EXPECT_EQ(kept.data(Qt::DisplayRole).toString(), QStringLiteral("9"));

    m_profile.setInteger(Setting::DisplayDeleteWarnings, 0);
    form()->readPreferences();
    form()->runCommand(ID_RECORD_DELETE);
    EXPECT_EQ(log()->rowCount(), 9);
    EXPECT_FALSE(log()->columnTexts(1).contains(QStringLiteral("Amber Homestead")));
    form()->runCommand(ID_RECORD_ADD);
    EXPECT_EQ(log()->rowCount(), 10);
    EXPECT_TRUE(log()->columnTexts(1).contains(QStringLiteral("<new recipe>")));
    EXPECT_TRUE(inOrder());
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(kept.data(Qt::UserRole), keptId);
}

TEST_F(Log, SelectionStaysOnItsRowAfterADelete) {
    openWithLogRows();
    frame().setFocus();
    const QPoint at = log()->visualRect(log()->model()->index(9, 0)).center();
    QTest::mouseClick(log()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(log()->selectedRow(), 9);
    EXPECT_EQ(log()->selectedBatchNo(), 10);
    m_profile.setInteger(Setting::DisplayDeleteWarnings, 0);
    form()->readPreferences();
    frame().formFrame()->setFocus();
    form()->runCommand(ID_RECORD_DELETE); // deletes batch 1; hint 8 refreshes the log
    EXPECT_EQ(log()->columnTexts(0).size(), 9);
    EXPECT_EQ(log()->selectedRow(), 8);
}

TEST_F(Log, DoubleClickGoesToTheRecipeAndBelowTheLastRowDoesNothing) {
    openWithLogRows();
    const QPoint on = log()->visualRect(log()->model()->index(4, 0)).center();
    QTest::mouseClick(log()->viewport(), Qt::LeftButton, {}, on);
    QTest::mouseDClick(log()->viewport(), Qt::LeftButton, {}, on);
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("5"));

    frame().runCommand(ID_VIEW_RECIPE_LOG);
    const QPoint below(on.x(), log()->visualRect(log()->model()->index(9, 0)).bottom() + 40);
    QTest::mouseClick(log()->viewport(), Qt::LeftButton, {}, below);
    QTest::mouseDClick(log()->viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("5"));
    EXPECT_EQ(log()->selectedRow(), 4);
}

TEST_F(Log, EnterGoesToTheSelectedRecipe) {
    openWithLogRows();
    log()->setCurrentIndex(log()->model()->index(9, 0));
    QTest::keyClick(log(), Qt::Key_Return);
    EXPECT_EQ(test::BatchEdit(form())->text(), QStringLiteral("10"));
    EXPECT_EQ(test::NameEdit(form())->text(), QStringLiteral("apricot wheat"));
}

} // namespace
} // namespace wsc

namespace wsc {
namespace {

TEST_F(Pages, PrimingMethodComesFromThePrimingLookup) {
    openSamples();
    auto* ferm = page<CRecipeSpecGravities>(CRecipeFormSheet::PageFermentation);
    m_runner.onDialog = [](QDialog& d) {
        auto* lookup = qobject_cast<CLookupDlg*>(&d);
        if (!lookup || lookup->list()->rowCount() < 2)
            return int(QDialog::Rejected);
        EXPECT_EQ(lookup->list()->headerText(0), QStringLiteral("Name (Priming Only)"));
        for (int i = 0; i < lookup->list()->rowCount(); ++i) {
            if (lookup->list()->text(i, 0) == QStringLiteral("Forced Carbonation"))
                lookup->list()->setCurrentRow(i);
        }
        lookup->accept();
        return lookup->QDialog::result();
    };
    ferm->selectMethodButton()->click();
    EXPECT_EQ(ferm->primingMethod()->text(), QStringLiteral("Forced Carbonation"));
    EXPECT_TRUE(form()->commands().isModified());
}

} // namespace
} // namespace wsc
