#include "form/CPlannedPage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace wsc {

CPlannedPage::CPlannedPage(const QString& title, QWidget* parent) : CRecipePage(parent) {
    auto* label = new QLabel(
        QStringLiteral("The \"%1\" page is planned for a future version of Wortsmith Calculator.")
            .arg(title),
        this);
    label->setObjectName(QStringLiteral("plannedNotice"));
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

} // namespace wsc
