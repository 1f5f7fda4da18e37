// A brewer who reads litres, kilograms, °C and °Plato: what is typed in those units is kept in
// US measure, exactly, and shows again as typed after a commit, a move and a reopening. The
// expected stored values are worked out here from the exact factors, not by the program.
#include "AppFixture.h"

#include "app/calc/CTargetStyleGrid2.h"
#include "app/form/CRecipeFormSheet.h"
#include "app/form/CRecipeGrid1.h"
#include "app/form/PredictionStrip.h"
#include "app/options/CWSOptionsSheet.h"
#include "app/shell/CMainFrame.h"
#include "app/widgets/Commands.h"
#include "core/calc/TargetStyles.h"
#include "core/calc/UnitPreference.h"
#include "core/settings/MessageCatalog.h"
#include "support/FormParts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest/QTest>

#include <cmath>

namespace wsc {
namespace {

constexpr double kLitresPerGallon = 3.785411784;

class MetricForm : public test::FormFixture {
protected:
    // The samples with a recipe of their own, batch 60, opened in `units`.
    void openWith(const UnitChoice& units) {
        WriteUnitChoice(m_profile, units);
        m_profile.setInteger(Setting::UnitsOffered, 1);
        const QString file = m_file.isEmpty() ? copyShippedSamples() : m_file;
        if (m_file.isEmpty())
            execSql(file, QStringLiteral("INSERT INTO Recipes (RecipeBatchNo, RecipeName, "
                                         "RecipeBatchSize, RecipeBoilSize, RecipeMashType) VALUES "
                                         "(60, 'Metric Pale', 5, 6, 2)"));
        m_app.reset();
        open(file);
        frame().runCommand(ID_RECORD_LAST);
    }
    QLineEdit* field(const char* name) {
        auto* e = form()->findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(e, nullptr) << name;
        return e;
    }
    // Types into a page field as a brewer does: the old text selected, the new typed over it.
    void type(const char* name, const QString& text) {
        QLineEdit* e = field(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
    QString text(const char* name) { return field(name)->text(); }
    double stored(const char* column) {
        return committed(
                   QStringLiteral("SELECT %1 FROM Recipes WHERE RecipeBatchNo = 60").arg(column))
            .toDouble();
    }
};

// Every converted field of the Fermentation and Mash pages typed in metric units: the file gets
// the US value the exact factors give, and the field shows what was typed after a commit, after
// moving away and back, and after the database is opened again.
TEST_F(MetricForm, TypedValuesAreStoredInUsMeasureAndShowAgainAsTyped) {
    openWith(UnitChoice::metric());
    form()->showPage(CRecipeFormSheet::PageFermentation);
    struct Typed {
        const char* field;
        const char* column;
        const char* text;
        double us; // what the file must hold
    };
    const Typed typed[] = {
        {"batchSize", "RecipeBatchSize", "23", 23 / kLitresPerGallon},
        {"boilSize", "RecipeBoilSize", "27.5", 27.5 / kLitresPerGallon},
        // Whole-degree fields keep the nearest whole °F: 20 °C is 68 °F, 21 °C is 69.8 → 70.
        {"sgTempOriginal", "RecipeSGOriginalTemp", "20", 68},
        {"PrimaryTemp", "RecipeFermAvgTempPri", "18", 64},
        {"SecondaryTemp", "RecipeFermAvgTempSec", "21", 70},
        {"mashTemp1", "RecipeMashTemp1", "67", 153},
        {"mashVol1", "RecipeMashVol1", "14,5", 14.5 / kLitresPerGallon},
        {"spargeVol", "RecipeSpargeVol", "12", 12 / kLitresPerGallon},
        {"spargeTemp", "RecipeSpargeTemp", "77", 171},
        {"wortCollected", "RecipeWortCollectedVol", "28.25", 28.25 / kLitresPerGallon},
    };
    for (const Typed& t : typed) {
        if (QByteArray(t.field).startsWith("mash") || QByteArray(t.field).startsWith("sparge") ||
            QByteArray(t.field) == "wortCollected")
            form()->showPage(CRecipeFormSheet::PageMash);
        type(t.field, QString::fromLatin1(t.text));
    }
    // 12.0 °Plato: the gravity whose cubic gives 12.
    form()->showPage(CRecipeFormSheet::PageFermentation);
    type("sgOriginal", QStringLiteral("12.0"));
    frame().runCommand(ID_RECORD_COMMIT);
    ASSERT_TRUE(m_prompter.shown().empty()) << m_prompter.last().text.toStdString();

    for (const Typed& t : typed)
        EXPECT_NEAR(stored(t.column), t.us, 1e-12) << t.column;
    const double og = stored("RecipeSGOriginal");
    EXPECT_NEAR(-616.868 + 1111.14 * og - 630.272 * og * og + 135.997 * og * og * og, 12, 1e-9);

    // A decimal comma stays as typed until the recipe is shown again, with the point.
    auto expectShownAsTyped = [&](const char* when) {
        const bool again = QByteArray(when) != "after the commit";
        for (const Typed& t : typed)
            EXPECT_EQ(text(t.field), again ? QString::fromLatin1(t.text).replace(u',', u'.')
                                           : QString::fromLatin1(t.text))
                << t.field << " " << when;
        EXPECT_EQ(text("sgOriginal"), QStringLiteral("12.0")) << when;
    };
    expectShownAsTyped("after the commit");
    frame().runCommand(ID_RECORD_PREV);
    EXPECT_NE(text("batchSize"), QStringLiteral("23"));
    frame().runCommand(ID_RECORD_NEXT);
    expectShownAsTyped("after a move");
    openWith(UnitChoice::metric());
    expectShownAsTyped("after reopening");
    // Shown again unchanged, saved again unchanged: nothing drifts with each save.
    EXPECT_FALSE(form()->commands().isModified());
    type("batchSize", QStringLiteral("23"));
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_NEAR(stored("RecipeBatchSize"), 23 / kLitresPerGallon, 1e-12);

    // The same file in US measure reads as a US brewer typed it.
    openWith(UnitChoice::us());
    EXPECT_EQ(text("batchSize").left(7), QStringLiteral("6.07595"));
    EXPECT_EQ(text("sgTempOriginal"), QStringLiteral("68"));
    EXPECT_EQ(text("SecondaryTemp"), QStringLiteral("70"));
}

// Labels say the unit; out-of-range and non-numeric values are refused with the limits in the
// user's unit, and nothing is stored.
TEST_F(MetricForm, BadValuesAreRefusedWithTheLimitsInTheUnitTyped) {
    openWith(UnitChoice::metric());
    form()->showPage(CRecipeFormSheet::PageFermentation);
    auto* sizes = form()->findChild<QLineEdit*>(QStringLiteral("batchSize"))->parentWidget();
    EXPECT_EQ(qobject_cast<QGroupBox*>(sizes)->title(), QStringLiteral("Si&ze (L)"));
    const double before = stored("RecipeSGOriginal");

    type("sgOriginal", QStringLiteral("50"));
    frame().runCommand(ID_RECORD_COMMIT);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Data Error:\nPlease enter a number from 0.0 to 43.9 in the field "
                             "\"Original (\u00b0P)\"."));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeSGOriginal FROM Recipes WHERE "
                                       "RecipeBatchNo = 60"))
                  .toDouble(),
              before);
    m_prompter.clear();

    type("sgOriginal", QStringLiteral("12"));
    type("PrimaryTemp", QStringLiteral("18.5"));
    frame().runCommand(ID_RECORD_COMMIT);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Data Error:\nPlease enter a whole number from -17 to 1193046452 in "
                             "the field \"Primary Temp (\u00b0C)\"."));
    EXPECT_EQ(stored("RecipeFermAvgTempPri"), 0);
    m_prompter.clear();

    type("PrimaryTemp", QStringLiteral("-20"));
    frame().runCommand(ID_RECORD_COMMIT);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(m_prompter.last().text.contains(QStringLiteral("from -17 to")));
    m_prompter.clear();

    type("PrimaryTemp", QStringLiteral("-10"));
    type("batchSize", QStringLiteral("twenty"));
    frame().runCommand(ID_RECORD_COMMIT);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.last().text,
              QString::fromLatin1(Texts::kEnterNumber).arg(QStringLiteral("Batch (L)")));
    EXPECT_EQ(stored("RecipeBatchSize"), 5);
    m_prompter.clear();

    type("batchSize", QStringLiteral("20"));
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_TRUE(m_prompter.shown().empty());
    // −10 °C is 14 °F: a temperature below freezing is still a temperature.
    EXPECT_EQ(stored("RecipeFermAvgTempPri"), 14);
}

// The same recipe typed in litres and in gallons gives the same predictions to the places shown;
// the strip gives them in °Plato and EBC, converted from the figures a US brewer sees.
TEST_F(MetricForm, PredictionsOfARecipeTypedInLitresEqualThoseTypedInGallons) {
    openWith(UnitChoice::us());
    m_app.reset();
    const QString id = QStringLiteral("(SELECT RecipeID FROM Recipes WHERE RecipeBatchNo = 60)");
    execSql(m_file, QStringLiteral("INSERT INTO Ingredients_Grains (IngRecipeID, IngGrainsName, "
                                   "IngGrainsWeight, IngGrainsUnits, IngGrainsSPGrav, "
                                   "IngGrainsColor) VALUES (%1, 'Pale Malt', 10, 'lbs', 1.036, 4)")
                        .arg(id));
    openWith(UnitChoice::us());
    form()->showPage(CRecipeFormSheet::PageFermentation);
    type("batchSize", QStringLiteral("6.0760"));
    QCoreApplication::processEvents();
    PredictionStrip* strip = frame().predictionStrip();
    const QString usOg = strip->gauge(QStringLiteral("OG"))->line().shown;
    const QString usSrm = strip->gauge(QStringLiteral("SRM"))->line().shown;
    const double srm = strip->gauge(QStringLiteral("SRM"))->line().value;
    const double og = strip->gauge(QStringLiteral("OG"))->line().value;
    frame().runCommand(ID_RECORD_REFRESH);

    openWith(UnitChoice::metric());
    form()->showPage(CRecipeFormSheet::PageFermentation);
    type("batchSize", QStringLiteral("23"));
    QCoreApplication::processEvents();
    strip = frame().predictionStrip();
    const PredictionGauge* plato = strip->gauge(QStringLiteral("OG"));
    ASSERT_NE(plato, nullptr);
    EXPECT_EQ(plato->line().name, QStringLiteral("Original Gravity (\u00b0P)"));
    EXPECT_EQ(plato->line().shown,
              QString::number(-616.868 + 1111.14 * og - 630.272 * og * og + 135.997 * og * og * og,
                              'f', 1));
    const PredictionGauge* ebc = strip->gauge(QStringLiteral("EBC"));
    ASSERT_NE(ebc, nullptr);
    EXPECT_EQ(ebc->line().shown, QString::number(srm * 1.97, 'f', 1));
    // Back in US units on the same typed litres: the figures a US brewer got.
    WriteUnitChoice(m_profile, UnitChoice::us());
    form()->readPreferences();
    QCoreApplication::processEvents();
    EXPECT_EQ(strip->gauge(QStringLiteral("OG"))->line().shown, usOg);
    EXPECT_EQ(strip->gauge(QStringLiteral("SRM"))->line().shown, usSrm);
    EXPECT_EQ(text("batchSize").left(6), QStringLiteral("6.0759"));
}

// A new ingredient row starts in kilograms or grams for a metric brewer, in pounds or ounces
// for a US one.
TEST_F(MetricForm, NewGridRowsStartInThePreferredWeight) {
    for (const bool metric : {true, false}) {
        openWith(metric ? UnitChoice::metric() : UnitChoice::us());
        form()->showPage(CRecipeFormSheet::PageIngredients);
        CRecipeGrid1* grid = test::Grid(form());
        for (const auto& [sheet, unitCol, unit] :
             {std::tuple{SheetGrains, 2, metric ? "kg" : "lbs"},
              std::tuple{SheetHops, 3, metric ? "g" : "oz"}}) {
            grid->setCurrentSheet(sheet);
            const int row = grid->GetRowCount(sheet) - 1;
            grid->SetCurrentCell(row, 1, sheet);
            ASSERT_TRUE(grid->trySetCellText(row, 0, QStringLiteral("<new>")));
            EXPECT_EQ(grid->GetCellText(row, unitCol, sheet), QString::fromLatin1(unit))
                << (metric ? "metric " : "US ") << sheet;
        }
        frame().runCommand(ID_RECORD_REFRESH);
    }
}

// Tools > Options, Units page: the choice is stored, the form's labels and fields follow at
// once, and a value typed and not yet saved keeps its meaning.
TEST_F(MetricForm, TheUnitsPageSwitchesTheFormAndKeepsWhatWasTyped) {
    openWith(UnitChoice::us());
    m_profile.remove(Setting::UnitsVolume);
    form()->showPage(CRecipeFormSheet::PageFermentation);
    type("boilSize", QStringLiteral("6.5"));
    m_runner.onDialog = [](QDialog& d) {
        auto* sheet = dynamic_cast<CWSOptionsSheet*>(&d);
        if (!sheet)
            return int(QDialog::Rejected);
        sheet->tabs()->setCurrentIndex(CWSOptionsSheet::UnitsPage);
        QComboBox* volume = sheet->units()->list(Quantity::Volume);
        EXPECT_EQ(volume->currentText(), QStringLiteral("US gallons"));
        volume->setCurrentIndex(volume->findText(QStringLiteral("Litres")));
        QComboBox* temperature = sheet->units()->list(Quantity::Temperature);
        temperature->setCurrentIndex(1);
        sheet->OnOK();
        return sheet->result();
    };
    frame().runCommand(ID_TOOLS_OPTIONS);
    m_runner.onDialog = nullptr;
    EXPECT_EQ(m_profile.text(Setting::UnitsVolume), QStringLiteral("litre"));
    EXPECT_EQ(m_profile.text(Setting::UnitsTemperature), QStringLiteral("celsius"));
    EXPECT_EQ(m_profile.text(Setting::UnitsGravity), QStringLiteral("sg"));
    auto* sizes = qobject_cast<QGroupBox*>(field("batchSize")->parentWidget());
    EXPECT_EQ(sizes->title(), QStringLiteral("Si&ze (L)"));
    // The stored 5 gal shows in litres; the typed 6.5 gal, not saved, keeps every figure.
    EXPECT_EQ(text("batchSize"), QStringLiteral("18.93"));
    EXPECT_EQ(text("boilSize"), QStringLiteral("24.605176596"));
    EXPECT_TRUE(form()->commands().isModified());
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_NEAR(stored("RecipeBoilSize"), 6.5, 1e-10);
    EXPECT_EQ(stored("RecipeBatchSize"), 5);
}

// The Target Style dialog's grid compares the gravities in °Plato too: the prediction and the
// style's bounds converted, out of range as in specific gravity.
TEST(TargetStyleGrid, GravitiesInPlato) {
    CTargetStyleGrid2 grid(CRecipeFormSheet::gridLayoutDirectory(), nullptr);
    grid.setGravityUnit(Unit::Plato);
    grid.setPredictions(1.062, 5, 30, 10, 6);
    grid.showRanges(StyleRanges{1.045, 1.060, 4, 6, 20, 40, 5, 12});
    const int row = CTargetStyleGrid2::RowGravity;
    EXPECT_EQ(grid.GetCellText(row, 0, 0), QStringLiteral("Gravity (\u00b0P)"));
    auto plato = [](double g) {
        return QString::number(-616.868 + 1111.14 * g - 630.272 * g * g + 135.997 * g * g * g, 'f',
                               1);
    };
    EXPECT_EQ(grid.GetCellText(row, 3, 0), plato(1.062));
    EXPECT_EQ(grid.GetCellText(row, 1, 0), plato(1.045));
    EXPECT_EQ(grid.GetCellText(row, 5, 0), plato(1.060));
    EXPECT_EQ(grid.GetCellText(row, 4, 0), QStringLiteral("+"));
    grid.setGravityUnit(Unit::SpecificGravity);
    grid.setPredictions(1.062, 5, 30, 10, 6);
    EXPECT_EQ(grid.GetCellText(row, 0, 0), QStringLiteral("Specific Gravity"));
    EXPECT_EQ(grid.GetCellText(row, 3, 0), QStringLiteral("1.062"));
}

// The first start of a user whose system measures in metric units asks once; the answer is
// kept, and a US locale, a later start or a user who already chose units is not asked.
TEST_F(MetricForm, TheFirstStartOfAMetricLocaleAsksOnce) {
    const QString file = copyShippedSamples();
    auto startWith = [&](bool metricLocale) {
        m_app.reset();
        m_prompter.clear();
        m_metricLocale = metricLocale;
        start({QStringLiteral("/s"), file});
    };
    startWith(false);
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(m_profile.integer(Setting::UnitsOffered), 0);

    m_prompter.queue(PromptAnswer::Yes);
    startWith(true);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.last().text, QString::fromLatin1(Texts::kOfferMetricUnits));
    EXPECT_EQ(m_prompter.last().buttons, PromptButtons::YesNo);
    EXPECT_EQ(ReadUnitChoice(m_profile), UnitChoice::metric());
    // The form that was open follows the answer at once.
    form()->showPage(CRecipeFormSheet::PageFermentation);
    auto* sizes = qobject_cast<QGroupBox*>(field("batchSize")->parentWidget());
    EXPECT_EQ(sizes->title(), QStringLiteral("Si&ze (L)"));

    startWith(true);
    EXPECT_TRUE(m_prompter.shown().empty());

    // "No" keeps US units and is not asked again either.
    m_profile.remove(Setting::UnitsOffered);
    WriteUnitChoice(m_profile, UnitChoice::us());
    m_prompter.queue(PromptAnswer::No);
    startWith(true);
    EXPECT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(ReadUnitChoice(m_profile).isUs());
    startWith(true);
    EXPECT_TRUE(m_prompter.shown().empty());
}

} // namespace
} // namespace wsc
