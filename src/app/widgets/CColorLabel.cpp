#include "app/widgets/CColorLabel.h"

#include <QMouseEvent>

namespace wsc {

CColorLabel::CColorLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextColor(Qt::black);
}

void CColorLabel::setTextColor(const QColor& color) {
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void CColorLabel::setLinkMode(bool on) {
    m_link = on;
    setTextColor(on ? QColor(0, 0, 255) : QColor(Qt::black));
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
    setCursor(on ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CColorLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (m_link && onClicked && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        onClicked(text());
    QLabel::mouseReleaseEvent(event);
}

} // namespace wsc
