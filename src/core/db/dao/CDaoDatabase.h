#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

namespace wsc {

class CDaoWorkspace;
class DatabaseLock;
class SqliteConnection;

// An open database file. Opened in a workspace (the engine's default one when none is given);
// it owns the SQLite connection.
class CDaoDatabase {
public:
    explicit CDaoDatabase(CDaoWorkspace* workspace = nullptr);
    ~CDaoDatabase();
    CDaoDatabase(const CDaoDatabase&) = delete;
    CDaoDatabase& operator=(const CDaoDatabase&) = delete;

    // Opens an existing file for reading and writing, or for reading only. A file or folder
    // that cannot be written is refused for writing (3051). `exclusive` and the connect string
    // are accepted as the engine did.
    void Open(const QString& path, bool exclusive = false, bool readOnly = false,
              const QString& connect = {});
    // Creates a new, empty database file.
    void Create(const QString& path);
    void Close();
    bool IsOpen() const { return m_conn != nullptr; }
    bool isReadOnly() const { return m_readOnly; }
    QString GetName() const { return m_path; }
    CDaoWorkspace* workspace() const { return m_workspace; }

    // Name of table definition n: tables in the order they were created in the file.
    QString GetTableDefName(int n);

    SqliteConnection& connection();
    bool isTable(const QString& name);
    bool isQuery(const QString& name);
    // Key columns of an index, or an empty list when the index does not exist.
    QStringList indexColumns(const QString& indexName);

    // Workspace transactions; nested levels use savepoints.
    void beginTransaction(int level);
    void commitTransaction(int level);
    void rollbackTransaction(int level);

    static constexpr long kReadOnly = 3051;

    // The name of the first table of the file (its marker), or an empty text.
    static QString firstTableName(SqliteConnection& conn);
    // Sets up a file of ours for changes: rollback journal, full sync, no cache spill.
    static void useRollbackJournal(SqliteConnection& conn);

    // Before anything is written: the file must still be the one that was opened, and
    // writable. A connection keeps writing into a file deleted or replaced under it, which
    // would lose the changes silently. Throws CDaoException 3024 or 3051.
    void checkFileForWriting() const;

    // The file's lock, held for as long as the database is open.
    void holdLock(std::unique_ptr<DatabaseLock> lock);

    // For a program that must end at once, from wherever it is (a signal while a question is
    // open): every open transaction of every open database is rolled back and every lock
    // released, without anything else of the program running. The databases stay open, so
    // whatever still uses them finds nothing freed; the program is expected to exit next.
    static void abandonAll();

private:
    std::unique_ptr<CDaoWorkspace> m_ownWorkspace;
    CDaoWorkspace* m_workspace = nullptr;
    std::unique_ptr<SqliteConnection> m_conn;
    QString m_path;
    bool m_readOnly = false;
    // A file of ours, open for changes: kept to its rollback journal.
    bool m_ours = false;
    std::map<QString, QStringList> m_indexCache;
    unsigned long long m_device = 0;
    unsigned long long m_inode = 0;
    std::unique_ptr<DatabaseLock> m_lock;
};

} // namespace wsc
