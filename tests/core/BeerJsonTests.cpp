// BeerJSON: what we write is valid against the standard's own schema, comes back field by field,
// and the files of the standard's package and of other programs come in; bad files change
// nothing.
#include "support/BeerXmlFixture.h"

#include "core/interchange/BeerJson.h"

#include <QDir>

#include <nlohmann/json.hpp>
#include <valijson/adapters/nlohmann_json_adapter.hpp>
#include <valijson/schema.hpp>
#include <valijson/schema_parser.hpp>
#include <valijson/validator.hpp>

#include <fstream>

namespace wsc {
namespace {

const QString kPackage = QStringLiteral(WSC_TEST_DATA_DIR "/beerjson");

// The schema of the package, its files found by the last part of their $id.
class Schema {
public:
    Schema() {
        const nlohmann::json root = load("beer.json");
        valijson::SchemaParser parser(valijson::SchemaParser::kDraft7);
        parser.populateSchema(
            valijson::adapters::NlohmannJsonAdapter(root), m_schema,
            [](const std::string& uri) -> const nlohmann::json* {
                return new nlohmann::json(load(uri.substr(uri.rfind('/') + 1)));
            },
            [](const nlohmann::json* doc) { delete doc; });
    }
    // Empty when valid, else the first faults with where they are.
    std::string faults(const QByteArray& bytes) const {
        const nlohmann::json doc = nlohmann::json::parse(bytes.toStdString());
        valijson::Validator validator;
        valijson::ValidationResults results;
        if (validator.validate(m_schema, valijson::adapters::NlohmannJsonAdapter(doc), &results))
            return {};
        std::string out;
        valijson::ValidationResults::Error e;
        for (int n = 0; n < 8 && results.popError(e); ++n) {
            for (const std::string& p : e.context)
                out += p;
            out += ": " + e.description + "\n";
        }
        return out.empty() ? "invalid" : out;
    }

private:
    static nlohmann::json load(const std::string& name) {
        std::ifstream in((kPackage + QStringLiteral("/schema/")).toStdString() + name);
        return nlohmann::json::parse(in);
    }
    valijson::Schema m_schema;
};

const Schema& TheSchema() {
    static const Schema s;
    return s;
}

class BeerJsonFiles : public test::BeerXmlFixture {
protected:
    QByteArray exportJson(const QString& file) {
        CDaoDatabase db;
        db.Open(file, false, true);
        QString error;
        const QByteArray json = BeerJson::exportRecipes(db, {}, m_table, error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return json;
    }
    std::optional<ImportSummary> importJson(const QString& file, const QByteArray& json,
                                            QString* errorOut = nullptr) {
        CDaoDatabase db;
        db.Open(file, false, false);
        CDaoDatabase data;
        data.Open(m_data, false, true);
        QString error;
        auto summary = BeerJson::importRecipes(db, &data, json, m_table, error);
        if (errorOut)
            *errorOut = error;
        else
            EXPECT_TRUE(summary) << error.toStdString();
        return summary;
    }
    long recipeCount(const QString& file) {
        return scalar(file, QStringLiteral("SELECT count(*) FROM Recipes")).toLongLong();
    }
    // A database with recipes that came from other programs' BeerXML files.
    QString foreignRecipes() {
        const QString db = makeRecipeDb(QStringLiteral("foreign.mdb"));
        const QDir xml(kPackage + QStringLiteral("/samples/xml"));
        for (const QString& name : xml.entryList({QStringLiteral("*.xml")}, QDir::Files)) {
            QString error;
            EXPECT_TRUE(import(db, readFile(xml.filePath(name)), &error)) << error.toStdString();
        }
        return db;
    }
};

// Ours and other programs' recipes go out valid, and come back as they were: the BeerXML
// export of what came back is the export of the original, byte for byte (every column of
// every recipe and ingredient, what other programs' files brought included).
TEST_F(BeerJsonFiles, EveryRecipeGoesOutValidAndComesBackFieldByField) {
    for (const QString& source : {copyShippedSamples(), foreignRecipes()}) {
        const QByteArray json = exportJson(source);
        EXPECT_EQ(TheSchema().faults(json), "") << source.toStdString();
        const QString back =
            makeRecipeDb(QFileInfo(source).baseName() + QStringLiteral("-back.mdb"));
        const auto s = importJson(back, json);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->added.size(), std::size_t(recipeCount(source)));
        const QByteArray before = exportAll(source);
        const QByteArray after = exportAll(back);
        EXPECT_TRUE(before == after) << source.toStdString();
        // And the second export is the first.
        EXPECT_TRUE(exportJson(back) == json);
    }
}

// The measured values are objects of a unit and a value, in the units the schema names.
TEST_F(BeerJsonFiles, ValuesAreMeasuredInTheSchemasUnits) {
    const nlohmann::json doc =
        nlohmann::json::parse(exportJson(copyShippedSamples()).toStdString());
    const auto& recipes = doc["beerjson"]["recipes"];
    ASSERT_EQ(recipes.size(), 8u);
    const auto& pils = recipes[4];
    EXPECT_EQ(pils["name"], "Garden Pils");
    EXPECT_EQ(pils["type"], "all grain");
    EXPECT_EQ(pils["batch_size"]["unit"], "l");
    const auto& grain = pils["ingredients"]["fermentable_additions"][0];
    EXPECT_EQ(grain["amount"]["unit"], "kg");
    EXPECT_EQ(grain["color"]["unit"], "Lovi");
    EXPECT_EQ(grain["timing"]["use"], "add_to_mash") << "mashed, as the recipe is all grain";
    EXPECT_EQ(pils["mash"]["mash_steps"][0]["name"], "Strike");
    EXPECT_EQ(pils["mash"]["mash_steps"][0]["step_temperature"]["unit"], "C");
    const auto& extract = recipes[1]["ingredients"]["fermentable_additions"];
    EXPECT_EQ(extract[1]["timing"]["use"], "add_to_boil") << "steeped in an extract recipe";
}

// Each recipe file of the standard's package comes in; a recipe converted from a BeerXML file
// of another program predicts what the BeerXML file predicts, to the shown precision, where
// the two hold the same data.
TEST_F(BeerJsonFiles, ThePackagesSamplesComeInAndPredictAsTheirBeerXmlTwins) {
    int recipes = 0;
    for (const char* folder : {"real", "generic", "converted"}) {
        const QDir dir(kPackage + QStringLiteral("/samples/") + QLatin1String(folder));
        for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files)) {
            const QByteArray bytes = readFile(dir.filePath(name));
            const nlohmann::json doc = nlohmann::json::parse(bytes.toStdString());
            if (doc["beerjson"].value("recipes", nlohmann::json::array()).empty())
                continue;
            const QString db = makeRecipeDb(QLatin1String(folder) + name + QStringLiteral(".mdb"));
            const auto s = importJson(db, bytes);
            EXPECT_TRUE(s && !s->added.empty()) << name.toStdString();
            ++recipes;
        }
    }
    EXPECT_GE(recipes, 15);

    // The converted files left out the measured gravities of two and wrote potentials at 46
    // points where the BeerXML file says 82 %: those two are compared where that changes
    // nothing.
    for (const char* twin : {"GenericOneHF", "Kolsh", "Londonpride"}) {
        const QString xmlDb = makeRecipeDb(QLatin1String(twin) + QStringLiteral("-xml.mdb"));
        const QString jsonDb = makeRecipeDb(QLatin1String(twin) + QStringLiteral("-json.mdb"));
        ASSERT_TRUE(import(xmlDb, readFile(kPackage + QStringLiteral("/samples/xml/") +
                                           QLatin1String(twin) + QStringLiteral(".xml"))));
        ASSERT_TRUE(importJson(jsonDb, readFile(kPackage + QStringLiteral("/samples/converted/") +
                                                QLatin1String(twin) + QStringLiteral(".json"))));
        // The predictions as the export states them: OG to 0.001, colour to 0.1 SRM, IBU and
        // ABV as shown.
        auto shown = [&](const QString& db) {
            QByteArray xml = exportAll(db);
            QStringList out;
            for (const char* e : {"EST_OG", "EST_COLOR", "IBU", "EST_ABV"}) {
                const qsizetype at = xml.indexOf(QByteArray("<") + e + ">");
                out << QString::fromUtf8(xml.mid(at, xml.indexOf('<', at + 1) - at));
            }
            return out.join(u' ').toStdString();
        };
        EXPECT_EQ(shown(jsonDb), shown(xmlDb)) << twin;
    }
}

// Files as other programs write them: comment lines before the JSON, another version, extra
// properties, units of every kind the schema allows.
TEST_F(BeerJsonFiles, FilesAsOtherProgramsWriteThemComeIn) {
    const QString db = makeRecipeDb();
    const QByteArray file = R"(// written by another program
// on a day of its own
{"beerjson": {"version": 2.1, "generator": "elsewhere", "recipes": [{
  "name": "Visitor", "type": "all grain", "author": "Guest", "extra": [1, 2, {"x": true}],
  "batch_size": {"unit": "gal", "value": 5},
  "efficiency": {"brewhouse": {"unit": "%", "value": 72}},
  "boil": {"pre_boil_size": {"unit": "qt", "value": 24}, "boil_time": {"unit": "hr", "value": 1}},
  "ingredients": {
    "fermentable_additions": [{"name": "Pale", "type": "grain", "color": {"unit": "EBC", "value": 7.88},
      "yield": {"potential": {"unit": "sg", "value": 1.037}}, "amount": {"unit": "lb", "value": 10},
      "timing": {"use": "add_to_mash"}, "grain_group": "base"}],
    "hop_additions": [{"name": "Cascade", "alpha_acid": {"unit": "%", "value": 5.5},
      "amount": {"unit": "oz", "value": 1}, "timing": {"use": "add_to_boil", "time": {"unit": "sec", "value": 3600}}}],
    "culture_additions": [{"name": "US-05", "type": "ale", "form": "dry", "amount": {"unit": "pkg", "value": 1}}]
  },
  "mash": {"name": "Single", "grain_temperature": {"unit": "F", "value": 68},
    "mash_steps": [{"name": "Rest", "type": "infusion", "step_temperature": {"unit": "F", "value": 152},
      "step_time": {"unit": "min", "value": 60}}]}
}]}})";
    const auto s = importJson(db, file);
    ASSERT_TRUE(s);
    ASSERT_EQ(s->added.size(), 1u);
    EXPECT_NEAR(
        scalar(db, QStringLiteral("SELECT IngGrainsColor FROM Ingredients_Grains")).toDouble(), 4.0,
        0.001);
    EXPECT_NEAR(
        scalar(db, QStringLiteral("SELECT IngGrainsSPGrav FROM Ingredients_Grains")).toDouble(),
        1.037, 0.0005);
    EXPECT_DOUBLE_EQ(
        scalar(db, QStringLiteral("SELECT IngHopsTime FROM Ingredients_Hops")).toDouble(), 60);
    // 24 quarts are 6 gallons; a metric recipe would hold them as 22.7 L.
    const double boil = scalar(db, QStringLiteral("SELECT RecipeBoilSize FROM Recipes")).toDouble();
    const bool english =
        scalar(db, QStringLiteral("SELECT RecipeMeasureEnglish FROM Recipes")).toInt() == 0;
    EXPECT_NEAR(boil, english ? 6.0 : 22.712, 0.001);
    EXPECT_DOUBLE_EQ(scalar(db, QStringLiteral("SELECT RecipeMashTemp1 FROM Recipes")).toDouble(),
                     english ? 152 : 66.6667);
}

// A bad file adds nothing and the message says what and where.
TEST_F(BeerJsonFiles, BadFilesAreRefusedWithTheirPlaceAndChangeNothing) {
    const QString db = copyShippedSamples();
    const QByteArray before = test::FileDigest(db);
    const QByteArray recipe = R"({"name": "R", "type": "all grain", "author": "", "batch_size":
        {"unit": "l", "value": 20}, "efficiency": {"brewhouse": {"unit": "%", "value": 70}},
        "ingredients": {"fermentable_additions": [{"name": "Pale", "type": "grain",
        "color": {"unit": "SRM", "value": 2}, "yield": {"fine_grind": {"unit": "%", "value": 80}},
        "amount": AMOUNT}]}})";
    auto withAmount = [&](const QByteArray& amount) {
        QByteArray r = recipe;
        r.replace("AMOUNT", amount);
        return R"({"beerjson": {"version": 1.0, "recipes": [)" + r + "]}}";
    };
    const struct {
        QByteArray file;
        QString says;
    } cases[] = {
        {"{\"beerjson\": {\"recipes\": [\n  {\"name\": \"x\",,}]}}",
         QStringLiteral("line 2, column 16")},
        {"[1, 2, 3]", QStringLiteral("no BeerJSON")},
        {"{\"recipes\": []}", QStringLiteral("no BeerJSON")},
        {R"({"beerjson": {"version": 1.0, "recipes": [{"name": "Bare"}]}})",
         QStringLiteral("recipe \"Bare\" has no ingredients")},
        {withAmount(R"({"unit": "kg", "value": -4})"), QStringLiteral("AMOUNT is negative")},
        {withAmount(R"({"unit": "stone", "value": 4})"),
         QStringLiteral("recipe \"R\": fermentable_additions \"Pale\": amount has the unit "
                        "\"stone\"")},
        {withAmount(R"("four kilograms")"), QStringLiteral("amount is no value with a unit")},
        {QByteArray(200, '[') + QByteArray(200, ']'), QStringLiteral("nested more than 64")},
        {"", QStringLiteral("not valid JSON")},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(importJson(db, c.file, &error)) << c.file.left(80).toStdString();
        EXPECT_TRUE(error.contains(c.says))
            << error.toStdString() << "\n  wanted: " << c.says.toStdString();
        EXPECT_FALSE(error.contains(QStringLiteral("(line"))) << error.toStdString();
    }
    EXPECT_EQ(test::FileDigest(db), before);

    // A gigabyte in one recipe: refused once the import has read what it holds at once, long
    // before the end of the file.
    const QString huge = path(QStringLiteral("huge.json"));
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"({"beerjson": {"version": 1.0, "recipes": [{"name": "Huge", "notes": ")");
        const QByteArray chunk(1 << 20, 'x');
        for (int i = 0; i < 1024; ++i)
            ASSERT_EQ(f.write(chunk), chunk.size());
        f.write(R"("}]}})");
    }
    {
        CDaoDatabase recipes;
        recipes.Open(db, false, false);
        QFile in(huge);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QString error;
        EXPECT_FALSE(BeerJson::importRecipes(recipes, nullptr, in, m_table, error));
        EXPECT_TRUE(
            error.contains(QStringLiteral("larger than the 33554432 bytes an import holds")))
            << error.toStdString();
        EXPECT_LT(in.pos(), qint64(48) << 20) << "the rest of the file is never read";
    }
    QFile::remove(huge);
    EXPECT_EQ(test::FileDigest(db), before);
    // The window and the command line tell the formats apart by what the file holds.
    EXPECT_TRUE(BeerJson::looksLikeJson("// a comment\n  {\"beerjson\": {}}"));
    EXPECT_TRUE(BeerJson::looksLikeJson("\xEF\xBB\xBF{}"));
    EXPECT_FALSE(BeerJson::looksLikeJson("<?xml version=\"1.0\"?><RECIPES/>"));
}

} // namespace
} // namespace wsc
