#include "core/db/dao/CDaoWorkspace.h"

#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"

#include <algorithm>

namespace wsc {

namespace {

QString g_user = QStringLiteral("Admin");
QString g_password;

} // namespace

CDaoWorkspace::~CDaoWorkspace() {
    Close();
}

QString CDaoWorkspace::DefaultUser() {
    return g_user;
}
QString CDaoWorkspace::DefaultPassword() {
    return g_password;
}

void CDaoWorkspace::Create(const QString& name, const QString& userName, const QString& password) {
    if (userName != g_user || password != g_password)
        throw CDaoException(3029, QStringLiteral("Not a valid account name or password."));
    m_name = name;
    m_user = userName;
    m_open = true;
}

void CDaoWorkspace::Append() {
    if (!m_open)
        throw CDaoException(3420, QStringLiteral("Object invalid or no longer set."));
    // Dialogs may nest (a lookup opens a maintenance dialog), so two workspaces of one kind
    // can be appended at a time; each keeps its own connection.
    m_appended = true;
}

void CDaoWorkspace::Close() {
    if (!m_open)
        return;
    // Closing a workspace ends its open transactions without committing them.
    while (m_depth > 0) {
        try {
            Rollback();
        } catch (const CDaoException&) {
            m_depth = 0;
        }
    }
    for (CDaoDatabase* db : std::vector<CDaoDatabase*>(m_databases))
        db->Close();
    m_databases.clear();
    m_appended = false;
    m_open = false;
}

void CDaoWorkspace::BeginTrans() {
    for (CDaoDatabase* db : m_databases)
        db->beginTransaction(m_depth);
    ++m_depth;
}

void CDaoWorkspace::CommitTrans() {
    if (m_depth == 0)
        throw CDaoException(3034, QStringLiteral("You tried to commit or rollback a transaction "
                                                 "without first beginning a transaction."));
    for (CDaoDatabase* db : m_databases)
        db->commitTransaction(m_depth - 1);
    --m_depth;
}

void CDaoWorkspace::Rollback() {
    if (m_depth == 0)
        throw CDaoException(3034, QStringLiteral("You tried to commit or rollback a transaction "
                                                 "without first beginning a transaction."));
    --m_depth;
    for (CDaoDatabase* db : m_databases)
        db->rollbackTransaction(m_depth);
}

void CDaoWorkspace::attach(CDaoDatabase* db) {
    if (std::find(m_databases.begin(), m_databases.end(), db) == m_databases.end())
        m_databases.push_back(db);
}

void CDaoWorkspace::detach(CDaoDatabase* db) {
    m_databases.erase(std::remove(m_databases.begin(), m_databases.end(), db), m_databases.end());
}

} // namespace wsc
