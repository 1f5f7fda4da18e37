#include "support/ChildProcess.h"
#include "support/TestSupport.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/dao/CDaoWorkspace.h"
#include "core/db/records/CRecordSetHopsUtilization.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/settings/MessageCatalog.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace wsc {
namespace {

using test::DbFixture;

class DatabaseOps : public DbFixture {
protected:
    QString writeFile(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
};

TEST_F(DatabaseOps, OpensARecipeDatabaseAndRemembersItsPath) {
    const QString p = makeRecipeDb();
    auto db = OpenRecipeDatabase(p, m_services);
    ASSERT_TRUE(db);
    EXPECT_EQ(m_profile.text(Setting::RecipeFileOpened), p);
    EXPECT_TRUE(m_prompter.shown().empty());
    ASSERT_GE(m_status.progress.size(), 2u);
    EXPECT_EQ(m_status.progress[0], std::make_pair(0, 100));
    EXPECT_EQ(m_status.progress[1], std::make_pair(10, -1));
    EXPECT_EQ(m_status.panes.at(0).second, QStringLiteral("Opening Recipe database..."));
    EXPECT_EQ(m_status.waitDepth, 0);
}

TEST_F(DatabaseOps, DataDatabaseIsRefusedWithMessage168AndKeepsTheRememberedPath) {
    m_profile.setText(Setting::RecipeFileOpened, QStringLiteral("/old.mdb"));
    const QString p = makeDataDb();
    EXPECT_FALSE(OpenRecipeDatabase(p, m_services));
    ASSERT_EQ(m_prompter.ids(), std::vector<int>{168});
    EXPECT_TRUE(m_prompter.last().text.contains(p));
    EXPECT_EQ(m_prompter.last().icon, PromptIcon::Exclamation);
    EXPECT_EQ(m_profile.text(Setting::RecipeFileOpened), QStringLiteral("/old.mdb"));
    EXPECT_EQ(m_status.progress.back(), std::make_pair(-1, -1));
    EXPECT_EQ(m_status.clears, 1);
}

TEST_F(DatabaseOps, MarkerMustBeTheFirstTableAndMatchCase) {
    // A Recipes table is not enough: the first table decides.
    {
        SqliteConnection c(path(QStringLiteral("other.mdb")), SqliteConnection::Mode::Create);
        c.exec(QStringLiteral("CREATE TABLE Other(x); CREATE TABLE A_Recipes(x); CREATE TABLE "
                              "Recipes(RecipeBatchNo)"));
        SqliteConnection d(path(QStringLiteral("case.mdb")), SqliteConnection::Mode::Create);
        d.exec(QStringLiteral("CREATE TABLE a_recipes(x)"));
    }
    EXPECT_FALSE(OpenRecipeDatabase(path(QStringLiteral("other.mdb")), m_services));
    EXPECT_FALSE(OpenRecipeDatabase(path(QStringLiteral("case.mdb")), m_services));
    EXPECT_EQ(m_prompter.ids(), (std::vector<int>{168, 168}));
}

TEST_F(DatabaseOps, BadFilesGiveADatabaseErrorAndStayUnchanged) {
    const QString text = writeFile(QStringLiteral("notes.mdb"), "just some text\n");
    const QString empty = writeFile(QStringLiteral("empty.mdb"), {});
    const QString good = makeRecipeDb();
    QByteArray damagedBytes = readFile(good);
    damagedBytes.truncate(damagedBytes.size() / 3);
    damagedBytes.replace(0, 16, "garbage garbage!");
    const QString damaged = writeFile(QStringLiteral("damaged.mdb"), damagedBytes);
    for (const QString& p : {text, empty, damaged, path(QStringLiteral("missing.mdb"))}) {
        const QByteArray before = readFile(p);
        m_prompter.clear();
        EXPECT_FALSE(OpenRecipeDatabase(p, m_services)) << p.toStdString();
        ASSERT_EQ(m_prompter.shown().size(), 1u) << p.toStdString();
        EXPECT_TRUE(m_prompter.last().text.endsWith(QStringLiteral("Would you like to see help?")));
        EXPECT_EQ(readFile(p), before);
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("missing.mdb"))));
}

TEST_F(DatabaseOps, ReadOnlyFileIsReportedNotOpened) {
    if (::geteuid() == 0) {
        // Root writes read-only files, so the test runs again as an unprivileged user.
        const QByteArray self =
            QFile::encodeName(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
        test::ChildProcess child({"/usr/bin/setpriv", "--reuid=65534", "--regid=65534",
                                  "--clear-groups", "--", self,
                                  "--gtest_filter=DatabaseOps.ReadOnlyFileIsReportedNotOpened"});
        ASSERT_TRUE(child.started());
        ASSERT_TRUE(child.waitForExit());
        EXPECT_EQ(child.exitCode(), 0) << child.output().toStdString();
        EXPECT_TRUE(child.output().contains("[  PASSED  ] 1 test."))
            << child.output().toStdString();
        return;
    }
    const QString p = makeRecipeDb();
    ::chmod(QFile::encodeName(p).constData(), 0444);
    ASSERT_NE(::access(QFile::encodeName(p).constData(), W_OK), 0);
    EXPECT_FALSE(OpenRecipeDatabase(p, m_services));
    EXPECT_TRUE(m_prompter.last().text.contains(QStringLiteral("read-only")));
}

TEST_F(DatabaseOps, CheckDatabaseKindShows171AndFocusesTheControl) {
    const QString data = makeDataDb();
    int focused = 0;
    EXPECT_FALSE(CheckDatabaseKind(QString::fromLatin1(kRecipeMarker), 1234, data, m_services,
                                   [&](int id) { focused = id; }));
    EXPECT_EQ(focused, 1234);
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{171});
    EXPECT_TRUE(CheckDatabaseKind(QString::fromLatin1(kDataMarker), 1, data, m_services));
}

TEST_F(DatabaseOps, GetNewWorkspaceOpensTheKindsDatabaseOrReleasesBoth) {
    m_profile.setText(Setting::DefaultDataFile, makeDataDb());
    m_profile.setText(Setting::RecipeFileOpened, makeRecipeDb());
    std::unique_ptr<CDaoWorkspace> ws;
    std::unique_ptr<CDaoDatabase> db;
    ASSERT_EQ(GetNewWorkspace(ws, db, QStringLiteral("DAO"), m_services), 1);
    EXPECT_EQ(ws->GetName(), QStringLiteral("DAO"));
    EXPECT_EQ(ws->GetUserName(), QStringLiteral("Admin"));
    EXPECT_TRUE(ws->GetIsolateODBCTrans());
    EXPECT_EQ(db->GetTableDefName(0), QStringLiteral("A_Data"));
    ASSERT_EQ(GetNewWorkspace(ws, db, QStringLiteral("LogView"), m_services), 1);
    EXPECT_EQ(db->GetTableDefName(0), QStringLiteral("A_Recipes"));

    EXPECT_EQ(GetNewWorkspace(ws, db, QStringLiteral("Other"), m_services), 0);
    EXPECT_FALSE(ws);
    EXPECT_FALSE(db);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Error in GetNewWorkspace, Unknown workspace name."));
}

TEST_F(DatabaseOps, GetNewWorkspaceWithoutADataPathReportsTheErrorAndReleasesBoth) {
    std::unique_ptr<CDaoWorkspace> ws;
    std::unique_ptr<CDaoDatabase> db;
    EXPECT_EQ(GetNewWorkspace(ws, db, QStringLiteral("DAO"), m_services), 0);
    EXPECT_FALSE(ws);
    EXPECT_FALSE(db);
    EXPECT_EQ(m_prompter.shown().size(), 1u);
}

TEST_F(DatabaseOps, UtilizationSetWithoutDataPathShows224AndFailsToOpen) {
    CRecordSetHopsUtilization rs(nullptr, &m_profile, &m_prompter);
    EXPECT_THROW(rs.Open(), CDaoException);
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{224});
}

TEST_F(DatabaseOps, ReportDaoErrorFormatsBothKinds) {
    ReportDaoError(CDaoException(3022, QStringLiteral("Duplicate key")), m_prompter);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Duplicate key   (3022)\n\nWould you like to see help?"));
    EXPECT_EQ(m_prompter.last().buttons, PromptButtons::YesNo);

    ReportDaoError(CDaoException(static_cast<std::int32_t>(0x80040E14)), m_prompter);
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("ERROR:CDaoException\n\nSCODE_CODE\t\t=3604\nSCODE_FACILITY\t=4\n"
                             "SCODE_SEVERITY\t=1\nResultFromScode\t=-2147217900\n"));
    EXPECT_EQ(m_prompter.last().buttons, PromptButtons::Ok);
}

TEST_F(DatabaseOps, CompressKeepsContentAndMarkerAndLeavesNoTemporaryFile) {
    const QString p = makeRecipeDb();
    {
        CDaoDatabase db;
        db.Open(p);
        CRecordSetRecipe rs(&db);
        rs.Open();
        for (int i = 1; i <= 50; ++i) {
            rs.AddNew();
            rs.m_RecipeBatchNo = i;
            rs.m_RecipeComments = QString(2000, u'x');
            rs.Update();
        }
        db.connection().exec(QStringLiteral("DELETE FROM Recipes WHERE RecipeBatchNo > 5"));
    }
    const qint64 before = QFileInfo(p).size();
    CompactDatabase(p);
    EXPECT_LT(QFileInfo(p).size(), before);
    EXPECT_EQ(ReadDatabaseMarker(p), QStringLiteral("A_Recipes"));
    CDaoDatabase db;
    db.Open(p);
    EXPECT_EQ(db.connection().scalar(QStringLiteral("SELECT count(*) FROM Recipes")).toInt(), 5);
    EXPECT_EQ(QDir(m_dir.path()).entryList({QStringLiteral("temp*")}).size(), 0);
}

TEST_F(DatabaseOps, CompressOfAFileThatCannotBeCompactedLeavesItUntouched) {
    const QString text = writeFile(QStringLiteral("text.mdb"), "not a database at all");
    QByteArray damagedBytes = readFile(makeRecipeDb());
    damagedBytes.replace(0, 16, "XXXXXXXXXXXXXXXX");
    const QString damaged = writeFile(QStringLiteral("damaged.mdb"), damagedBytes);
    for (const QString& p : {text, damaged}) {
        const QByteArray before = readFile(p);
        EXPECT_THROW(CompactDatabase(p), CDaoException);
        EXPECT_EQ(readFile(p), before);
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList({QStringLiteral("temp*")}).size(), 0);
}

TEST_F(DatabaseOps, CompressRefusesAFileLockedByAWriterAndChangesNothing) {
    const QString p = makeRecipeDb();
    SqliteConnection other(p, SqliteConnection::Mode::ReadWrite);
    other.exec(QStringLiteral("BEGIN IMMEDIATE"));
    other.exec(QStringLiteral("INSERT INTO Recipes (RecipeBatchNo) VALUES (1)"));
    const QByteArray before = readFile(p);
    EXPECT_THROW(CompactDatabase(p), CDaoException);
    EXPECT_EQ(readFile(p), before);
    other.exec(QStringLiteral("COMMIT"));
    EXPECT_EQ(QDir(m_dir.path()).entryList({QStringLiteral("temp*")}).size(), 0);
}

TEST_F(DatabaseOps, RepairRebuildsAHealthyFileAndReportsADamagedOne) {
    const QString good = makeRecipeDb();
    EXPECT_NO_THROW(RepairDatabase(good));
    EXPECT_EQ(ReadDatabaseMarker(good), QStringLiteral("A_Recipes"));
    QByteArray bytes = readFile(good);
    // Overwrite the middle of the file: pages of tables and indexes.
    for (qsizetype i = 4096; i < bytes.size() && i < 4096 * 6; ++i)
        bytes[i] = static_cast<char>(0xA5);
    const QString damaged = writeFile(QStringLiteral("damaged.mdb"), bytes);
    EXPECT_THROW(RepairDatabase(damaged), CDaoException);
}

TEST_F(DatabaseOps, CreateDatabaseRefusesToOverwrite) {
    const QString p = makeRecipeDb();
    EXPECT_THROW(CreateDatabase(p, QString::fromLatin1(kRecipeMarker)), CDaoException);
    EXPECT_EQ(ReadDatabaseMarker(p), QStringLiteral("A_Recipes"));
}

} // namespace
} // namespace wsc
