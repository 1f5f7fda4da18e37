#include "db/dao/CDaoDatabase.h"

#include "db/SqliteConnection.h"
#include "db/dao/CDaoException.h"
#include "db/dao/CDaoWorkspace.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace wsc {

namespace {

int g_busyTimeoutMs = 2000;

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

void CDaoDatabase::setBusyTimeout(int milliseconds) {
    g_busyTimeoutMs = milliseconds;
}

void CDaoDatabase::Open(const QString& path, bool /*exclusive*/, bool readOnly,
                        const QString& /*connect*/) {
    Close();
    auto conn = std::make_unique<SqliteConnection>(
        path, readOnly ? SqliteConnection::Mode::ReadOnly : SqliteConnection::Mode::ReadWrite,
        g_busyTimeoutMs);
    if (!readOnly) {
        if (conn->isReadOnly())
            throw CDaoException(3051, QStringLiteral("The file '%1' is read-only; it cannot be "
                                                     "opened for changes.")
                                          .arg(path));
        // WAL lets the recipe log read while the form holds its write transaction.
        const QString mode = conn->scalar(QStringLiteral("PRAGMA journal_mode=WAL")).toString();
        if (mode.compare(QStringLiteral("wal"), Qt::CaseInsensitive) != 0)
            throw CDaoException(3051, QStringLiteral("The file '%1' could not be opened for "
                                                     "shared use (journal mode %2).")
                                          .arg(path, mode));
    }
    conn->exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    m_conn = std::move(conn);
    m_path = path;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        m_device = static_cast<unsigned long long>(st.st_dev);
        m_inode = static_cast<unsigned long long>(st.st_ino);
    }
    m_workspace->attach(this);
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
        std::make_unique<SqliteConnection>(path, SqliteConnection::Mode::Create, g_busyTimeoutMs);
    m_conn->exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    m_path = path;
    m_workspace->attach(this);
}

void CDaoDatabase::Close() {
    if (!m_conn)
        return;
    m_workspace->detach(this);
    m_indexCache.clear();
    m_conn.reset(); // an open transaction is rolled back by the engine
    m_path.clear();
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

int CDaoDatabase::GetTableDefCount() {
    return connection()
        .scalar(QStringLiteral("SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name "
                               "NOT LIKE 'sqlite\\_%' ESCAPE '\\'"))
        .toInt();
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
    if (level == 0)
        checkFileForWriting();
    connection().exec(level == 0 ? QStringLiteral("COMMIT")
                                 : QStringLiteral("RELEASE ") + savepoint(level));
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
