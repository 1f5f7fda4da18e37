#include "app/widgets/DialogRunner.h"
#include "core/settings/MessageCatalog.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QStandardPaths>
#include <QUrl>

namespace wsc {

int DialogRunner::exec(QDialog& dialog) {
    return dialog.exec();
}

QString DialogRunner::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

bool DialogRunner::openUrl(const QString& address, QString& why) {
    const QUrl url(address);
    if (QDesktopServices::openUrl(url))
        return true;
    const QString kind =
        url.scheme() == QLatin1String("mailto") ? QStringLiteral("e-mail") : QStringLiteral("web");
    why = QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()
              ? QStringLiteral("xdg-open, which hands %1 addresses to the desktop's programs, is "
                               "not installed")
                    .arg(kind)
              : QString::fromLatin1(Texts::kNoProgramForAddress).arg(kind);
    return false;
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

std::unique_ptr<WorkProgress> DialogRunner::startWork(QWidget* parent, const QString& label) {
    return std::make_unique<DialogWorkProgress>(parent, label);
}

} // namespace wsc
