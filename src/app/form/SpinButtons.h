#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace wsc {

// Up and down buttons attached to a number field: they step the field's whole number within
// a range. What is typed into the field itself is not limited.
class SpinButtons : public QWidget {
    Q_OBJECT
public:
    SpinButtons(QLineEdit* buddy, int low, int high, QWidget* parent = nullptr);
    void setRange(int low, int high);
    int low() const { return m_low; }
    int high() const { return m_high; }
    void stepBy(int steps);
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

private:
    QLineEdit* m_buddy;
    int m_low;
    int m_high;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace wsc
