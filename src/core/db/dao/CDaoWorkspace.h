#pragma once

#include <QString>

#include <vector>

namespace wsc {

class CDaoDatabase;

// A named session with its own transactions. Each database opened in the workspace has its
// own SQLite connection; BeginTrans/CommitTrans/Rollback act on all of them.
class CDaoWorkspace {
public:
    CDaoWorkspace() = default;
    ~CDaoWorkspace();
    CDaoWorkspace(const CDaoWorkspace&) = delete;
    CDaoWorkspace& operator=(const CDaoWorkspace&) = delete;

    static QString DefaultUser();
    static QString DefaultPassword();

    void Create(const QString& name, const QString& userName, const QString& password);
    // Adds the workspace to the engine's list; names must be unique there.
    void Append();
    void Close();
    bool IsOpen() const { return m_open; }
    QString GetName() const { return m_name; }
    QString GetUserName() const { return m_user; }

    void SetIsolateODBCTrans(bool isolate) { m_isolateOdbc = isolate; }
    bool GetIsolateODBCTrans() const { return m_isolateOdbc; }

    void BeginTrans();
    void CommitTrans();
    void Rollback();
    int transactionDepth() const { return m_depth; }

    // Called by CDaoDatabase as it opens and closes in this workspace.
    void attach(CDaoDatabase* db);
    void detach(CDaoDatabase* db);

private:
    QString m_name;
    QString m_user;
    bool m_open = false;
    bool m_appended = false;
    bool m_isolateOdbc = false;
    int m_depth = 0;
    std::vector<CDaoDatabase*> m_databases;
};

} // namespace wsc
