#include "AppFixture.h"

#include "app/calc/CCalcMessagesDlg.h"
#include "app/calc/CTargetStyleDlg.h"
#include "app/document/CRecipeLogView.h"
#include "app/document/CWscalcFrame.h"
#include "app/form/CRecipeFormHeading.h"
#include "app/form/CRecipeFormSheet.h"
#include "app/form/CRecipeGrid1.h"
#include "app/form/CRecipeMash.h"
#include "app/form/CRecipePropertySheet.h"
#include "app/form/CRecipeSpecGravities.h"
#include "app/reference/CLookupDlg.h"
#include "app/shell/CMainFrame.h"
#include "app/widgets/Commands.h"
#include "core/calc/RecipeCalculator.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/settings/MessageCatalog.h"
#include "support/FormParts.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTreeView>
#include <QtTest/QTest>

namespace wsc {
namespace {

class Numbers : public test::FormFixture {
protected:
    CRecipeGrid1* grid() { return test::Grid(form()); }
    template <class Page> Page* page(int index) {
        form()->showPage(index);
        return qobject_cast<Page*>(test::Sheet(form())->page(index));
    }
    QLineEdit* fermentationField(const char* name) {
        return page<CRecipeSpecGravities>(CRecipeFormSheet::PageFermentation)
            ->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    // Typing into a field as a user does: the old text selected, then the keys.
    static void type(QWidget* field, const QString& text) {
        field->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(field))
            e->selectAll();
        QTest::keyClicks(field, text);
    }
};

TEST_F(Numbers, AGridEditUnderADecimalCommaLocaleComputesAsInC) {
    test::CommaLocale comma;
    if (!comma.available())
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    openSamples();
    goToBatch(2);
    form()->showPage(CRecipeFormSheet::PageIngredients);
    // Centennial, 10 %, from 0.75 to 1.5 oz: twice its 43.2 IBU.
    grid()->editCell(1, 2, QStringLiteral("1.5"), SheetHops);
    EXPECT_EQ(grid()->GetCellText(1, 5, SheetHops), QStringLiteral("86"));
    EXPECT_EQ(grid()->GetCellText(1, 6, SheetHops), QStringLiteral("15.0"));
    form()->OnMsgs();
    EXPECT_NEAR(form()->calculator().PredictedOG, 1.0516, 1e-6);
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_EQ(committed(QStringLiteral("SELECT IngHopsIBU FROM Ingredients_Hops WHERE "
                                       "IngRecipeID=2 AND IngHopsName='Centennial'"))
                  .toDouble(),
              86.0);
    // What the pages show is written with a point as well.
    auto* og = fermentationField("sgOriginal");
    EXPECT_TRUE(og->text().contains(u'.')) << og->text().toStdString();
}

TEST_F(Numbers, ARunUsesTheValuesOnScreenCommittedOrNot) {
    openSamples();
    goToBatch(2);
    form()->OnMsgs();
    const double og5 = form()->calculator().PredictedOG;
    const double abvSugar = form()->calculator().PredictedABV;
    // Twice the batch on the Fermentation Info page, not yet committed: half the points.
    type(fermentationField("batchSize"), QStringLiteral("10"));
    form()->OnMsgs();
    EXPECT_NEAR(form()->calculator().PredictedOG - 1, (og5 - 1) / 2, 1e-12);
    // A priming method typed over the sugar loses the sugar's half per cent.
    type(fermentationField("primingMethod"), QStringLiteral("Forced Carbonation"));
    type(fermentationField("batchSize"), QStringLiteral("5"));
    form()->OnMsgs();
    EXPECT_NEAR(form()->calculator().PredictedABV, abvSugar - 0.5, 1e-9);
    // A hop row edit uses the boil size on screen: twice the boil, half the bitterness.
    const double boil = form()->commands().record().m_RecipeBoilSize;
    fermentationField("boilSize")->setText(QString::asprintf("%g", boil * 2));
    form()->showPage(CRecipeFormSheet::PageIngredients);
    grid()->editCell(1, 2, QStringLiteral("1.5"), SheetHops);
    EXPECT_EQ(grid()->GetCellText(1, 5, SheetHops), QStringLiteral("43"));
}

TEST_F(Numbers, QuantitiesBelowZeroAreRefusedWhereTheyAreTyped) {
    openSamples();
    goToBatch(2);
    form()->showPage(CRecipeFormSheet::PageIngredients);
    grid()->editCell(1, 4, QStringLiteral("-5"), SheetHops);
    EXPECT_EQ(m_prompter.last().text, QStringLiteral("Data Error:\nPlease enter a number of 0 or "
                                                     "more in the field \"Boil (Min)\"."));
    EXPECT_EQ(grid()->GetCellText(1, 4, SheetHops), QStringLiteral("60"));
    grid()->editCell(1, 1, QStringLiteral("lots"), SheetHops);
    EXPECT_EQ(grid()->GetCellText(1, 1, SheetHops), QStringLiteral("10"));
    EXPECT_EQ(m_prompter.shown().size(), 2u);

    type(fermentationField("batchSize"), QStringLiteral("-5"));
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Data Error:\nPlease enter a number of 0 or more in the field "
                             "\"Batch\"."));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBatchSize FROM Recipes WHERE RecipeID=2"))
                  .toDouble(),
              5.0);
    EXPECT_EQ(committed(QStringLiteral("SELECT IngHopsTime FROM Ingredients_Hops WHERE "
                                       "IngRecipeID=2 AND IngHopsName='Centennial'"))
                  .toDouble(),
              60.0);
}

TEST_F(Numbers, ADecimalCommaInAPageFieldIsADecimalMark) {
    openSamples();
    goToBatch(2);
    type(fermentationField("batchSize"), QStringLiteral("5,5"));
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_TRUE(m_prompter.shown().empty()) << m_prompter.last().text.toStdString();
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBatchSize FROM Recipes WHERE RecipeID=2"))
                  .toDouble(),
              5.5);
    // A thousands mark is no number: refused, naming the field.
    type(fermentationField("batchSize"), QStringLiteral("1,005.5"));
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Data Error:\nPlease enter a number in the field \"Batch\"."));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBatchSize FROM Recipes WHERE RecipeID=2"))
                  .toDouble(),
              5.5);
}

TEST_F(Numbers, OkWithoutAValidStyleKeepsTheRecipesTarget) {
    const QString file = copyShippedSamples();
    execSql(file, QStringLiteral("UPDATE Recipes SET RecipeTargetStyle='No Such Style', "
                                 "RecipeTargetSpGravLo=1.041, RecipeTargetIBUHi=33 WHERE "
                                 "RecipeID=1"));
    open(file);
    m_runner.onDialog = [](QDialog& d) {
        d.accept();
        return d.result();
    };
    qobject_cast<QPushButton*>(form()->control(CRecipeFormHeading::kIdTargetStyle))->click();
    const CRecordSetRecipe& r = form()->commands().record();
    EXPECT_EQ(r.m_RecipeTargetStyle, QStringLiteral("No Such Style"));
    EXPECT_EQ(r.m_RecipeTargetSpGravLo, 1.041);
    EXPECT_EQ(r.m_RecipeTargetIBUHi, 33.0);
    EXPECT_FALSE(form()->commands().isModified());
}

class Keys : public Numbers {};

TEST_F(Keys, GridLettersActOnTheRowTheCursorIsOn) {
    const QString file = copyShippedSamples();
    execSql(file, QStringLiteral("INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName, "
                                 "IngHopsAlpha, IngHopsWeight, IngHopsUnits, IngHopsTime) VALUES "
                                 "(2, 'Dr. Rudi', 11, 1, 'oz', 30), (2, 'Saaz', 3.5, 1, 'oz', 5),"
                                 "(2, 'Magnum', 13, 1, 'oz', 45)"));
    open(file);
    goToBatch(2);
    form()->showPage(CRecipeFormSheet::PageIngredients);
    grid()->setCurrentSheet(SheetHops);
    QTableWidget* table = grid()->table(SheetHops);
    table->setFocus();
    table->setCurrentCell(0, 0); // Centennial
    m_prompter.queue(PromptAnswer::Ok);
    QTest::keyClick(table, Qt::Key_D);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Please confirm delete -\nIngredient Hops - Centennial"));
    QStringList names;
    for (int r = 1; r <= grid()->ingredientCount(SheetHops); ++r)
        names << grid()->GetCellText(r, 0, SheetHops);
    EXPECT_EQ(names, (QStringList{QStringLiteral("Cascade"), QStringLiteral("Cascade"),
                                  QStringLiteral("Dr. Rudi"), QStringLiteral("Saaz"),
                                  QStringLiteral("Magnum")}));

    // S chooses for the row the cursor is on; the letter never moves the cursor to "Saaz".
    table->setCurrentCell(1, 0);
    int highlighted = -1;
    m_runner.onDialog = [&](QDialog&) {
        highlighted = grid()->selectedRow();
        return int(QDialog::Rejected);
    };
    QTest::keyClick(table, Qt::Key_S);
    EXPECT_EQ(m_runner.dialogs.last(), QStringLiteral("wsc::CLookupDlg"));
    EXPECT_EQ(highlighted, 2);
    EXPECT_EQ(table->currentRow(), 1);
    // M opens the menu for the current row, C computes it; neither moves the cursor.
    QTest::keyClick(table, Qt::Key_M);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(grid()->selectedRow(), 2);
    popup->close();
    QTest::keyClick(table, Qt::Key_C);
    EXPECT_EQ(table->currentRow(), 1);
    EXPECT_EQ(grid()->GetCellText(2, 0, SheetHops), QStringLiteral("Cascade"));
}

TEST_F(Keys, TheFormsAcceleratorsWorkFromEveryControlAndNeverReachIt) {
    openSamples();
    const int recipes = committed(QStringLiteral("SELECT count(*) FROM Recipes")).toInt();
    QLineEdit* name = test::NameEdit(form());
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")).toInt(), recipes + 1);
    EXPECT_EQ(name->text(), QStringLiteral("<new recipe>"));

    // Copy from another field of the heading, once the new recipe is committed.
    frame().runCommand(ID_RECORD_COMMIT);
    m_prompter.queue(PromptAnswer::Yes);
    QLineEdit* brewer = test::BrewerEdit(form());
    brewer->setFocus();
    QTest::keyClick(brewer, Qt::Key_Plus,
                    Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier);
    EXPECT_EQ(name->text(), QStringLiteral("Copy of <new recipe>"));
    EXPECT_FALSE(brewer->text().contains(u'+'));

    // Delete from the grid, with the copy saved first.
    form()->showPage(CRecipeFormSheet::PageIngredients);
    QTableWidget* table = test::Grid(form())->table(test::Grid(form())->currentSheet());
    table->setFocus();
    m_prompter.queue(PromptAnswer::Ok);
    m_prompter.queue(PromptAnswer::Yes);
    QTest::keyClick(table, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes WHERE RecipeName = 'Copy "
                                       "of <new recipe>'"))
                  .toInt(),
              0);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")).toInt(), recipes + 1);

    // Ctrl+N and Ctrl+P from a page's field.
    frame().runCommand(ID_RECORD_FIRST);
    QLineEdit* batchSize = fermentationField("batchSize");
    batchSize->setFocus();
    QTest::keyClick(batchSize, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(form()->commands().record().m_RecipeBatchNo, 2);
    EXPECT_EQ(batchSize->text(), QStringLiteral("5"));
}

class Windows : public Numbers {};

TEST_F(Windows, TheMessagesDialogOpensReadable) {
    QStringList messages{QStringLiteral("Warning: ") + QString(300, u'x'),
                         QStringLiteral("Information: short")};
    CCalcMessagesDlg dlg(messages);
    const int u = static_cast<int>(dlg.logicalDpiX() * 0.3);
    const int columns = u + static_cast<int>(2.5 * u) + 30 * u;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_GE(dlg.width(), std::min(columns, screen.width() - 40));
    EXPECT_LE(dlg.width(), screen.width());
    EXPECT_TRUE(dlg.isSizeGripEnabled());
    EXPECT_EQ(dlg.list()->model()->index(1, 2).data(Qt::ToolTipRole).toString(),
              QString(300, u'x'));
}

TEST_F(Windows, AMaximisedFormKeepsItsPagesTogether) {
    openSamples();
    frame().formFrame()->showMaximized();
    QApplication::processEvents();
    auto* mash = page<CRecipeMash>(CRecipeFormSheet::PageMash);
    QApplication::processEvents();
    for (int c = 0; c < 4; ++c) {
        const QRect heading = mash->heading(c)->geometry();
        const QRect edit = mash->timeEdit(c)->geometry();
        EXPECT_LE(std::abs(heading.center().x() - edit.center().x()), edit.width() / 2) << c;
    }
    // The frames take the room their fields need, not the window's: the extra room is left
    // empty beside and below them.
    auto together = [](QWidget* page) {
        QRect used;
        for (QGroupBox* box : page->findChildren<QGroupBox*>())
            used |= box->geometry();
        EXPECT_LE(used.width(), page->sizeHint().width() + 10) << page->objectName().toStdString();
        EXPECT_LE(used.height(), page->sizeHint().height() + 10)
            << page->objectName().toStdString();
        EXPECT_GT(page->width(), used.width() + 100) << "the form was not maximised";
    };
    together(mash);
    auto* ferm = page<CRecipeSpecGravities>(CRecipeFormSheet::PageFermentation);
    QApplication::processEvents();
    together(ferm);
}

TEST_F(Windows, TheLogFitsItsNamesAndBringsTheFormForward) {
    const QString file = copyShippedSamples();
    execSql(file, QStringLiteral("UPDATE Recipes SET RecipeName='An Extraordinarily Long Recipe "
                                 "Name For A Barrel-Aged Imperial Stout' WHERE RecipeID=3"));
    open(file);
    frame().runCommand(ID_VIEW_RECIPE_LOG);
    CRecipeLogView* log = frame().recipeLog();
    ASSERT_NE(log, nullptr);
    const int u = static_cast<int>(log->logicalDpiX() * 0.3);
    // In a narrow window the widths are those of the design...
    QMdiSubWindow* logFrame = frame().mdiArea()->activeSubWindow();
    logFrame->resize(300, 200);
    log->Refresh();
    EXPECT_EQ(log->columnWidth(0), 2 * u);
    EXPECT_EQ(log->columnWidth(1), 4 * u);
    // ...in a wide one no name is cut off.
    logFrame->resize(1600, 400);
    log->Refresh();
    EXPECT_GE(log->columnWidth(1), log->header()->sectionSizeHint(1));
    EXPECT_GE(log->columnWidth(1),
              QFontMetrics(log->font())
                  .horizontalAdvance(QStringLiteral("An Extraordinarily Long Recipe Name For A "
                                                    "Barrel-Aged Imperial Stout")));

    // The Window menu lists both windows.
    QMenu* window = frame().menu(QStringLiteral("Window"));
    ASSERT_NE(window, nullptr);
    emit window->aboutToShow();
    QStringList titles;
    for (QAction* a : window->actions())
        titles << a->text();
    EXPECT_TRUE(titles.contains(QStringLiteral("&1 Recipe Form")));
    EXPECT_TRUE(titles.contains(QStringLiteral("&2 ") + logFrame->windowTitle()));

    // Going to a recipe from the log shows the form in front once the click is over.
    log->setCurrentIndex(log->model()->index(4, 0));
    log->goToSelectedRecipe();
    frame().mdiArea()->setActiveSubWindow(logFrame); // the log's own click taking it back
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return frame().mdiArea()->activeSubWindow() == frame().formFrame(); }, 10000));
    EXPECT_EQ(form()->commands().record().m_RecipeBatchNo, 5);
}

TEST_F(Windows, EveryMashAndFermentationFieldHasItsTip) {
    openSamples();
    auto* mash = page<CRecipeMash>(CRecipeFormSheet::PageMash);
    const std::pair<const char*, int> tips[] = {{"mashPh", 205},
                                                {"spargePh", 205},
                                                {"spargeVol", 147},
                                                {"spargeTemp", 143},
                                                {"wortCollected", 147}};
    for (const auto& [name, id] : tips) {
        auto* field = mash->findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(field, nullptr) << name;
        EXPECT_EQ(field->toolTip(), MessageCatalog::text(id)) << name;
    }
    EXPECT_EQ(mash->findChild<QLineEdit*>(QStringLiteral("mashPh"))->toolTip(),
              QStringLiteral("Ph adjusted to\nFormat = 9.9"));
    auto* ferm = page<CRecipeSpecGravities>(CRecipeFormSheet::PageFermentation);
    EXPECT_EQ(ferm->findChild<QPlainTextEdit*>(QStringLiteral("yield"))->toolTip(),
              QStringLiteral("Enter any descriptive information\nUse Ctrl+Enter to force line "
                             "break"));
}

} // namespace
} // namespace wsc
