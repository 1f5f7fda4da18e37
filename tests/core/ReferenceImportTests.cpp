// Reference data in and out of the Data database: what a preview says of each record, what the
// brewer's choices change (seen through a connection of its own), and what goes out.
#include "support/TestSupport.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/interchange/ReferenceData.h"

#include <QBuffer>

#include <nlohmann/json.hpp>
#include <valijson/adapters/nlohmann_json_adapter.hpp>
#include <valijson/schema.hpp>
#include <valijson/schema_parser.hpp>
#include <valijson/validator.hpp>

#include <fstream>

namespace wsc {
namespace {

const QString kPackage = QStringLiteral(WSC_TEST_DATA_DIR "/beerjson");

class ReferenceImport : public test::DbFixture {
protected:
    std::optional<ReferenceFile> read(const QByteArray& bytes, QString* errorOut = nullptr) {
        QBuffer b;
        b.setData(bytes);
        b.open(QIODevice::ReadOnly);
        QString error;
        auto file = ReferenceData::read(b, error);
        if (errorOut)
            *errorOut = error;
        else
            EXPECT_TRUE(file) << error.toStdString();
        return file;
    }
    std::optional<ReferenceFile> previewed(const QByteArray& bytes) {
        auto file = read(bytes);
        if (file) {
            CDaoDatabase db;
            db.Open(m_data, false, true);
            ReferenceData::preview(db, *file);
        }
        return file;
    }
    std::optional<ReferenceResult> apply(const ReferenceFile& file,
                                         const std::vector<ReferenceChoice>& choices) {
        CDaoDatabase db;
        db.Open(m_data, false, false);
        QString error;
        auto r = ReferenceData::apply(db, file, choices, error);
        EXPECT_TRUE(r) << error.toStdString();
        return r;
    }
    QByteArray exported(const QStringList& tables, bool json) {
        CDaoDatabase db;
        db.Open(m_data, false, true);
        QByteArray out;
        QBuffer b(&out);
        b.open(QIODevice::WriteOnly);
        QString error;
        EXPECT_TRUE(ReferenceData::write(db, tables, json, b, error)) << error.toStdString();
        return out;
    }
    // Seen through a connection of its own, as another program would see the file.
    QVariant scalar(const QString& sql) {
        SqliteConnection c(m_data, SqliteConnection::Mode::ReadOnly);
        return c.scalar(sql);
    }

    QString m_data = copyShippedData();
};

const ReferenceItem& Named(const ReferenceFile& f, const QString& name) {
    for (const ReferenceItem& i : f.items) {
        if (i.name == name)
            return i;
    }
    ADD_FAILURE() << "no item " << name.toStdString();
    static const ReferenceItem none;
    return none;
}

// A catalogue of another program: a hop the Data database has with another alpha, a new hop,
// a yeast without a name, an equipment record.
const QByteArray kCatalogue = R"({"beerjson": {"version": 1.0,
  "hop_varieties": [
    {"name": "amarillo", "alpha_acid": {"unit": "%", "value": 9.5}, "origin": "USA", "form": "pellet"},
    {"name": "Nova", "alpha_acid": {"unit": "%", "value": 11}, "notes": "New from the field."}],
  "cultures": [
    {"name": "", "type": "ale", "form": "dry"},
    {"name": "House Kveik", "type": "kveik", "form": "dry", "producer": "Farm",
     "attenuation_range": {"minimum": {"unit": "%", "value": 76}, "maximum": {"unit": "%", "value": 82}}}],
  "equipments": [{"name": "Kettle"}]}})";

TEST_F(ReferenceImport, ThePreviewSaysWhatIsNewWhatDiffersAndWhatCannotBeKept) {
    const auto f = previewed(kCatalogue);
    ASSERT_TRUE(f);
    ASSERT_EQ(f->items.size(), 4u);
    const ReferenceItem& amarillo = Named(*f, QStringLiteral("amarillo"));
    EXPECT_EQ(amarillo.state, ReferenceItem::State::Differs) << "matched by name in any case";
    EXPECT_TRUE(
        amarillo.differences.join(u'|').contains(QStringLiteral("Alpha Acid Percent: 9 → 9.5")))
        << amarillo.differences.join(u'|').toStdString();
    EXPECT_TRUE(amarillo.notKept.contains(QStringLiteral("form")));
    EXPECT_EQ(Named(*f, QStringLiteral("Nova")).state, ReferenceItem::State::New);
    EXPECT_EQ(Named(*f, QString()).state, ReferenceItem::State::Refused);
    EXPECT_EQ(f->notImported, QStringList{QStringLiteral("1 × equipments")});
    EXPECT_TRUE(ReferenceData::describe(*f).contains(QStringLiteral("cannot be kept")));
}

// Add, replace and skip do what they say and nothing else; one transaction for all.
TEST_F(ReferenceImport, TheBrewersChoicesAreAllThatChanges) {
    const auto f = previewed(kCatalogue);
    ASSERT_TRUE(f);
    const long hops = scalar(QStringLiteral("SELECT count(*) FROM Hops")).toLongLong();
    const long yeasts = scalar(QStringLiteral("SELECT count(*) FROM Yeast")).toLongLong();
    // Skip everything: nothing changes.
    const QByteArray before = test::FileDigest(m_data);
    auto r = apply(*f, std::vector<ReferenceChoice>(f->items.size(), ReferenceChoice::Skip));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->skipped, 4);
    EXPECT_EQ(test::FileDigest(m_data), before);

    std::vector<ReferenceChoice> choices;
    for (const ReferenceItem& i : f->items) {
        if (i.name == QLatin1String("amarillo"))
            choices.push_back(ReferenceChoice::Replace);
        else if (i.name == QLatin1String("Nova"))
            choices.push_back(ReferenceChoice::Skip);
        else // the nameless one too: a refused item is never added
            choices.push_back(ReferenceChoice::Add);
    }
    r = apply(*f, choices);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->replaced, 1);
    EXPECT_EQ(r->added, 1);
    EXPECT_EQ(r->skipped, 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Hops")).toLongLong(), hops);
    EXPECT_DOUBLE_EQ(
        scalar(QStringLiteral("SELECT HopsAlpha FROM Hops WHERE HopsName = 'Amarillo'")).toDouble(),
        9.5);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Hops WHERE HopsName = 'Nova'")).toInt(),
              0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Yeast")).toLongLong(), yeasts + 1);
    EXPECT_DOUBLE_EQ(scalar(QStringLiteral("SELECT YeastAttenuation FROM Yeast WHERE YeastStrain "
                                           "= 'House Kveik'"))
                         .toDouble(),
                     79);
    EXPECT_EQ(scalar(QStringLiteral("SELECT YeastForm FROM Yeast WHERE YeastStrain = 'House "
                                    "Kveik'"))
                  .toInt(),
              1);
    // Replace for a new record adds nothing.
    const auto again = previewed(kCatalogue);
    r = apply(*again, std::vector<ReferenceChoice>(again->items.size(), ReferenceChoice::Replace));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Hops WHERE HopsName = 'Nova'")).toInt(),
              0);
}

// A BeerXML list of another program: fermentables go to the grains, extracts and adjuncts by
// their type, with the gravity and degrees Balling the dialogs show.
TEST_F(ReferenceImport, ABeerXmlListGoesToItsTables) {
    const auto f = previewed(
        "<?xml version=\"1.0\"?><FERMENTABLES>"
        "<FERMENTABLE><NAME>Pale Ale Malt</NAME><VERSION>1</VERSION><TYPE>Grain</TYPE>"
        "<YIELD>80</YIELD><COLOR>3</COLOR><SUPPLIER>Maltings</SUPPLIER><PROTEIN>10</PROTEIN>"
        "</FERMENTABLE>"
        "<FERMENTABLE><NAME>Golden Syrup</NAME><VERSION>1</VERSION><TYPE>Extract</TYPE>"
        "<YIELD>78</YIELD><COLOR>4</COLOR></FERMENTABLE>"
        "<FERMENTABLE><NAME>Cane Sugar</NAME><VERSION>1</VERSION><TYPE>Sugar</TYPE>"
        "<YIELD>100</YIELD><COLOR>0</COLOR></FERMENTABLE>"
        "</FERMENTABLES>");
    ASSERT_TRUE(f);
    ASSERT_EQ(f->items.size(), 3u);
    EXPECT_STREQ(f->items[0].table, "Grains");
    EXPECT_STREQ(f->items[1].table, "Extracts");
    EXPECT_STREQ(f->items[2].table, "Adjuncts");
    const auto r = apply(*f, std::vector<ReferenceChoice>(3, ReferenceChoice::Add));
    ASSERT_TRUE(r);
    EXPECT_NEAR(scalar(QStringLiteral("SELECT GrainsSPGrav FROM Grains WHERE GrainsName = 'Pale "
                                      "Ale Malt'"))
                    .toDouble(),
                1.036971, 1e-6);
    EXPECT_NEAR(scalar(QStringLiteral("SELECT GrainsDegreesBalling FROM Grains WHERE GrainsName "
                                      "= 'Pale Ale Malt'"))
                    .toDouble(),
                9.2, 0.05);
    EXPECT_EQ(scalar(QStringLiteral("SELECT GrainsCategory FROM Grains WHERE GrainsName = 'Pale "
                                    "Ale Malt'"))
                  .toString(),
              QStringLiteral("Light Pale Malts"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT AdjunctsFermentable FROM Adjuncts WHERE AdjunctsName "
                                    "= 'Cane Sugar'"))
                  .toInt(),
              1);
}

// What goes out is valid BeerJSON, and comes back as the same records.
TEST_F(ReferenceImport, ExportedTablesAreValidAndComeBackTheSame) {
    const QStringList tables = ReferenceData::exportableTables();
    for (const bool json : {true, false}) {
        const QByteArray out = exported(tables, json);
        if (json) {
            const nlohmann::json root = [] {
                std::ifstream in((kPackage + QStringLiteral("/schema/beer.json")).toStdString());
                return nlohmann::json::parse(in);
            }();
            valijson::Schema schema;
            valijson::SchemaParser parser(valijson::SchemaParser::kDraft7);
            parser.populateSchema(
                valijson::adapters::NlohmannJsonAdapter(root), schema,
                [](const std::string& uri) -> const nlohmann::json* {
                    std::ifstream in((kPackage + QStringLiteral("/schema/")).toStdString() +
                                     uri.substr(uri.rfind('/') + 1));
                    return new nlohmann::json(nlohmann::json::parse(in));
                },
                [](const nlohmann::json* doc) { delete doc; });
            const nlohmann::json doc = nlohmann::json::parse(out.toStdString());
            valijson::Validator validator;
            valijson::ValidationResults results;
            EXPECT_TRUE(
                validator.validate(schema, valijson::adapters::NlohmannJsonAdapter(doc), &results));
            valijson::ValidationResults::Error e;
            for (int n = 0; n < 5 && results.popError(e); ++n)
                ADD_FAILURE() << (e.context.empty() ? "" : e.context.back()) << ": "
                              << e.description;
        }
        const auto f = previewed(out);
        ASSERT_TRUE(f);
        int same = 0;
        for (const ReferenceItem& i : f->items) {
            same += i.state == ReferenceItem::State::Same;
            EXPECT_NE(i.state, ReferenceItem::State::New) << i.name.toStdString();
            if (i.state == ReferenceItem::State::Differs)
                ADD_FAILURE() << (json ? "json " : "xml ") << i.kind.toStdString() << " "
                              << i.name.toStdString() << ": "
                              << i.differences.join(QStringLiteral("; ")).toStdString();
        }
        EXPECT_GT(same, 200);
    }
}

// A style guide comes in with every style and its ranges.
TEST_F(ReferenceImport, AStyleGuideComesInWithEveryStyle) {
    const QString empty = makeDataDb(QStringLiteral("empty-data.mdb"));
    execSql(empty, QStringLiteral("DELETE FROM Styles"));
    m_data = empty;
    const auto f =
        previewed(readFile(kPackage + QStringLiteral("/samples/styles/bjcp_styleguide-2015.json")));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->items.size(), 136u);
    ASSERT_TRUE(apply(*f, std::vector<ReferenceChoice>(f->items.size(), ReferenceChoice::Add)));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Styles")).toInt(), 136);
    EXPECT_EQ(scalar(QStringLiteral("SELECT StylesName FROM Styles WHERE StylesCategory = 'Irish "
                                    "Stout'"))
                  .toString(),
              QStringLiteral("Irish Beer"));
    EXPECT_DOUBLE_EQ(scalar(QStringLiteral("SELECT StylesGravityLo FROM Styles WHERE "
                                           "StylesCategory = 'Irish Stout'"))
                         .toDouble(),
                     1.036);
    // Every beer style has its gravities; only some specialty ones go without.
    EXPECT_GT(
        scalar(QStringLiteral("SELECT count(*) FROM Styles WHERE StylesGravityHi > 1")).toInt(),
        100);
}

TEST_F(ReferenceImport, BadFilesAreRefusedAndChangeNothing) {
    const struct {
        QByteArray file;
        QString says;
    } cases[] = {
        {"no file of ours", QStringLiteral("line 1")},
        {"{\"styles\": []}", QStringLiteral("no BeerJSON")},
        {"{\"beerjson\": {\"hop_varieties\": [{\"name\": \"H\", \"alpha_acid\": \"high\"}]}}",
         QStringLiteral("alpha_acid of \"H\" is no value with a unit")},
        {"<HOPS><HOP><NAME>H</NAME><ALPHA>5%%</ALPHA></HOP></HOPS>",
         QStringLiteral("ALPHA of \"H\" is no number")},
        {"{\"beerjson\": {\"recipes\": [{\"name\": \"R\"}]}}",
         QStringLiteral("holds no styles, hops")},
        {QByteArray(300, '[') + QByteArray(300, ']'), QStringLiteral("nested more than")},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(read(c.file, &error)) << c.file.left(60).toStdString();
        EXPECT_TRUE(error.contains(c.says))
            << error.toStdString() << "\n  wanted: " << c.says.toStdString();
    }
}

} // namespace
} // namespace wsc
