#include "shell/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace wsc {

QStringList ProgramFiles::folders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {QDir::currentPath(), program.absolutePath(),
            QDir::cleanPath(program.filePath(QStringLiteral("../share/wortsmith")))};
}

QString ProgramFiles::installedFolderHolding(const QString& name) {
    const QStringList all = folders();
    for (const QString& folder : all.mid(1)) {
        if (QFileInfo(QDir(folder).filePath(name)).isFile())
            return folder;
    }
    return all.at(1);
}

QString ProgramFiles::dataFileForUser(const QString& shipped, const QString& userFolder,
                                      bool installed) {
    const QFileInfo info(shipped);
    if (!installed && info.isWritable() && QFileInfo(info.absolutePath()).isWritable())
        return info.absoluteFilePath();
    if (userFolder.isEmpty() || !QDir().mkpath(userFolder))
        return info.absoluteFilePath();
    const QString copy = QDir(userFolder).filePath(info.fileName());
    if (QFileInfo(copy).isFile())
        return copy;
    // Copied under a temporary name first, so a half-made copy is never taken for the file.
    const QString partial = copy + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(shipped, partial))
        return info.absoluteFilePath();
    QFile::setPermissions(partial, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                       QFile::ReadOther);
    if (!QFile::rename(partial, copy)) {
        QFile::remove(partial);
        return info.absoluteFilePath();
    }
    return copy;
}

QString ProgramFiles::find(const QString& name) {
    for (const QString& folder : folders()) {
        const QString candidate = QDir(folder).filePath(name);
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).absoluteFilePath();
    }
    return {};
}

} // namespace wsc
