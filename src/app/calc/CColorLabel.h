#pragma once

#include <QLabel>

namespace wsc {

// A static text whose colour is set at run time (the calculation status, the quantity a
// calculator solves for).
class CColorLabel : public QLabel {
    Q_OBJECT
public:
    explicit CColorLabel(const QString& text = {}, QWidget* parent = nullptr);
    void setTextColor(const QColor& color);
    QColor textColor() const { return m_color; }

private:
    QColor m_color;
};

} // namespace wsc
