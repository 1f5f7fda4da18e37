#include "core/db/dao/CDaoException.h"

#include "core/db/DatabaseLock.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/StopRequest.h"

#include <sqlite3.h>

namespace wsc {

CDaoException::CDaoException(long code, const QString& description, const QString& source) {
    m_info.m_lErrorCode = code;
    m_info.m_strDescription = description;
    m_info.m_strSource = source;
    m_what = description.toStdString();
}

CDaoException::CDaoException(std::int32_t statusCode) : m_hasInfo(false), m_scode(statusCode) {
    m_what = "database status code " + std::to_string(statusCode);
}

CDaoException CDaoException::fromSqlite(sqlite3* db, int rc, const QString& context) {
    const int ext = db ? sqlite3_extended_errcode(db) : rc;
    QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    if (!context.isEmpty())
        message = context + QStringLiteral(": ") + message;
    long code = rc & 0xff;
    if (ext == SQLITE_CONSTRAINT_UNIQUE || ext == SQLITE_CONSTRAINT_PRIMARYKEY) {
        // Callers test for the duplicate-key code by number.
        code = kDuplicateKey;
        message = QStringLiteral("The change would create a duplicate value in a unique index "
                                 "or key (%1).")
                      .arg(message);
    }
    if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED) {
        // "database is locked" says neither which file nor who has it.
        const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
        const QString path = file && *file ? QString::fromUtf8(file) : context;
        const QString who = path.isEmpty() ? QString() : DatabaseLock(path).otherHolder();
        code = kLocked;
        message = QString::fromLatin1(Texts::kDatabaseBusy)
                      .arg(path.isEmpty() ? QStringLiteral("the data base") : path,
                           who.isEmpty() ? QStringLiteral("another program") : who);
    }
    if ((rc & 0xff) == SQLITE_INTERRUPT && StopRequest::pending())
        message = QString::fromLatin1(Texts::kStoppedBySignal);
    CDaoException e(code, message, QStringLiteral("SQLite"));
    e.m_sqliteCode = ext;
    return e;
}

} // namespace wsc
