// Our exports read by the peer program's own importer, when it is installed: the whole file is
// taken (one refused value would cost every recipe in it), and the gravities it computes from
// what we wrote are ours.
#include "support/BeerXmlFixture.h"

#include "core/db/SqliteConnection.h"
#include "core/interchange/XmlTree.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <cmath>

namespace wsc {
namespace {

class Peer : public test::BeerXmlFixture {
protected:
    void SetUp() override {
        m_peer = QStandardPaths::findExecutable(QStringLiteral("brewtarget"));
        if (m_peer.isEmpty())
            GTEST_SKIP() << "skipped: brewtarget is not installed (scripts/install-deps.sh "
                            "installs it)";
    }
    // The peer's database after it imported `xml`, in a user folder of its own; empty when
    // the import failed, with the peer's errors in `log`.
    QString peerImport(const QByteArray& xml, const QString& name, std::string& log) {
        const QString file = path(name + QStringLiteral(".xml"));
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(xml);
        out.close();
        const QString userDir = path(name + QStringLiteral("-peer"));
        QDir().mkpath(userDir);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The peer runs one instance per temporary folder: each run gets folders of its own.
        for (const char* own : {"HOME", "TMPDIR", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME",
                                "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            env.insert(QString::fromLatin1(own), userDir);
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(m_peer,
                {QStringLiteral("--from-xml"), file, QStringLiteral("--user-dir"), userDir});
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << "the peer did not finish within a minute";
        }
        const QByteArray output = p.readAll();
        for (const QByteArray& line : output.split('\n')) {
            if (line.contains("ERROR"))
                log += line.toStdString() + "\n";
        }
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return {};
        return userDir + QStringLiteral("/database.sqlite");
    }
    // The original gravity the peer computed for each recipe it took, by name.
    static std::map<QString, double> peerGravities(const QString& database) {
        std::map<QString, double> out;
        SqliteConnection c(database, SqliteConnection::Mode::ReadOnly);
        SqliteStatement st = c.prepare(QStringLiteral("SELECT name, og FROM recipe"));
        while (st.step())
            out[st.value(0).toString()] = st.value(1).toDouble();
        return out;
    }
    static std::vector<std::pair<QString, double>> ourGravities(const QByteArray& xml) {
        XmlProblem problem;
        const auto root = ReadXmlTree(xml, problem, BeerXml::kMaxBytes);
        std::vector<std::pair<QString, double>> out;
        for (const XmlElement* r : root->all("RECIPE"))
            out.emplace_back(r->value("NAME"), r->value("EST_OG").section(u' ', 0, 0).toDouble());
        return out;
    }

    QString m_peer;
};

TEST_F(Peer, TakesOurExportOfRecipesThatCameFromOtherPrograms) {
    const QString db = makeRecipeDb();
    const QDir samples(QStringLiteral(WSC_TEST_DATA_DIR "/beerjson/samples/xml"));
    int files = 0;
    for (const QString& name : samples.entryList({QStringLiteral("*.xml")}, QDir::Files)) {
        QString error;
        EXPECT_TRUE(import(db, readFile(samples.filePath(name)), &error)) << error.toStdString();
        ++files;
    }
    ASSERT_GE(files, 5);
    // Values of the kinds another program once brought, kept by the recipe: a flag in lower
    // case, a style's final gravities in degrees Plato, a unit's sign after a number.
    QString error;
    ASSERT_TRUE(import(
        db,
        "<RECIPES><RECIPE><NAME>Kept Values</NAME><VERSION>1</VERSION><TYPE>All Grain</TYPE>"
        "<BREWER>Guest</BREWER><BATCH_SIZE>20</BATCH_SIZE><BOIL_SIZE>25</BOIL_SIZE>"
        "<BOIL_TIME>60</BOIL_TIME><STYLE><NAME>Kept Style</NAME><VERSION>1</VERSION>"
        "<CATEGORY>C</CATEGORY><CATEGORY_NUMBER>1</CATEGORY_NUMBER><STYLE_LETTER>A</STYLE_LETTER>"
        "<STYLE_GUIDE>G</STYLE_GUIDE><TYPE>Ale</TYPE><OG_MIN>1.040</OG_MIN><OG_MAX>1.050</OG_MAX>"
        "<FG_MIN>2.1</FG_MIN><FG_MAX>3.0711462</FG_MAX><IBU_MIN>20</IBU_MIN><IBU_MAX>30</IBU_MAX>"
        "<COLOR_MIN>3</COLOR_MIN><COLOR_MAX>6</COLOR_MAX><CARB_MAX>2.4&gt;</CARB_MAX></STYLE>"
        "<FERMENTABLES><FERMENTABLE><NAME>Pale</NAME><VERSION>1</VERSION><TYPE>Grain</TYPE>"
        "<AMOUNT>4</AMOUNT><YIELD>78</YIELD><COLOR>2</COLOR><ADD_AFTER_BOIL>false</ADD_AFTER_BOIL>"
        "</FERMENTABLE></FERMENTABLES><HOPS/><MISCS/><YEASTS/><WATERS/></RECIPE></RECIPES>",
        &error))
        << error.toStdString();

    const QByteArray xml = exportAll(db);
    std::string log;
    const QString peerDb = peerImport(xml, QStringLiteral("foreign"), log);
    ASSERT_FALSE(peerDb.isEmpty()) << "the peer refused the file:\n" << log;
    const std::map<QString, double> taken = peerGravities(peerDb);
    for (const auto& [name, og] : ourGravities(xml))
        EXPECT_TRUE(taken.count(name)) << name.toStdString() << " did not arrive";
}

// Mashed grain and the hop utilization are in the file, so the peer's gravity of a mash
// recipe is ours; an extract recipe's steeped grain and a kit's gravity it computes its own
// way (the differences are in the note of the change that added this test).
TEST_F(Peer, ComputesOurGravityOfOurMashRecipes) {
    const QByteArray xml = exportAll(copyShippedSamples());
    std::string log;
    const QString peerDb = peerImport(xml, QStringLiteral("samples"), log);
    ASSERT_FALSE(peerDb.isEmpty()) << "the peer refused the file:\n" << log;
    const std::map<QString, double> taken = peerGravities(peerDb);
    XmlProblem problem;
    const auto root = ReadXmlTree(xml, problem, BeerXml::kMaxBytes);
    int mash = 0;
    for (const XmlElement* r : root->all("RECIPE")) {
        const QString name = r->value("NAME");
        ASSERT_TRUE(taken.count(name)) << name.toStdString() << " did not arrive";
        if (r->value("TYPE") == QLatin1String("Extract"))
            continue;
        ++mash;
        const double ours = r->value("EST_OG").section(u' ', 0, 0).toDouble();
        EXPECT_NEAR(taken.at(name), ours, 0.002) << name.toStdString();
    }
    EXPECT_GE(mash, 4);
}

} // namespace
} // namespace wsc
