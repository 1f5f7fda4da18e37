#include "shell/DialogRunner.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QUrl>

namespace wsc {

int DialogRunner::exec(QDialog& dialog) {
    return dialog.exec();
}

QString DialogRunner::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

bool DialogRunner::openUrl(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

} // namespace wsc
