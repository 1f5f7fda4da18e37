#include "app/widgets/SpinButtons.h"

#include "core/document/FieldExchange.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace wsc {

SpinButtons::SpinButtons(QLineEdit* buddy, double low, double high, QWidget* parent, double step,
                         int decimals)
    : QWidget(parent), m_buddy(buddy), m_low(low), m_high(high), m_step(step),
      m_decimals(decimals) {
    m_up = new QToolButton(this);
    m_down = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        b->setFocusPolicy(Qt::NoFocus);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void SpinButtons::setRange(double low, double high) {
    m_low = low;
    m_high = high;
}

void SpinButtons::stepBy(int steps) {
    bool ok = false;
    const double typed = ReadTypedNumber(m_buddy->text(), &ok);
    const double now = ok ? typed : 0.0;
    // Rounded to the places shown, so ten steps of 0.1 make exactly 1.
    const double scale = std::pow(10.0, m_decimals);
    const double next =
        std::clamp(std::round((now + steps * m_step) * scale) / scale, m_low, m_high);
    m_buddy->setText(QString::number(next, 'f', m_decimals));
}

} // namespace wsc
