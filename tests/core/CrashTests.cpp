#include "support/TestSupport.h"

#include "db/SqliteConnection.h"
#include "db/dao/CDaoException.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <chrono>
#include <csignal>
#include <random>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wsc {
namespace {

// A child process with its standard output on a pipe.
class Child {
public:
    explicit Child(const std::vector<QByteArray>& args, const QByteArray& errors = "/dev/null") {
        int out[2];
        if (::pipe(out) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            const int err = ::open(errors.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(err, STDERR_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char*> argv;
            for (const QByteArray& a : args)
                argv.push_back(const_cast<char*>(a.constData()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_out = out[0];
    }
    ~Child() {
        if (m_pid > 0)
            killNow();
        if (m_out >= 0)
            ::close(m_out);
    }
    // Waits until the child has written `line` (or ten seconds have passed); what it wrote
    // before stays to be read.
    bool waitFor(const QByteArray& line) {
        for (int i = 0; i < 1000 && !m_read.contains(line + '\n'); ++i) {
            pollfd p{m_out, POLLIN, 0};
            if (::poll(&p, 1, 10) > 0) {
                char buffer[256];
                const ssize_t n = ::read(m_out, buffer, sizeof buffer);
                if (n <= 0)
                    return false;
                m_read.append(buffer, n);
            }
        }
        return m_read.contains(line + '\n');
    }
    // SIGKILL, then everything it wrote before it died.
    QByteArray killNow() {
        ::kill(m_pid, SIGKILL);
        QByteArray all = m_read;
        char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(m_out, buffer, sizeof buffer)) > 0)
            all.append(buffer, n);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_exited = WIFEXITED(status);
        m_pid = -1;
        return all;
    }
    bool exitedByItself() const { return m_exited; }
    bool started() const { return m_pid > 0; }

private:
    pid_t m_pid = -1;
    int m_out = -1;
    bool m_exited = false;
    QByteArray m_read;
};

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
        Child child({QByteArray(WSC_CRASH_CHILD), QFile::encodeName(recipes),
                     QFile::encodeName(data), QFile::encodeName(settings)},
                    QFile::encodeName(errors));
        ASSERT_TRUE(child.started());
        // The random moment is counted from when the program has the file open, so a slow
        // start (a sanitizer build) does not leave it killed before it ever commits.
        ASSERT_TRUE(child.waitFor("ready")) << readFile(errors).constData();
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

// A database that is being made appears under its name whole or not at all.
TEST_F(Crash, KillingTheMakingOfADatabaseLeavesNothingHalfMade) {
    std::mt19937 random(7u);
    std::uniform_int_distribution<int> delayMs(1, 40);
    const QString target = path(QStringLiteral("Data.mdb"));
    int whole = 0;
    for (int k = 0; k < 20; ++k) {
        QFile::remove(target);
        Child child(
            {QByteArray(WSC_CLI_BINARY), QByteArray("init-data"), QFile::encodeName(target)});
        ASSERT_TRUE(child.started());
        ::usleep(static_cast<useconds_t>(delayMs(random)) * 1000);
        child.killNow();
        if (!QFileInfo::exists(target))
            continue;
        ++whole;
        SqliteConnection c(target, SqliteConnection::Mode::ReadOnly);
        EXPECT_EQ(c.integrityCheck(), QStringLiteral("ok"));
        EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM HopsUtilization")), 275);
    }
    // What the killed ones left is cleared by the next one that finishes.
    QFile::remove(target);
    ASSERT_NO_THROW(CreateDataDatabase(target));
    const QStringList debris =
        QDir(m_dir.path())
            .entryList({QStringLiteral(".Data.mdb.building-*")}, QDir::Files | QDir::Hidden);
    EXPECT_TRUE(debris.isEmpty()) << debris.join(u' ').toStdString();
    std::printf("%d of 20 killed builds had finished\n", whole);
}

} // namespace
} // namespace wsc
