#include "core/db/dao/CDaoDatabase.h"

#include "core/db/DatabaseLock.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/dao/CDaoWorkspace.h"

#include <QFile>
#include <QFileInfo>

#include <mutex>

#include <sqlite3.h>

#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace wsc {

namespace {

constexpr int kBusyTimeoutMs = 2000;

// Every open database of the program, for abandonAll, which may run on another thread.
std::vector<CDaoDatabase*>& openDatabases() {
    static std::vector<CDaoDatabase*> all;
    return all;
}
std::mutex& openDatabasesMutex() {
    static std::mutex m;
    return m;
}

QString savepoint(int level) {
    return QStringLiteral("wsc_level_%1").arg(level);
}

} // namespace

CDaoDatabase::CDaoDatabase(CDaoWorkspace* workspace) : m_workspace(workspace) {
    if (!m_workspace) {
        m_ownWorkspace = std::make_unique<CDaoWorkspace>();
        m_ownWorkspace->Create(QStringLiteral("#Default Workspace#"), CDaoWorkspace::DefaultUser(),
                               CDaoWorkspace::DefaultPassword());
        m_workspace = m_ownWorkspace.get();
    }
}

CDaoDatabase::~CDaoDatabase() {
    Close();
}

void CDaoDatabase::Open(const QString& path, bool /*exclusive*/, bool readOnly,
                        const QString& /*connect*/) {
    Close();
    auto conn = std::make_unique<SqliteConnection>(
        path, readOnly ? SqliteConnection::Mode::ReadOnly : SqliteConnection::Mode::ReadWrite,
        kBusyTimeoutMs);
    if (!readOnly) {
        if (conn->isReadOnly())
            throw CDaoException(kReadOnly, QStringLiteral("The file '%1' is read-only; it cannot "
                                                          "be opened for changes.")
                                               .arg(path));
        // Each change goes through a journal beside the file.
        const QString folder = QFileInfo(path).absolutePath();
        if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
            throw CDaoException(kReadOnly,
                                QStringLiteral("The folder of '%1' is read-only; the file "
                                               "cannot be changed there.")
                                    .arg(path));
        // Only a file known to be one of ours is set up for writing: a foreign file is never
        // changed by being looked at.
        const QString marker = firstTableName(*conn);
        if (marker == QLatin1String("A_Recipes") || marker == QLatin1String("A_Data")) {
            useRollbackJournal(*conn);
            conn->removeStaleJournal();
            m_ours = true;
        }
    }
    conn->exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    m_conn = std::move(conn);
    m_path = path;
    m_readOnly = readOnly;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        m_device = static_cast<unsigned long long>(st.st_dev);
        m_inode = static_cast<unsigned long long>(st.st_ino);
    }
    m_workspace->attach(this);
    const std::lock_guard<std::mutex> guard(openDatabasesMutex());
    openDatabases().push_back(this);
}

void CDaoDatabase::useRollbackJournal(SqliteConnection& conn) {
    // A rollback journal keeps every commit in the database file itself (a copy taken while
    // the program runs is whole), leaves no file beside it between changes, lets read-only
    // users read without writing anything, and lets readers read while a change is pending.
    const QString mode = conn.scalar(QStringLiteral("PRAGMA journal_mode")).toString();
    if (mode.compare(QStringLiteral("delete"), Qt::CaseInsensitive) != 0) {
        const QString set = conn.scalar(QStringLiteral("PRAGMA journal_mode=DELETE")).toString();
        if (set.compare(QStringLiteral("delete"), Qt::CaseInsensitive) != 0)
            throw CDaoException(kReadOnly, QStringLiteral("The file '%1' could not be set up for "
                                                          "changes (journal mode %2).")
                                               .arg(conn.path(), set));
    }
    conn.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    // A pending change stays in memory until it is committed, so readers are never locked out.
    conn.exec(QStringLiteral("PRAGMA cache_spill=OFF"));
}

QString CDaoDatabase::firstTableName(SqliteConnection& conn) {
    return conn
        .scalar(QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT "
                               "LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid LIMIT 1"))
        .toString();
}

void CDaoDatabase::checkFileForWriting() const {
    if (m_inode == 0)
        return;
    const QByteArray name = QFile::encodeName(m_path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 ||
        static_cast<unsigned long long>(st.st_dev) != m_device ||
        static_cast<unsigned long long>(st.st_ino) != m_inode)
        throw CDaoException(3024, QStringLiteral("Couldn't find file '%1'. It was moved or "
                                                 "deleted while open; nothing was written.")
                                      .arg(m_path));
    if (::access(name.constData(), W_OK) != 0)
        throw CDaoException(3051, QStringLiteral("The file '%1' was made read-only while open; "
                                                 "nothing was written.")
                                      .arg(m_path));
}

void CDaoDatabase::Create(const QString& path) {
    Close();
    m_conn =
        std::make_unique<SqliteConnection>(path, SqliteConnection::Mode::Create, kBusyTimeoutMs);
    useRollbackJournal(*m_conn);
    m_path = path;
    m_readOnly = false;
    m_workspace->attach(this);
    const std::lock_guard<std::mutex> guard(openDatabasesMutex());
    openDatabases().push_back(this);
}

void CDaoDatabase::Close() {
    if (!m_conn)
        return;
    // Nothing of ours stays beside the file after it is closed, whoever switched its mode.
    if (m_ours && !m_readOnly)
        m_conn->leaveWal();
    m_ours = false;
    m_workspace->detach(this);
    {
        const std::lock_guard<std::mutex> guard(openDatabasesMutex());
        std::erase(openDatabases(), this);
    }
    m_indexCache.clear();
    m_conn.reset(); // an open transaction is rolled back by the engine
    m_path.clear();
    m_lock.reset();
}

void CDaoDatabase::holdLock(std::unique_ptr<DatabaseLock> lock) {
    m_lock = std::move(lock);
}

void CDaoDatabase::abandonAll() {
    const std::lock_guard<std::mutex> guard(openDatabasesMutex());
    for (CDaoDatabase* db : openDatabases()) {
        if (db->m_conn) {
            // The connection's mutex waits for a call another thread is in to return (a
            // signal has it stop soon); the mutex is recursive, so the calls below take it too.
            sqlite3* handle = db->m_conn->handle();
            sqlite3_mutex* held = sqlite3_db_mutex(handle);
            sqlite3_mutex_enter(held);
            // ROLLBACK ends the statements still running on the connection as well.
            if (sqlite3_get_autocommit(handle) == 0)
                sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
            if (db->m_ours && !db->m_readOnly)
                db->m_conn->leaveWal();
            sqlite3_mutex_leave(held);
        }
        db->m_lock.reset();
    }
}

SqliteConnection& CDaoDatabase::connection() {
    if (!m_conn)
        throw CDaoException(3420, QStringLiteral("The database is not open."));
    return *m_conn;
}

QString CDaoDatabase::GetTableDefName(int n) {
    SqliteStatement st = connection().prepare(QStringLiteral(
        "SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' "
        "ESCAPE '\\' ORDER BY rowid LIMIT 1 OFFSET ?"));
    st.bindInt64(1, n);
    if (!st.step())
        throw CDaoException(CDaoException::kItemNotFound,
                            QStringLiteral("Item not found in this collection (table "
                                           "definition %1 of '%2').")
                                .arg(n)
                                .arg(m_path));
    return st.text(0);
}

bool CDaoDatabase::isTable(const QString& name) {
    SqliteStatement st = connection().prepare(
        QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?"));
    st.bindText(1, name);
    return st.step();
}

bool CDaoDatabase::isQuery(const QString& name) {
    SqliteStatement st = connection().prepare(
        QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type = 'view' AND name = ?"));
    st.bindText(1, name);
    return st.step();
}

QStringList CDaoDatabase::indexColumns(const QString& indexName) {
    auto it = m_indexCache.find(indexName);
    if (it != m_indexCache.end())
        return it->second;
    QStringList cols;
    SqliteStatement st = connection().prepare(
        QStringLiteral("SELECT name FROM pragma_index_info(?) ORDER BY seqno"));
    st.bindText(1, indexName);
    while (st.step())
        cols << st.text(0);
    m_indexCache.emplace(indexName, cols);
    return cols;
}

void CDaoDatabase::beginTransaction(int level) {
    connection().exec(level == 0 ? QStringLiteral("BEGIN")
                                 : QStringLiteral("SAVEPOINT ") + savepoint(level));
}

void CDaoDatabase::commitTransaction(int level) {
    // A transaction that wrote nothing has nothing to lose to a file that went.
    if (level == 0 && sqlite3_txn_state(connection().handle(), "main") == SQLITE_TXN_WRITE)
        checkFileForWriting();
    connection().exec(level == 0 ? QStringLiteral("COMMIT")
                                 : QStringLiteral("RELEASE ") + savepoint(level));
    // A commit made in WAL mode (another program switched the file) goes into the file too.
    if (level == 0 && m_ours)
        connection().leaveWal();
}

void CDaoDatabase::rollbackTransaction(int level) {
    if (level == 0) {
        // The engine may already have ended the transaction after a failed statement.
        if (connection().inTransaction())
            connection().exec(QStringLiteral("ROLLBACK"));
    } else {
        connection().exec(QStringLiteral("ROLLBACK TO ") + savepoint(level));
        connection().exec(QStringLiteral("RELEASE ") + savepoint(level));
    }
}

} // namespace wsc
