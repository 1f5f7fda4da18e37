#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

namespace wsc {

class CDaoWorkspace;
class SqliteConnection;

// An open database file. Opened in a workspace (the engine's default one when none is given);
// it owns the SQLite connection.
class CDaoDatabase {
public:
    explicit CDaoDatabase(CDaoWorkspace* workspace = nullptr);
    ~CDaoDatabase();
    CDaoDatabase(const CDaoDatabase&) = delete;
    CDaoDatabase& operator=(const CDaoDatabase&) = delete;

    // Opens an existing file for reading and writing (WAL journal). `exclusive` and the
    // connect string are accepted as the engine did; a read-only request opens read-only.
    void Open(const QString& path, bool exclusive = false, bool readOnly = false,
              const QString& connect = {});
    // Creates a new, empty database file.
    void Create(const QString& path);
    void Close();
    bool IsOpen() const { return m_conn != nullptr; }
    QString GetName() const { return m_path; }
    CDaoWorkspace* workspace() const { return m_workspace; }

    // Name of table definition n: tables in the order they were created in the file.
    QString GetTableDefName(int n);
    int GetTableDefCount();

    SqliteConnection& connection();
    bool isTable(const QString& name);
    bool isQuery(const QString& name);
    // Key columns of an index, or an empty list when the index does not exist.
    QStringList indexColumns(const QString& indexName);

    // Workspace transactions; nested levels use savepoints.
    void beginTransaction(int level);
    void commitTransaction(int level);
    void rollbackTransaction(int level);

    static void setBusyTimeout(int milliseconds);

    // Before anything is written: the file must still be the one that was opened, and
    // writable. A connection keeps writing into a file deleted or replaced under it, which
    // would lose the changes silently. Throws CDaoException 3024 or 3051.
    void checkFileForWriting() const;

private:
    std::unique_ptr<CDaoWorkspace> m_ownWorkspace;
    CDaoWorkspace* m_workspace = nullptr;
    std::unique_ptr<SqliteConnection> m_conn;
    QString m_path;
    std::map<QString, QStringList> m_indexCache;
    unsigned long long m_device = 0;
    unsigned long long m_inode = 0;
};

} // namespace wsc
