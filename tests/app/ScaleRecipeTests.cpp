// Record > Scale Recipe on the form: the dialog typed into with keys, the copy made and shown,
// its figures beside the original's, the original untouched; a bad size or Cancel writes
// nothing.
#include "AppFixture.h"

#include "app/form/CRecipeFormSheet.h"
#include "app/form/CScaleRecipeDlg.h"
#include "app/shell/CMainFrame.h"
#include "core/calc/UnitPreference.h"
#include "core/settings/MessageCatalog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

namespace wsc {
namespace {

class ScaleRecipe : public test::FormFixture {
protected:
    // Runs Record > Scale Recipe; `body` works the dialog and says how it closed.
    void scale(const std::function<int(CScaleRecipeDlg&)>& body) {
        m_runner.onDialog = [&](QDialog& d) {
            auto* dlg = qobject_cast<CScaleRecipeDlg*>(&d);
            if (!dlg)
                return int(QDialog::Rejected);
            dlg->show();
            return body(*dlg);
        };
        frame().runCommand(ID_RECORD_SCALE);
        m_runner.onDialog = nullptr;
    }
    static void type(QLineEdit* e, const QString& text) {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }
    QVariant recipes(const QString& sql) { return committed(sql); }
};

TEST_F(ScaleRecipe, MakesACopyAtTheNewSizeAndShowsBothFigures) {
    openSamples();
    goToBatch(4);
    const int before = recipes(QStringLiteral("SELECT count(*) FROM Recipes")).toInt();
    const int last = recipes(QStringLiteral("SELECT max(RecipeBatchNo) FROM Recipes")).toInt();

    // Cancel: nothing.
    scale([](CScaleRecipeDlg&) { return int(QDialog::Rejected); });
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(form()->batchText(), QStringLiteral("4"));

    scale([&](CScaleRecipeDlg& dlg) {
        EXPECT_EQ(dlg.batchSizeEdit()->text(), QStringLiteral("5"));
        // A size that is no number is refused there; the dialog stays open.
        type(dlg.batchSizeEdit(), QStringLiteral("ten"));
        QTest::keyClick(dlg.batchSizeEdit(), Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(m_prompter.last().text,
                  QString::fromLatin1(Texts::kEnterNumber).arg(QStringLiteral("New batch size")));
        m_prompter.clear();
        type(dlg.batchSizeEdit(), QStringLiteral("10"));
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
        return dlg.result();
    });
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    const QString summary = m_prompter.last().text;
    EXPECT_TRUE(
        summary.startsWith(QStringLiteral("The scaled copy is complete: batch %1.").arg(last + 1)))
        << summary.toStdString();
    // Each line gives the same figure twice: the original's and the copy's.
    for (const QString& line : summary.split(u'\n').mid(3)) {
        const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
        ASSERT_GE(parts.size(), 3) << line.toStdString();
        EXPECT_EQ(parts.at(parts.size() - 1), parts.at(parts.size() - 2)) << line.toStdString();
    }
    EXPECT_EQ(form()->batchText(), QString::number(last + 1));
    EXPECT_TRUE(form()->nameText().startsWith(QLatin1String("Copy of ")));
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_EQ(recipes(QStringLiteral("SELECT count(*) FROM Recipes")).toInt(), before + 1);
    EXPECT_DOUBLE_EQ(recipes(QStringLiteral("SELECT RecipeBatchSize FROM Recipes WHERE "
                                            "RecipeBatchNo = %1")
                                 .arg(last + 1))
                         .toDouble(),
                     10);
    EXPECT_DOUBLE_EQ(
        recipes(QStringLiteral("SELECT RecipeBatchSize FROM Recipes WHERE RecipeBatchNo = 4"))
            .toDouble(),
        5);
}

// An efficiency left as the dialog shows it is the recipe's own, every figure of it: 72.345 %
// shown as "72.34" is not taken for a change to 72.34.
TEST_F(ScaleRecipe, AnEfficiencyLeftAsShownStaysExact) {
    const QString file = copyShippedSamples();
    execSql(file, QStringLiteral("UPDATE Recipes SET RecipeSystemEfficiencyExpected = 72.345 "
                                 "WHERE RecipeBatchNo = 4"));
    open(file);
    goToBatch(4);
    const int last = recipes(QStringLiteral("SELECT max(RecipeBatchNo) FROM Recipes")).toInt();
    scale([&](CScaleRecipeDlg& dlg) {
        EXPECT_EQ(dlg.efficiencyEdit()->text(), QStringLiteral("72.34"));
        type(dlg.batchSizeEdit(), QStringLiteral("10"));
        QTest::keyClick(dlg.batchSizeEdit(), Qt::Key_Return);
        return dlg.result();
    });
    frame().runCommand(ID_RECORD_COMMIT);
    EXPECT_EQ(recipes(QStringLiteral("SELECT RecipeSystemEfficiencyExpected FROM Recipes WHERE "
                                     "RecipeBatchNo = %1")
                          .arg(last + 1))
                  .toDouble(),
              72.345);
    // The grains went with the batch only: twice the original's.
    EXPECT_DOUBLE_EQ(
        recipes(QStringLiteral("SELECT sum(IngGrainsWeight) FROM Ingredients_Grains WHERE "
                               "IngRecipeID = (SELECT RecipeID FROM Recipes WHERE RecipeBatchNo "
                               "= %1)")
                    .arg(last + 1))
            .toDouble(),
        2 * recipes(QStringLiteral("SELECT sum(IngGrainsWeight) FROM Ingredients_Grains WHERE "
                                   "IngRecipeID = (SELECT RecipeID FROM Recipes WHERE "
                                   "RecipeBatchNo = 4)"))
                .toDouble());
}

// In litres: the dialog asks in the brewer's unit; a kit recipe by a fraction is refused with
// the reason and no copy.
TEST_F(ScaleRecipe, AsksInTheBrewersUnitsAndRefusesHalfAKit) {
    WriteUnitChoice(m_profile, UnitChoice::metric());
    openSamples();
    goToBatch(1);
    const int before = recipes(QStringLiteral("SELECT count(*) FROM Recipes")).toInt();
    scale([&](CScaleRecipeDlg& dlg) {
        EXPECT_EQ(dlg.batchSizeEdit()->text(),
                  FormatInUnit(Unit::Litre,
                               recipes(QStringLiteral("SELECT RecipeBatchSize FROM Recipes WHERE "
                                                      "RecipeBatchNo = 1"))
                                   .toDouble()));
        type(dlg.batchSizeEdit(), QStringLiteral("30"));
        QTest::keyClick(dlg.batchSizeEdit(), Qt::Key_Return);
        return dlg.result();
    });
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(
        m_prompter.last().text.startsWith(QLatin1String("Data Error:\nA kit is a whole can")))
        << m_prompter.last().text.toStdString();
    EXPECT_EQ(form()->batchText(), QStringLiteral("1"));
    EXPECT_FALSE(form()->commands().isModified());
    EXPECT_EQ(recipes(QStringLiteral("SELECT count(*) FROM Recipes")).toInt(), before);
}

} // namespace
} // namespace wsc
