// Keys, pages and dialogs as a brewer meets them in a real window: what each key does is what
// the window says it does.
#include "AppFixture.h"

#include "app/about/CCreditsDlg.h"
#include "app/form/CRecipeFormSheet.h"
#include "app/form/CRecipePage.h"
#include "app/form/CRecipePropertySheet.h"
#include "app/form/CRecipeRatingDlg.h"
#include "app/form/CRecipeSpecGravities.h"
#include "app/reference/CLookupDlg.h"
#include "app/reference/CSortListCtrl.h"
#include "app/shell/CMainFrame.h"
#include "app/widgets/CColorLabel.h"
#include "app/widgets/CheckableDateEdit.h"
#include "app/widgets/Commands.h"
#include "app/widgets/QtPrompter.h"
#include "app/widgets/ScreenFit.h"
#include "core/calc/UtilizationTable.h"
#include "core/help/HelpContexts.h"
#include "support/FormParts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>

namespace wsc {
namespace {

class WindowKeys : public test::FormFixture {
protected:
    bool openActive() {
        openSamples();
        frame().activateWindow();
        return QTest::qWaitForWindowActive(&frame());
    }
    CRecipePage* page(int k) { return test::Sheet(form())->page(k); }
    // The letters the menu bar opens its menus with.
    QString menuLetters() {
        QString letters;
        for (QAction* a : frame().menuBar()->actions()) {
            const qsizetype at = a->text().indexOf(u'&');
            if (at >= 0 && at + 1 < a->text().size())
                letters += a->text().at(at + 1).toLower();
        }
        return letters;
    }
};

// Copy has a key that reaches the program in every session (Ctrl+Alt+keypad + is a video-mode
// switch in Debian's keyboard map), and the menu shows that one; the old one still works.
TEST_F(WindowKeys, CopyHasAKeyEverySessionDelivers) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    QAction* copy = frame().action(ID_RECORD_COPY);
    ASSERT_GE(copy->shortcuts().size(), 2);
    EXPECT_EQ(copy->shortcut(), QKeySequence(Qt::ControlModifier | Qt::ShiftModifier |
                                             Qt::KeypadModifier | Qt::Key_Plus));
    m_profile.setInteger(Setting::DisplayWarnings, 0);
    form()->commands().readPreferences();
    for (const Qt::KeyboardModifiers mods :
         {Qt::ControlModifier | Qt::ShiftModifier, Qt::ControlModifier | Qt::AltModifier}) {
        goToBatch(3);
        QTest::keyClick(test::NameEdit(form()), Qt::Key_Plus, mods | Qt::KeypadModifier);
        EXPECT_EQ(test::NameEdit(form())->text(), QStringLiteral("Copy of Porch Stout")) << mods;
        frame().runCommand(ID_RECORD_REFRESH);
    }
}

// Every menu of the menu bar opens with its Alt letter wherever the focus is on the form, on
// every page; no label of the form takes one of those letters.
TEST_F(WindowKeys, EveryMenuOpensWithItsAltLetterFromEveryPage) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    const QString letters = menuLetters();
    ASSERT_EQ(letters, QStringLiteral("ferdcpvtwh"));
    for (int k = 0; k < test::Sheet(form())->pageCount(); ++k) {
        form()->showPage(k);
        for (QWidget* w : form()->findChildren<QWidget*>()) {
            if (!w->isVisible())
                continue;
            QString text;
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                text = b->text();
            else if (auto* l = qobject_cast<QLabel*>(w))
                text = l->text();
            else if (auto* g = qobject_cast<QGroupBox*>(w))
                text = g->title();
            const qsizetype at = text.indexOf(u'&');
            if (at >= 0 && at + 1 < text.size() && text.at(at + 1) != u'&') {
                EXPECT_FALSE(letters.contains(text.at(at + 1).toLower()))
                    << "page " << k << ": " << text.toStdString();
            }
        }
        // And the real key, with the focus in a field of the page.
        QWidget* field = page(k)->findChild<QLineEdit*>();
        if (!field)
            field = test::NameEdit(form());
        field->setFocus();
        for (QAction* a : frame().menuBar()->actions()) {
            const qsizetype at = a->text().indexOf(u'&');
            const auto key =
                static_cast<Qt::Key>(Qt::Key_A + (a->text().at(at + 1).toLower().unicode() - u'a'));
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
            auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            EXPECT_EQ(open, a->menu()) << "page " << k << ": Alt+" << a->text().toStdString();
            if (open)
                open->close();
            frame().activateWindow();
            (void)QTest::qWaitForWindowActive(&frame());
            field->setFocus();
        }
    }
}

// F1 opens the topic of the focused page or window; Help > Help Topics keeps the contents.
TEST_F(WindowKeys, F1OpensTheTopicOfThePageWithTheFocus) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    const std::pair<int, int> pages[] = {{CRecipeFormSheet::PageMash, HelpContext::kMash},
                                         {CRecipeFormSheet::PageRating, HelpContext::kRating}};
    for (const auto& [k, context] : pages) {
        form()->showPage(k);
        QWidget* field = page(k)->findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_F1);
        ASSERT_FALSE(m_help.contexts.empty());
        EXPECT_EQ(m_help.contexts.back(), context);
    }
    test::NameEdit(form())->setFocus();
    QTest::keyClick(test::NameEdit(form()), Qt::Key_F1);
    EXPECT_EQ(m_help.contexts.back(), HelpContext::kRecipeForm);
    EXPECT_TRUE(frame().action(ID_HELP_INDEX)->shortcut().isEmpty());
}

// A text field's tip says "Use Ctrl+Enter to force line break": it does, and Tab moves on.
TEST_F(WindowKeys, CtrlEnterBreaksTheLineOfATextField) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    form()->showPage(CRecipeFormSheet::PageComments);
    auto* comments = page(CRecipeFormSheet::PageComments)
                         ->findChild<QPlainTextEdit*>(QStringLiteral("comments"));
    ASSERT_NE(comments, nullptr);
    comments->setFocus();
    comments->clear();
    QTest::keyClicks(comments, QStringLiteral("one"));
    QTest::keyClick(comments, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(comments, QStringLiteral("two"));
    QTest::keyClick(comments, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    QTest::keyClicks(comments, QStringLiteral("three"));
    EXPECT_EQ(comments->toPlainText(), QStringLiteral("one\ntwo\nthree"));
    QTest::keyClick(comments, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), comments);
    EXPECT_EQ(comments->toPlainText(), QStringLiteral("one\ntwo\nthree"));
}

// Tab reaches a date's tick box whether the date is ticked or not, then the date.
TEST_F(WindowKeys, TabReachesTickedAndUntickedDateBoxes) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    form()->showPage(CRecipeFormSheet::PageFermentation);
    const auto dates = page(CRecipeFormSheet::PageFermentation)->findChildren<CheckableDateEdit*>();
    ASSERT_GE(dates.size(), 2);
    dates[0]->setChecked(true);
    dates[1]->setChecked(false);
    QWidget* before = dates[0]->checkBox()->previousInFocusChain();
    while (!(before->focusPolicy() & Qt::TabFocus) || !before->isEnabled())
        before = before->previousInFocusChain();
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dates[0]->checkBox());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dates[0]->dateEdit());
}

// A score is a whole number within its range, refused where it is typed; the total is one of
// the 20-point scale, and the page is not left while a score is refused.
TEST_F(WindowKeys, ARatingScoreOutsideItsRangeIsRefusedWhereItIsTyped) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    form()->showPage(CRecipeFormSheet::PageRating);
    auto* rating = static_cast<CRecipeRatingDlg*>(page(CRecipeFormSheet::PageRating));
    QLineEdit* appearance = rating->scoreEdit(0);
    appearance->setFocus();
    appearance->selectAll();
    QTest::keyClicks(appearance, QStringLiteral("9"));
    EXPECT_TRUE(rating->total()->text().isEmpty()) << rating->total()->text().toStdString();
    m_prompter.clear();
    QTest::keyClick(appearance, Qt::Key_Return);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Data Error:\nPlease enter a whole number from 0 to 3 in the field "
                             "\"Appearance (15%)\"."));
    // Another page: refused, the page stays.
    m_prompter.clear();
    form()->showPage(CRecipeFormSheet::PageComments);
    EXPECT_EQ(test::Sheet(form())->currentIndex(), CRecipeFormSheet::PageRating);
    EXPECT_EQ(m_prompter.shown().size(), 1u);
    // Letters, then Commit: refused, on this page.
    appearance->setFocus();
    appearance->selectAll();
    QTest::keyClicks(appearance, QStringLiteral("ab"));
    m_prompter.clear();
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_FALSE(m_prompter.shown().empty());
    EXPECT_EQ(test::Sheet(form())->currentIndex(), CRecipeFormSheet::PageRating);
    EXPECT_TRUE(form()->commands().isModified());
    // A score the scale has: the total again, and the page can be left.
    appearance->setFocus();
    appearance->selectAll();
    QTest::keyClicks(appearance, QStringLiteral("3"));
    EXPECT_FALSE(rating->total()->text().isEmpty());
    EXPECT_LE(rating->total()->text().toInt(), 20);
    form()->showPage(CRecipeFormSheet::PageComments);
    EXPECT_EQ(test::Sheet(form())->currentIndex(), CRecipeFormSheet::PageComments);
}

// While a box of the calculation run is open, the form already shows the run's outcome.
TEST_F(WindowKeys, TheCalculationStatusIsShownBeforeItsMessageBox) {
    openSamples();
    std::vector<std::pair<int, QString>> seen;
    m_prompter.onShow = [&](const Prompt& p) {
        if (p.helpContext == 12 || p.helpContext == 13)
            seen.emplace_back(p.helpContext, test::StatusLabel(form())->text());
    };
    // Every sample recipe, as Target Style runs it (box 12 when the run has messages) and as
    // "Msgs" does (box 13 when it has none).
    for (int batch = 1; batch <= 8; ++batch) {
        goToBatch(batch);
        form()->OnTargetStyle();
        form()->OnMsgs();
    }
    m_prompter.onShow = nullptr;
    ASSERT_FALSE(seen.empty()) << "no box 12 or 13 was shown";
    for (const auto& [box, status] : seen)
        EXPECT_EQ(status, box == 12 ? QStringLiteral("Errors") : QStringLiteral("No Errors"))
            << "behind box " << box;
}

// The credits close on Enter, as Escape closes them.
TEST_F(WindowKeys, EnterClosesTheCredits) {
    CCreditsDlg credits(m_prompter);
    credits.show();
    QTest::keyClick(&credits, Qt::Key_Return);
    EXPECT_EQ(credits.result(), QDialog::Accepted);
    EXPECT_FALSE(credits.isVisible());
}

// A message box of a dialog sits over that dialog, so the dialog stays above the main window.
TEST_F(WindowKeys, AMessageBoxSitsOverTheDialogThatAsks) {
    QWidget main;
    main.show();
    QDialog dialog(&main);
    dialog.setModal(true);
    dialog.show();
    QtPrompter prompter(&main);
    QWidget* parent = nullptr;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            parent = box->parentWidget();
            box->done(QMessageBox::Ok);
        }
    });
    prompter.text(QStringLiteral("Anything"));
    EXPECT_EQ(parent, &dialog);
}

// A window too large for the screen is made to fit it, title bar and all.
TEST_F(WindowKeys, AWindowIsPutOnTheScreen) {
    QWidget window;
    window.resize(5000, 4000);
    FitOnScreen(window);
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(free.contains(QRect(window.pos(), window.size())))
        << window.x() << "," << window.y();
    EXPECT_GT(window.y(), free.top());
}

TEST(Utilization, AnEntryOfZeroIsAValueNotAGap) {
    UtilizationTable table;
    table.setEntry(UtilizationTable::groupFor(30), UtilizationTable::columnFor(1.050), 0.0);
    QStringList said;
    const double u = table.lookup(30, 1.050, false, nullptr, [&](const QString& m) { said << m; });
    EXPECT_EQ(u, 0.0);
    EXPECT_TRUE(said.isEmpty()) << said.join(u'\n').toStdString();
    // An entry never loaded is still outside the table.
    table.lookup(60, 1.050, false, nullptr, [&](const QString& m) { said << m; });
    EXPECT_EQ(said.size(), 1);
}

class LookupFinding : public test::FormFixture {
protected:
    std::unique_ptr<CLookupDlg> make(LookupKind kind, AdjunctMode mode = AdjunctMode::All) {
        auto dlg = std::make_unique<CLookupDlg>(kind, m_services, nullptr, &m_runner);
        dlg->setAdjunctMode(mode);
        EXPECT_TRUE(dlg->OnInitDialog());
        dlg->show();
        return dlg;
    }
    static QString current(CLookupDlg& dlg, int column) {
        return dlg.list()->text(dlg.list()->currentRow(), column);
    }
    static int column(CLookupDlg& dlg, const QString& heading) {
        for (int c = 0; c < dlg.list()->columnCount(); ++c) {
            if (dlg.list()->headerText(c) == heading)
                return c;
        }
        return -1;
    }
};

// Type-ahead searches the column the list is sorted by; the find box narrows the list.
TEST_F(LookupFinding, TypeAheadSearchesTheSortedColumnAndTheFindBoxNarrows) {
    openSamples();
    auto dlg = make(LookupKind::Grains);
    const int name = column(*dlg, QStringLiteral("Name"));
    ASSERT_GT(name, 0) << "the grain lookup has its name in a later column";
    dlg->list()->SortBy(name, Qt::AscendingOrder);
    dlg->list()->setFocus();
    QTest::keyClick(dlg->list(), Qt::Key_M);
    EXPECT_TRUE(current(*dlg, name).startsWith(u'M', Qt::CaseInsensitive))
        << current(*dlg, name).toStdString();

    const int all = dlg->list()->rowCount();
    QTest::keyClicks(dlg->filter(), QStringLiteral("crystal 40"));
    const int shown = dlg->list()->rowCount();
    for (int i = 0; i < shown; ++i)
        EXPECT_TRUE(
            dlg->list()->text(i, name).contains(QStringLiteral("Crystal 40"), Qt::CaseInsensitive));
    EXPECT_GE(shown, 1);
    EXPECT_LT(shown, all);
    EXPECT_TRUE(current(*dlg, name).contains(QStringLiteral("Crystal 40"), Qt::CaseInsensitive));
    // Enter in the find box chooses the row shown.
    QTest::keyClick(dlg->filter(), Qt::Key_Return);
    ASSERT_TRUE(dlg->lookupResult());
    EXPECT_TRUE(
        dlg->lookupResult()->name.contains(QStringLiteral("Crystal 40"), Qt::CaseInsensitive));
}

// Each column is as wide as its widest entry: no name is cut.
TEST_F(LookupFinding, ColumnsAreAsWideAsTheirEntries) {
    openSamples();
    auto dlg = make(LookupKind::Hops);
    CSortListCtrl* list = dlg->list();
    for (int c = 0; c < list->columnCount(); ++c) {
        int widest = 0;
        for (int i = 0; i < list->rowCount(); ++i)
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->text(i, c)));
        EXPECT_GE(list->columnWidth(c), widest) << list->headerText(c).toStdString();
    }
}

// Info on the two priming methods that are no row of the table says what they are.
TEST_F(LookupFinding, InfoOnTheFixedPrimingMethodsSaysWhatTheyAre) {
    openSamples();
    auto dlg = make(LookupKind::Adjuncts, AdjunctMode::PrimingOnly);
    for (int row : {0, 1}) {
        dlg->selectRow(row);
        m_prompter.clear();
        dlg->ShowInfo();
        ASSERT_EQ(m_prompter.shown().size(), 1u) << row;
        EXPECT_TRUE(m_prompter.last().text.startsWith(dlg->list()->text(row, 0)));
    }
}

} // namespace
} // namespace wsc
