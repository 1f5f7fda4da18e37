#include "form/SpinButtons.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace wsc {

SpinButtons::SpinButtons(QLineEdit* buddy, int low, int high, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_low(low), m_high(high) {
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

void SpinButtons::setRange(int low, int high) {
    m_low = low;
    m_high = high;
}

void SpinButtons::stepBy(int steps) {
    const long long now = m_buddy->text().trimmed().toLongLong();
    const long long next = std::clamp<long long>(now + steps, m_low, m_high);
    m_buddy->setText(QString::number(next));
}

} // namespace wsc
