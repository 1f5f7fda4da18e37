#include "support/FakeRecipeForm.h"

#include "core/db/DatabaseBackup.h"
#include "core/db/DatabaseLock.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/dao/CDaoWorkspace.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/document/ShippedDatabases.h"
#include "core/settings/MessageCatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <csignal>
#include <functional>

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wsc {
namespace {

using Move = RecipeRecordCommands::Move;

class FileSafety : public test::RecordCommandsFixture {
protected:
    void closeDocument() {
        m_cmd.reset();
        m_form.reset();
        if (m_doc)
            m_doc->OnCloseDocument();
        m_doc.reset();
    }
    // A SQLite file of someone else's, with no marker table first.
    QString makeForeignFile() {
        const QString p = path(QStringLiteral("foreign.db"));
        SqliteConnection c(p, SqliteConnection::Mode::Create);
        c.exec(QStringLiteral("CREATE TABLE Other (a); CREATE TABLE Recipes (b); "
                              "INSERT INTO Other VALUES (1)"));
        return p;
    }
    QString lastText() const {
        return m_prompter.shown().empty() ? QString() : m_prompter.last().text;
    }
    static QString committedBrewer(const QString& file) {
        SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
        return c.scalar(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeID = 1"))
            .toString();
    }
};

TEST_F(FileSafety, EveryCommitIsInTheFileAloneAndNothingStaysBeside) {
    openSamples();
    m_form->brewer = QStringLiteral("Copied while open");
    m_cmd->setModified();
    ASSERT_TRUE(m_cmd->OnRecordCommit());
    EXPECT_EQ(test::SidecarsOf(m_file), QStringList{m_file + QStringLiteral(".lock")});

    // A brewer's copy of the file alone, taken while the program runs, holds the commit.
    const QString copy = path(QStringLiteral("backup-copy.mdb"));
    ASSERT_TRUE(QFile::copy(m_file, copy));
    {
        SqliteConnection c(copy, SqliteConnection::Mode::ReadOnly);
        EXPECT_EQ(c.scalar(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeID=1")),
                  QStringLiteral("Copied while open"));
        EXPECT_EQ(c.integrityCheck(), QStringLiteral("ok"));
    }
    // A change not yet committed is not in the file.
    m_doc->database()->connection().exec(
        QStringLiteral("INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName) VALUES (1, 'X')"));
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Ingredients_Hops WHERE "
                                       "IngHopsName='X'")),
              0);
    m_cmd->OnRecordRefresh();
    closeDocument();
    EXPECT_TRUE(test::SidecarsOf(m_file).isEmpty())
        << test::SidecarsOf(m_file).join(u' ').toStdString();
}

// Another program switches the open file to WAL mode: the next commit goes into the file itself
// all the same, the mode goes back, and nothing stays beside the file once it is closed.
TEST_F(FileSafety, AFileSwitchedToWalWhileOpenKeepsEveryCommitInTheFile) {
    openSamples();
    {
        SqliteConnection other(m_file, SqliteConnection::Mode::ReadWrite);
        ASSERT_EQ(other.scalar(QStringLiteral("PRAGMA journal_mode=WAL")).toString(),
                  QStringLiteral("wal"));
    }
    m_form->brewer = QStringLiteral("Committed in WAL mode");
    m_cmd->setModified();
    ASSERT_TRUE(m_cmd->OnRecordCommit());
    const QString copy = path(QStringLiteral("file-alone.mdb"));
    ASSERT_TRUE(QFile::copy(m_file, copy));
    EXPECT_EQ(committedBrewer(copy), QStringLiteral("Committed in WAL mode"));
    closeDocument();
    EXPECT_TRUE(test::SidecarsOf(m_file).isEmpty())
        << test::SidecarsOf(m_file).join(u' ').toStdString();
    EXPECT_EQ(committedBrewer(m_file), QStringLiteral("Committed in WAL mode"));
}

// A copy of a WAL file with the "-wal" a stopped writer left: read with its last commit, and
// nothing is made or changed beside it.
TEST_F(FileSafety, AWalFileWithItsLogIsReadFromACopy) {
    const QString file = copyShippedSamples();
    const QString folder = path(QStringLiteral("copy"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString copy = folder + QStringLiteral("/samples.mdb");
    {
        SqliteConnection writer(file, SqliteConnection::Mode::ReadWrite);
        writer.scalar(QStringLiteral("PRAGMA journal_mode=WAL"));
        writer.exec(QStringLiteral("PRAGMA wal_autocheckpoint=0"));
        writer.exec(QStringLiteral("UPDATE Recipes SET RecipeBrewer = 'only in the log' WHERE "
                                   "RecipeID = 1"));
        ASSERT_TRUE(QFile::copy(file, copy));
        ASSERT_TRUE(QFile::copy(file + QStringLiteral("-wal"), copy + QStringLiteral("-wal")));
    }
    const QByteArray before = test::FileDigest(copy);
    const QByteArray log = test::FileDigest(copy + QStringLiteral("-wal"));
    EXPECT_EQ(ReadDatabaseMarker(copy), QStringLiteral("A_Recipes"));
    EXPECT_EQ(committedBrewer(copy), QStringLiteral("only in the log"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("samples.mdb"), QStringLiteral("samples.mdb-wal")}));
    EXPECT_EQ(test::FileDigest(copy), before);
    EXPECT_EQ(test::FileDigest(copy + QStringLiteral("-wal")), log);
}

TEST_F(FileSafety, ReadingLeavesNothingBesideAndChangesNoByte) {
    const QString file = copyShippedSamples();
    const QByteArray before = test::FileDigest(file);
    EXPECT_EQ(ReadDatabaseMarker(file), QStringLiteral("A_Recipes"));
    {
        CDaoDatabase db;
        db.Open(file, false, true);
        CRecordSetRecipe rs(&db);
        rs.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
        rs.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        int n = 0;
        for (; !rs.IsEOF(); rs.MoveNext())
            ++n;
        EXPECT_EQ(n, 8);
        EXPECT_TRUE(test::SidecarsOf(file).isEmpty());
    }
    EXPECT_TRUE(test::SidecarsOf(file).isEmpty());
    EXPECT_EQ(test::FileDigest(file), before);
}

TEST_F(FileSafety, AForeignFileIsNotChangedByBeingLookedAt) {
    const QString foreign = makeForeignFile();
    const QByteArray before = test::FileDigest(foreign);
    EXPECT_FALSE(OpenRecipeDatabase(foreign, m_services));
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{168});
    EXPECT_FALSE(CheckDatabaseKind(QString::fromLatin1(kDataMarker), 0, foreign, m_services));
    std::unique_ptr<CDaoWorkspace> ws;
    std::unique_ptr<CDaoDatabase> db;
    m_profile.setText(Setting::DefaultDataFile, foreign);
    EXPECT_EQ(GetNewWorkspace(ws, db, QString::fromLatin1(kWorkspaceDao), m_services), 1);
    cleanWorkspace(ws, db, m_prompter);
    CWscalcDoc doc(m_services);
    EXPECT_FALSE(doc.LoadUtilizationTable());
    EXPECT_EQ(test::FileDigest(foreign), before);
    EXPECT_TRUE(test::SidecarsOf(foreign).isEmpty());
}

TEST_F(FileSafety, MisleadingKindMessagesAreTheKindMessage) {
    // A database without any table is of the wrong kind, not "item not found".
    const QString empty = path(QStringLiteral("empty.db"));
    {
        SqliteConnection c(empty, SqliteConnection::Mode::Create);
        c.exec(QStringLiteral("PRAGMA user_version=1"));
    }
    EXPECT_FALSE(OpenRecipeDatabase(empty, m_services));
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{168});
    m_prompter.clear();
    // A recipe database named as the Data database: message 171 with its path.
    const QString recipes = makeRecipeDb(QStringLiteral("r.mdb"), true);
    m_profile.setText(Setting::DefaultDataFile, recipes);
    CWscalcDoc doc(m_services);
    EXPECT_FALSE(doc.LoadUtilizationTable());
    ASSERT_EQ(m_prompter.ids(), std::vector<int>{171});
    EXPECT_TRUE(m_prompter.last().text.contains(recipes));
}

TEST_F(FileSafety, FilesThatAreNoDatabaseAreRefusedUnchanged) {
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* says;
    };
    QByteArray badVersion = test::DbFixture::readFile(QStringLiteral(WSC_SAMPLES_DB));
    badVersion[18] = 9;
    const Case cases[] = {
        {"one-byte.mdb", QByteArray("x"), "not a database"},
        {"text.mdb", QByteArray(300, 'a'), "not a database"},
        {"version.mdb", badVersion, "header"},
    };
    for (const Case& c : cases) {
        const QString p = path(QString::fromLatin1(c.name));
        {
            QFile f(p);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.bytes);
        }
        m_prompter.clear();
        EXPECT_FALSE(OpenRecipeDatabase(p, m_services)) << c.name;
        EXPECT_TRUE(lastText().contains(QString::fromLatin1(c.says))) << lastText().toStdString();
        EXPECT_FALSE(lastText().contains(QStringLiteral("read-only"))) << c.name;
        EXPECT_THROW(CompactDatabase(p), CDaoException) << c.name;
        EXPECT_THROW(RepairDatabase(p), CDaoException) << c.name;
        EXPECT_EQ(readFile(p), c.bytes) << c.name;
        EXPECT_TRUE(test::SidecarsOf(p).isEmpty()) << c.name;
    }
}

TEST_F(FileSafety, PathsAreFilePathsNeverUris) {
    const QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    const QString uri = QStringLiteral("file:m.mdb?mode=memory");
    EXPECT_NO_THROW(CreateRecipeDatabase(uri, false));
    EXPECT_TRUE(QFileInfo(m_dir.filePath(uri)).isFile());
    EXPECT_EQ(ReadDatabaseMarker(uri), QStringLiteral("A_Recipes"));
    // "file:x.mdb" names a file of that name, never x.mdb.
    const QString data = makeDataDb(QStringLiteral("x.mdb"));
    const QByteArray before = readFile(data);
    EXPECT_THROW(CompactDatabase(QStringLiteral("file:x.mdb")), CDaoException);
    EXPECT_EQ(readFile(data), before);
    QDir::setCurrent(old);
}

TEST_F(FileSafety, ADataDatabaseThatCannotBeWrittenIsRead) {
    const QString data = readOnlySharedData();
    const QString recipes = copyShippedSamples();
    ::chmod(QFile::encodeName(recipes).constData(), 0666);
    m_profile.setText(Setting::DefaultDataFile, data);
    m_profile.sync();
    bool skip = false;
    const std::string result = test::RunAsUnprivileged(
        [&]() -> std::string {
            CWscalcDoc doc(m_services);
            if (!doc.OnOpenDocument(recipes))
                return "the document did not open: " + lastText().toStdString();
            if (!(doc.utilization().entry(10, 2) > 0))
                return "the utilization table was not read";
            if (!m_prompter.shown().empty())
                return "a message was shown: " + lastText().toStdString();
            std::unique_ptr<CDaoWorkspace> ws;
            std::unique_ptr<CDaoDatabase> db;
            if (GetNewWorkspace(ws, db, QString::fromLatin1(kWorkspaceDao), m_services) != 1)
                return "the Data workspace did not open: " + lastText().toStdString();
            if (!db->isReadOnly())
                return "the Data database was opened for writing";
            return {};
        },
        &skip);
    if (skip)
        GTEST_SKIP() << "no unprivileged user";
    EXPECT_EQ(result, "");
    EXPECT_TRUE(test::SidecarsOf(data).isEmpty());
}

TEST_F(FileSafety, CompressKeepsModeOwnerAndLinks) {
    const QString real = makeRecipeDb(QStringLiteral("real.mdb"), true);
    execSql(real, QStringLiteral("CREATE TABLE Filler (x); WITH RECURSIVE n(i) AS (SELECT 1 UNION "
                                 "ALL SELECT i+1 FROM n WHERE i < 2000) INSERT INTO Filler SELECT "
                                 "randomblob(500) FROM n; DROP TABLE Filler"));
    const qint64 bigSize = QFileInfo(real).size();
    ::chmod(QFile::encodeName(real).constData(), 0664);
    const bool root = ::getuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(real).constData(), 65534, 65534), 0);
    }
    const QString link = path(QStringLiteral("link.mdb"));
    ASSERT_TRUE(QFile::link(real, link));

    ASSERT_NO_THROW(CompactDatabase(link));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_LT(QFileInfo(real).size(), bigSize);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0664u);
    if (root) {
        EXPECT_EQ(st.st_uid, 65534u);
    }
    EXPECT_EQ(ReadDatabaseMarker(real), QStringLiteral("A_Recipes"));
    EXPECT_TRUE(test::SidecarsOf(real).isEmpty());
    EXPECT_TRUE(test::SidecarsOf(link).isEmpty());
    ASSERT_NO_THROW(RepairDatabase(link));
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0664u);
}

TEST_F(FileSafety, CompressClearsWhatAnEarlierCompressLeftAndNothingElse) {
    const QString file = makeRecipeDb(QStringLiteral("r.mdb"), true);
    const QString leftover = path(QStringLiteral("temp-Ab12cD.mdb"));
    ASSERT_TRUE(QFile::copy(file, leftover));
    QFile journal(leftover + QStringLiteral("-journal"));
    ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
    journal.write("junk");
    journal.close();
    // A brewer's own files that only look alike stay.
    const QString otherKind = makeDataDb(QStringLiteral("temp-Xy34Zw.mdb"));
    const QString notes = path(QStringLiteral("temp-notes.mdb"));
    ASSERT_TRUE(QFile::copy(file, notes));
    ASSERT_NO_THROW(CompactDatabase(file));
    EXPECT_FALSE(QFileInfo::exists(leftover));
    EXPECT_FALSE(QFileInfo::exists(leftover + QStringLiteral("-journal")));
    EXPECT_TRUE(QFileInfo::exists(otherKind));
    EXPECT_TRUE(QFileInfo::exists(notes));
}

TEST_F(FileSafety, CompressAndRepairRefuseAFileOpenForChanges) {
    openSamples();
    const QByteArray before = readFile(m_file);
    for (auto op : {&CompactDatabase, &RepairDatabase}) {
        try {
            op(m_file);
            ADD_FAILURE() << "a file open for changes was changed";
        } catch (const CDaoException& e) {
            EXPECT_EQ(e.errorInfo().m_lErrorCode, kFileInUse);
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(
                QStringLiteral("process %1").arg(QCoreApplication::applicationPid())))
                << e.what();
        }
    }
    EXPECT_EQ(readFile(m_file), before);
    closeDocument();
    EXPECT_NO_THROW(CompactDatabase(m_file));
}

TEST_F(FileSafety, CompressBesideAnIdleConnectionLosesNothing) {
    const QString file = makeRecipeDb(QStringLiteral("r.mdb"), true);
    SqliteConnection idle(file, SqliteConnection::Mode::ReadWrite);
    idle.scalar(QStringLiteral("SELECT count(*) FROM Recipes"));
    execSql(file, QStringLiteral("DELETE FROM Ingredients_Hops"));
    ASSERT_NO_THROW(CompactDatabase(file));
    // The connection that was open all along still writes into the one file.
    idle.exec(QStringLiteral("UPDATE Recipes SET RecipeBrewer='after compress' WHERE RecipeID=1"));
    SqliteConnection fresh(file, SqliteConnection::Mode::ReadOnly);
    EXPECT_EQ(fresh.scalar(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeID=1")),
              QStringLiteral("after compress"));
    EXPECT_EQ(fresh.scalar(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
    EXPECT_EQ(fresh.integrityCheck(), QStringLiteral("ok"));
}

TEST_F(FileSafety, ASecondProgramIsToldWhoHasTheFileAndADeadOneBlocksNobody) {
    const QString file = copyShippedSamples();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        DatabaseLock lock(file);
        const char ok = lock.tryLock() ? 'y' : 'n';
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    m_profile.setText(Setting::DefaultDataFile, copyShippedData());
    EXPECT_FALSE(OpenRecipeDatabase(file, m_services));
    const QString said = lastText();
    EXPECT_TRUE(said.startsWith(QStringLiteral("File Error:\nThe data base ") + file +
                                QStringLiteral(" is open for changes in another program")))
        << said.toStdString();
    EXPECT_TRUE(said.contains(
        QStringLiteral("process %1 on %2").arg(holder).arg(QSysInfo::machineHostName())))
        << said.toStdString();
    EXPECT_THROW(CompactDatabase(file), CDaoException);
    // The holder dies without a word: its lock no longer counts.
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_TRUE(QFileInfo::exists(DatabaseLock::lockFilePath(file)));
    m_prompter.clear();
    auto db = OpenRecipeDatabase(file, m_services);
    EXPECT_TRUE(db);
    EXPECT_TRUE(m_prompter.shown().empty()) << lastText().toStdString();
    // Within one program too, the file is opened for changes once.
    EXPECT_FALSE(OpenRecipeDatabase(file, m_services));
    db.reset();
    EXPECT_FALSE(QFileInfo::exists(DatabaseLock::lockFilePath(file)));
}

TEST_F(FileSafety, AnotherWritersChangeIsNeverOverwritten) {
    openSamples();
    m_form->brewer = QStringLiteral("Mine");
    m_cmd->setModified();
    ASSERT_TRUE(m_cmd->OnRecordCommit());
    // Between two edits another program changes the same recipe...
    execSql(m_file, QStringLiteral("UPDATE Recipes SET RecipeBrewer='Theirs' WHERE RecipeID=1"));
    m_form->name = QStringLiteral("Renamed here");
    m_cmd->setModified();
    EXPECT_FALSE(m_cmd->OnRecordCommit());
    EXPECT_TRUE(lastText().contains(QStringLiteral("(3197)"))) << lastText().toStdString();
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeID=1")),
              QStringLiteral("Theirs"));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeName FROM Recipes WHERE RecipeID=1")),
              QStringLiteral("Homestead Bitter"));
    // ...and the user's edit is still there to correct or discard.
    EXPECT_EQ(m_form->name, QStringLiteral("Renamed here"));
    EXPECT_TRUE(m_cmd->isModified());
    EXPECT_EQ(m_doc->workspace()->transactionDepth(), 1);
}

TEST_F(FileSafety, AnEditToARecipeAnotherProgramDeletedIsNotReportedSaved) {
    openSamples();
    m_cmd->OnRecordMove(Move::Next);
    m_form->brewer = QStringLiteral("First edit");
    m_cmd->setModified();
    ASSERT_TRUE(m_cmd->OnRecordCommit());
    // While the form reads the recipe nobody else can write; right after a commit they can.
    execSql(m_file, QStringLiteral("DELETE FROM Recipes WHERE RecipeBatchNo=2"));
    m_form->brewer = QStringLiteral("Typed into a deleted recipe");
    m_cmd->setModified();
    EXPECT_FALSE(m_cmd->OnRecordCommit());
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("Record is deleted.")))
        << lastText().toStdString();
    EXPECT_EQ(m_form->brewer, QStringLiteral("Typed into a deleted recipe"));
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 7);
}

TEST_F(FileSafety, StoredValuesOfTheWrongTypeAreShownNamedAndKept) {
    const QString file = copyShippedSamples();
    // As another tool might have made the table: a batch number may be missing.
    execSql(file, QStringLiteral("PRAGMA writable_schema=ON; UPDATE sqlite_schema SET sql="
                                 "replace(sql, '\"RecipeBatchNo\" INTEGER NOT NULL', "
                                 "'\"RecipeBatchNo\" INTEGER') WHERE name='Recipes'"));
    execSql(file, QStringLiteral(
                      "UPDATE Recipes SET RecipeBatchNo=NULL WHERE RecipeID=3;"
                      "UPDATE Recipes SET RecipeSGOriginal='abc' WHERE RecipeID=2;"
                      "UPDATE Recipes SET RecipeBatchNo=4294967297 WHERE RecipeID=5;"
                      "UPDATE Recipes SET RecipeID=3000000000 WHERE RecipeID=6;"
                      "UPDATE Ingredients_Hops SET IngRecipeID=3000000000 WHERE IngRecipeID=6;"
                      "UPDATE Ingredients_Grains SET IngRecipeID=3000000000 WHERE IngRecipeID=6;"));
    open(file);
    // Every recipe is reached, the one without a batch number first.
    QStringList batches;
    int beyondLong = 0;
    m_cmd->OnRecordMove(Move::First);
    for (int i = 0; i < 10; ++i) {
        batches << m_form->batch;
        // The recipe whose id is past 32 bits is reached with its ingredient rows.
        if (m_cmd->record().m_RecipeID == 3000000000LL) {
            ++beyondLong;
            EXPECT_GT(m_form->sheets.ingredientCount(SheetHops), 0);
            EXPECT_GT(m_form->sheets.ingredientCount(SheetGrains), 0);
        }
        m_cmd->OnRecordMove(Move::Next);
    }
    EXPECT_EQ(beyondLong, 1);
    EXPECT_EQ(batches.mid(0, 8),
              (QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                           QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("7"),
                           QStringLiteral("8"), QStringLiteral("4294967297")}));
    QStringList problems;
    for (const Prompt& p : m_prompter.shown())
        problems << p.text;
    const QString all = problems.join(u'\n');
    EXPECT_TRUE(all.contains(QStringLiteral("RecipeBatchNo is empty")));
    EXPECT_TRUE(
        all.contains(QStringLiteral("RecipeSGOriginal holds the text \"abc\", not a number")));
    EXPECT_TRUE(all.contains(QStringLiteral("RecipeBatchNo holds 4294967297")));

    // A change elsewhere in the recipe leaves the value it cannot use as stored.
    m_cmd->GoToBatch(2);
    m_form->brewer = QStringLiteral("Edited beside a bad value");
    m_cmd->setModified();
    ASSERT_TRUE(m_cmd->OnRecordCommit());
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeSGOriginal FROM Recipes WHERE RecipeID=2")),
              QStringLiteral("abc"));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeID=2")),
              QStringLiteral("Edited beside a bad value"));
    EXPECT_EQ(committed(QStringLiteral("SELECT typeof(RecipeBatchNo) FROM Recipes WHERE "
                                       "RecipeID=3")),
              QStringLiteral("null"));
}

TEST_F(FileSafety, BackupsBeforeTheFirstWriteTheLastTenKept) {
    const QString file = copyShippedSamples();
    m_services.backupRoot = path(QStringLiteral("backups"));
    const DatabaseBackup backups(m_services.backupRoot);
    for (int i = 0; i < 12; ++i) {
        open(file);
        m_form->brewer = QStringLiteral("Session %1").arg(i);
        m_cmd->setModified();
        ASSERT_TRUE(m_cmd->OnRecordCommit());
        closeDocument();
    }
    QStringList kept = backups.backupsOf(file);
    ASSERT_EQ(kept.size(), 10);
    // The newest copy is the file as the last session found it.
    {
        SqliteConnection c(kept.first(), SqliteConnection::Mode::ReadOnly);
        EXPECT_EQ(c.scalar(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeID=1")),
                  QStringLiteral("Session 10"));
        SqliteConnection oldest(kept.last(), SqliteConnection::Mode::ReadOnly);
        EXPECT_EQ(oldest.scalar(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE "
                                               "RecipeID=1")),
                  QStringLiteral("Session 1"));
        EXPECT_EQ(c.integrityCheck(), QStringLiteral("ok"));
    }
    // Opening a file nobody changed since its last copy makes no new copy.
    open(file);
    closeDocument();
    kept = backups.backupsOf(file);
    open(file);
    closeDocument();
    EXPECT_EQ(backups.backupsOf(file), kept);
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST_F(FileSafety, AFailedBackupIsReportedOnceAndWorkGoesOn) {
    const QString file = copyShippedSamples();
    const QString blocker = path(QStringLiteral("not-a-folder"));
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    m_services.backupRoot = blocker;
    m_profile.setText(Setting::DefaultDataFile, copyShippedData());
    for (int i = 0; i < 2; ++i) {
        CWscalcDoc doc(m_services);
        EXPECT_TRUE(doc.OnOpenDocument(file));
    }
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(lastText().startsWith(QStringLiteral("Warning:\nNo backup copy of the data base")));
}

TEST_F(FileSafety, ADatabaseErrorTextIsTakenAsItStands) {
    ReportDaoError(CDaoException(3024, QStringLiteral("Couldn't find file 'batch%d.mdb'.")),
                   m_prompter);
    EXPECT_EQ(lastText(), QStringLiteral("Couldn't find file 'batch%d.mdb'.   (3024)\n\nWould you "
                                         "like to see help?"));
}

// Changes the key of the last entry in the first page of an index, so that the index no longer
// matches its table: the file opens and reads, but fails the integrity check.
void damageIndex(const QString& file, const QString& index) {
    qint64 root = 0;
    qint64 pageSize = 0;
    {
        SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
        SqliteStatement st =
            c.prepare(QStringLiteral("SELECT rootpage FROM sqlite_schema WHERE name = ?"));
        st.bindText(1, index);
        ASSERT_TRUE(st.step());
        root = st.int64(0);
        pageSize = c.scalar(QStringLiteral("PRAGMA page_size")).toLongLong();
    }
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const qint64 start = (root - 1) * pageSize;
    ASSERT_TRUE(f.seek(start));
    QByteArray page = f.read(pageSize);
    ASSERT_EQ(static_cast<unsigned char>(page.at(0)), 0x0Au) << "not an index leaf page";
    const int cells =
        (static_cast<unsigned char>(page.at(3)) << 8) | static_cast<unsigned char>(page.at(4));
    const int at = 8 + 2 * (cells - 1);
    const int cell = (static_cast<unsigned char>(page.at(at)) << 8) |
                     static_cast<unsigned char>(page.at(at + 1));
    // Payload size, header size 3, serial type 1 (a one-byte key), the row's serial type, the key.
    ASSERT_EQ(page.at(cell + 1), 3);
    ASSERT_EQ(page.at(cell + 2), 1);
    page[cell + 4] = 0x7F;
    ASSERT_TRUE(f.seek(start));
    ASSERT_EQ(f.write(page), pageSize);
}

TEST_F(FileSafety, CompressRefusesADamagedFileWithoutChangingAByte) {
    const QString file = copyShippedSamples();
    damageIndex(file, QStringLiteral("IndexRecipeBatchNo"));
    {
        SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
        ASSERT_NE(c.integrityCheck(), QStringLiteral("ok"));
    }
    const QByteArray before = readFile(file);
    try {
        CompactDatabase(file);
        ADD_FAILURE() << "a damaged file was compressed";
    } catch (const CDaoException& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("use Repair"))) << e.what();
    }
    EXPECT_EQ(readFile(file), before);
    EXPECT_TRUE(test::SidecarsOf(file).isEmpty());
    // Repair is what mends it.
    ASSERT_NO_THROW(RepairDatabase(file));
    SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
    EXPECT_EQ(c.integrityCheck(), QStringLiteral("ok"));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
}

// A journal that holds no unfinished change (a program was stopped as it began or ended one)
// is ignored by SQLite but stays until the next change; the next open takes it away.
TEST_F(FileSafety, AJournalWithoutAChangeGoesAtTheNextOpen) {
    const QString file = copyShippedSamples();
    const auto leaveStaleJournal = [&] {
        QFile j(file + QStringLiteral("-journal"));
        ASSERT_TRUE(j.open(QIODevice::WriteOnly));
        j.write(QByteArray(4096, '\0'));
    };
    const std::vector<std::pair<const char*, std::function<void()>>> openers = {
        {"open for changes", [&] { EXPECT_NE(OpenRecipeDatabase(file, m_services), nullptr); }},
        {"compress", [&] { CompactDatabase(file); }},
        {"repair", [&] { RepairDatabase(file); }},
    };
    for (const auto& [what, run] : openers) {
        leaveStaleJournal();
        run();
        EXPECT_TRUE(test::SidecarsOf(file).isEmpty())
            << what << ": " << test::SidecarsOf(file).join(u' ').toStdString();
    }
    SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
}

TEST_F(FileSafety, AJournalAnotherProgramIsWritingStays) {
    const QString file = copyShippedSamples();
    SqliteConnection writer(file, SqliteConnection::Mode::ReadWrite);
    writer.exec(QStringLiteral("BEGIN IMMEDIATE"));
    writer.exec(
        QStringLiteral("UPDATE Recipes SET RecipeBrewer = 'the other program' WHERE RecipeID = 1"));
    ASSERT_TRUE(QFileInfo::exists(file + QStringLiteral("-journal")));
    auto db = OpenRecipeDatabase(file, m_services);
    ASSERT_NE(db, nullptr) << lastText().toStdString();
    EXPECT_TRUE(QFileInfo::exists(file + QStringLiteral("-journal")));
    db.reset();
    writer.exec(QStringLiteral("COMMIT"));
    EXPECT_EQ(committedBrewer(file), QStringLiteral("the other program"));
}

// A file another tool left in WAL mode is read without anything made beside it.
TEST_F(FileSafety, AWalModeFileIsReadWithoutFilesBesideIt) {
    const QString file = copyShippedSamples();
    {
        SqliteConnection c(file, SqliteConnection::Mode::ReadWrite);
        ASSERT_EQ(c.scalar(QStringLiteral("PRAGMA journal_mode=WAL")).toString(),
                  QStringLiteral("wal"));
    }
    ASSERT_TRUE(test::SidecarsOf(file).isEmpty());
    const QByteArray before = readFile(file);
    EXPECT_EQ(ReadDatabaseMarker(file), QStringLiteral("A_Recipes"));
    {
        CDaoDatabase db;
        db.Open(file, false, true);
        EXPECT_EQ(db.connection().scalar(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
    }
    EXPECT_TRUE(test::SidecarsOf(file).isEmpty())
        << test::SidecarsOf(file).join(u' ').toStdString();
    EXPECT_EQ(readFile(file), before);
    // Opened for changes it becomes a file of ours, with nothing left beside it either.
    auto db = OpenRecipeDatabase(file, m_services);
    ASSERT_NE(db, nullptr);
    db.reset();
    EXPECT_TRUE(test::SidecarsOf(file).isEmpty())
        << test::SidecarsOf(file).join(u' ').toStdString();
}

TEST_F(FileSafety, APipeIsNoDatabaseAndIsNotWaitedOn) {
    const QString pipe = path(QStringLiteral("pipe.mdb"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(OpenRecipeDatabase(pipe, m_services));
    EXPECT_TRUE(lastText().contains(QStringLiteral("is a FIFO (named pipe), not a file")))
        << lastText().toStdString();
    EXPECT_FALSE(lastText().contains(QStringLiteral("empty")));
    EXPECT_THROW(CompactDatabase(pipe), CDaoException);
}

// "database is locked" names the file and who has it.
TEST_F(FileSafety, ALockedFileIsReportedWithItsHolder) {
    const QString file = copyShippedSamples();
    // Another program has the file open for changes and is in the middle of writing it.
    const QString lockFile = DatabaseLock::lockFilePath(file);
    QFile lock(lockFile);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("4711\nwscalc\nbrewhouse\n");
    lock.flush();
    ASSERT_EQ(::flock(lock.handle(), LOCK_EX), 0);
    SqliteConnection writer(file, SqliteConnection::Mode::ReadWrite);
    writer.exec(QStringLiteral("BEGIN EXCLUSIVE"));
    try {
        SqliteConnection reader(file, SqliteConnection::Mode::ReadOnly, 50);
        ADD_FAILURE() << "a file locked for writing was read";
    } catch (const CDaoException& e) {
        EXPECT_EQ(e.errorInfo().m_lErrorCode, CDaoException::kLocked);
        const QString text = QString::fromUtf8(e.what());
        EXPECT_TRUE(text.contains(file)) << e.what();
        EXPECT_TRUE(text.contains(QStringLiteral("wscalc, process 4711 on brewhouse"))) << e.what();
        EXPECT_FALSE(text.contains(QStringLiteral("database is locked"))) << e.what();
    }
    // Without a lock file of ours, another program is all that can be said.
    ::flock(lock.handle(), LOCK_UN);
    try {
        SqliteConnection reader(file, SqliteConnection::Mode::ReadOnly, 50);
        ADD_FAILURE() << "a file locked for writing was read";
    } catch (const CDaoException& e) {
        EXPECT_TRUE(
            QString::fromUtf8(e.what()).contains(QStringLiteral("locked by another program")))
            << e.what();
    }
}

// Another tool stored a batch "number" as text; the next batch comes from the numbers.
TEST_F(FileSafety, ATextBatchNumberDoesNotStopAddOrImport) {
    const QString file = copyShippedSamples();
    execSql(file,
            QStringLiteral("UPDATE Recipes SET RecipeBatchNo = 'seven' WHERE RecipeBatchNo = 7"));
    open(file);
    m_prompter.clear();
    m_cmd->OnRecordAdd();
    EXPECT_EQ(m_cmd->record().m_RecipeBatchNo, 9);
    m_form->name = QStringLiteral("After the odd one");
    m_cmd->setModified();
    ASSERT_TRUE(m_cmd->OnRecordCommit()) << lastText().toStdString();
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeName FROM Recipes WHERE RecipeBatchNo = 9")),
              QStringLiteral("After the odd one"));
    // The odd row is named when it is shown, as any stored value the program cannot use.
    m_prompter.clear();
    m_cmd->OnRecordMove(Move::Last);
    ASSERT_FALSE(m_prompter.shown().empty());
    EXPECT_TRUE(lastText().contains(QStringLiteral("RecipeBatchNo"))) << lastText().toStdString();
}

} // namespace
} // namespace wsc
