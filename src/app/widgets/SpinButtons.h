#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace wsc {

// Up and down buttons attached to a number field: they step the field's number by `step`
// within a range and write it with `decimals` places. What is typed into the field itself is
// not limited.
class SpinButtons : public QWidget {
    Q_OBJECT
public:
    SpinButtons(QLineEdit* buddy, double low, double high, QWidget* parent = nullptr,
                double step = 1, int decimals = 0);
    void setRange(double low, double high);
    double low() const { return m_low; }
    double high() const { return m_high; }
    void stepBy(int steps);
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

private:
    QLineEdit* m_buddy;
    double m_low;
    double m_high;
    double m_step;
    int m_decimals;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace wsc
