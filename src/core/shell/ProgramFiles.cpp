#include "shell/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace wsc {

QStringList ProgramFiles::folders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {QDir::currentPath(), program.absolutePath(),
            QDir::cleanPath(program.filePath(QStringLiteral("../share/wortsmith")))};
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
