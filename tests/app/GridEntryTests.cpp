// The ingredients grid as a brewer enters a recipe: real key presses and clicks on the real
// widgets, as a window system sends them.
#include "AppFixture.h"

#include "app/form/CRecipeFormSheet.h"
#include "app/form/CRecipeGrid1.h"
#include "app/form/CRecipePropertySheet.h"
#include "app/reference/CLookupDlg.h"
#include "app/shell/CMainFrame.h"
#include "app/widgets/Commands.h"
#include "core/settings/MessageCatalog.h"
#include "support/FormParts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QtTest/QTest>

namespace wsc {
namespace {

class GridEntry : public test::FormFixture {
protected:
    // The recipe form in an active window on the Ingredients page, with batch 2 shown.
    bool openActive() {
        openSamples();
        goToBatch(2);
        form()->showPage(CRecipeFormSheet::PageIngredients);
        frame().activateWindow();
        return QTest::qWaitForWindowActive(&frame());
    }
    CRecipeGrid1* grid() { return test::Grid(form()); }
    QTableWidget* sheet(int k) {
        grid()->setCurrentSheet(k);
        return grid()->table(k);
    }
    // Puts the cursor on a cell (rows count from 1, as the grid's do) with the table focused.
    QTableWidget* at(int k, int row, int col) {
        QTableWidget* t = sheet(k);
        grid()->SetCurrentCell(row, col, k);
        t->setFocus();
        return t;
    }
    static QPoint cellCenter(QTableWidget* t, int row, int col) {
        return t->visualItemRect(t->item(row - 1, col)).center();
    }
    // A right click as X11 sends it: the press, the context-menu event with it, the release.
    static void rightClick(QWidget* w, const QPoint& pos) {
        QTest::mousePress(w, Qt::RightButton, {}, pos);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, pos, w->mapToGlobal(pos));
        QApplication::sendEvent(w, &menu);
        QTest::mouseRelease(w, Qt::RightButton, {}, pos);
    }
    // The menu that is open now (closed on the way), or an empty name.
    static QString openMenu() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return {};
        const QString name = menu->objectName().isEmpty() ? menu->title() : menu->objectName();
        menu->close();
        return name;
    }
    QComboBox* openEditor(QTableWidget* t) {
        // A popup that closed leaves the offscreen platform without an active window.
        frame().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
        t->setFocus();
        QTest::keyClick(t, Qt::Key_F2);
        return qobject_cast<QComboBox*>(QApplication::focusWidget());
    }
    // An editor hands its text over and goes once the events queued for it are through.
    static void editorsGone() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // F2 on the cell under the cursor, `text` typed over what it holds, and Enter.
    static bool typeOver(QTableWidget* t, const QString& text) {
        t->setFocus();
        QTest::keyClick(t, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!editor)
            return false;
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        editorsGone();
        return true;
    }
    int dialogsOf(const char* className) const {
        return static_cast<int>(m_runner.dialogs.count(QString::fromLatin1(className)));
    }
};

// A drop-down cell opens its list on the arrow and from the keyboard, and a choice goes to the
// cell at once, as a typed edit does: the hop's bitterness follows.
TEST_F(GridEntry, ADropDownCellTakesAChoiceByMouseAndKeyboard) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    QTableWidget* hops = at(SheetHops, 1, 3);
    const QString ibu = grid()->GetCellText(1, 5, SheetHops);
    QComboBox* box = openEditor(hops);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 2);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
    ASSERT_TRUE(box->view()->isVisible()) << "no list on a click of the arrow";
    QTest::keyClick(box->view(), Qt::Key_Down);
    QTest::keyClick(box->view(), Qt::Key_Return);
    editorsGone();
    EXPECT_EQ(grid()->GetCellText(1, 3, SheetHops), QStringLiteral("g"));
    EXPECT_NE(grid()->GetCellText(1, 5, SheetHops), ibu) << "the bitterness did not follow";
    EXPECT_TRUE(form()->commands().isModified());

    // Alt+Down and F4 open the list; the first letter chooses.
    for (const auto& [key, mods] :
         {std::pair{Qt::Key_Down, Qt::AltModifier}, std::pair{Qt::Key_F4, Qt::NoModifier}}) {
        hops->setFocus();
        box = openEditor(hops);
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, key, mods);
        EXPECT_TRUE(box->view()->isVisible());
        QTest::keyClick(box->view(), Qt::Key_Escape);
        EXPECT_FALSE(box->view()->isVisible());
        QTest::keyClick(box, Qt::Key_Escape);
        editorsGone();
    }
    hops->setFocus();
    box = openEditor(hops);
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_O);
    QTest::keyClick(box, Qt::Key_Return);
    editorsGone();
    EXPECT_EQ(grid()->GetCellText(1, 3, SheetHops), QStringLiteral("oz"));
    EXPECT_EQ(grid()->GetCellText(1, 5, SheetHops), ibu);

    // The yeast's type, by the keyboard alone.
    QTableWidget* yeasts = at(SheetYeasts, 1, 2);
    box = openEditor(yeasts);
    ASSERT_NE(box, nullptr);
    const QString before = box->currentText();
    QTest::keyClick(box, before == QLatin1String("Ale") ? Qt::Key_L : Qt::Key_A);
    QTest::keyClick(box, Qt::Key_Return);
    editorsGone();
    EXPECT_NE(grid()->GetCellText(1, 2, SheetYeasts), before);
}

// A right click on an ingredient opens the grid's row menu, never the recipe's Record menu,
// whose Delete would delete the whole recipe.
TEST_F(GridEntry, ARightClickOpensTheRowMenuNeverTheRecordMenu) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    QTableWidget* hops = sheet(SheetHops);
    rightClick(hops->viewport(), cellCenter(hops, 1, 2));
    EXPECT_EQ(openMenu(), QStringLiteral("ingredientsPopup"));
    // The append row offers the choice of an ingredient.
    rightClick(hops->viewport(), cellCenter(hops, grid()->GetRowCount(SheetHops) - 1, 0));
    EXPECT_EQ(openMenu(), QStringLiteral("ingredientsPopup"));
    // The heading and the empty space below the rows open nothing.
    QHeaderView* heading = hops->horizontalHeader();
    rightClick(heading, QPoint(heading->sectionPosition(1) + 5, heading->height() / 2));
    EXPECT_EQ(openMenu(), QString());
    rightClick(hops->viewport(), QPoint(5, hops->viewport()->height() - 5));
    EXPECT_EQ(openMenu(), QString());
    // The Menu key opens the row menu at the current cell.
    at(SheetHops, 1, 0);
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5),
                          hops->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(hops, &key);
    EXPECT_EQ(openMenu(), QStringLiteral("ingredientsPopup"));
}

// Ctrl+S commits; the grid's own S (select an ingredient) is the letter alone, whichever key
// the brewer lets go of first.
TEST_F(GridEntry, CtrlSCommitsAndOpensNoLookup) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    QTableWidget* hops = at(SheetHops, 1, 2);
    grid()->editCell(1, 2, QStringLiteral("2"), SheetHops);
    ASSERT_TRUE(form()->commands().isModified());
    hops->setFocus();
    QTest::keyPress(hops, Qt::Key_Control);
    QTest::keyPress(hops, Qt::Key_S, Qt::ControlModifier);
    QTest::keyRelease(hops, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyRelease(hops, Qt::Key_S);
    EXPECT_EQ(dialogsOf("wsc::CLookupDlg"), 0);
    EXPECT_FALSE(form()->commands().isModified());
    EXPECT_EQ(committed(QStringLiteral("SELECT IngHopsWeight FROM Ingredients_Hops WHERE "
                                       "IngRecipeID = 2 AND IngHopsName = 'Centennial'"))
                  .toDouble(),
              2.0);
    EXPECT_EQ(grid()->GetCellText(1, 2, SheetHops), QStringLiteral("2"));
    // The letter alone still selects, and the menu shows the letters.
    hops->setFocus();
    QTest::keyClick(hops, Qt::Key_S);
    EXPECT_EQ(dialogsOf("wsc::CLookupDlg"), 1);
    std::unique_ptr<QMenu> menu(grid()->createPopupMenu(1));
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << a->text();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("&Select Ingredient\tS"),
                                  QStringLiteral("&Calculate Bitterness\tC"), QString(),
                                  QStringLiteral("&Delete Ingredient\tD"), QString(),
                                  QStringLiteral("Cancel Menu\tEsc")}));
}

// A number cell never reads a text as another number: "0,5" is a half, in either locale.
TEST_F(GridEntry, ADecimalCommaIsADecimalMark) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    QTableWidget* hops = at(SheetHops, 1, 2);
    QTest::keyClick(hops, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("0,5"));
    QTest::keyClick(editor, Qt::Key_Return);
    editorsGone();
    EXPECT_EQ(grid()->GetCellText(1, 2, SheetHops), QStringLiteral("0.5"));
    // A thousands mark is no number: refused with the cell's message, the cell unchanged.
    m_prompter.clear();
    ASSERT_TRUE(typeOver(hops, QStringLiteral("1,000.5")));
    EXPECT_EQ(grid()->GetCellText(1, 2, SheetHops), QStringLiteral("0.5"));
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(m_prompter.last().text.contains(QStringLiteral("Weight")));
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_EQ(committed(QStringLiteral("SELECT IngHopsWeight FROM Ingredients_Hops WHERE "
                                       "IngRecipeID = 2 AND IngHopsName = 'Centennial'"))
                  .toDouble(),
              0.5);
}

// A number beyond any batch (1e26 ounces of a hop) is refused where it is typed, with the range
// the cell takes; so are infinity and NaN, as no number of 0 or more.
TEST_F(GridEntry, ANumberBeyondAnyBatchIsRefusedWithItsRange) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    QTableWidget* hops = at(SheetHops, 1, 2);
    const QString before = grid()->GetCellText(1, 2, SheetHops);
    const struct {
        const char* typed;
        QString says;
    } cases[] = {
        {"1e26",
         QString::fromLatin1(Texts::kEnterNumberFromTo)
             .arg(QStringLiteral("Weight"), QStringLiteral("0"), QStringLiteral("1000000"))},
        {"inf", QString::fromLatin1(Texts::kEnterQuantity).arg(QStringLiteral("Weight"))},
        {"nan", QString::fromLatin1(Texts::kEnterQuantity).arg(QStringLiteral("Weight"))},
    };
    for (const auto& c : cases) {
        m_prompter.clear();
        ASSERT_TRUE(typeOver(hops, QString::fromLatin1(c.typed)));
        EXPECT_EQ(grid()->GetCellText(1, 2, SheetHops), before) << c.typed;
        ASSERT_EQ(m_prompter.shown().size(), 1u) << c.typed;
        EXPECT_EQ(m_prompter.last().text, c.says);
    }
    // The largest taken comes in.
    m_prompter.clear();
    ASSERT_TRUE(typeOver(hops, QStringLiteral("1000000")));
    EXPECT_EQ(grid()->GetCellText(1, 2, SheetHops), QStringLiteral("1000000"));
    EXPECT_TRUE(m_prompter.shown().empty());
}

// Cancelling the lookup of a row started for it leaves no "<new>" row behind.
TEST_F(GridEntry, CancellingTheLookupFromTheAppendRowLeavesNoRow) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    const int rows = grid()->GetRowCount(SheetHops);
    QTableWidget* hops = at(SheetHops, rows - 1, 0);
    QTest::keyClick(hops, Qt::Key_S);
    EXPECT_EQ(dialogsOf("wsc::CLookupDlg"), 1);
    EXPECT_EQ(grid()->GetRowCount(SheetHops), rows);
    EXPECT_TRUE(grid()->isAppendRow(rows - 1, SheetHops));
    m_prompter.clear();
    frame().runCommand(ID_RECORD_COMMIT);
    for (const Prompt& p : m_prompter.shown())
        EXPECT_FALSE(p.text.contains(QStringLiteral("<new>"))) << p.text.toStdString();
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Ingredients_Hops WHERE "
                                       "IngRecipeID = 2")),
              rows - 2);
}

// Tab moves on to the next control (Ctrl+Tab stays the main window's: the next child window);
// within the grid the arrow keys move, and a digit typed into a number cell starts its edit.
TEST_F(GridEntry, TabLeavesTheGridAndADigitStartsAnEdit) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    QTableWidget* hops = at(SheetHops, 1, 1);
    QTest::keyClick(hops, Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_FALSE(grid()->isAncestorOf(focus)) << focus->metaObject()->className();
    hops = at(SheetHops, 1, 1);
    QTest::keyClick(hops, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(grid()->isAncestorOf(QApplication::focusWidget()));

    hops = at(SheetHops, 1, 1);
    QTest::keyClick(hops, Qt::Key_Right);
    int row = 0;
    int col = 0;
    grid()->GetCurrentCell(row, col);
    EXPECT_EQ(col, 2);
    QTest::keyClick(hops, Qt::Key_3, Qt::KeypadModifier);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("3"));
    QTest::keyClick(editor, Qt::Key_5);
    QTest::keyClick(editor, Qt::Key_Return);
    editorsGone();
    EXPECT_EQ(grid()->GetCellText(1, 2, SheetHops), QStringLiteral("35"));
}

} // namespace
} // namespace wsc
