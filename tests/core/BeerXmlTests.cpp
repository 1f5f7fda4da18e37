#include "support/BeerXmlFixture.h"

#include "core/calc/IngredientSheets.h"
#include "core/calc/RecipeCalculator.h"
#include "core/calc/UtilizationTable.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/interchange/BeerXml.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cmath>

namespace wsc {
namespace {

class BeerXmlFiles : public test::BeerXmlFixture {
protected:
    struct Predictions {
        double og, abv, ibu, color;
    };
    Predictions predict(const QString& file, long batch) {
        CDaoDatabase db;
        db.Open(file, false, true);
        CRecordSetRecipe r(&db);
        r.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
        r.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        EXPECT_TRUE(r.Seek(QStringLiteral("="), {QString::number(batch)}));
        MemorySheets sheets = MemorySheets::load(db, r.m_RecipeID);
        RecipeCalculator calc(sheets, m_table);
        calc.setInputs(RecipeInputs::of(r));
        calc.RunCalculations(false);
        return {calc.PredictedOG, calc.PredictedABV, calc.TotalIBU, calc.PredictedColor};
    }
};

TEST_F(BeerXmlFiles, EverySampleSurvivesARoundTripWithItsPredictions) {
    const QString samples = copyShippedSamples();
    const QByteArray first = exportAll(samples);
    const QString copy = makeRecipeDb(QStringLiteral("copy.mdb"));
    const auto summary = import(copy, first);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->added.size(), 8u);
    EXPECT_TRUE(summary->keptAsTyped.isEmpty()) << summary->text().toStdString();
    EXPECT_EQ(exportAll(copy), first);
    for (long batch = 1; batch <= 8; ++batch) {
        const Predictions a = predict(samples, batch), b = predict(copy, batch);
        EXPECT_NEAR(a.og, b.og, 1e-9) << batch;
        EXPECT_NEAR(a.abv, b.abv, 1e-9) << batch;
        EXPECT_NEAR(a.ibu, b.ibu, 1e-9) << batch;
        EXPECT_NEAR(a.color, b.color, 1e-9) << batch;
    }
    // Into a database with recipes, the next batch numbers follow on.
    const auto again = import(samples, first);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->added.front().batch, 9);
    EXPECT_EQ(again->added.back().batch, 16);
}

// A recipe as another program writes it.
const char* const kForeign =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Recipe>\n"
    "  <Name>Lawnmower Blonde</Name><Version>1</Version><Type>All Grain</Type>\n"
    "  <Brewer>Guest</Brewer><Batch_Size> 20.819765 </Batch_Size><Boil_Size>24</Boil_Size>\n"
    "  <Boil_Time>60</Boil_Time><Efficiency>72</Efficiency>\n"
    "  <OtherProgram_Rating stars=\"5\">great</OtherProgram_Rating>\n"
    "  <Style><Name>Blonde Ale</Name><Category>Light Hybrid</Category><OG_Min>1.038</OG_Min>\n"
    "    <OG_Max>1.054</OG_Max><Type>Ale</Type></Style>\n"
    "  <Hops>\n"
    "    <Hop><Name>cascade</Name><Alpha>5.5</Alpha><Amount>0.028349523125</Amount>\n"
    "      <Use>Boil</Use><Time>60</Time></Hop>\n"
    "    <Hop><Name>Nugget Special</Name><Alpha>13</Alpha><Amount>0.014</Amount>\n"
    "      <Use>Dry Hop</Use><Time>4320</Time></Hop>\n"
    "  </Hops>\n"
    "  <Fermentables>\n"
    "    <Fermentable><Name>PILSNER MALT</Name><Type>Grain</Type><Amount>4.5359237</Amount>\n"
    "      <Yield>78</Yield><Color>2</Color></Fermentable>\n"
    "    <Fermentable><Name>Honey</Name><Type>Sugar</Type><Amount>0.45359237</Amount>\n"
    "      <Yield>75</Yield><Color>1</Color></Fermentable>\n"
    "  </Fermentables>\n"
    "  <Miscs><Misc><Name>Irish Moss</Name><Type>Fining</Type><Use>Boil</Use><Time>15</Time>\n"
    "    <Amount>0.005</Amount><Amount_Is_Weight>TRUE</Amount_Is_Weight></Misc></Miscs>\n"
    "  <Yeasts><Yeast><Name>House Ale</Name><Type>Ale</Type><Form>Liquid</Form>\n"
    "    <Amount>0.1</Amount><Laboratory>Somewhere</Laboratory><Attenuation>77</Attenuation>\n"
    "  </Yeast></Yeasts>\n"
    "  <Waters><Water><Name>Tap</Name></Water></Waters>\n"
    "  <Mash><Name>Single</Name><Grain_Temp>20</Grain_Temp><Mash_Steps>\n"
    "    <Mash_Step><Name>A</Name><Step_Temp>50</Step_Temp><Step_Time>10</Step_Time></Mash_Step>\n"
    "    <Mash_Step><Name>B</Name><Step_Temp>65</Step_Temp><Step_Time>60</Step_Time></Mash_Step>\n"
    "    <Mash_Step><Name>C</Name><Step_Temp>72</Step_Temp><Step_Time>10</Step_Time></Mash_Step>\n"
    "    <Mash_Step><Name>D</Name><Step_Temp>76</Step_Temp><Step_Time>10</Step_Time></Mash_Step>\n"
    "    <Mash_Step><Name>E</Name><Step_Temp>78</Step_Temp><Step_Time>5</Step_Time></Mash_Step>\n"
    "  </Mash_Steps></Mash>\n"
    "</Recipe>\n";

TEST_F(BeerXmlFiles, AFileAsOtherProgramsWriteItImports) {
    const QString db = makeRecipeDb();
    const auto summary = import(db, QByteArray(kForeign));
    ASSERT_TRUE(summary);
    ASSERT_EQ(summary->added.size(), 1u);
    EXPECT_EQ(summary->added[0].batch, 1);
    // "cascade" and "PILSNER MALT" are in the Data database in another case; a made-up hop and
    // yeast are not, and stay as typed.
    EXPECT_EQ(summary->matched, 4);
    EXPECT_EQ(summary->keptAsTyped,
              (QStringList{QStringLiteral("Hop \"Nugget Special\" in \"Lawnmower Blonde\""),
                           QStringLiteral("Yeast \"House Ale\" in \"Lawnmower Blonde\"")}));
    // The fifth mash step has no place; the water profile is named as not kept.
    EXPECT_EQ(summary->skipped.size(), 1) << summary->text().toStdString();
    EXPECT_EQ(summary->notKept.at(QStringLiteral("water profiles (a recipe keeps none)")), 1);

    EXPECT_EQ(scalar(db, QStringLiteral("SELECT RecipeProcessAllGrain FROM Recipes")), 1);
    EXPECT_DOUBLE_EQ(scalar(db, QStringLiteral("SELECT RecipeBatchSize FROM Recipes")).toDouble(),
                     5.5);
    // Kilograms to the recipe's pounds and ounces, exactly.
    EXPECT_DOUBLE_EQ(
        scalar(db, QStringLiteral("SELECT IngGrainsWeight FROM Ingredients_Grains")).toDouble(),
        10.0);
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT IngGrainsUnits FROM Ingredients_Grains")), "lbs");
    EXPECT_NE(scalar(db, QStringLiteral("SELECT IngGrainsID FROM Ingredients_Grains")).toInt(), 0);
    EXPECT_DOUBLE_EQ(
        scalar(db, QStringLiteral(
                       "SELECT IngHopsWeight FROM Ingredients_Hops ORDER BY IngRowID LIMIT 1"))
            .toDouble(),
        1.0);
    // The dry hop counts as an addition at 0 minutes.
    EXPECT_EQ(
        scalar(db,
               QStringLiteral(
                   "SELECT IngHopsTime FROM Ingredients_Hops WHERE IngHopsName = 'Nugget Special'"))
            .toDouble(),
        0.0);
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT IngAdjunctsFermentable FROM Ingredients_Adjuncts "
                                        "WHERE IngAdjunctsName = 'Honey'")),
              1);
    EXPECT_EQ(
        scalar(db, QStringLiteral("SELECT IngAdjunctsAmt || ' ' || IngAdjunctsUnits FROM "
                                  "Ingredients_Adjuncts WHERE IngAdjunctsName = 'Irish Moss'")),
        "5 g");
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT RecipeMashTemp2 FROM Recipes")), 149);
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT RecipeMashTime4 FROM Recipes")), 10);
    // The hop rows carry their bitterness at once.
    EXPECT_GT(scalar(db, QStringLiteral(
                             "SELECT IngHopsIBU FROM Ingredients_Hops ORDER BY IngRowID LIMIT 1"))
                  .toDouble(),
              5.0);
}

TEST_F(BeerXmlFiles, BadFilesAreRefusedAndTheDatabaseIsUnchanged) {
    const QString db = copyShippedSamples();
    const QByteArray before = test::FileDigest(db);
    const QByteArray good = exportAll(db);
    QByteArray secondWithoutName = good;
    secondWithoutName.replace("<NAME>Backyard Pale Ale</NAME>", "<NAME></NAME>");
    QByteArray negative = good;
    negative.replace("<AMOUNT>", "<AMOUNT>-");
    QByteArray notNumber = good;
    notNumber.replace("<ALPHA>5</ALPHA>", "<ALPHA>five</ALPHA>");
    const QByteArray bomb =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE RECIPES [<!ENTITY a \"aaaaaaaaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]>\n"
        "<RECIPES><RECIPE><NAME>&c;</NAME></RECIPE></RECIPES>";
    const QByteArray external =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE RECIPES [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
        "<RECIPES><RECIPE><NAME>&x;</NAME></RECIPE></RECIPES>";
    const std::pair<QByteArray, const char*> cases[] = {
        {"this is not XML at all", "line 1"},
        {good.left(good.size() / 2), "line"},
        {"<?xml version=\"1.0\"?><HOPS><HOP/></HOPS>", "<HOPS>"},
        {secondWithoutName, "a recipe without a name"},
        {negative, "is negative"},
        {notNumber, "ALPHA is no number: \"five\""},
        {bomb, "document type declarations"},
        {external, "document type declarations"},
        {"<RECIPES></RECIPES>", "no recipe"},
    };
    for (const auto& [bytes, expected] : cases) {
        QString error;
        EXPECT_FALSE(import(db, bytes, &error)) << expected;
        EXPECT_TRUE(error.contains(QLatin1String(expected))) << error.toStdString();
        EXPECT_EQ(test::FileDigest(db), before) << expected;
    }
}

// The limit is the same for what is read and what is written: a file past it is refused
// unread, and an export that would pass it stops without touching its destination.
TEST_F(BeerXmlFiles, TheImportLimitAndTheExportAgree) {
    const QString db = copyShippedSamples();
    const QByteArray before = test::FileDigest(db);
    {
        // Sparse: as large as the limit allows and one byte more, without the disk it takes.
        QFile big(path(QStringLiteral("big.xml")));
        ASSERT_TRUE(big.open(QIODevice::ReadWrite));
        ASSERT_TRUE(big.resize(BeerXml::kMaxBytes + 1));
        CDaoDatabase recipes;
        recipes.Open(db, false, false);
        QString error;
        EXPECT_FALSE(BeerXml::importRecipes(recipes, nullptr, big, m_table, error));
        EXPECT_TRUE(error.contains(QStringLiteral("at most %1 are read").arg(BeerXml::kMaxBytes)))
            << error.toStdString();
    }
    EXPECT_EQ(test::FileDigest(db), before);

    CDaoDatabase recipes;
    recipes.Open(db, false, true);
    const QByteArray all = exportAll(db);
    const QString target = path(QStringLiteral("all.xml"));
    QString error;
    {
        QSaveFile out(target);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        EXPECT_FALSE(BeerXml::exportRecipes(recipes, {}, m_table, out, error, {}, all.size() / 2));
    }
    EXPECT_TRUE(error.contains(QStringLiteral("larger than the %1 bytes").arg(all.size() / 2)))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral(" of 8 recipes fit"))) << error.toStdString();
    EXPECT_FALSE(error.contains(QStringLiteral("(0 of 8"))) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(target));
    // At the limit exactly, the whole file is written.
    QSaveFile out(target);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    EXPECT_TRUE(BeerXml::exportRecipes(recipes, {}, m_table, out, error, {}, all.size()))
        << error.toStdString();
    ASSERT_TRUE(out.commit());
    EXPECT_EQ(readFile(target), all);
}

// A file of many recipes in several sections is read a recipe at a time and comes in whole,
// in its order; an error in its last line adds nothing.
TEST_F(BeerXmlFiles, AStreamedFileComesInWholeOrNotAtAll) {
    const QString samples = copyShippedSamples();
    QByteArray recipes;
    for (int i = 1; i <= 300; ++i)
        recipes += QStringLiteral("<RECIPE><NAME>Streamed %1</NAME><DATE>%2/1/2026</DATE>"
                                  "<HOPS><HOP><NAME>Cascade</NAME><ALPHA>5</ALPHA><AMOUNT>0.03"
                                  "</AMOUNT><USE>Boil</USE><TIME>60</TIME></HOP></HOPS>"
                                  "<COLOUR_OF_THE_LABEL>red</COLOUR_OF_THE_LABEL></RECIPE>\n")
                       .arg(i)
                       .arg(i % 12 + 1)
                       .toUtf8();
    const QByteArray file = "<?xml version=\"1.0\"?><HOPS><HOP><NAME>Saaz</NAME></HOP></HOPS>\n"
                            "<RECIPES>\n" +
                            recipes + "</RECIPES>\n<YEASTS><YEAST/><YEAST/></YEASTS>\n";
    const QByteArray before = test::FileDigest(samples);
    QString error;
    EXPECT_FALSE(import(samples, file + "<RECIPES><", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("line "))) << error.toStdString();
    EXPECT_EQ(test::FileDigest(samples), before);

    const auto summary = import(samples, file, &error);
    ASSERT_TRUE(summary) << error.toStdString();
    ASSERT_EQ(summary->added.size(), 300u);
    EXPECT_EQ(summary->added.front().name, QStringLiteral("Streamed 1"));
    EXPECT_EQ(summary->added.back().name, QStringLiteral("Streamed 300"));
    EXPECT_EQ(summary->added.back().batch, summary->added.front().batch + 299);
    EXPECT_EQ(summary->notKept.at(QStringLiteral("HOPS (a list of the file beside its recipes, "
                                                 "not imported)")),
              1);
    EXPECT_EQ(summary->notKept.at(QStringLiteral("YEASTS (a list of the file beside its "
                                                 "recipes, not imported)")),
              2);
    SqliteConnection c(samples, SqliteConnection::Mode::ReadOnly);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM Recipes r JOIN Ingredients_Hops h ON "
                                      "h.IngRecipeID = r.RecipeID WHERE r.RecipeName LIKE "
                                      "'Streamed %' AND h.IngHopsHBU > 0"))
                  .toInt(),
              300);
}

TEST_F(BeerXmlFiles, NoBatchNumberLeftAddsNothing) {
    const QString db = copyShippedSamples();
    execSql(db, QStringLiteral(
                    "UPDATE Recipes SET RecipeBatchNo = 2147483647 WHERE RecipeBatchNo = 8"));
    const QByteArray before = test::FileDigest(db);
    QString error;
    EXPECT_FALSE(import(db, QByteArray(kForeign), &error));
    EXPECT_TRUE(error.contains(QLatin1String("no batch number is left"))) << error.toStdString();
    EXPECT_EQ(test::FileDigest(db), before);
}

TEST_F(BeerXmlFiles, ExportNamesAMissingBatch) {
    CDaoDatabase db;
    db.Open(copyShippedSamples(), false, true);
    QString error;
    EXPECT_TRUE(BeerXml::exportRecipes(db, {3, 99}, m_table, error).isEmpty());
    EXPECT_EQ(error, QStringLiteral("no recipe with batch number 99"));
    error.clear();
    const QByteArray one = BeerXml::exportRecipes(db, {3}, m_table, error);
    EXPECT_EQ(one.count("<RECIPE>"), 1);
    EXPECT_TRUE(one.contains("<NAME>Porch Stout</NAME>"));
    EXPECT_TRUE(one.contains("<EST_OG>"));
}

TEST_F(BeerXmlFiles, TextsKeepTheLengthsOfTheirFields) {
    const QString db = copyShippedSamples();
    const QByteArray before = test::FileDigest(db);
    const auto recipe = [](const QByteArray& fields) {
        return "<RECIPES><RECIPE><NAME>Long</NAME>" + fields + "</RECIPE></RECIPES>";
    };
    // A memo longer than any brewer writes is refused, with its place.
    QString error;
    EXPECT_FALSE(import(db, recipe("\n<NOTES>" + QByteArray(70000, 'n') + "</NOTES>"), &error));
    EXPECT_TRUE(error.contains(QLatin1String("line 2, column"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String("NOTES holds 70000 characters")))
        << error.toStdString();
    EXPECT_EQ(test::FileDigest(db), before);

    // A long one that a brewer might write comes in whole; a one-line text keeps its field's
    // length, and the summary says what was cut.
    const QByteArray notes(60000, 'n');
    const auto summary = import(
        db, recipe("<NOTES>" + notes + "</NOTES><BREWER>" + QByteArray(80, 'b') + "</BREWER>"),
        &error);
    ASSERT_TRUE(summary) << error.toStdString();
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT length(RecipeComments) FROM Recipes WHERE "
                                        "RecipeBatchNo = 9")),
              60000);
    EXPECT_EQ(
        scalar(db, QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeBatchNo = 9")),
        QString(50, u'b'));
    EXPECT_TRUE(summary->text().contains(
        QLatin1String("RecipeBrewer of \"Long\" shortened to its field's 50 characters")))
        << summary->text().toStdString();
}

} // namespace
} // namespace wsc
