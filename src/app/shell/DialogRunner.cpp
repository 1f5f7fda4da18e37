#include "shell/DialogRunner.h"

#include <QDialog>
#include <QFileDialog>

namespace wsc {

int DialogRunner::exec(QDialog& dialog) {
    return dialog.exec();
}

QString DialogRunner::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

} // namespace wsc
