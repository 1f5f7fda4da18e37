#include "shell/QtHelpService.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace wsc {

void QtHelpService::show(int context, const QString&) {
    m_last = context;
    const QString file = QDir(m_folder).filePath(QStringLiteral("%1.html").arg(context));
    if (QFileInfo::exists(file) && QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        return;
    m_prompter.text(
        QStringLiteral("Information:\nHelp topic %1 is not installed with this version.")
            .arg(context),
        PromptIcon::Information);
}

} // namespace wsc
