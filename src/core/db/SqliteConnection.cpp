#include "core/db/SqliteConnection.h"

#include "core/db/dao/CDaoException.h"
#include "core/settings/FileNodes.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/StopRequest.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace wsc {

namespace {

QByteArray readHeader(const QString& path);
bool isWalHeader(const QByteArray& header);

void check(sqlite3* db, int rc, const QString& context = {}) {
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw CDaoException::fromSqlite(db, rc, context);
}

} // namespace

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql) : m_db(db) {
    const QByteArray utf8 = sql.toUtf8();
    const int rc =
        sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &m_stmt, nullptr);
    check(db, rc);
}

SqliteStatement::~SqliteStatement() {
    if (m_stmt)
        sqlite3_finalize(m_stmt);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)), m_stmt(std::exchange(other.m_stmt, nullptr)) {}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    if (this != &other) {
        if (m_stmt)
            sqlite3_finalize(m_stmt);
        m_db = std::exchange(other.m_db, nullptr);
        m_stmt = std::exchange(other.m_stmt, nullptr);
    }
    return *this;
}

void SqliteStatement::bind(int index, const QVariant& value) {
    if (value.isNull() || !value.isValid()) {
        bindNull(index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        bindInt64(index, value.toBool() ? 1 : 0);
        break;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        bindInt64(index, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        bindDouble(index, value.toDouble());
        break;
    case QMetaType::QDateTime:
        bindText(index, value.toDateTime().toString(Qt::ISODate));
        break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        check(m_db, sqlite3_bind_blob(m_stmt, index, bytes.constData(),
                                      static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
        break;
    }
    default:
        bindText(index, value.toString());
        break;
    }
}

void SqliteStatement::bindNull(int index) {
    check(m_db, sqlite3_bind_null(m_stmt, index));
}

void SqliteStatement::bindInt64(int index, std::int64_t value) {
    check(m_db, sqlite3_bind_int64(m_stmt, index, value));
}

void SqliteStatement::bindDouble(int index, double value) {
    check(m_db, sqlite3_bind_double(m_stmt, index, value));
}

void SqliteStatement::bindText(int index, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    check(m_db, sqlite3_bind_text(m_stmt, index, utf8.constData(), static_cast<int>(utf8.size()),
                                  SQLITE_TRANSIENT));
}

bool SqliteStatement::step() {
    // A run of short statements stops at the next one, a long one in the engine (below).
    if (StopRequest::pending()) {
        sqlite3_reset(m_stmt);
        throw CDaoException(SQLITE_INTERRUPT, QString::fromLatin1(Texts::kStoppedBySignal));
    }
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const CDaoException e = CDaoException::fromSqlite(m_db, rc);
    sqlite3_reset(m_stmt);
    throw e;
}

void SqliteStatement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void SqliteStatement::exec() {
    while (step()) {
    }
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString SqliteStatement::columnName(int col) const {
    return QString::fromUtf8(sqlite3_column_name(m_stmt, col));
}

bool SqliteStatement::isNull(int col) const {
    return sqlite3_column_type(m_stmt, col) == SQLITE_NULL;
}

SqliteStatement::Kind SqliteStatement::kind(int col) const {
    switch (sqlite3_column_type(m_stmt, col)) {
    case SQLITE_INTEGER:
        return Kind::Integer;
    case SQLITE_FLOAT:
        return Kind::Real;
    case SQLITE_BLOB:
        return Kind::Blob;
    case SQLITE_NULL:
        return Kind::Null;
    default:
        return Kind::Text;
    }
}

std::string_view SqliteStatement::utf8(int col) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, col));
    return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, col)))
             : std::string_view();
}

std::int64_t SqliteStatement::int64(int col) const {
    return sqlite3_column_int64(m_stmt, col);
}

double SqliteStatement::real(int col) const {
    return sqlite3_column_double(m_stmt, col);
}

QString SqliteStatement::text(int col) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, col));
    return p ? QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, col)) : QString();
}

QVariant SqliteStatement::value(int col) const {
    switch (sqlite3_column_type(m_stmt, col)) {
    case SQLITE_INTEGER:
        return QVariant::fromValue<qlonglong>(int64(col));
    case SQLITE_FLOAT:
        return real(col);
    case SQLITE_NULL:
        return {};
    case SQLITE_BLOB: {
        const auto* p = static_cast<const char*>(sqlite3_column_blob(m_stmt, col));
        return QByteArray(p, sqlite3_column_bytes(m_stmt, col));
    }
    default:
        return text(col);
    }
}

SqliteConnection::SqliteConnection(const QString& path, Mode mode, int busyTimeoutMs)
    : m_path(path), m_busyTimeoutMs(busyTimeoutMs) {
    QByteArray header;
    if (mode == Mode::ReadWrite || mode == Mode::ReadOnly)
        header = readHeader(path);
    // A connection may be ended from another thread (a signal's, when the main thread is too
    // busy to end the program itself): every call holds the connection's mutex.
    int flags = SQLITE_OPEN_FULLMUTEX;
    switch (mode) {
    case Mode::ReadWrite:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    case Mode::ReadOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    case Mode::Create:
    case Mode::Memory:
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        break;
    }
    // An absolute path never begins with "file:", so SQLite can never take it for a URI.
    QByteArray utf8 = mode == Mode::Memory ? QByteArray(":memory:")
                                           : QFile::encodeName(QFileInfo(path).absoluteFilePath());
    if (mode == Mode::ReadOnly) {
        rollBackUnfinishedChange(utf8);
        // A file another tool left in WAL mode would get its "-wal" and "-shm" files made
        // beside it just to be read. With no "-wal" there, nobody is changing it and all of it
        // is in the file: it is read as it stands. With one, the file and its "-wal" are read
        // from a copy of both of our own.
        if (isWalHeader(header) && ::access((utf8 + "-wal").constData(), F_OK) != 0) {
            utf8 = QUrl::fromLocalFile(QFile::decodeName(utf8)).toEncoded() + "?immutable=1";
            flags |= SQLITE_OPEN_URI;
        } else if (isWalHeader(header)) {
            m_private = std::make_unique<QTemporaryDir>();
            const QString copy = m_private->filePath(QStringLiteral("copy.mdb"));
            if (!m_private->isValid() || !QFile::copy(QFile::decodeName(utf8), copy) ||
                !QFile::copy(QFile::decodeName(utf8 + "-wal"), copy + QStringLiteral("-wal")))
                throw CDaoException(SQLITE_CANTOPEN,
                                    QStringLiteral("The file '%1' is in WAL mode with changes "
                                                   "beside it, and no copy of it could be made "
                                                   "to read it without writing there.")
                                        .arg(path));
            utf8 = QFile::encodeName(copy);
        }
    }
    const int rc = sqlite3_open_v2(utf8.constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const CDaoException e = CDaoException::fromSqlite(m_db, rc, path);
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw e;
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, busyTimeoutMs);
    // Once a signal asks the program to stop, every statement stops where it is (a long one
    // too), and what it began is rolled back.
    sqlite3_progress_handler(
        m_db, 1000, [](void*) { return StopRequest::pending() ? 1 : 0; }, nullptr);
    try {
        // Reading the schema makes a file that is not a database fail here, not later.
        scalar(QStringLiteral("SELECT count(*) FROM sqlite_schema"));
    } catch (...) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw;
    }
}

void SqliteConnection::rollBackUnfinishedChange(const QByteArray& file) {
    // A change that a stopped program left in its journal is rolled back by the next
    // connection that may write; a read-only one could only refuse the file.
    const QByteArray journal = file + "-journal";
    if (::access(journal.constData(), F_OK) != 0 || ::access(file.constData(), W_OK) != 0)
        return;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, 2000);
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr);
    }
    sqlite3_close_v2(db);
}

namespace {

// The first bytes of a database file, after the checks that make them safe to read.
QByteArray readHeader(const QString& path) {
    const QFileInfo fi(path);
    if (!fi.exists())
        throw CDaoException(SQLITE_CANTOPEN,
                            QStringLiteral("The file '%1' does not exist.").arg(path));
    if (fi.isDir())
        throw CDaoException(SQLITE_CANTOPEN,
                            QStringLiteral("'%1' is a folder, not a database file.").arg(path));
    // A pipe, a socket or a device holds no database, and reading one could wait for ever.
    if (const QString kind = NonFileKind(path); !kind.isEmpty())
        throw CDaoException(
            SQLITE_CANTOPEN,
            QStringLiteral("'%1' is %2, not a file; it holds no database.").arg(path, kind));
    // SQLite would take an empty file for a new database and write into it.
    if (fi.size() == 0)
        throw CDaoException(
            SQLITE_NOTADB,
            QStringLiteral("The file '%1' is empty; it holds no database.").arg(path));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw CDaoException(
            SQLITE_CANTOPEN,
            QStringLiteral("The file '%1' cannot be read (%2).").arg(path, f.errorString()));
    const QByteArray header = f.read(kHeaderSize);
    static const char magic[] = "SQLite format 3";
    if (header.size() < kHeaderSize || !header.startsWith(QByteArray(magic, sizeof magic)))
        throw CDaoException(
            SQLITE_NOTADB,
            QStringLiteral("The file '%1' is not a database: its first bytes are not "
                           "those of a database file.")
                .arg(path));
    // Bytes 18 and 19 are the write and read versions: 1 (rollback journal) or 2 (WAL).
    const auto writeVersion = static_cast<unsigned char>(header.at(18));
    const auto readVersion = static_cast<unsigned char>(header.at(19));
    if (writeVersion < 1 || writeVersion > 2 || readVersion < 1 || readVersion > 2)
        throw CDaoException(
            SQLITE_NOTADB,
            QStringLiteral("The database header of '%1' is damaged (file format "
                           "%2/%3); the file cannot be used.")
                .arg(path, QString::number(writeVersion), QString::number(readVersion)));
    return header;
}

bool isWalHeader(const QByteArray& header) {
    return static_cast<unsigned char>(header.at(18)) == 2 &&
           static_cast<unsigned char>(header.at(19)) == 2;
}

} // namespace

void CheckDatabaseHeader(const QString& path) {
    readHeader(path);
}

SqliteConnection::~SqliteConnection() {
    if (m_db)
        sqlite3_close_v2(m_db);
}

bool SqliteConnection::isReadOnly() const {
    return sqlite3_db_readonly(m_db, "main") == 1;
}

bool SqliteConnection::inTransaction() const {
    return sqlite3_get_autocommit(m_db) == 0;
}

void SqliteConnection::exec(const QString& sql) {
    char* err = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_exec(m_db, utf8.constData(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        sqlite3_free(err);
        throw CDaoException::fromSqlite(m_db, rc);
    }
}

SqliteStatement SqliteConnection::prepare(const QString& sql) {
    return SqliteStatement(m_db, sql);
}

std::int64_t SqliteConnection::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(m_db);
}

int SqliteConnection::changes() const {
    return sqlite3_changes(m_db);
}

QVariant SqliteConnection::scalar(const QString& sql) {
    SqliteStatement st = prepare(sql);
    return st.step() ? st.value(0) : QVariant();
}

QString SqliteConnection::integrityCheck() {
    return scalar(QStringLiteral("PRAGMA integrity_check")).toString();
}

void SqliteConnection::removeStaleJournal() {
    const QByteArray journal = QFile::encodeName(QFileInfo(m_path).absoluteFilePath()) + "-journal";
    if (::access(journal.constData(), F_OK) != 0 || inTransaction())
        return;
    // Taking the write lock first rolls back a journal that holds an unfinished change; with
    // the lock held, no other connection can have a change pending in one. A connection that
    // is writing keeps its journal: the lock is not waited for.
    sqlite3_busy_timeout(m_db, 0);
    if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK) {
        ::unlink(journal.constData());
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    sqlite3_busy_timeout(m_db, m_busyTimeoutMs);
}

bool SqliteConnection::leaveWal() noexcept {
    if (!m_db || inTransaction())
        return false;
    try {
        auto mode = [this](const char* sql) {
            return scalar(QString::fromLatin1(sql)).toString().toLower();
        };
        if (mode("PRAGMA journal_mode") != QLatin1String("wal"))
            return true;
        if (mode("PRAGMA journal_mode=DELETE") == QLatin1String("delete"))
            return true;
        // Another connection still reads in WAL mode: every commit goes into the file all the
        // same, and the next try switches back.
        SqliteStatement st = prepare(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        return st.step() && st.int64(0) == 0;
    } catch (const CDaoException&) {
        return false;
    }
}

QString SqliteConnection::quoteIdentifier(const QString& name) {
    QString q = name;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

} // namespace wsc
