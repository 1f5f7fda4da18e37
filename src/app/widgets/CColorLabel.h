#pragma once

#include <QLabel>

#include <functional>

namespace wsc {

// A static text whose colour is set at run time (the calculation status, the quantity a
// calculator solves for). In link mode it is blue and underlined under a hand cursor, and a
// click hands its text to onClicked.
class CColorLabel : public QLabel {
    Q_OBJECT
public:
    explicit CColorLabel(const QString& text = {}, QWidget* parent = nullptr);
    void setTextColor(const QColor& color);
    QColor textColor() const { return m_color; }
    void setLinkMode(bool on);
    bool linkMode() const { return m_link; }
    std::function<void(const QString&)> onClicked;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_color;
    bool m_link = false;
};

} // namespace wsc
