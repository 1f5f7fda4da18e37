#include "calc/CColorLabel.h"

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

} // namespace wsc
