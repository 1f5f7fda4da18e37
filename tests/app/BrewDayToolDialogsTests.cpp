// The brew-day tools' dialogs from the Calculators menu, typed into with real keys, in the
// units the brewer chose.
#include "AppFixture.h"

#include "app/calculators/CBrewDayToolDlg.h"
#include "app/shell/CMainFrame.h"
#include "app/widgets/CColorLabel.h"
#include "core/calc/UnitPreference.h"
#include "core/calculators/BrewDayTools.h"
#include "core/settings/MessageCatalog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QtTest/QTest>

namespace wsc {
namespace {

class BrewDayToolDialogs : public test::FormFixture {
protected:
    // Runs a Calculators menu command; `body` works the dialog while it is open.
    void run(int command, const std::function<void(CBrewDayToolDlg&)>& body) {
        bool ran = false;
        m_runner.onDialog = [&](QDialog& d) {
            auto* dlg = qobject_cast<CBrewDayToolDlg*>(&d);
            if (!dlg)
                return int(QDialog::Rejected);
            dlg->show();
            body(*dlg);
            ran = true;
            return int(QDialog::Rejected);
        };
        frame().runCommand(command);
        m_runner.onDialog = nullptr;
        EXPECT_TRUE(ran);
    }
    // Types into a field as a brewer does: clicked into, its text replaced.
    static void type(CBrewDayToolDlg& dlg, const char* key, const QString& text,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        auto* e = dlg.findChild<QLineEdit*>(QString::fromLatin1(key));
        ASSERT_NE(e, nullptr) << key;
        e->setFocus(Qt::MouseFocusReason);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text, modifiers);
    }
    static QString shown(CBrewDayToolDlg& dlg, const char* key) {
        return dlg.findChild<QLineEdit*>(QString::fromLatin1(key))->text();
    }
};

// Metric units: grams, litres and °C in the labels; the sugar picked from its list with the
// keyboard; Enter calculates. 20 °C is 68 °F; 18.927 L of beer for 2.4 volumes takes 117.8 g
// of corn sugar or 111.9 g of table sugar (its share 1.0526).
TEST_F(BrewDayToolDialogs, PrimingInMetricUnitsByTheKeyboard) {
    openSamples();
    WriteUnitChoice(m_profile, UnitChoice::metric());
    run(ID_CALC_PRIMING, [&](CBrewDayToolDlg& dlg) {
        EXPECT_EQ(dlg.label(PrimingCalculator::Sugar)->text(), QStringLiteral("&Sugar (g)"));
        EXPECT_EQ(dlg.label(PrimingCalculator::Beer)->text(), QStringLiteral("&Beer volume (L)"));
        type(dlg, "volumes", QStringLiteral("2.4"));
        // Keypad digits and a decimal comma, as a brewer with a number pad types them.
        type(dlg, "beer", QStringLiteral("18,927"), Qt::KeypadModifier);
        type(dlg, "temperature", QStringLiteral("20"));
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
        EXPECT_EQ(shown(dlg, "sugar"), QStringLiteral("117.8"));
        EXPECT_EQ(shown(dlg, "residual"), QStringLiteral("0.86"));
        EXPECT_EQ(dlg.colorLabel(PrimingCalculator::Sugar)->textColor(),
                  CCalculatorDlg::highlightColour());

        QComboBox* kind = dlg.choiceList(PrimingCalculator::Kind);
        ASSERT_NE(kind, nullptr);
        EXPECT_EQ(kind->currentText(), QStringLiteral("corn sugar (dextrose)"));
        kind->setFocus();
        QTest::keyClick(kind, Qt::Key_Down);
        EXPECT_EQ(kind->currentText(), QStringLiteral("table sugar (sucrose)"));
        QTest::mouseClick(dlg.recalculateButton(), Qt::LeftButton);
        EXPECT_EQ(shown(dlg, "sugar"), QStringLiteral("111.9"));
        EXPECT_TRUE(m_prompter.shown().empty());
    });
}

// US units: a reading corrected, then the other way round from the list; a temperature that is
// no number is refused with the field's name and changes nothing.
TEST_F(BrewDayToolDialogs, HydrometerBothWaysAndABadTemperature) {
    openSamples();
    run(ID_CALC_HYDROMETER, [&](CBrewDayToolDlg& dlg) {
        EXPECT_EQ(shown(dlg, "calibration"), QStringLiteral("60"));
        type(dlg, "reading", QStringLiteral("1.050"));
        type(dlg, "sample", QStringLiteral("80"));
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
        EXPECT_EQ(shown(dlg, "corrected"), QStringLiteral("1.052"));

        QListView* list = dlg.unknownList();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->currentIndex().row(), 1);          // solved for: the corrected gravity
        list->setCurrentIndex(list->model()->index(0, 0)); // "Reading"
        EXPECT_TRUE(shown(dlg, "reading").isEmpty());
        type(dlg, "corrected", QStringLiteral("1.0524"));
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
        EXPECT_EQ(shown(dlg, "reading"), QStringLiteral("1.050"));

        type(dlg, "sample", QStringLiteral("hot"));
        QTest::mouseClick(dlg.recalculateButton(), Qt::LeftButton);
        ASSERT_EQ(m_prompter.shown().size(), 1u);
        EXPECT_EQ(m_prompter.last().text, QString::fromLatin1(Texts::kEnterNumber)
                                              .arg(QStringLiteral("Sample temperature (\u00b0F)")));
        // What was typed stays; the quantity being solved for reads 0, as in every calculator.
        EXPECT_EQ(shown(dlg, "corrected"), QStringLiteral("1.0524"));
        EXPECT_EQ(shown(dlg, "sample"), QStringLiteral("hot"));
        EXPECT_EQ(shown(dlg, "reading"), QStringLiteral("0"));
    });
}

} // namespace
} // namespace wsc
