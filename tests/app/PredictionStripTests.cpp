// The strip of predictions on the recipe form, driven by real edits: each figure against a
// calculation by hand from the brewing formulas, never the program's own functions.
#include "AppFixture.h"

#include "app/document/CWscalcFrame.h"
#include "app/form/CRecipeFormSheet.h"
#include "app/form/CRecipeGrid1.h"
#include "app/form/CRecipeRecipePage.h"
#include "app/form/PredictionStrip.h"
#include "app/shell/CMainFrame.h"
#include "app/widgets/Commands.h"
#include "support/FormParts.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest/QTest>

#include <cmath>

namespace wsc {
namespace {

// Hop utilization as the shipped table holds it: the published formula at the table's own
// gravity column (tenths of gravity points, rounded) and boil time.
double Utilization(double gravity, double minutes) {
    const double column = std::floor((gravity - 1) * 100 + 0.5) / 100 + 1;
    return 1.65 * std::pow(0.000125, column - 1) * (1 - std::exp(-0.04 * minutes)) / 4.15;
}

QString Fixed(double v, int decimals) {
    return QString::number(v, 'f', decimals);
}

class Strip : public test::FormFixture {
protected:
    // Batch 50: 10 lb of pale malt (1.036, 2 °L) and 1 oz of 5 % hops for 60 minutes in 5
    // gallons at 75 %, its stored IBU a stale 99, against a style of 1.045–1.060 and 20–40 IBU.
    // `more` adds rows: a statement with %1 for the recipe's id.
    bool openActive(bool withStyle = true, const QString& more = {}) {
        const QString file = copyShippedSamples();
        execSql(file,
                QStringLiteral(
                    "INSERT INTO Recipes (RecipeBatchNo, RecipeName, RecipeBatchSize, "
                    "RecipeBoilSize, RecipeSystemEfficiencyExpected, RecipeTargetStyle, "
                    "RecipeTargetSpGravLo, RecipeTargetSpGravHi, RecipeTargetAlcoLo, "
                    "RecipeTargetAlcoHi, RecipeTargetIBULo, RecipeTargetIBUHi, "
                    "RecipeTargetColorLo, RecipeTargetColorHi) VALUES (50, 'Strip Pale', 5, 5, "
                    "75, '%1', 1.045, 1.060, 4, 6, 20, 40, 2, 8)")
                    .arg(withStyle ? QStringLiteral("Test Pale") : QString()));
        const QString id =
            QStringLiteral("(SELECT RecipeID FROM Recipes WHERE RecipeBatchNo = 50)");
        execSql(file,
                QStringLiteral("INSERT INTO Ingredients_Grains (IngRecipeID, IngGrainsName, "
                               "IngGrainsWeight, IngGrainsUnits, IngGrainsSPGrav, "
                               "IngGrainsColor) VALUES (%1, 'Pale Malt', 10, 'lbs', 1.036, 2)")
                    .arg(id));
        execSql(file, QStringLiteral("INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName, "
                                     "IngHopsAlpha, IngHopsWeight, IngHopsUnits, IngHopsTime, "
                                     "IngHopsIBU, IngHopsHBU) VALUES (%1, 'Cascade', 5, 1, 'oz', "
                                     "60, 99, 5)")
                          .arg(id));
        if (!more.isEmpty())
            execSql(file, more.arg(id));
        open(file);
        frame().runCommand(ID_RECORD_LAST);
        QCoreApplication::processEvents();
        frame().activateWindow();
        return QTest::qWaitForWindowActive(&frame());
    }
    PredictionStrip* strip() { return frame().predictionStrip(); }
    QString shown(const char* brief) {
        QCoreApplication::processEvents();
        const PredictionGauge* g = strip()->gauge(QString::fromLatin1(brief));
        return g ? g->line().shown : QStringLiteral("<no gauge>");
    }
    // Types into a grid cell as a brewer does: F2, the text, Return.
    void typeCell(int sheet, int row, int col, const QString& text) {
        form()->showPage(CRecipeFormSheet::PageIngredients);
        CRecipeGrid1* grid = test::Grid(form());
        grid->setCurrentSheet(sheet);
        QTableWidget* t = grid->table(sheet);
        grid->SetCurrentCell(row, col, sheet);
        t->setFocus();
        QTest::keyClick(t, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVariant storedIbu() {
        return committed(QStringLiteral("SELECT IngHopsIBU FROM Ingredients_Hops WHERE "
                                        "IngHopsName = 'Cascade' AND IngRecipeID = (SELECT "
                                        "RecipeID FROM Recipes WHERE RecipeBatchNo = 50)"));
    }
};

TEST_F(Strip, FollowsAGrainWeightAHopTimeAndTheBatchSize) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    // 10 lb × 36 points × 75 % in 5 gal; 1 oz × 5 % × utilization × 7490 / 5 gal; 20 MCU / 5.
    double og = 1 + 0.036 * 10 * 0.75 / 5;
    EXPECT_EQ(shown("OG"), Fixed(og, 3));
    EXPECT_EQ(shown("IBU"), Fixed(0.05 * 1 * Utilization(og, 60) * 7490 / 5, 0));
    EXPECT_EQ(shown("MCU"), Fixed(10.0 * 2 / 5, 1));
    EXPECT_EQ(shown("SRM"), Fixed(1.4922 * std::pow(4.0, 0.6859), 1));
    // Only worked out: the recipe is as it was, the grid keeps its stored IBU.
    EXPECT_FALSE(form()->commands().isModified());
    EXPECT_EQ(test::Grid(form())->GetCellText(1, 5, SheetHops), QStringLiteral("99"));

    typeCell(SheetGrains, 1, 1, QStringLiteral("12"));
    og = 1 + 0.036 * 12 * 0.75 / 5;
    EXPECT_EQ(shown("OG"), Fixed(og, 3));
    EXPECT_EQ(shown("IBU"), Fixed(0.05 * Utilization(og, 60) * 7490 / 5, 0));
    EXPECT_EQ(shown("MCU"), Fixed(12.0 * 2 / 5, 1));

    typeCell(SheetHops, 1, 4, QStringLiteral("15"));
    EXPECT_EQ(shown("IBU"), Fixed(0.05 * Utilization(og, 15) * 7490 / 5, 0));
    EXPECT_EQ(shown("HBU"), Fixed(15.0 / 60 * 1 * 5, 1));

    form()->showPage(CRecipeFormSheet::PageFermentation);
    auto* batch = form()->findChild<QLineEdit*>(QStringLiteral("batchSize"));
    ASSERT_NE(batch, nullptr);
    batch->setFocus();
    batch->selectAll();
    QTest::keyClicks(batch, QStringLiteral("6"));
    og = 1 + 0.036 * 12 * 0.75 / 6;
    EXPECT_EQ(shown("OG"), Fixed(og, 3));
    EXPECT_EQ(shown("MCU"), Fixed(12.0 * 2 / 6, 1));
    // The boil stays 5 gal: only the gravity's column of the table moved.
    EXPECT_EQ(shown("IBU"), Fixed(0.05 * Utilization(og, 15) * 7490 / 5, 0));
    // None of it reached the file.
    EXPECT_EQ(storedIbu().toInt(), 99);
}

TEST_F(Strip, MarksWhatIsOutsideTheStyleAndLeavesRangesBlankWithoutOne) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    // 1.054 is inside 1.045–1.060; 17 IBU is below 20–40.
    const PredictionGauge* og = strip()->gauge(QStringLiteral("OG"));
    const PredictionGauge* ibu = strip()->gauge(QStringLiteral("IBU"));
    QCoreApplication::processEvents();
    EXPECT_EQ(og->line().where, 0);
    EXPECT_EQ(og->rangeText(), QStringLiteral("1.045\u20131.060"));
    ASSERT_TRUE(og->markerAt().has_value());
    EXPECT_GT(*og->markerAt(), 0.25);
    EXPECT_LT(*og->markerAt(), 0.75);
    EXPECT_EQ(ibu->line().where, -1);
    ASSERT_TRUE(ibu->markerAt().has_value());
    EXPECT_LT(*ibu->markerAt(), 0.25);
    // Twice the hops: 34 IBU, inside.
    typeCell(SheetHops, 1, 2, QStringLiteral("2"));
    EXPECT_EQ(shown("IBU"), Fixed(0.05 * 2 * Utilization(1.054, 60) * 7490 / 5, 0));
    EXPECT_EQ(ibu->line().where, 0);
    EXPECT_GT(*ibu->markerAt(), 0.25);
}

TEST_F(Strip, WithoutAStyleTheRangesAreBlankNotZero) {
    if (!openActive(false))
        GTEST_SKIP() << "the platform gives no active window";
    QCoreApplication::processEvents();
    for (const char* brief : {"OG", "ABV", "IBU", "MCU", "SRM"}) {
        const PredictionGauge* g = strip()->gauge(QString::fromLatin1(brief));
        ASSERT_NE(g, nullptr) << brief;
        EXPECT_TRUE(g->rangeText().isEmpty()) << brief;
        EXPECT_FALSE(g->markerAt().has_value()) << brief;
        EXPECT_FALSE(g->line().shown.isEmpty()) << brief;
    }
}

TEST_F(Strip, TheViewMenuHidesItAndTheChoiceIsKept) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    auto* toggle = frame().findChild<QAction*>(QStringLiteral("viewPredictions"));
    ASSERT_NE(toggle, nullptr);
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(strip()->isVisible());
    // The form's frame keeps its size: the strip stands above the windows.
    EXPECT_EQ(frame().formFrame()->height(), 510);
    toggle->trigger();
    EXPECT_FALSE(strip()->isVisible());
    EXPECT_EQ(m_profile.integer(Setting::ShowPredictions), 0);
    // Shown again, it is up to date with the edit made meanwhile.
    typeCell(SheetGrains, 1, 1, QStringLiteral("12"));
    toggle->trigger();
    EXPECT_TRUE(strip()->isVisible());
    EXPECT_EQ(m_profile.integer(Setting::ShowPredictions), 1);
    EXPECT_EQ(shown("OG"), Fixed(1 + 0.036 * 12 * 0.75 / 5, 3));
    // Closing the recipe file leaves the strip blank.
    frame().runCommand(ID_FILE_CLOSE);
    QCoreApplication::processEvents();
    EXPECT_TRUE(shown("OG").isEmpty());
}

TEST_F(Strip, HiddenAtTheStartWhenLastHidden) {
    m_profile.setInteger(Setting::ShowPredictions, 0);
    openSamples();
    EXPECT_FALSE(frame().predictionsDock()->isVisibleTo(&frame()));
    EXPECT_FALSE(frame().findChild<QAction*>(QStringLiteral("viewPredictions"))->isChecked());
}

// Closing the program hides the strip with its window; the choice stays what the user made.
TEST_F(Strip, QuittingKeepsTheChoice) {
    openSamples();
    m_app.reset();
    EXPECT_EQ(m_profile.integer(Setting::ShowPredictions), 1);
    m_profile.setInteger(Setting::ShowPredictions, 0);
    openSamples();
    m_app.reset();
    EXPECT_EQ(m_profile.integer(Setting::ShowPredictions), 0);
}

// The Recipe page gives each fermentable's share of the grist by weight and each hop's IBU,
// the hops listed by boil time as before.
TEST_F(Strip, TheRecipePageGivesSharesOfTheGristAndEachHopsIbu) {
    if (!openActive(true, QStringLiteral(
                              "INSERT INTO Ingredients_Grains (IngRecipeID, IngGrainsName, "
                              "IngGrainsWeight, IngGrainsUnits, IngGrainsSPGrav, IngGrainsColor) "
                              "VALUES (%1, 'Crystal 60', 32, 'oz', 1.034, 60); "
                              "INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName, "
                              "IngHopsAlpha, IngHopsWeight, IngHopsUnits, IngHopsTime, "
                              "IngHopsIBU, IngHopsHBU) VALUES (%1, 'Fuggle', 4, 1, 'oz', 15, 0, "
                              "0)")))
        GTEST_SKIP() << "the platform gives no active window";
    form()->showPage(CRecipeFormSheet::PageRecipe);
    QCoreApplication::processEvents();
    const QStringList lines = test::RecipePage(form())->lineTexts();
    const QStringList glance = test::RecipePage(form())->glanceTexts();
    ASSERT_EQ(lines.size(), 4) << lines.join(u'|').toStdString();
    // 10 lb and 32 oz (2 lb) of 12 lb.
    EXPECT_TRUE(lines.at(0).contains(QStringLiteral("Pale Malt")));
    EXPECT_EQ(glance.at(0), QStringLiteral("83 %"));
    EXPECT_EQ(glance.at(1), QStringLiteral("17 %"));
    // The 15-minute hop first, though entered second.
    const double og = 1 + (0.036 * 10 + 0.034 * 2) * 0.75 / 5;
    EXPECT_TRUE(lines.at(2).contains(QStringLiteral("Fuggle")));
    EXPECT_EQ(glance.at(2), Fixed(0.04 * Utilization(og, 15) * 7490 / 5, 0) + " IBU");
    EXPECT_EQ(glance.at(3), Fixed(0.05 * Utilization(og, 60) * 7490 / 5, 0) + " IBU");
    // A changed weight shows when the page is looked at again.
    typeCell(SheetGrains, 2, 1, QStringLiteral("80"));
    form()->showPage(CRecipeFormSheet::PageRecipe);
    QCoreApplication::processEvents();
    EXPECT_EQ(test::RecipePage(form())->glanceTexts().at(0), QStringLiteral("67 %"));
    EXPECT_FALSE(test::RecipePage(form())->glanceTexts().at(3).isEmpty());
}

TEST_F(Strip, ACommitSaysSoInTheStatusBar) {
    if (!openActive())
        GTEST_SKIP() << "the platform gives no active window";
    typeCell(SheetGrains, 1, 1, QStringLiteral("11"));
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_EQ(frame().statusBar()->currentMessage(), QStringLiteral("Saved batch 50"));
}

} // namespace
} // namespace wsc
