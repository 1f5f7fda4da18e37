// Recipe files as other programs write them and read them: what comes in, what goes out, and
// what a peer program's schema refuses.
#include "support/BeerXmlFixture.h"

#include "core/calc/UtilizationTable.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/interchange/BeerXml.h"
#include "core/interchange/BeerXmlFields.h"
#include "core/interchange/RecipeDates.h"
#include "core/interchange/XmlTree.h"

#include <QSet>
#include <QXmlStreamReader>

#include <cmath>
#include <functional>

namespace wsc {
namespace {

class Travel : public test::BeerXmlFixture {
protected:
    // An import that fails unasked is a failure of the test.
    std::optional<ImportSummary> import(const QString& file, const QByteArray& xml,
                                        QString* errorOut = nullptr) {
        QString error;
        auto summary = BeerXmlFixture::import(file, xml, &error);
        if (errorOut)
            *errorOut = error;
        EXPECT_TRUE(summary || errorOut) << error.toStdString();
        return summary;
    }
    static XmlElement tree(const QByteArray& xml) {
        XmlProblem problem;
        const auto root = ReadXmlTree(xml, problem, BeerXml::kMaxBytes);
        EXPECT_TRUE(root) << problem.describe().toStdString();
        return root ? *root : XmlElement{};
    }
    // A one-recipe file of another program with `inside` in its RECIPE.
    static QByteArray foreign(const QByteArray& inside, const QByteArray& name = "Visitor") {
        return "<?xml version=\"1.0\"?>\n<RECIPES><RECIPE><NAME>" + name +
               "</NAME><VERSION>1</VERSION><TYPE>All Grain</TYPE><BREWER>Guest</BREWER>"
               "<BATCH_SIZE>20</BATCH_SIZE><BOIL_SIZE>25</BOIL_SIZE><BOIL_TIME>60</BOIL_TIME>" +
               inside + "</RECIPE></RECIPES>";
    }
    QString summaryText(const std::optional<ImportSummary>& s) { return s ? s->text() : QString(); }
};

// ---- What we write -------------------------------------------------------------------------

// The rules the peer program's schema enforces: required records and elements, words of the
// format's lists, temperatures and amounts of 0 or more, gravities of 0.990 to 2.000, names.
void ObeysThePeersRules(const XmlElement& recipe, const std::string& which) {
    const std::map<QString, QStringList> required = {
        {QStringLiteral("RECIPE"),
         {"NAME", "VERSION", "TYPE", "STYLE", "EQUIPMENT", "BREWER", "BATCH_SIZE", "BOIL_SIZE",
          "BOIL_TIME", "HOPS", "FERMENTABLES", "MISCS", "YEASTS", "WATERS", "MASH"}},
        {QStringLiteral("STYLE"),
         {"NAME", "CATEGORY", "VERSION", "CATEGORY_NUMBER", "STYLE_LETTER", "STYLE_GUIDE", "TYPE",
          "OG_MIN", "OG_MAX", "FG_MIN", "FG_MAX", "IBU_MIN", "IBU_MAX", "COLOR_MIN", "COLOR_MAX"}},
        {QStringLiteral("EQUIPMENT"), {"NAME", "VERSION", "BOIL_SIZE", "BATCH_SIZE"}},
        {QStringLiteral("MASH"), {"NAME", "VERSION", "GRAIN_TEMP", "MASH_STEPS"}},
        {QStringLiteral("MASH_STEP"), {"NAME", "VERSION", "TYPE", "STEP_TEMP", "STEP_TIME"}},
        {QStringLiteral("HOP"), {"NAME", "VERSION", "ALPHA", "AMOUNT", "USE", "TIME"}},
        {QStringLiteral("FERMENTABLE"), {"NAME", "VERSION", "TYPE", "AMOUNT", "YIELD", "COLOR"}},
        {QStringLiteral("MISC"), {"NAME", "VERSION", "TYPE", "USE", "TIME", "AMOUNT"}},
        {QStringLiteral("YEAST"), {"NAME", "VERSION", "TYPE", "FORM", "AMOUNT"}},
    };
    const std::map<QString, QStringList> words = {
        {QStringLiteral("RECIPE/TYPE"), {"Extract", "Partial Mash", "All Grain"}},
        {QStringLiteral("RECIPE/IBU_METHOD"), {"Rager", "Tinseth", "Garetz"}},
        {QStringLiteral("STYLE/TYPE"), {"Lager", "Ale", "Mead", "Wheat", "Mixed", "Cider"}},
        {QStringLiteral("HOP/USE"), {"Boil", "Dry Hop", "Mash", "First Wort", "Aroma"}},
        {QStringLiteral("HOP/FORM"), {"Pellet", "Plug", "Leaf"}},
        {QStringLiteral("FERMENTABLE/TYPE"),
         {"Grain", "Sugar", "Extract", "Dry Extract", "Adjunct"}},
        {QStringLiteral("MISC/TYPE"),
         {"Spice", "Fining", "Water Agent", "Herb", "Flavor", "Other"}},
        {QStringLiteral("MISC/USE"), {"Boil", "Mash", "Primary", "Secondary", "Bottling"}},
        {QStringLiteral("YEAST/TYPE"), {"Ale", "Lager", "Wheat", "Wine", "Champagne"}},
        {QStringLiteral("YEAST/FORM"), {"Liquid", "Dry", "Slant", "Culture"}},
        {QStringLiteral("MASH_STEP/TYPE"), {"Infusion", "Temperature", "Decoction"}},
    };
    const QSet<QString> gravities = {"OG", "FG", "OG_MIN", "OG_MAX", "FG_MIN", "FG_MAX"};
    const QSet<QString> named = {"RECIPE", "STYLE",       "EQUIPMENT", "MASH", "MASH_STEP",
                                 "HOP",    "FERMENTABLE", "MISC",      "YEAST"};
    std::function<void(const XmlElement&)> check = [&](const XmlElement& e) {
        if (const auto it = required.find(e.name); it != required.end()) {
            for (const QString& child : it->second)
                EXPECT_NE(e.child(child.toLatin1().constData()), nullptr)
                    << which << ": " << e.name.toStdString() << " without " << child.toStdString();
        }
        if (named.contains(e.name)) {
            EXPECT_FALSE(e.value("NAME").isEmpty()) << which << ": " << e.name.toStdString();
        }
        for (const XmlElement& c : e.children) {
            const QString key = e.name + u'/' + c.name;
            if (const auto it = words.find(key); it != words.end()) {
                EXPECT_TRUE(it->second.contains(c.text))
                    << which << ": " << key.toStdString() << " \"" << c.text.toStdString() << "\"";
            }
            if (c.name.startsWith(QLatin1String("WORTSMITH_")) || !c.children.empty()) {
                check(c);
                continue;
            }
            bool number = false;
            const double v = c.text.toDouble(&number);
            if (!number)
                continue;
            if (c.name.endsWith(QLatin1String("TEMP"))) {
                EXPECT_TRUE(v >= 0 && v <= 150) << which << ": " << key.toStdString() << " " << v;
            }
            if (c.name.contains(QLatin1String("AMOUNT")) ||
                c.name.endsWith(QLatin1String("SIZE"))) {
                EXPECT_GE(v, 0) << which << ": " << key.toStdString();
            }
            if (gravities.contains(c.name)) {
                EXPECT_TRUE(v >= 0.99 && v <= 2.0)
                    << which << ": " << key.toStdString() << " " << v;
            }
        }
    };
    check(recipe);
}

TEST_F(Travel, EveryExportedRecipeObeysThePeersRules) {
    const QString samples = copyShippedSamples();
    // One more, with everything unset or out of range that a file of another program once
    // brought: no temperatures, no pH, no style, a Plato gravity and a °F mash temperature
    // taken as they were, a package of yeast.
    execSql(
        samples,
        QStringLiteral(
            "INSERT INTO Recipes (RecipeBatchNo, RecipeName, RecipeSGOriginal, RecipeMashTemp2, "
            "RecipeMashTime2, RecipeFermAvgTempPri, RecipeProcessAllGrain) VALUES (99, 'Odd', "
            "11.6, "
            "306, 60, 0, 1);"
            "INSERT INTO Ingredients_Yeasts (IngRecipeID, IngYeastName, IngYeastAmt, "
            "IngYeastUnits, "
            "IngYeastForm, IngYeastType) SELECT RecipeID, 'Sachet', 1, 'pkg', 'Dry', 'Top' FROM "
            "Recipes WHERE RecipeBatchNo = 99;"));
    const XmlElement root = tree(exportAll(samples));
    const auto recipes = root.all("RECIPE");
    ASSERT_EQ(recipes.size(), 9u);
    for (const XmlElement* r : recipes)
        ObeysThePeersRules(*r, r->value("NAME").toStdString());

    const XmlElement& odd = *recipes.back();
    // Unset values are left out, not written as -17.8 °C or pH 0.
    EXPECT_EQ(odd.child("PRIMARY_TEMP"), nullptr);
    EXPECT_EQ(odd.child("OG"), nullptr) << "11.6 is no gravity the format takes";
    EXPECT_EQ(odd.child("MASH")->child("PH"), nullptr);
    EXPECT_TRUE(odd.child("MASH")->child("MASH_STEPS")->children.empty())
        << "a step at 306 °C is left to our own elements";
    // A recipe without a style says so; its ranges ask nothing of it.
    EXPECT_EQ(odd.child("STYLE")->value("NAME"), QStringLiteral("No target style"));
    // A package of dry yeast is a sachet's weight.
    EXPECT_DOUBLE_EQ(odd.child("YEASTS")->child("YEAST")->value("AMOUNT").toDouble(), 0.0115);
    EXPECT_EQ(odd.child("YEASTS")->child("YEAST")->value("TYPE"), QStringLiteral("Ale"));

    // A style's final gravities come from its original ones, not 1.000 to 1.000.
    for (const XmlElement* r : recipes) {
        const XmlElement* style = r->child("STYLE");
        EXPECT_LT(style->value("FG_MIN").toDouble(), style->value("FG_MAX").toDouble())
            << r->value("NAME").toStdString();
    }
}

TEST_F(Travel, ColourIsSrmBitternessNamesNoMethodAndMashRecipesAreMashed) {
    const QString samples = copyShippedSamples();
    const XmlElement root = tree(exportAll(samples));
    for (const XmlElement* r : root.all("RECIPE")) {
        const double mcu = r->value("WORTSMITH_MCU").toDouble();
        const double srm = r->value("EST_COLOR").section(u' ', 0, 0).toDouble();
        EXPECT_NEAR(srm, 1.4922 * std::pow(mcu, 0.6859), 0.1) << r->value("NAME").toStdString();
        EXPECT_EQ(r->child("IBU_METHOD"), nullptr);
        const bool mashed = r->value("TYPE") != QLatin1String("Extract");
        for (const XmlElement* f : r->child("FERMENTABLES")->all("FERMENTABLE")) {
            if (f->value("TYPE") == QLatin1String("Grain")) {
                EXPECT_EQ(f->value("RECOMMEND_MASH"), mashed ? "TRUE" : "FALSE")
                    << r->value("NAME").toStdString() << " " << f->value("NAME").toStdString();
            }
        }
    }
}

// What another program's file said of a misc, a hop, a mash step, goes back out with it.
TEST_F(Travel, WhatAnotherProgramSaidOfAnIngredientGoesBackOut) {
    const QString db = makeRecipeDb();
    const auto s = import(
        db,
        foreign(
            "<HOPS><HOP><NAME>Cascade</NAME><ALPHA>5.5</ALPHA><AMOUNT>0.02</AMOUNT><USE>Mash</USE>"
            "<TIME>60</TIME><FORM>Pellet</FORM></HOP></HOPS>"
            "<MISCS><MISC><NAME>Irish Moss</NAME><TYPE>Fining</TYPE><USE>Boil</USE><TIME>15</TIME>"
            "<AMOUNT>0.005</AMOUNT><AMOUNT_IS_WEIGHT>TRUE</AMOUNT_IS_WEIGHT></MISC></MISCS>"
            "<MASH><NAME>M</NAME><GRAIN_TEMP>18</GRAIN_TEMP><MASH_STEPS><MASH_STEP><NAME>Rest</"
            "NAME>"
            "<TYPE>Temperature</TYPE><STEP_TEMP>66</STEP_TEMP><STEP_TIME>60</STEP_TIME></MASH_STEP>"
            "</MASH_STEPS></MASH>"));
    ASSERT_TRUE(s);
    const XmlElement r = *tree(exportAll(db)).child("RECIPE");
    const XmlElement* hop = r.child("HOPS")->child("HOP");
    EXPECT_EQ(hop->value("USE"), QStringLiteral("Mash"));
    EXPECT_EQ(hop->value("TIME"), QStringLiteral("60"));
    EXPECT_EQ(hop->value("FORM"), QStringLiteral("Pellet"));
    const XmlElement* misc = r.child("MISCS")->child("MISC");
    EXPECT_EQ(misc->value("TYPE"), QStringLiteral("Fining"));
    EXPECT_EQ(misc->value("TIME"), QStringLiteral("15"));
    EXPECT_EQ(r.child("MASH")->value("GRAIN_TEMP"), QStringLiteral("18"));
    const XmlElement* step = r.child("MASH")->child("MASH_STEPS")->child("MASH_STEP");
    EXPECT_EQ(step->value("NAME"), QStringLiteral("Rest"));
    EXPECT_EQ(step->value("TYPE"), QStringLiteral("Temperature"));
    ObeysThePeersRules(r, "imported");
    // A hop whose time the brewer changed is written as the recipe now has it.
    execSql(db, QStringLiteral("UPDATE Ingredients_Hops SET IngHopsTime = 45"));
    const XmlElement changed = *tree(exportAll(db)).child("RECIPE");
    EXPECT_EQ(changed.child("HOPS")->child("HOP")->value("USE"), QStringLiteral("Boil"));
    EXPECT_EQ(changed.child("HOPS")->child("HOP")->value("TIME"), QStringLiteral("45"));
}

// Whatever a kept value is, a standard element gets it only as the format takes it there; as
// it was, it goes in our own element for our next import.
TEST_F(Travel, AKeptValueGoesIntoAStandardElementOnlyAsTheFormatTakesIt) {
    const QString db = makeRecipeDb();
    const auto s = import(
        db, foreign("<STYLE><NAME>Kept</NAME><VERSION>1</VERSION><CATEGORY>C</CATEGORY>"
                    "<CATEGORY_NUMBER>1</CATEGORY_NUMBER><STYLE_LETTER>A</STYLE_LETTER>"
                    "<STYLE_GUIDE>G</STYLE_GUIDE><TYPE>ale</TYPE><OG_MIN>1.040</OG_MIN>"
                    "<OG_MAX>1.060</OG_MAX><FG_MIN>2.9 °P</FG_MIN><FG_MAX>3.0711462</FG_MAX>"
                    "<IBU_MIN>20</IBU_MIN><IBU_MAX>30</IBU_MAX><COLOR_MIN>3</COLOR_MIN>"
                    "<COLOR_MAX>6</COLOR_MAX><CARB_MIN> 2.2 </CARB_MIN><CARB_MAX>2.4&gt;</CARB_MAX>"
                    "<ABV_MAX>5.5 %</ABV_MAX></STYLE>"
                    "<FERMENTABLES><FERMENTABLE><NAME>Pale</NAME><VERSION>1</VERSION>"
                    "<TYPE>Grain</TYPE><AMOUNT>4</AMOUNT><YIELD>78</YIELD><COLOR>2</COLOR>"
                    "<ADD_AFTER_BOIL>false</ADD_AFTER_BOIL><MAX_IN_BATCH>140</MAX_IN_BATCH>"
                    "</FERMENTABLE></FERMENTABLES>"
                    "<HOPS><HOP><NAME>H</NAME><ALPHA>5</ALPHA><AMOUNT>0.01</AMOUNT><USE>Boil</USE>"
                    "<TIME>60</TIME><FORM>pellets</FORM><TYPE>aroma</TYPE></HOP></HOPS>"
                    "<YEASTS><YEAST><NAME>Y</NAME><TYPE>Ale</TYPE><FORM>Dry</FORM>"
                    "<AMOUNT>0.0115</AMOUNT><AMOUNT_IS_WEIGHT>TRUE</AMOUNT_IS_WEIGHT>"
                    "<FLOCCULATION>medium</FLOCCULATION><TIMES_CULTURED>1.5</TIMES_CULTURED>"
                    "</YEAST></YEASTS>"));
    ASSERT_TRUE(s);
    const XmlElement r = *tree(exportAll(db)).child("RECIPE");
    ObeysThePeersRules(r, "kept values");
    const XmlElement* style = r.child("STYLE");
    // A word in another case is the list's word; a flag in lower case is a flag.
    EXPECT_EQ(style->value("TYPE"), QStringLiteral("Ale"));
    const XmlElement* grain = r.child("FERMENTABLES")->child("FERMENTABLE");
    EXPECT_EQ(grain->value("ADD_AFTER_BOIL"), QStringLiteral("FALSE"));
    EXPECT_EQ(grain->value("WORTSMITH_KEPT.ADD_AFTER_BOIL"), QStringLiteral("false"));
    // A share of more than the whole is no percentage.
    EXPECT_EQ(grain->child("MAX_IN_BATCH"), nullptr);
    EXPECT_EQ(grain->value("WORTSMITH_KEPT.MAX_IN_BATCH"), QStringLiteral("140"));
    // Degrees Plato named as such become a gravity; a bare 3.07 is no gravity and the range
    // comes from the original gravities instead.
    EXPECT_NEAR(style->value("FG_MIN").toDouble(), 1.0114, 0.0002);
    EXPECT_DOUBLE_EQ(style->value("FG_MAX").toDouble(), 1.021);
    EXPECT_EQ(style->value("WORTSMITH_KEPT.FG_MAX"), QStringLiteral("3.0711462"));
    // Text in a number stays ours alone; blanks around a number and the format's own unit go.
    EXPECT_EQ(style->child("CARB_MAX"), nullptr);
    EXPECT_EQ(style->value("WORTSMITH_KEPT.CARB_MAX"), QStringLiteral("2.4>"));
    EXPECT_EQ(style->value("CARB_MIN"), QStringLiteral("2.2"));
    EXPECT_EQ(style->value("ABV_MAX"), QStringLiteral("5.5"));
    const XmlElement* hop = r.child("HOPS")->child("HOP");
    EXPECT_EQ(hop->child("FORM"), nullptr) << "\"pellets\" is no word of the format's";
    EXPECT_EQ(hop->value("WORTSMITH_KEPT.FORM"), QStringLiteral("pellets"));
    EXPECT_EQ(hop->value("TYPE"), QStringLiteral("Aroma"));
    const XmlElement* yeast = r.child("YEASTS")->child("YEAST");
    EXPECT_EQ(yeast->value("FLOCCULATION"), QStringLiteral("Medium"));
    EXPECT_EQ(yeast->child("TIMES_CULTURED"), nullptr) << "a culture is cultured whole times";

    // And it all comes back in our own import exactly as the other program wrote it.
    const QString again = makeRecipeDb(QStringLiteral("again.mdb"));
    ASSERT_TRUE(import(again, exportAll(db)));
    const XmlElement back = *tree(exportAll(again)).child("RECIPE");
    EXPECT_EQ(back.child("STYLE")->value("WORTSMITH_KEPT.CARB_MAX"), QStringLiteral("2.4>"));
    EXPECT_EQ(
        back.child("FERMENTABLES")->child("FERMENTABLE")->value("WORTSMITH_KEPT.ADD_AFTER_BOIL"),
        QStringLiteral("false"));
}

// The steps go out named as the Mash page heads them.
TEST_F(Travel, ASingleInfusionsStepIsTheStrike) {
    int singles = 0;
    int others = 0;
    const XmlElement root = tree(exportAll(copyShippedSamples()));
    for (const XmlElement* r : root.all("RECIPE")) {
        const XmlElement* step = r->child("MASH")->child("MASH_STEPS")->child("MASH_STEP");
        if (!step)
            continue;
        const bool single = r->child("MASH")->value("WORTSMITH_MASH_TYPE") == QLatin1String("0");
        ++(single ? singles : others);
        EXPECT_EQ(step->value("NAME"), QLatin1String(single ? "Strike" : "Protein Rest"))
            << r->value("NAME").toStdString();
    }
    EXPECT_GT(singles, 0);
    EXPECT_GT(others, 0);
}

// ---- What we read --------------------------------------------------------------------------

TEST_F(Travel, ARoundingArtefactAControlCharacterAndSectionsBesideTheRecipesComeIn) {
    const QString db = makeRecipeDb();
    // A rounding artefact of an optional amount reads as 0; a real negative is refused.
    auto s = import(db, foreign("<MASH><NAME>M</NAME><GRAIN_TEMP>20</GRAIN_TEMP><MASH_STEPS>"
                                "<MASH_STEP><NAME>S</NAME><TYPE>Infusion</TYPE>"
                                "<INFUSE_AMOUNT>-0.0029853</INFUSE_AMOUNT><STEP_TEMP>66</STEP_TEMP>"
                                "<STEP_TIME>60</STEP_TIME></MASH_STEP></MASH_STEPS></MASH>"));
    ASSERT_TRUE(s);
    EXPECT_TRUE(
        summaryText(s).contains(QStringLiteral("INFUSE_AMOUNT of -0.0029853 (line 2) read as 0")))
        << summaryText(s).toStdString();
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT RecipeMashVol1 FROM Recipes")).toDouble(), 0.0);
    QString error;
    EXPECT_FALSE(import(db,
                        foreign("<HOPS><HOP><NAME>H</NAME><ALPHA>5</ALPHA><AMOUNT>-0.5</AMOUNT>"
                                "<USE>Boil</USE><TIME>60</TIME></HOP></HOPS>"),
                        &error));
    EXPECT_TRUE(error.contains(QStringLiteral("is negative"))) << error.toStdString();

    // A control character inside a text is dropped, and said.
    s = import(db, foreign("<NOTES>Ring\x01the bell</NOTES>", "Bell"));
    ASSERT_TRUE(s);
    EXPECT_EQ(
        scalar(db, QStringLiteral("SELECT RecipeComments FROM Recipes WHERE RecipeName = 'Bell'")),
        QStringLiteral("Ringthe bell"));
    EXPECT_TRUE(summaryText(s).contains(QStringLiteral("1 control character(s)")));

    // Lists beside the recipes, at the top of the file: the recipes come in, the lists are named.
    const QByteArray sections =
        "<?xml version=\"1.0\"?>\n<HOPS><HOP><NAME>Spare</NAME></HOP><HOP><NAME>Two</NAME></HOP>"
        "</HOPS>\n<FERMENTABLES><FERMENTABLE><NAME>Malt</NAME></FERMENTABLE></FERMENTABLES>\n"
        "<RECIPES><RECIPE><NAME>Sectioned</NAME><BATCH_SIZE>20</BATCH_SIZE></RECIPE></RECIPES>\n";
    s = import(db, sections);
    ASSERT_TRUE(s) << "a file of several sections is read";
    ASSERT_EQ(s->added.size(), 1u);
    EXPECT_EQ(s->added[0].name, QStringLiteral("Sectioned"));
    EXPECT_EQ(s->notKept.at(QStringLiteral("HOPS (a list of the file beside its recipes, not "
                                           "imported)")),
              2);
    EXPECT_EQ(s->notKept.at(QStringLiteral("FERMENTABLES (a list of the file beside its "
                                           "recipes, not imported)")),
              1);
}

struct DateCase {
    const char* name;
    QStringList texts;               // the DATE of each recipe of one file
    std::vector<const char*> stored; // what each gets, "" for none
};
void PrintTo(const DateCase& c, std::ostream* os) {
    *os << c.name;
}

class Dates : public Travel, public ::testing::WithParamInterface<DateCase> {};

TEST_P(Dates, AreReadInTheFormsFilesWriteThem) {
    const DateCase& c = GetParam();
    const QString db = makeRecipeDb();
    QByteArray xml = "<RECIPES>";
    for (int i = 0; i < c.texts.size(); ++i)
        xml += "<RECIPE><NAME>R" + QByteArray::number(i) + "</NAME><DATE>" + c.texts[i].toUtf8() +
               "</DATE></RECIPE>";
    xml += "</RECIPES>";
    const auto s = import(db, xml);
    ASSERT_TRUE(s);
    for (int i = 0; i < c.texts.size(); ++i) {
        const QString where = QStringLiteral(" FROM Recipes WHERE RecipeName = 'R%1'").arg(i);
        const QVariant stored = scalar(db, QStringLiteral("SELECT RecipeDateBrewed") + where);
        if (QByteArray(c.stored[static_cast<std::size_t>(i)]).isEmpty()) {
            EXPECT_TRUE(stored.isNull()) << stored.toString().toStdString();
            EXPECT_TRUE(scalar(db, QStringLiteral("SELECT RecipeComments") + where)
                            .toString()
                            .contains(c.texts[i]));
            EXPECT_TRUE(summaryText(s).contains(QStringLiteral("no date this program reads")));
        } else {
            EXPECT_EQ(stored.toString(), QString::fromLatin1(c.stored[static_cast<std::size_t>(i)]))
                << c.texts[i].toStdString();
        }
    }
    // Nothing the program then calls a value it cannot use.
    CDaoDatabase open;
    open.Open(db, false, true);
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT count(*) FROM Recipes WHERE RecipeDateBrewed "
                                        "NOT LIKE '____-__-__T__:__:__'")),
              0);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Dates,
    ::testing::Values(DateCase{"Iso",
                               {"2017-07-14", "2017-07-14T18:30:00", "2017-07-14 18:30"},
                               {"2017-07-14T00:00:00", "2017-07-14T18:30:00",
                                "2017-07-14T18:30:00"}},
                      DateCase{"UsMonthFirst",
                               {"4/6/2003", "8/12/2015 4:43:15 PM"},
                               {"2003-04-06T00:00:00", "2015-08-12T16:43:15"}},
                      DateCase{"DayFirstByTheFilesOtherDates",
                               {"4/6/2003", "25/12/2003"},
                               {"2003-06-04T00:00:00", "2003-12-25T00:00:00"}},
                      DateCase{"MonthNames",
                               {"14 Jul 2017", "3 Dec 04", "July 14, 2017", "14-Jul-2017 09:15"},
                               {"2017-07-14T00:00:00", "2004-12-03T00:00:00", "2017-07-14T00:00:00",
                                "2017-07-14T09:15:00"}},
                      DateCase{"NoDate", {"brewed last spring", "31/31/2020"}, {"", ""}}),
    [](const ::testing::TestParamInfo<DateCase>& info) { return std::string(info.param.name); });

TEST(RecipeDatesOrder, DayFirstOnlyWhenAFileSaysSo) {
    EXPECT_EQ(RecipeDates::orderOf({QStringLiteral("4/6/2003")}), RecipeDates::Order::MonthFirst);
    EXPECT_EQ(RecipeDates::orderOf({QStringLiteral("4/6/2003"), QStringLiteral("13/6/2003")}),
              RecipeDates::Order::DayFirst);
}

// Hops added outside the boil are no boiled hops: a mash hop adds no bitterness of a boil.
TEST_F(Travel, AHopOutsideTheBoilIsNotBoiledForItsSteepTime) {
    const QString db = makeRecipeDb();
    const auto s =
        import(db, foreign("<HOPS>"
                           "<HOP><NAME>Mashed</NAME><ALPHA>10</ALPHA><AMOUNT>0.028</"
                           "AMOUNT><USE>Mash</USE><TIME>60</TIME></HOP>"
                           "<HOP><NAME>First</NAME><ALPHA>10</ALPHA><AMOUNT>0.028</"
                           "AMOUNT><USE>First Wort</USE><TIME>60</TIME></HOP>"
                           "<HOP><NAME>Steeped</NAME><ALPHA>10</ALPHA><AMOUNT>0.028</"
                           "AMOUNT><USE>Aroma</USE><TIME>20</TIME></HOP>"
                           "<HOP><NAME>Whirl</NAME><ALPHA>10</ALPHA><AMOUNT>0.028</"
                           "AMOUNT><USE>Whirlpool</USE><TIME>30</TIME></HOP>"
                           "<HOP><NAME>Boiled</NAME><ALPHA>10</ALPHA><AMOUNT>0.028</"
                           "AMOUNT><USE>Boil</USE><TIME>60</TIME></HOP>"
                           "</HOPS><FERMENTABLES><FERMENTABLE><NAME>Pale</NAME><TYPE>Grain</"
                           "TYPE><AMOUNT>4.5</AMOUNT>"
                           "<YIELD>78</YIELD><COLOR>2</COLOR></FERMENTABLE></FERMENTABLES>"));
    ASSERT_TRUE(s);
    auto ibu = [&](const char* hop) {
        return scalar(db, QStringLiteral(
                              "SELECT IngHopsIBU FROM Ingredients_Hops WHERE IngHopsName = '%1'")
                              .arg(QString::fromLatin1(hop)))
            .toDouble();
    };
    EXPECT_EQ(ibu("Mashed"), 0.0);
    EXPECT_EQ(ibu("Steeped"), 0.0);
    EXPECT_EQ(ibu("Whirl"), 0.0);
    EXPECT_GT(ibu("First"), 10.0);
    EXPECT_DOUBLE_EQ(ibu("First"), ibu("Boiled"));
}

// Gravities in degrees Plato or in points, °F in °C fields: read as a brewer reads them, and said.
TEST_F(Travel, ValuesInAnotherScaleAreReadInTheirScale) {
    const QString db = makeRecipeDb();
    auto s = import(db, foreign("<OG>11.6</OG><FG>3.3</FG><MASH><NAME>M</NAME><MASH_STEPS>"
                                "<MASH_STEP><NAME>S</NAME><STEP_TEMP>152</STEP_TEMP>"
                                "<STEP_TIME>60</STEP_TIME></MASH_STEP></MASH_STEPS></MASH>",
                                "Plato"));
    ASSERT_TRUE(s);
    const QString where = QStringLiteral(" FROM Recipes WHERE RecipeName = 'Plato'");
    EXPECT_NEAR(scalar(db, QStringLiteral("SELECT RecipeSGOriginal") + where).toDouble(), 1.0467,
                0.0005);
    EXPECT_NEAR(scalar(db, QStringLiteral("SELECT RecipeSGFinal") + where).toDouble(), 1.0129,
                0.0005);
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT RecipeMashTemp1") + where).toInt(), 152);
    EXPECT_TRUE(summaryText(s).contains(QStringLiteral("read as degrees Plato")));
    EXPECT_TRUE(summaryText(s).contains(QStringLiteral("read as degrees Fahrenheit")));
    s = import(db, foreign("<OG>1053</OG>", "Points"));
    ASSERT_TRUE(s);
    EXPECT_NEAR(scalar(db, QStringLiteral(
                               "SELECT RecipeSGOriginal FROM Recipes WHERE RecipeName = 'Points'"))
                    .toDouble(),
                1.053, 1e-9);
    EXPECT_TRUE(summaryText(s).contains(QStringLiteral("read as gravity points")));
}

// A missing boil size is the batch size and what boils off, not the 5-gallon default.
TEST_F(Travel, AMissingBoilSizeComesFromTheBatch) {
    const QString db = makeRecipeDb();
    const auto s = import(db, "<RECIPES><RECIPE><NAME>Big</NAME><BATCH_SIZE>40</BATCH_SIZE>"
                              "<BOIL_TIME>60</BOIL_TIME><EQUIPMENT><NAME>E</NAME>"
                              "<EVAP_RATE>10</EVAP_RATE></EQUIPMENT></RECIPE>"
                              "<RECIPE><NAME>Plain</NAME><BATCH_SIZE>20</BATCH_SIZE>"
                              "<BOIL_SIZE>0</BOIL_SIZE></RECIPE></RECIPES>");
    ASSERT_TRUE(s);
    EXPECT_NEAR(
        scalar(db, QStringLiteral("SELECT RecipeBoilSize FROM Recipes WHERE RecipeName = 'Big'"))
            .toDouble(),
        44 / 3.785411784, 1e-5);
    EXPECT_NEAR(
        scalar(db, QStringLiteral("SELECT RecipeBoilSize FROM Recipes WHERE RecipeName = 'Plain'"))
            .toDouble(),
        20 / 3.785411784, 1e-5);
    EXPECT_EQ(s->readDifferently.filter(QStringLiteral("boil size")).size(), 2);
}

// Flaked grains and the like are mashed with the grain, where the efficiency applies.
TEST_F(Travel, AnAdjunctOfTheFormatIsAGrain) {
    const QString db = makeRecipeDb();
    ASSERT_TRUE(import(db, foreign("<FERMENTABLES><FERMENTABLE><NAME>Flaked Oats</NAME>"
                                   "<TYPE>Adjunct</TYPE><AMOUNT>0.5</AMOUNT><YIELD>70</YIELD>"
                                   "<COLOR>1</COLOR></FERMENTABLE></FERMENTABLES>")));
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT count(*) FROM Ingredients_Grains")), 1);
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT count(*) FROM Ingredients_Adjuncts")), 0);
    const XmlElement r = *tree(exportAll(db)).child("RECIPE");
    EXPECT_EQ(r.child("FERMENTABLES")->child("FERMENTABLE")->value("TYPE"),
              QStringLiteral("Adjunct"));
}

// The summary names every kind of element the import did not keep, once, with a count.
TEST_F(Travel, TheSummaryNamesWhatWasNotKept) {
    const QString db = makeRecipeDb();
    const auto s = import(
        db, foreign("<EQUIPMENT><NAME>Kettle</NAME><TUN_VOLUME>30</TUN_VOLUME></EQUIPMENT>"
                    "<WATERS><WATER><NAME>Tap</NAME></WATER><WATER><NAME>RO</NAME></WATER></WATERS>"
                    "<EST_OG>1.050</EST_OG><EST_COLOR>10</EST_COLOR><INSTRUCTIONS><INSTRUCTION>Stir"
                    "</INSTRUCTION></INSTRUCTIONS><CARBONATION>2.4</CARBONATION>"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->notKept.at(QStringLiteral("equipment records (the recipe keeps its sizes)")), 1);
    EXPECT_EQ(s->notKept.at(QStringLiteral("water profiles (a recipe keeps none)")), 2);
    EXPECT_EQ(s->notKept.at(QStringLiteral("display figures (estimates and display texts; the "
                                           "program computes its own)")),
              2);
    EXPECT_EQ(s->notKept.at(QStringLiteral("RECIPE/INSTRUCTIONS")), 1);
    // A plain value the recipe has no column for is kept for the next export.
    EXPECT_EQ(tree(exportAll(db)).child("RECIPE")->value("CARBONATION"), QStringLiteral("2.4"));
}

// ---- Our own round trip --------------------------------------------------------------------

// Every column of every table comes back from our own file as it was stored.
TEST_F(Travel, EveryStoredFieldComesBackFromOurOwnFile) {
    const QString samples = copyShippedSamples();
    // The fields earlier exports lost: source, bottling and racking dates, racking gravity,
    // wort collected, competition results, the Data links.
    execSql(
        samples,
        QStringLiteral(
            "UPDATE Recipes SET RecipeSource = 'From a friend', RecipeDateRacked = "
            "'2026-01-17T00:00:00', RecipeSGRacking = 1.014, RecipeWortCollectedVol = 6.25, "
            "RecipeRatingCompName = 'County Fair', RecipeRatingCompScore = 41, "
            "RecipeRatingCompPrizes "
            "= 'Second', RecipeRatingCompComments = 'Clean', RecipeRatingCompDate = "
            "'2026-05-01T00:00:00', RecipeTargetSubcategory = ' ', RecipeUtensils = ' big pot '"));
    const QString copy = makeRecipeDb(QStringLiteral("copy.mdb"));
    ASSERT_TRUE(import(copy, exportAll(samples)));
    using namespace beerxml;
    SqliteConnection a(samples, SqliteConnection::Mode::ReadOnly);
    SqliteConnection b(copy, SqliteConnection::Mode::ReadOnly);
    std::vector<const TableMap*> tables = {&Recipes()};
    for (const TableMap* t : IngredientTables())
        tables.push_back(t);
    int compared = 0;
    for (const TableMap* t : tables) {
        const bool recipes = t == &Recipes();
        const QString order = recipes ? QStringLiteral("RecipeBatchNo")
                                      : QStringLiteral("(SELECT RecipeBatchNo FROM Recipes r WHERE "
                                                       "r.RecipeID = IngRecipeID), IngRowID");
        for (const char* column : t->columns) {
            if (IsIdentity(QString::fromLatin1(column)))
                continue;
            const QString sql =
                QStringLiteral("SELECT group_concat(quote(\"%1\"), '|') FROM (SELECT "
                               "* FROM \"%2\" ORDER BY %3)")
                    .arg(QString::fromLatin1(column), QString::fromLatin1(t->table), order);
            EXPECT_EQ(b.scalar(sql).toString(), a.scalar(sql).toString())
                << t->table << "." << column;
            ++compared;
        }
    }
    EXPECT_GT(compared, 120);
}

// Text the format must escape comes back as it was; a character XML cannot hold at all is left
// out of a file that stays well-formed, and the rest of its text comes back.
TEST_F(Travel, MarkupAndControlCharactersInATextMakeAWellFormedFile) {
    const QString samples = copyShippedSamples();
    execSql(samples, QStringLiteral("UPDATE Recipes SET RecipeComments = 'Tom & Jerry''s \"best\" "
                                    "<ale> > all ' || char(127866) || ' ]]>', RecipeName = 'Bell' "
                                    "|| char(1) || char(11) || ' Ringer' || char(65534) WHERE "
                                    "RecipeBatchNo = (SELECT min(RecipeBatchNo) FROM Recipes)"));
    const QByteArray xml = exportAll(samples);
    ASSERT_FALSE(xml.isEmpty());
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    const QString copy = makeRecipeDb(QStringLiteral("copy.mdb"));
    ASSERT_TRUE(import(copy, xml));
    const QString first = QStringLiteral(" FROM Recipes ORDER BY RecipeBatchNo LIMIT 1");
    EXPECT_EQ(scalar(copy, QStringLiteral("SELECT RecipeComments") + first).toString(),
              QStringLiteral("Tom & Jerry's \"best\" <ale> > all ") +
                  QString::fromUcs4(U"\U0001F37A") + QStringLiteral(" ]]>"));
    EXPECT_EQ(scalar(copy, QStringLiteral("SELECT RecipeName") + first).toString(),
              QStringLiteral("Bell Ringer"));
}

} // namespace
} // namespace wsc
