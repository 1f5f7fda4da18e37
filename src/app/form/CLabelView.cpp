#include "app/form/CLabelView.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include <QPainter>

namespace wsc {

CLabelView::CLabelView(QWidget* parent) : QWidget(parent) {
    SetHelpContext(this, HelpContext::kLabelView);
    setObjectName(QStringLiteral("labelView"));
    setMinimumSize(320, 120);
}

void CLabelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int middle = height() / 2;
    auto centred = [&](const QString& text, int baseline) {
        p.drawText(QPoint((width() - fm.horizontalAdvance(text)) / 2, baseline), text);
    };
    centred(QString::fromUtf8(Labels::kWortsmithLabelTest), middle);
    centred(QString::fromUtf8(Labels::kLabelPlannedNote), middle + 10 + fm.height());
}

} // namespace wsc
