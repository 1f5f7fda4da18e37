#include "shell/DialogRunner.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
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

QString DialogRunner::saveFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}

bool DialogRunner::choosePrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool DialogRunner::setUpPrinter(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace wsc
