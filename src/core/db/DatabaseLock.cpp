#include "db/DatabaseLock.h"

#include <QFileInfo>
#include <QLockFile>

namespace wsc {

QString DatabaseLock::lockFilePath(const QString& databasePath) {
    // Two names of one file (a link, a relative path) share one lock.
    const QFileInfo info(databasePath);
    const QString canonical = info.canonicalFilePath();
    return (canonical.isEmpty() ? info.absoluteFilePath() : canonical) + QStringLiteral(".lock");
}

DatabaseLock::DatabaseLock(const QString& databasePath)
    : m_databasePath(databasePath),
      m_lock(std::make_unique<QLockFile>(lockFilePath(databasePath))) {
    // A lock is held for as long as the file is open, however long that is; only a holder
    // that is gone makes it stale.
    m_lock->setStaleLockTime(0);
}

DatabaseLock::~DatabaseLock() = default;

bool DatabaseLock::tryLock() {
    return m_lock->tryLock(0);
}

void DatabaseLock::unlock() {
    if (m_lock->isLocked())
        m_lock->unlock();
}

bool DatabaseLock::isLocked() const {
    return m_lock->isLocked();
}

QString DatabaseLock::holder() const {
    qint64 pid = 0;
    QString host, app;
    if (!m_lock->getLockInfo(&pid, &host, &app))
        return {};
    return QStringLiteral("%1, process %2 on %3")
        .arg(app.isEmpty() ? QStringLiteral("a program") : app)
        .arg(pid)
        .arg(host.isEmpty() ? QStringLiteral("an unknown machine") : host);
}

QString DatabaseLock::failureText() const {
    switch (m_lock->error()) {
    case QLockFile::LockFailedError: {
        const QString who = holder();
        return who.isEmpty() ? QStringLiteral("another program has it open") : who;
    }
    case QLockFile::PermissionError:
        return QStringLiteral("no lock file can be made in its folder");
    default:
        return QStringLiteral("its lock file cannot be made");
    }
}

} // namespace wsc
