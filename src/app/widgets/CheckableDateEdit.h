#pragma once

#include <QDateTime>
#include <QWidget>

class QCheckBox;
class QDateEdit;

namespace wsc {

// A date that may be empty: a check box in front of a date field. Unticked means no date; a
// field loaded empty shows today's date unticked, so ticking it offers today.
class CheckableDateEdit : public QWidget {
    Q_OBJECT
public:
    explicit CheckableDateEdit(QWidget* parent = nullptr);

    // A null value clears the tick.
    void setDateTime(const QDateTime& value);
    QDateTime dateTime() const;
    bool isChecked() const;
    void setChecked(bool checked);
    QDate shownDate() const;
    QCheckBox* checkBox() const { return m_check; }
    QDateEdit* dateEdit() const { return m_date; }

signals:
    void changed();

private:
    QCheckBox* m_check;
    QDateEdit* m_date;
};

} // namespace wsc
