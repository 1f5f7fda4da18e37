#include "support/ChildProcess.h"
#include "support/TestSupport.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/document/ShippedDatabases.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <chrono>
#include <csignal>
#include <functional>
#include <random>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace wsc {
namespace {

using test::ChildProcess;

int killCount() {
    const int n = qEnvironmentVariableIntValue("WSC_CRASH_KILLS");
    return n > 0 ? n : 100;
}

class Crash : public test::DbFixture {};

// Every file a killed program leaves passes the integrity check, holds every commit the
// program said it made, and holds no recipe half-written.
TEST_F(Crash, KillingTheProgramMidCommitNeverDamagesTheFile) {
    const QString recipes = copyShippedSamples();
    const QString data = copyShippedData();
    const QString settings = path(QStringLiteral("child.ini"));
    std::mt19937 random(20261207u);
    std::uniform_int_distribution<int> delayMs(1, 60);
    QSet<QString> reported;
    int commits = 0;
    const auto started = std::chrono::steady_clock::now();
    const int kills = killCount();
    for (int k = 0; k < kills; ++k) {
        const QString errors = path(QStringLiteral("child-errors.txt"));
        ChildProcess child({QByteArray(WSC_CRASH_CHILD), QFile::encodeName(recipes),
                            QFile::encodeName(data), QFile::encodeName(settings)},
                           {}, QFile::encodeName(errors));
        ASSERT_TRUE(child.started());
        // The random moment is counted from when the program has the file open, so a slow
        // start (a sanitizer build) does not leave it killed before it ever commits.
        ASSERT_TRUE(child.waitFor("ready")) << readFile(errors).constData();
        // Every tenth waits for a commit first, so commits are checked however slow the
        // machine is; the others die at any moment, before a commit or within one.
        if (k % 10 == 9) {
            ASSERT_TRUE(child.waitFor("committed Crash " + QByteArray::number(child.pid()) + "-1"))
                << readFile(errors).constData();
        }
        ::usleep(static_cast<useconds_t>(delayMs(random)) * 1000);
        const QByteArray out = child.killNow();
        ASSERT_FALSE(child.exitedByItself()) << "the child stopped by itself after kill " << k
                                             << ": " << readFile(errors).constData();
        for (const QByteArray& line : out.split('\n')) {
            if (line.startsWith("committed ")) {
                reported.insert(QString::fromUtf8(line.mid(10)));
                ++commits;
            }
        }
        SqliteConnection c(recipes, SqliteConnection::Mode::ReadWrite);
        ASSERT_EQ(c.integrityCheck(), QStringLiteral("ok")) << "after kill " << k;
        // Every recipe the child made is whole: its three hop rows came with it.
        SqliteStatement st = c.prepare(QStringLiteral(
            "SELECT RecipeName, (SELECT count(*) FROM Ingredients_Hops h WHERE h.IngRecipeID = "
            "r.RecipeID) FROM Recipes r WHERE RecipeBrewer = 'crash test'"));
        QSet<QString> present;
        while (st.step()) {
            const QString name = st.text(0);
            present.insert(name);
            const qint64 hops = st.int64(1);
            if (name == QLatin1String("<new recipe>"))
                EXPECT_EQ(hops, 0) << "after kill " << k;
            else
                EXPECT_EQ(hops, 3) << name.toStdString() << " after kill " << k;
        }
        for (const QString& name : reported)
            ASSERT_TRUE(present.contains(name)) << name.toStdString() << " lost after kill " << k;
        EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM Recipes WHERE RecipeBrewer IS "
                                          "NOT 'crash test' AND RecipeName NOT LIKE '<new%'")),
                  8);
    }
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%d kills, %d commits reported, %.1f s\n", kills, commits, seconds);
    EXPECT_GT(commits, 0);
    // A killed program may leave its journal (rolled back, or never begun) and its lock; the
    // next program to write takes both over.
    {
        SqliteConnection c(recipes, SqliteConnection::Mode::ReadWrite);
        c.exec(QStringLiteral("UPDATE Recipes SET RecipeBrewer = 'after the kills' WHERE "
                              "RecipeID=1"));
    }
    QStringList left = test::SidecarsOf(recipes);
    left.removeAll(recipes + QStringLiteral(".lock"));
    EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();
}

QStringList buildDebrisIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral(".*.building-*")}, QDir::Files | QDir::Hidden);
}

// A database that is being made appears under its name whole or not at all, and what a killed
// build leaves is cleared by the next program that opens a database of that folder for changes.
TEST_F(Crash, KillingTheMakingOfADatabaseLeavesNothingHalfMade) {
    std::mt19937 random(7u);
    std::uniform_int_distribution<int> delayMs(1, 40);
    int whole = 0;
    for (int k = 0; k < 20; ++k) {
        const bool data = k % 2 == 0;
        const QString target = path(data ? QStringLiteral("Data.mdb") : QStringLiteral("New.mdb"));
        QFile::remove(target);
        std::vector<QByteArray> args = {QByteArray(WSC_CLI_BINARY),
                                        data ? QByteArray("init-data") : QByteArray("init-recipes"),
                                        QFile::encodeName(target)};
        if (!data)
            args.push_back("--samples");
        ChildProcess child(args);
        ASSERT_TRUE(child.started());
        ::usleep(static_cast<useconds_t>(delayMs(random)) * 1000);
        child.killNow();
        if (!QFileInfo::exists(target))
            continue;
        ++whole;
        SqliteConnection c(target, SqliteConnection::Mode::ReadOnly);
        EXPECT_EQ(c.integrityCheck(), QStringLiteral("ok"));
        EXPECT_EQ(c.scalar(data ? QStringLiteral("SELECT count(*) FROM HopsUtilization")
                                : QStringLiteral("SELECT count(*) FROM Recipes")),
                  data ? 275 : 8);
    }
    const QString recipes = copyShippedSamples();
    auto db = OpenRecipeDatabase(recipes, m_services);
    ASSERT_NE(db, nullptr);
    EXPECT_TRUE(buildDebrisIn(m_dir.path()).isEmpty())
        << buildDebrisIn(m_dir.path()).join(u' ').toStdString();
    std::printf("%d of 20 killed builds had finished\n", whole);
}

// The debris a killed build or a killed clean-up can leave, made by hand: each command that
// changes a database clears it, whichever part is left, and never touches a build that is
// still running or a file that only looks alike.
struct DebrisCase {
    const char* name;
    std::function<void(const QString& folder, const QString& recipes)> run;
};
void PrintTo(const DebrisCase& c, std::ostream* os) {
    *os << c.name;
}

class Debris : public test::DbFixture, public ::testing::WithParamInterface<DebrisCase> {};

TEST_P(Debris, IsClearedByTheNextCommandOnAFolderDatabase) {
    const QString recipes = copyShippedSamples();
    const QString folder = m_dir.path();
    auto make = [&](const QString& name, const QByteArray& bytes = QByteArray("x")) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    // A killed build: its file and its journal.
    make(QStringLiteral(".Old.mdb.building-abc123"));
    make(QStringLiteral(".Old.mdb.building-abc123-journal"), QByteArray(512, '\0'));
    // A clean-up killed after the file went: the journal alone.
    make(QStringLiteral(".Gone.mdb.building-Def456-journal"));
    // A build still running in another program holds its file locked.
    make(QStringLiteral(".Live.mdb.building-ghi789"));
    make(QStringLiteral(".Live.mdb.building-ghi789-journal"));
    const int live = ::open(QFile::encodeName(path(QStringLiteral(".Live.mdb.building-ghi789"))),
                            O_RDONLY | O_CLOEXEC);
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    // The user's own files.
    make(QStringLiteral("notes.building-abc123"));
    make(QStringLiteral(".notes.building-abc123.txt"));

    GetParam().run(folder, recipes);
    ::close(live);

    QStringList left = buildDebrisIn(folder);
    left.sort();
    EXPECT_EQ(left, (QStringList{QStringLiteral(".Live.mdb.building-ghi789"),
                                 QStringLiteral(".Live.mdb.building-ghi789-journal"),
                                 QStringLiteral(".notes.building-abc123.txt")}));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("notes.building-abc123"))));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Debris,
    ::testing::Values(
        DebrisCase{"OpenForChanges",
                   [](const QString&, const QString& recipes) {
                       ProfileStore profile(recipes + QStringLiteral(".ini"));
                       ScriptedPrompter prompter;
                       CoreServices services{prompter, profile};
                       EXPECT_NE(OpenRecipeDatabase(recipes, services), nullptr);
                   }},
        DebrisCase{"MakeAnother",
                   [](const QString& folder, const QString&) {
                       CreateRecipeDatabase(folder + QStringLiteral("/Another.mdb"), false);
                   }},
        DebrisCase{"Compress",
                   [](const QString&, const QString& recipes) { CompactDatabase(recipes); }},
        DebrisCase{"Repair",
                   [](const QString&, const QString& recipes) { RepairDatabase(recipes); }},
        DebrisCase{"ImportFromTheCommandLine",
                   [](const QString& folder, const QString& recipes) {
                       const QString xml = folder + QStringLiteral("/one.xml");
                       QFile f(xml);
                       ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                       f.write("<RECIPES><RECIPE><NAME>Plain</NAME></RECIPE></RECIPES>");
                       f.close();
                       ChildProcess cli({QByteArray(WSC_CLI_BINARY), "import", "--db",
                                         QFile::encodeName(recipes), QFile::encodeName(xml)});
                       ASSERT_TRUE(cli.waitForExit());
                       EXPECT_EQ(cli.exitCode(), 0) << cli.output().constData();
                   }}),
    [](const ::testing::TestParamInfo<DebrisCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace wsc
