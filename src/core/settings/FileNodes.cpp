#include "core/settings/FileNodes.h"

#include "core/settings/MessageCatalog.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wsc {
namespace {

QString kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return {};
    if (S_ISFIFO(mode))
        return QStringLiteral("a FIFO (named pipe)");
    if (S_ISCHR(mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(mode))
        return QStringLiteral("a block device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    return QStringLiteral("something other than a file");
}

} // namespace

QString NonFileKind(const QString& path) {
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return kindOf(st.st_mode);
}

QString NotAFileReason(const QString& path) {
    const QString kind = NonFileKind(path);
    return kind.isEmpty() ? QString() : QString::fromLatin1(Texts::kNotAFile).arg(kind);
}

bool OpenRegularFile(QFile& file, QString& error, QIODevice::OpenMode mode) {
    // What the program carries in itself (":/...") is no node of the file system.
    if (file.fileName().startsWith(u':')) {
        if (file.open(mode))
            return true;
        error = file.errorString();
        return false;
    }
    if (const QString why = NotAFileReason(file.fileName()); !why.isEmpty()) {
        error = why;
        return false;
    }
    // Opened without waiting and looked at first; then opened by name (a QFile keeps its name
    // that way), and only if that is the same file.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat checked {};
    if (::fstat(fd, &checked) != 0 || !S_ISREG(checked.st_mode)) {
        error = QString::fromLatin1(Texts::kNotAFile).arg(kindOf(checked.st_mode));
        ::close(fd);
        return false;
    }
    const bool opened = file.open(mode);
    ::close(fd);
    if (!opened) {
        error = file.errorString();
        return false;
    }
    struct stat st {};
    if (::fstat(file.handle(), &st) != 0 || st.st_dev != checked.st_dev ||
        st.st_ino != checked.st_ino) {
        file.close();
        error = QString::fromLatin1(Texts::kNotAFile).arg(kindOf(st.st_mode));
        return false;
    }
    return true;
}

bool CommitRegularFile(QSaveFile& file, QString& error) {
    if (const QString why = NotAFileReason(file.fileName()); !why.isEmpty()) {
        file.cancelWriting();
        error = why;
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace wsc
