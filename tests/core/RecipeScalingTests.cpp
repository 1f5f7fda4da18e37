// A recipe at another batch size or efficiency: a copy whose predictions are the original's,
// tested on every sample recipe; the original is never changed.
#include "support/TestSupport.h"

#include "core/calc/IngredientSheets.h"
#include "core/calc/Predictions.h"
#include "core/calc/RecipeCalculator.h"
#include "core/calc/UtilizationTable.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/document/RecipeIngredientRows.h"
#include "core/document/RecipeScaling.h"
#include "core/settings/MessageCatalog.h"

#include <gtest/gtest.h>

namespace wsc {
namespace {

class Scaling : public test::DbFixture {
protected:
    struct Figures {
        QString og, ibu, color, abv, name;
        double batchSize = 0;
    };
    // What the recipe of a batch is predicted to be, to the places the program shows.
    Figures figures(CDaoDatabase& db, long batch) {
        CRecordSetRecipe r(&db);
        r.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
        r.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        EXPECT_TRUE(r.Seek(QStringLiteral("="), {QString::number(batch)})) << batch;
        MemorySheets sheets = MemorySheets::load(db, r.m_RecipeID);
        RecipeCalculator calc(sheets, m_table);
        calc.setInputs(RecipeInputs::of(r));
        calc.RunCalculations(false);
        return {QString::asprintf("%.3f", calc.PredictedOG),
                QString::asprintf("%.0f", calc.TotalIBU),
                QString::asprintf("%.1f", calc.PredictedColor),
                QString::asprintf("%.1f", calc.PredictedABV),
                r.m_RecipeName,
                r.m_RecipeBatchSize};
    }
    QString dump(const QString& file) {
        SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
        QString out;
        for (const char* t :
             {"Recipes", "Ingredients_Kits", "Ingredients_Extracts", "Ingredients_Grains",
              "Ingredients_Adjuncts", "Ingredients_Hops", "Ingredients_Yeasts"}) {
            SqliteStatement st =
                c.prepare(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(t)));
            while (st.step()) {
                for (int i = 0; i < st.columnCount(); ++i)
                    out += st.text(i) + u'|';
                out += u'\n';
            }
        }
        return out;
    }
    void SetUp() override {
        CDaoDatabase data;
        data.Open(QStringLiteral(WSC_DATA_DB), false, true);
        m_table.load(data);
    }
    UtilizationTable m_table;
};

// Every sample at twice its batch size (a kit is a whole can, so twice is what a kit recipe
// can be), then at one and a half and at another efficiency where it has no kits: the copy's
// OG, IBU and ABV are the original's, and its colour too at the same efficiency.
TEST_F(Scaling, EverySampleKeepsItsPredictions) {
    const QString file = copyShippedSamples();
    CDaoDatabase db;
    db.Open(file, false, false);
    std::vector<long> batches;
    {
        SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
        SqliteStatement st = c.prepare(QStringLiteral("SELECT RecipeBatchNo FROM Recipes ORDER "
                                                      "BY RecipeBatchNo"));
        while (st.step())
            batches.push_back(static_cast<long>(st.int64(0)));
    }
    ASSERT_GE(batches.size(), 8u);
    int scaled = 0;
    for (long batch : batches) {
        const Figures original = figures(db, batch);
        std::vector<ScaleRequest> requests = {{original.batchSize * 2, std::nullopt}};
        QString why;
        for (const ScaleRequest& request : {ScaleRequest{original.batchSize * 1.5, std::nullopt},
                                            ScaleRequest{original.batchSize * 0.8, 62.5}})
            requests.push_back(request);
        for (const ScaleRequest& request : requests) {
            const auto copy = AddScaledCopy(db, batch, request, &why);
            if (!copy) {
                // Only a kit recipe refuses, and only a factor that is no whole number.
                EXPECT_TRUE(why.contains(QLatin1String("A kit is a whole can"))) << batch;
                EXPECT_NE(request.batchSize, original.batchSize * 2) << batch;
                continue;
            }
            const Figures scaledFigures = figures(db, *copy);
            const std::string what = "batch " + std::to_string(batch) + " to " +
                                     std::to_string(request.batchSize) + " gal";
            EXPECT_EQ(scaledFigures.og, original.og) << what;
            EXPECT_EQ(scaledFigures.ibu, original.ibu) << what;
            // More grain for a lower efficiency is more colour: the malt colour units count the
            // grain, not its extract.
            if (!request.efficiency) {
                EXPECT_EQ(scaledFigures.color, original.color) << what;
            }
            EXPECT_EQ(scaledFigures.abv, original.abv) << what;
            EXPECT_EQ(scaledFigures.name, QStringLiteral("Copy of ") + original.name) << what;
            EXPECT_DOUBLE_EQ(scaledFigures.batchSize, request.batchSize) << what;
            EXPECT_EQ(*copy, batches.back() + 1 + scaled) << what;
            ++scaled;
        }
    }
    EXPECT_GE(scaled, int(batches.size()) * 2);
}

// The amounts of one recipe, hand-checked: every amount with the batch, the grains also by the
// efficiency, the boil and mash volumes with the batch, an adjunct's typed amount as it was
// typed when it is no number; and the original's rows untouched.
TEST_F(Scaling, AmountsFollowTheBatchAndGrainsTheEfficiency) {
    const QString file = copyShippedSamples();
    execSql(file,
            QStringLiteral("INSERT INTO Recipes (RecipeBatchNo, RecipeName, RecipeBatchSize, "
                           "RecipeBoilSize, RecipeSystemEfficiencyExpected, RecipeMashVol1) VALUES "
                           "(70, 'Scale Pale', 5, 6, 70, 3)"));
    const QString id = QStringLiteral("(SELECT RecipeID FROM Recipes WHERE RecipeBatchNo = 70)");
    execSql(file, QStringLiteral("INSERT INTO Ingredients_Grains (IngRecipeID, IngGrainsName, "
                                 "IngGrainsWeight, IngGrainsUnits, IngGrainsSPGrav, "
                                 "IngGrainsColor) VALUES (%1, 'Pale', 8, 'lbs', 1.036, 2)")
                      .arg(id));
    execSql(file, QStringLiteral("INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName, "
                                 "IngHopsAlpha, IngHopsWeight, IngHopsUnits, IngHopsTime, "
                                 "IngHopsIBU, IngHopsHBU) VALUES (%1, 'Cascade', 5, 1, 'oz', 60, "
                                 "20, 5)")
                      .arg(id));
    execSql(file, QStringLiteral("INSERT INTO Ingredients_Adjuncts (IngRecipeID, "
                                 "IngAdjunctsName, IngAdjunctsAmt, IngAdjunctsUnits) VALUES "
                                 "(%1, 'Irish Moss', '1', 'tsp'), (%1, 'Salt', 'a pinch', "
                                 "'(other)')")
                      .arg(id));
    const QString before = dump(file);
    CDaoDatabase db;
    db.Open(file, false, false);
    QString why;
    const auto copy = AddScaledCopy(db, 70, {10, 80}, &why);
    ASSERT_TRUE(copy) << why.toStdString();
    SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
    auto one = [&](const QString& sql) {
        return c.scalar(sql.arg(QStringLiteral("(SELECT RecipeID FROM Recipes WHERE "
                                               "RecipeBatchNo = %1)")
                                    .arg(*copy)));
    };
    EXPECT_DOUBLE_EQ(
        one(QStringLiteral("SELECT RecipeBoilSize FROM Recipes WHERE RecipeID = %1")).toDouble(),
        12);
    EXPECT_DOUBLE_EQ(
        one(QStringLiteral("SELECT RecipeMashVol1 FROM Recipes WHERE RecipeID = %1")).toDouble(),
        6);
    EXPECT_DOUBLE_EQ(
        one(QStringLiteral("SELECT RecipeSystemEfficiencyExpected FROM Recipes WHERE RecipeID = "
                           "%1"))
            .toDouble(),
        80);
    // 8 lb × 2 × 70 / 80.
    EXPECT_DOUBLE_EQ(one(QStringLiteral("SELECT IngGrainsWeight FROM Ingredients_Grains WHERE "
                                        "IngRecipeID = %1"))
                         .toDouble(),
                     14);
    EXPECT_DOUBLE_EQ(one(QStringLiteral("SELECT IngHopsWeight FROM Ingredients_Hops WHERE "
                                        "IngRecipeID = %1"))
                         .toDouble(),
                     2);
    EXPECT_EQ(one(QStringLiteral("SELECT group_concat(IngAdjunctsAmt, ';') FROM (SELECT "
                                 "IngAdjunctsAmt FROM Ingredients_Adjuncts WHERE IngRecipeID = "
                                 "%1 ORDER BY IngRowID)"))
                  .toString(),
              QStringLiteral("2;a pinch"));
    // The original is as it was: only new rows were added.
    const QString after = dump(file);
    for (const QString& row : before.split(u'\n'))
        EXPECT_TRUE(after.contains(row)) << row.toStdString();
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT IngGrainsWeight FROM Ingredients_Grains WHERE "
                                      "IngRecipeID = (SELECT RecipeID FROM Recipes WHERE "
                                      "RecipeBatchNo = 70)"))
                  .toDouble(),
              8);
}

// Refused, with nothing written: no batch size to scale to or from, an efficiency out of
// range, a kit recipe by a fraction, a batch that does not exist.
TEST_F(Scaling, WhatCannotBeScaledWritesNothing) {
    const QString file = copyShippedSamples();
    execSql(file, QStringLiteral("INSERT INTO Recipes (RecipeBatchNo, RecipeName, "
                                 "RecipeBatchSize) VALUES (71, 'No Size', 0)"));
    const QString before = dump(file);
    CDaoDatabase db;
    db.Open(file, false, false);
    struct Case {
        long batch;
        ScaleRequest request;
        const char* message;
    };
    const Case cases[] = {
        {71, {5, std::nullopt}, Texts::kScaleNoBatchSize},
        {2, {0, std::nullopt}, Texts::kScaleBadBatchSize},
        {2, {-3, std::nullopt}, Texts::kScaleBadBatchSize},
        {2, {10, 0}, Texts::kScaleBadEfficiency},
        {2, {10, 101}, Texts::kScaleBadEfficiency},
        {999, {10, std::nullopt}, nullptr},
    };
    for (const Case& c : cases) {
        QString why;
        EXPECT_FALSE(AddScaledCopy(db, c.batch, c.request, &why)) << c.batch;
        if (c.message == Texts::kScaleBadBatchSize)
            EXPECT_EQ(why, QString::fromLatin1(c.message).arg(QStringLiteral("0.01"),
                                                              QStringLiteral("1000000"),
                                                              QStringLiteral("gal")));
        else if (c.message)
            EXPECT_EQ(why, QString::fromLatin1(c.message)) << c.batch;
        else
            EXPECT_EQ(why, QString::fromLatin1(Texts::kScaleNoSuchBatch).arg(999));
    }
    // Batch 1 has a kit: half of it cannot be.
    QString why;
    EXPECT_FALSE(AddScaledCopy(db, 1, {2.5, std::nullopt}, &why));
    EXPECT_TRUE(why.startsWith(QLatin1String("Data Error:\nA kit is a whole can")))
        << why.toStdString();
    db.Close();
    EXPECT_EQ(dump(file), before);
}

// No batch number is left after the highest one: refused as Copy refuses it, nothing written.
TEST_F(Scaling, ACopyNeedsABatchNumberThatFits) {
    const QString file = copyShippedSamples();
    execSql(file, QStringLiteral("UPDATE Recipes SET RecipeBatchNo = 2147483647 WHERE "
                                 "RecipeBatchNo = 8"));
    const QString before = dump(file);
    CDaoDatabase db;
    db.Open(file, false, false);
    QString why;
    EXPECT_FALSE(AddScaledCopy(db, 2, {10, std::nullopt}, &why));
    EXPECT_EQ(why, QString::fromLatin1(Texts::kNoNextBatchNumber).arg(2147483647));
    db.Close();
    EXPECT_EQ(dump(file), before);
}

} // namespace
} // namespace wsc
