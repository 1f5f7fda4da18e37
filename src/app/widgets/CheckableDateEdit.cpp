#include "app/widgets/CheckableDateEdit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace wsc {

CheckableDateEdit::CheckableDateEdit(QWidget* parent) : QWidget(parent) {
    m_check = new QCheckBox(this);
    m_date = new QDateEdit(this);
    m_date->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    m_date->setCalendarPopup(true);
    m_date->setDate(QDate::currentDate());
    m_date->setEnabled(false);
    // The tick box first, then the date: Tab reaches both, in that order. A focus proxy would
    // put the date before the box in the tab chain, so a ticked box could not be reached.
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_check);
    layout->addWidget(m_date, 1);
    connect(m_check, &QCheckBox::toggled, this, [this](bool on) {
        m_date->setEnabled(on);
        emit changed();
    });
    connect(m_date, &QDateEdit::dateChanged, this, [this] { emit changed(); });
}

void CheckableDateEdit::setDateTime(const QDateTime& value) {
    const QSignalBlocker a(m_check);
    const QSignalBlocker b(m_date);
    if (value.isValid()) {
        m_date->setDate(value.date());
        m_check->setChecked(true);
    } else {
        m_date->setDate(QDate::currentDate());
        m_check->setChecked(false);
    }
    m_date->setEnabled(m_check->isChecked());
}

QDateTime CheckableDateEdit::dateTime() const {
    if (!m_check->isChecked())
        return {};
    return QDateTime(m_date->date(), QTime(0, 0));
}

bool CheckableDateEdit::isChecked() const {
    return m_check->isChecked();
}

void CheckableDateEdit::setChecked(bool checked) {
    m_check->setChecked(checked);
}

QDate CheckableDateEdit::shownDate() const {
    return m_date->date();
}

} // namespace wsc
