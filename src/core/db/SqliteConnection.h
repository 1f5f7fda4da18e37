#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace wsc {

// A prepared statement that finalises itself. Values are always bound as parameters.
class SqliteStatement {
public:
    SqliteStatement() = default;
    SqliteStatement(sqlite3* db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool isValid() const { return m_stmt != nullptr; }

    // Binds by 1-based position. A null QVariant binds NULL.
    void bind(int index, const QVariant& value);
    void bindNull(int index);
    void bindInt64(int index, std::int64_t value);
    void bindDouble(int index, double value);
    void bindText(int index, const QString& value);

    // Advances; true while a row is available. Throws CDaoException on failure.
    bool step();
    void reset();
    // Runs a statement that returns no rows.
    void exec();

    int columnCount() const;
    QString columnName(int col) const;
    bool isNull(int col) const;
    // The kind of value SQLite holds in a column of the current row.
    enum class Kind { Integer, Real, Text, Blob, Null };
    Kind kind(int col) const;
    // A text value's bytes as stored, valid until the next step; for reading many rows without
    // converting each value.
    std::string_view utf8(int col) const;
    std::int64_t int64(int col) const;
    double real(int col) const;
    QString text(int col) const;
    QVariant value(int col) const;

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

// Refuses, with a CDaoException, a path that is not a database file: missing, a folder, empty,
// without the database header, or with a header this program cannot read or write.
void CheckDatabaseHeader(const QString& path);
inline constexpr int kHeaderSize = 100;

// A SQLite connection that closes itself. Paths are always plain file paths, never URIs. Every
// failing call throws CDaoException.
class SqliteConnection {
public:
    // Memory: a database of its own in memory; the path is only a name for messages.
    enum class Mode { ReadWrite, ReadOnly, Create, Memory };

    SqliteConnection(const QString& path, Mode mode, int busyTimeoutMs = 2000);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    sqlite3* handle() const { return m_db; }
    const QString& path() const { return m_path; }
    bool isReadOnly() const;
    bool inTransaction() const;

    void exec(const QString& sql);
    SqliteStatement prepare(const QString& sql);
    std::int64_t lastInsertRowId() const;
    int changes() const;
    // The first column of the first row of `sql`, or a null QVariant.
    QVariant scalar(const QString& sql);
    // "ok" when the file passes PRAGMA integrity_check, else the first problem found.
    QString integrityCheck();
    // Removes a journal beside the file that holds no unfinished change (one a program left
    // when it was stopped at the start or end of a change): SQLite ignores such a journal but
    // leaves it there until the next change. One that another connection is using is kept.
    void removeStaleJournal();
    // Another program may switch a file of ours to WAL mode while it is open: its commits
    // would then stay in a "-wal" file beside it, missed by a copy of the file alone. Outside a
    // transaction this switches it back, or at least copies every commit into the file; false
    // when another program's use of the file keeps either from happening now.
    bool leaveWal() noexcept;

    // Quotes an identifier for SQL text ("a ""b""").
    static QString quoteIdentifier(const QString& name);

private:
    static void rollBackUnfinishedChange(const QByteArray& file);

    sqlite3* m_db = nullptr;
    QString m_path;
    int m_busyTimeoutMs = 0;
    // A file in WAL mode that another tool left a "-wal" beside is read from a copy of both
    // here, so that reading it writes nothing beside it.
    std::unique_ptr<QTemporaryDir> m_private;
};

} // namespace wsc
