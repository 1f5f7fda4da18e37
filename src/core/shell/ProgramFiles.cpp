#include "core/shell/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace wsc {

QString ProgramFiles::programFolder() {
    return QDir(QCoreApplication::applicationDirPath()).absolutePath();
}

QString ProgramFiles::shareFolder() {
    return QDir::cleanPath(QDir(programFolder()).filePath(QStringLiteral("../share/wortsmith")));
}

QStringList ProgramFiles::folders() {
    return {QDir::currentPath(), programFolder(), shareFolder()};
}

QString ProgramFiles::installedFolderHolding(const QString& name) {
    for (const QString& folder : {programFolder(), shareFolder()}) {
        if (QFileInfo(QDir(folder).filePath(name)).isFile())
            return folder;
    }
    return programFolder();
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
