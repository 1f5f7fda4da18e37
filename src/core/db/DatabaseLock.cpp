#include "core/db/DatabaseLock.h"

#include "core/settings/FileNodes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wsc {
namespace {

QString programName() {
    const QString app = QCoreApplication::applicationName();
    if (!app.isEmpty())
        return app;
    // Without an application object: the program file's name.
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return exe.isEmpty() ? QStringLiteral("a program") : QFileInfo(exe).fileName();
}

} // namespace

QString DatabaseLock::lockFilePath(const QString& databasePath) {
    // Two names of one file (a link, a relative path) share one lock.
    const QFileInfo info(databasePath);
    const QString canonical = info.canonicalFilePath();
    return (canonical.isEmpty() ? info.absoluteFilePath() : canonical) + QStringLiteral(".lock");
}

DatabaseLock::DatabaseLock(const QString& databasePath) : m_lockPath(lockFilePath(databasePath)) {}

DatabaseLock::~DatabaseLock() {
    unlock();
}

bool DatabaseLock::tryLock() {
    if (isLocked())
        return true;
    m_failure.clear();
    const QByteArray name = QFile::encodeName(m_lockPath);
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) {
            m_failure = errno == EACCES || errno == EROFS || errno == EPERM
                            ? QStringLiteral("no lock file can be made in its folder")
                            : QStringLiteral("its lock file cannot be made (%1)")
                                  .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            const QString who = holder();
            m_failure = who.isEmpty() ? QStringLiteral("another program has it open") : who;
            return false;
        }
        // The holder before may have removed the file between our open and our lock: then the
        // lock is on a file nobody else will see, and the name must be taken again.
        struct stat opened {
        }, named{};
        if (::fstat(fd, &opened) != 0 || ::stat(name.constData(), &named) != 0 ||
            opened.st_ino != named.st_ino || opened.st_dev != named.st_dev) {
            ::close(fd);
            continue;
        }
        const QByteArray info = QStringLiteral("%1\n%2\n%3\n")
                                    .arg(QCoreApplication::applicationPid())
                                    .arg(programName(), QSysInfo::machineHostName())
                                    .toUtf8();
        if (::ftruncate(fd, 0) != 0 ||
            ::write(fd, info.constData(), static_cast<std::size_t>(info.size())) != info.size()) {
            // The lock holds all the same; only the name of the holder is missing.
        }
        m_fd = fd;
        return true;
    }
    m_failure = QStringLiteral("its lock file keeps changing");
    return false;
}

void DatabaseLock::unlock() {
    if (m_fd < 0)
        return;
    // The file goes while still locked, so nobody can take a lock on a name about to vanish
    // without seeing that it did.
    ::unlink(QFile::encodeName(m_lockPath).constData());
    ::close(m_fd);
    m_fd = -1;
}

namespace {

struct Holder {
    qint64 pid = 0;
    QString text;
};

// Who holds the lock now; nobody when the file is only what a crashed program left.
Holder readHolder(const QString& lockPath) {
    QFile f(lockPath);
    if (QString why; !OpenRegularFile(f, why))
        return {};
    if (::flock(f.handle(), LOCK_SH | LOCK_NB) == 0)
        return {};
    const QStringList lines = QString::fromUtf8(f.read(1024)).split(u'\n');
    bool ok = false;
    const qint64 pid = lines.value(0).toLongLong(&ok);
    if (!ok || lines.size() < 3)
        return {};
    return {pid, QStringLiteral("%1, process %2 on %3")
                     .arg(lines.value(1), QString::number(pid),
                          lines.value(2).isEmpty() ? QStringLiteral("an unknown machine")
                                                   : lines.value(2))};
}

} // namespace

QString DatabaseLock::holder() const {
    return readHolder(m_lockPath).text;
}

QString DatabaseLock::otherHolder() const {
    const Holder h = readHolder(m_lockPath);
    return h.pid == QCoreApplication::applicationPid() ? QString() : h.text;
}

} // namespace wsc
