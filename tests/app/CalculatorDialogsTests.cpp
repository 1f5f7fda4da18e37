#include "AppFixture.h"

#include "app/calculators/CABVABWDlg.h"
#include "app/calculators/CAlcoholCalcDlg.h"
#include "app/calculators/CBitternessCalcDlg.h"
#include "app/calculators/COGCalcDlg.h"
#include "app/calculators/CSGBallingDlg.h"
#include "app/reference/CLookupDlg.h"
#include "app/reference/CSortListCtrl.h"
#include "app/shell/CMainFrame.h"
#include "app/widgets/CColorLabel.h"
#include "app/widgets/CControlTipWnd.h"
#include "core/calculators/AlcoholCalculator.h"
#include "core/calculators/TwoWayConverter.h"
#include "core/document/CWscalcDoc.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QtTest/QTest>

namespace wsc {
namespace {

using B = BitternessCalculator::Field;
using G = GravityCalculator::Field;

class CalculatorDialogs : public test::FormFixture {
protected:
    void SetUp() override {
        openSamples();
        m_runner.dialogs.clear();
    }

    // Shows the dialog as the active window, so focus moves as it does for the user.
    void showActive(QDialog& dlg) {
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
    // Clicks into a field (all its text selected, as after Tab) and types over it.
    static void typeInto(QLineEdit* e, const QString& text) {
        e->setFocus(Qt::MouseFocusReason);
        e->selectAll();
        if (text.isEmpty())
            QTest::keyClick(e, Qt::Key_Backspace);
        else
            QTest::keyClicks(e, text);
    }
    static QWidget* focused() { return QApplication::focusWidget(); }
    static void tab() { QTest::keyClick(focused(), Qt::Key_Tab); }
    static void enter() { QTest::keyClick(focused(), Qt::Key_Return); }
    static bool blue(CCalculatorDlg& dlg, int field) {
        return dlg.colorLabel(field)->textColor() == CCalculatorDlg::highlightColour();
    }
    // Answers the lookup a calculator opens by choosing the row showing `name`.
    void chooseInLookup(const QString& name) {
        m_runner.onDialog = [name](QDialog& d) {
            auto* lookup = qobject_cast<CLookupDlg*>(&d);
            if (!lookup)
                return int(QDialog::Rejected);
            CSortListCtrl* list = lookup->list();
            for (int row = 0; row < list->rowCount(); ++row) {
                for (int col = 0; col < list->columnCount(); ++col) {
                    if (list->text(row, col) == name) {
                        lookup->selectRow(row);
                        lookup->accept();
                        return int(QDialog::Accepted);
                    }
                }
            }
            return int(QDialog::Rejected);
        };
    }
};

TEST_F(CalculatorDialogs, BitternessThroughTheKeyboard) {
    CBitternessCalcDlg dlg(*frame().document(), m_runner, &frame());
    showActive(dlg);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Bitterness Calculator"));
    EXPECT_EQ(dlg.hopLabel()->text(), QStringLiteral("None Selected, 0.0"));
    EXPECT_FALSE(dlg.recalculateButton()->isEnabled());
    EXPECT_FALSE(dlg.unknownList()->isEnabled());
    EXPECT_EQ(dlg.edit(B::Utilization)->text(), QStringLiteral("0.034"));

    // Gravity, then Tab: the utilization follows at once; then the boil time.
    typeInto(dlg.edit(B::Gravity), QStringLiteral("1.050"));
    tab();
    EXPECT_EQ(focused(), dlg.edit(B::Time));
    EXPECT_EQ(dlg.edit(B::Utilization)->text(), QStringLiteral("0.029"));
    QTest::keyClicks(focused(), QStringLiteral("60")); // Tab selected the old text
    tab();
    EXPECT_EQ(dlg.edit(B::Utilization)->text(), QStringLiteral("0.231"));
    EXPECT_EQ(focused(), dlg.edit(B::Ibu));
    QTest::keyClick(focused(), Qt::Key_Backspace); // the IBUs are the unknown
    typeInto(dlg.edit(B::Alpha), QStringLiteral("5"));
    enter();

    EXPECT_TRUE(dlg.isVisible()); // Enter calculates, it does not close
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(dlg.edit(B::Ibu)->text(), QStringLiteral("17"));
    EXPECT_EQ(dlg.edit(B::Hbu)->text(), QStringLiteral("5.0"));
    EXPECT_TRUE(blue(dlg, B::Ibu));
    EXPECT_FALSE(blue(dlg, B::Weight));
    EXPECT_TRUE(dlg.recalculateButton()->isEnabled());
    EXPECT_TRUE(dlg.unknownList()->isEnabled());
    EXPECT_EQ(dlg.unknownList()->currentIndex().row(), 0);
    EXPECT_EQ(focused(), dlg.edit(B::Alpha));
    EXPECT_EQ(dlg.edit(B::Alpha)->selectedText(), QStringLiteral("5"));
    EXPECT_GT(dlg.edit(B::Ibu)->font().pixelSize(), dlg.edit(B::Weight)->fontInfo().pixelSize());
    EXPECT_TRUE(dlg.edit(B::Ibu)->font().bold());

    // Twice the alpha, Recalculate: the IBUs again.
    QTest::keyClicks(focused(), QStringLiteral("10"));
    QTest::mouseClick(dlg.recalculateButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.edit(B::Ibu)->text(), QStringLiteral("35"));

    // The weight picked from the list: emptied, blue, and solved as a whole number.
    QTest::mouseClick(
        dlg.unknownList()->viewport(), Qt::LeftButton, {},
        dlg.unknownList()->visualRect(dlg.unknownList()->model()->index(1, 0)).center());
    EXPECT_EQ(dlg.edit(B::Weight)->text(), QStringLiteral("0"));
    EXPECT_TRUE(blue(dlg, B::Weight));
    EXPECT_FALSE(blue(dlg, B::Ibu));
    EXPECT_EQ(focused(), dlg.edit(B::Weight));
    typeInto(dlg.edit(B::Ibu), QStringLiteral("52"));
    enter();
    EXPECT_EQ(dlg.edit(B::Weight)->text(), QStringLiteral("2")); // 1.5 ounces, rounded
    EXPECT_EQ(focused(), dlg.edit(B::Ibu));

    // English and Metric solve for the weight again in the other units.
    QTest::mouseClick(dlg.metricButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.weightUnitLabel()->text(), QStringLiteral("Grams"));
    EXPECT_EQ(dlg.volumeUnitLabel()->text(), QStringLiteral("Liters"));
    EXPECT_EQ(dlg.edit(B::Weight)->text(), QStringLiteral("11")); // 52 × 5 / (0.1 × 1000 × u)

    QTest::mouseClick(dlg.clearButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.edit(B::Weight)->text(), QStringLiteral("1"));
    EXPECT_EQ(dlg.edit(B::Time)->text(), QStringLiteral("3"));
    EXPECT_EQ(dlg.weightUnitLabel()->text(), QStringLiteral("Onces"));
    EXPECT_TRUE(dlg.englishButton()->isChecked());
    EXPECT_FALSE(blue(dlg, B::Weight));
    EXPECT_FALSE(dlg.recalculateButton()->isEnabled());
    EXPECT_EQ(dlg.unknownList()->currentIndex().row(), -1);
    EXPECT_EQ(focused(), dlg.edit(B::Weight));
}

TEST_F(CalculatorDialogs, BitternessRefusesWhatItCannotSolveAndKeepsTheTyping) {
    CBitternessCalcDlg dlg(*frame().document(), m_runner, &frame());
    showActive(dlg);
    typeInto(dlg.edit(B::Alpha), QStringLiteral("five"));
    enter();
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Data Error:\nPlease enter a number in the field \"% Alpha acid of "
                             "hops\"."));
    EXPECT_EQ(dlg.edit(B::Alpha)->text(), QStringLiteral("five"));
    EXPECT_EQ(focused(), dlg.edit(B::Alpha));

    // A gravity outside the table: the warning on leaving the field, the focus stays there.
    m_prompter.clear();
    typeInto(dlg.edit(B::Gravity), QStringLiteral("1.200"));
    tab();
    QApplication::processEvents();
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.last().icon, PromptIcon::Information);
    EXPECT_EQ(focused(), dlg.edit(B::Gravity));
    EXPECT_EQ(dlg.edit(B::Utilization)->text(), QStringLiteral("0.000"));
    // Solving for the weight with it: an error naming the utilization, no infinity.
    typeInto(dlg.edit(B::Alpha), QStringLiteral("5"));
    typeInto(dlg.edit(B::Ibu), QStringLiteral("20"));
    typeInto(dlg.edit(B::Weight), QString());
    m_prompter.clear();
    enter();
    EXPECT_TRUE(m_prompter.last().text.contains(QLatin1String("% Utilization of hops = 0")));
    EXPECT_EQ(dlg.edit(B::Weight)->text(), QStringLiteral("0"));
    EXPECT_EQ(dlg.edit(B::Ibu)->text(), QStringLiteral("20"));
}

TEST_F(CalculatorDialogs, AHopFromTheLookupBringsItsAlpha) {
    CBitternessCalcDlg dlg(*frame().document(), m_runner, &frame());
    showActive(dlg);
    chooseInLookup(QStringLiteral("Amarillo"));
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("selectHop")), Qt::LeftButton);
    EXPECT_EQ(m_runner.dialogs.last(), QStringLiteral("wsc::CLookupDlg"));
    EXPECT_EQ(dlg.edit(B::Alpha)->text(), QStringLiteral("9"));
    EXPECT_EQ(dlg.hopLabel()->text(), QStringLiteral("Amarillo, 9.0"));
    // Cancel changes nothing.
    m_runner.onDialog = nullptr;
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("selectHop")), Qt::LeftButton);
    EXPECT_EQ(dlg.hopLabel()->text(), QStringLiteral("Amarillo, 9.0"));
}

TEST_F(CalculatorDialogs, GravityWithIngredientsFromTheLookups) {
    COGCalcDlg dlg(frame().document()->services(), m_runner, &frame());
    showActive(dlg);
    chooseInLookup(QStringLiteral("Extra Light Syrup"));
    dlg.findChild<QPushButton*>(QStringLiteral("Extract"))->click();
    EXPECT_EQ(dlg.edit(G::Potential)->text(), QStringLiteral("1.036"));
    EXPECT_EQ(dlg.edit(G::Efficiency)->text(), QStringLiteral("100"));
    EXPECT_FALSE(dlg.edit(G::Efficiency)->isEnabled());
    EXPECT_EQ(dlg.sourceLabel()->text(), QStringLiteral("Extra Light Syrup"));
    EXPECT_EQ(focused(), dlg.edit(G::Potential));

    typeInto(dlg.edit(G::Weight), QStringLiteral("6"));
    enter();
    EXPECT_EQ(dlg.edit(G::Og)->text(), QStringLiteral("1.043")); // 6 × 36 / 5
    EXPECT_EQ(dlg.edit(G::Balling)->text(), QStringLiteral("10.7"));
    EXPECT_TRUE(blue(dlg, G::Og));

    // Kilograms count 2.2 pounds each at the next calculation.
    QTest::mouseClick(dlg.kilogramsButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.edit(G::Og)->text(), QStringLiteral("1.043"));
    QTest::mouseClick(dlg.recalculateButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.edit(G::Og)->text(), QStringLiteral("1.095"));

    // A grain unlocks the efficiency at 80.
    chooseInLookup(QStringLiteral("2-Row Pale Malt (US)"));
    dlg.findChild<QPushButton*>(QStringLiteral("Grain"))->click();
    EXPECT_EQ(dlg.edit(G::Efficiency)->text(), QStringLiteral("80"));
    EXPECT_TRUE(dlg.edit(G::Efficiency)->isEnabled());
    // Only fermentable adjuncts are offered.
    chooseInLookup(QStringLiteral("Corn Sugar (Dextrose)"));
    dlg.findChild<QPushButton*>(QStringLiteral("Adjunct"))->click();
    EXPECT_EQ(dlg.edit(G::Potential)->text(), QStringLiteral("1.046"));
    EXPECT_FALSE(dlg.edit(G::Efficiency)->isEnabled());

    // An efficiency outside its range, from the keyboard after a grain.
    chooseInLookup(QStringLiteral("2-Row Pale Malt (US)"));
    dlg.findChild<QPushButton*>(QStringLiteral("Grain"))->click();
    typeInto(dlg.edit(G::Efficiency), QStringLiteral("120"));
    m_prompter.clear();
    QTest::mouseClick(dlg.recalculateButton(), Qt::LeftButton);
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{248});

    // The converter opens from here too, modally.
    m_runner.onDialog = nullptr;
    dlg.findChild<QPushButton*>(QStringLiteral("sgBalling"))->click();
    EXPECT_EQ(m_runner.dialogs.last(), QStringLiteral("wsc::CSGBallingDlg"));
}

TEST_F(CalculatorDialogs, AlcoholPredictsTheTerminalGravityAndOpensTheConverters) {
    CAlcoholCalcDlg dlg(frame().document()->services().prompter, m_runner, &frame());
    showActive(dlg);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Alcohol Content Calculator"));
    typeInto(dlg.edit(AlcoholCalculator::Og), QStringLiteral("1.050"));
    tab();
    EXPECT_EQ(focused(), dlg.edit(AlcoholCalculator::Tg));
    QTest::keyClick(focused(), Qt::Key_Delete);
    enter();
    EXPECT_EQ(dlg.edit(AlcoholCalculator::Tg)->text(), QStringLiteral("1.0125"));
    EXPECT_EQ(dlg.edit(AlcoholCalculator::Abv)->text(), QStringLiteral("4.78"));
    EXPECT_EQ(dlg.edit(AlcoholCalculator::Abw)->text(), QStringLiteral("3.83"));
    EXPECT_TRUE(blue(dlg, AlcoholCalculator::Abv));

    typeInto(dlg.edit(AlcoholCalculator::Tg), QStringLiteral("1.050"));
    QTest::mouseClick(dlg.recalculateButton(), Qt::LeftButton);
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{245});
    EXPECT_EQ(dlg.edit(AlcoholCalculator::Tg)->text(), QStringLiteral("1.050"));

    dlg.findChild<QPushButton*>(QStringLiteral("abvAbw"))->click();
    dlg.findChild<QPushButton*>(QStringLiteral("sgBalling"))->click();
    EXPECT_EQ(m_runner.dialogs, QStringList({QStringLiteral("wsc::CABVABWDlg"),
                                             QStringLiteral("wsc::CSGBallingDlg")}));
}

TEST_F(CalculatorDialogs, ConvertersWithTheKeypadUnderADecimalCommaLocale) {
    test::CommaLocale comma;
    CSGBallingDlg sg(frame().document()->services().prompter, m_runner, &frame());
    showActive(sg);
    EXPECT_EQ(sg.edit(SgBallingConverter::Sg)->text(), QStringLiteral("1.000"));
    EXPECT_EQ(sg.tips()->textFor(sg.edit(SgBallingConverter::Sg)),
              QStringLiteral("Specific Gravity\nFormat = 9.999"));
    // Balling 12.5 with the keypad: its decimal key gives a comma here, the field a point.
    QLineEdit* balling = sg.edit(SgBallingConverter::Balling);
    balling->setFocus();
    for (Qt::Key k : {Qt::Key_1, Qt::Key_2})
        QTest::keyClick(balling, k, Qt::KeypadModifier);
    QTest::keyClick(balling, Qt::Key_Comma, Qt::KeypadModifier);
    QTest::keyClick(balling, Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(balling->text(), QStringLiteral("12.5"));
    typeInto(sg.edit(SgBallingConverter::Sg), QString());
    QTest::keyClick(focused(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(sg.edit(SgBallingConverter::Sg)->text(), QStringLiteral("1.050"));
    EXPECT_EQ(balling->text(), QStringLiteral("12.50"));
    EXPECT_TRUE(blue(sg, SgBallingConverter::Sg));
    EXPECT_FALSE(blue(sg, SgBallingConverter::Balling));

    sg.close();
    CABVABWDlg abv(frame().document()->services().prompter, m_runner, &frame());
    showActive(abv);
    typeInto(abv.edit(AbvAbwConverter::Abw), QString());
    enter();
    EXPECT_EQ(abv.edit(AbvAbwConverter::Abw)->text(), QStringLiteral("4.00"));
    typeInto(abv.edit(AbvAbwConverter::Abv), QStringLiteral("25.0"));
    QTest::mouseClick(abv.recalculateButton(), Qt::LeftButton);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Data Error:\nThe By Volume entered (25.0) must be between 0.5 and "
                             "20.00"));
    QTest::mouseClick(abv.clearButton(), Qt::LeftButton);
    EXPECT_EQ(abv.edit(AbvAbwConverter::Abv)->text(), QStringLiteral("5.00"));
    EXPECT_EQ(abv.edit(AbvAbwConverter::Abw)->text(), QStringLiteral("0.00"));
    EXPECT_FALSE(abv.clearButton()->isEnabled());
}

TEST_F(CalculatorDialogs, TheCalculatorsMenuOpensEachWithItsPrompt) {
    QMenu* menu = frame().menu(QStringLiteral("Calculators"));
    ASSERT_NE(menu, nullptr);
    QStringList texts, prompts;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        texts << a->text();
        prompts << a->statusTip();
        a->trigger();
    }
    // The five calculators first, as they always were; the brew-day tools after them.
    EXPECT_EQ(texts.mid(0, 5),
              QStringList({QStringLiteral("&Bitterness Calculator..."),
                           QStringLiteral("&Original Gravity Calculator..."),
                           QStringLiteral("&Alcohol Calculator..."),
                           QStringLiteral("&Specific Gravity to/from Balling..."),
                           QStringLiteral("Alcohol by &Volume to/from by Weight...")}));
    EXPECT_EQ(texts.mid(5),
              QStringList({QStringLiteral("&Priming and Carbonation..."),
                           QStringLiteral("&Hydrometer Temperature Correction..."),
                           QStringLiteral("&Refractometer..."), QStringLiteral("S&trike Water..."),
                           QStringLiteral("Mash &Infusion..."),
                           QStringLiteral("&Dilution and Boil-off...")}));
    EXPECT_EQ(prompts.first(), QStringLiteral("Calculate bitterness related items"));
    EXPECT_EQ(prompts.at(4), QStringLiteral("Convert alcohol related measures"));
    EXPECT_EQ(prompts.last(), QStringLiteral("The water to add or boil off for a gravity"));
    EXPECT_EQ(
        m_runner.dialogs.mid(0, 5),
        QStringList({QStringLiteral("wsc::CBitternessCalcDlg"), QStringLiteral("wsc::COGCalcDlg"),
                     QStringLiteral("wsc::CAlcoholCalcDlg"), QStringLiteral("wsc::CSGBallingDlg"),
                     QStringLiteral("wsc::CABVABWDlg")}));
    EXPECT_EQ(m_runner.dialogs.mid(5), QStringList(6, QStringLiteral("wsc::CBrewDayToolDlg")));
    // The calculators read and write nothing of the recipe.
    EXPECT_FALSE(frame().isCommandEnabled(ID_RECORD_REFRESH));
}

} // namespace
} // namespace wsc
