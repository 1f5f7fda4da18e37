#include "app/widgets/RecordBinder.h"

#include "app/widgets/CheckableDateEdit.h"
#include "app/widgets/StoredText.h"
#include "core/db/dao/CDaoRecordset.h"
#include "core/document/FieldExchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <cmath>

namespace wsc {
RecordBinder::RecordBinder(Prompter& prompter, QObject* parent)
    : QObject(parent), m_prompter(prompter) {}

void RecordBinder::changed() {
    if (!m_loading)
        emit modified();
}

void RecordBinder::bind(QLineEdit* edit, const char* column, const QString& label, Format f) {
    m_bindings.push_back({edit, nullptr, QString::fromLatin1(column), label, f, LineEdit});
    connect(edit, &QLineEdit::textChanged, this, &RecordBinder::changed);
}

void RecordBinder::bind(QLineEdit* edit, const char* column, const QString& label, Format f,
                        Quantity quantity) {
    bind(edit, column, label, f);
    m_bindings.back().quantity = quantity;
}

void RecordBinder::bindRequired(QLineEdit* edit, const char* column, const QString& label) {
    bind(edit, column, label, Format::Whole);
    m_bindings.back().required = true;
}

void RecordBinder::bindUnitLabel(QWidget* label, const QString& usText, const QString& pattern,
                                 Quantity quantity) {
    m_unitLabels.push_back({label, usText, pattern, quantity});
    showUnitLabels();
}

void RecordBinder::showUnitLabels() {
    for (const UnitLabel& l : m_unitLabels) {
        const Unit unit = m_units.of(l.quantity);
        const QString text = unit == InfoOf(unit).stored
                                 ? l.usText
                                 : l.pattern.arg(QString::fromUtf8(InfoOf(unit).symbol));
        if (auto* box = qobject_cast<QGroupBox*>(l.widget))
            box->setTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(l.widget))
            label->setText(text);
    }
}

std::optional<Unit> RecordBinder::shownUnit(const Binding& b) const {
    if (!b.quantity)
        return std::nullopt;
    const Unit unit = m_units.of(*b.quantity);
    if (unit == InfoOf(unit).stored)
        return std::nullopt;
    return unit;
}

QString RecordBinder::labelOf(const Binding& b) const {
    const auto unit = shownUnit(b);
    return unit ? b.label + QStringLiteral(" (%1)").arg(QString::fromUtf8(InfoOf(*unit).symbol))
                : b.label;
}

std::optional<double> RecordBinder::storedOfText(const Binding& b, const QString& text,
                                                 Unit unit) const {
    if (text.trimmed().isEmpty())
        return 0.0;
    bool ok = false;
    const double typed = ReadTypedNumber(text, &ok);
    if (!ok || !std::isfinite(typed))
        return std::nullopt;
    const double stored = ToStored(unit, typed);
    return b.format == Format::Whole ? std::round(stored) : stored;
}

void RecordBinder::setUnits(const UnitChoice& units, const CDaoRecordset* record) {
    if (units == m_units)
        return;
    // What each converted field means now, in the working measure, before its unit changes:
    // what the record holds, or the number typed over it; a text that is no number stays.
    struct Shown {
        bool stored;  // shows what the record holds
        double value; // else the typed number, in the working measure
    };
    std::vector<std::optional<Shown>> shown(m_bindings.size());
    for (std::size_t i = 0; i < m_bindings.size(); ++i) {
        const Binding& b = m_bindings[i];
        if (!b.quantity || b.kind != LineEdit)
            continue;
        const QString text = static_cast<QLineEdit*>(b.widget)->text();
        if (record && record->HasCurrentRecord() &&
            showsStored(b, record->GetFieldValue(b.column))) {
            shown[i] = Shown{true, 0};
            continue;
        }
        const Unit unit = shownUnit(b).value_or(InfoOf(m_units.of(*b.quantity)).stored);
        if (const auto stored = storedOfText(b, text, unit); stored && !text.trimmed().isEmpty())
            shown[i] = Shown{false, *stored};
    }
    m_units = units;
    showUnitLabels();
    m_loading = true;
    for (std::size_t i = 0; i < m_bindings.size(); ++i) {
        if (!shown[i])
            continue;
        const Binding& b = m_bindings[i];
        auto* e = static_cast<QLineEdit*>(b.widget);
        if (shown[i]->stored) {
            e->setText(textFor(b, record->GetFieldValue(b.column)));
        } else {
            // A value typed and not saved keeps every figure it had, so saving it stores what
            // was typed, not a rounding of it.
            const double stored = shown[i]->value;
            const auto unit = shownUnit(b);
            e->setText(b.format == Format::Whole
                           ? textFor(b, stored)
                           : QString::number(unit ? FromStored(*unit, stored) : stored, 'g', 12));
        }
        e->setCursorPosition(0);
    }
    m_loading = false;
}

void RecordBinder::bind(QPlainTextEdit* edit, const char* column) {
    m_bindings.push_back({edit, nullptr, QString::fromLatin1(column), {}, Format::Text, PlainText});
    connect(edit, &QPlainTextEdit::textChanged, this, &RecordBinder::changed);
    // A form's text field: Tab moves on to the next field; Enter and, as its tip says,
    // Ctrl+Enter break the line.
    edit->setTabChangesFocus(true);
    edit->installEventFilter(this);
}

bool RecordBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* edit = qobject_cast<QPlainTextEdit*>(watched);
        if (edit && !edit->isReadOnly() &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & Qt::ControlModifier)) {
            edit->insertPlainText(QStringLiteral("\n"));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void RecordBinder::bind(CheckableDateEdit* edit, const char* column) {
    m_bindings.push_back({edit, nullptr, QString::fromLatin1(column), {}, Format::Text, Date});
    connect(edit, &CheckableDateEdit::changed, this, &RecordBinder::changed);
}

void RecordBinder::bind(QButtonGroup* group, const char* column) {
    m_bindings.push_back({nullptr, group, QString::fromLatin1(column), {}, Format::Whole, Radios});
    connect(group, &QButtonGroup::buttonClicked, this, &RecordBinder::changed);
}

void RecordBinder::bind(QCheckBox* check, const char* column) {
    m_bindings.push_back({check, nullptr, QString::fromLatin1(column), {}, Format::Whole, Check});
    connect(check, &QCheckBox::clicked, this, &RecordBinder::changed);
}

void RecordBinder::bind(QComboBox* combo, const char* column) {
    m_bindings.push_back({combo, nullptr, QString::fromLatin1(column), {}, Format::Text, Combo});
    connect(combo, &QComboBox::currentIndexChanged, this, &RecordBinder::changed);
}

QString RecordBinder::formatNumber(double value, Format format) {
    switch (format) {
    case Format::Gravity:
        return QString::asprintf("%.3f", value);
    case Format::Tenths:
        return QString::asprintf("%.1f", value);
    case Format::Whole:
        return QString::asprintf("%lld", static_cast<long long>(value));
    default:
        return QString::asprintf("%.15g", value);
    }
}

QString RecordBinder::textFor(const Binding& b, const QVariant& v) const {
    if (b.format == Format::Text)
        return v.toString();
    if (const auto unit = shownUnit(b)) {
        // A whole-number field shows whole units; a gravity all its places; a volume what it
        // was typed with.
        if (b.format == Format::Whole)
            return FormatInUnit(*unit, v.toDouble(), 0);
        return FormatInUnit(*unit, v.toDouble(), -1, b.format != Format::Gravity);
    }
    return formatNumber(v.toDouble(), b.format);
}

QDateTime RecordBinder::dateFor(const QVariant& v) {
    return v.isNull() ? QDateTime() : QDateTime::fromString(v.toString(), Qt::ISODate);
}

int RecordBinder::indexFor(const Binding& b, const QVariant& v) {
    // A list entry stored in a fixed-width text ("Ale" and blanks) is that entry.
    if (b.kind == Combo)
        return static_cast<QComboBox*>(b.widget)->findText(v.toString().trimmed());
    return v.isNull() ? -1 : static_cast<int>(v.toLongLong());
}

void RecordBinder::load(const CDaoRecordset& record) {
    m_loading = true;
    for (const Binding& b : m_bindings) {
        const QVariant v = record.GetFieldValue(b.column);
        switch (b.kind) {
        case LineEdit: {
            auto* e = static_cast<QLineEdit*>(b.widget);
            ShowStoredText(e, textFor(b, v));
            e->setCursorPosition(0);
            break;
        }
        case PlainText:
            ShowStoredText(static_cast<QPlainTextEdit*>(b.widget), v.toString());
            break;
        case Date:
            static_cast<CheckableDateEdit*>(b.widget)->setDateTime(dateFor(v));
            break;
        case Radios: {
            const int index = indexFor(b, v);
            b.group->setExclusive(false);
            for (QAbstractButton* button : b.group->buttons())
                button->setChecked(b.group->id(button) == index);
            b.group->setExclusive(true);
            break;
        }
        case Combo:
            static_cast<QComboBox*>(b.widget)->setCurrentIndex(indexFor(b, v));
            break;
        case Check:
            static_cast<QCheckBox*>(b.widget)->setChecked(!v.isNull() && v.toLongLong() != 0);
            break;
        }
    }
    m_loading = false;
}

std::optional<QVariant> RecordBinder::shownValue(const QString& column) const {
    for (const Binding& b : m_bindings) {
        if (b.column != column)
            continue;
        switch (b.kind) {
        case LineEdit: {
            const QString text = static_cast<QLineEdit*>(b.widget)->text().trimmed();
            if (b.format == Format::Text)
                return QVariant(text);
            if (text.isEmpty())
                return b.format == Format::Whole ? QVariant(0LL) : QVariant(0.0);
            if (const auto unit = shownUnit(b)) {
                const auto stored = storedOfText(b, text, *unit);
                if (!stored)
                    return QVariant(text);
                return b.format == Format::Whole ? QVariant(static_cast<qlonglong>(*stored))
                                                 : QVariant(*stored);
            }
            bool ok = false;
            if (b.format == Format::Whole) {
                const qlonglong v = text.toLongLong(&ok);
                return ok ? QVariant(v) : QVariant(text);
            }
            const double v = ReadTypedNumber(text, &ok);
            return ok ? QVariant(v) : QVariant(text);
        }
        case PlainText:
            return QVariant(static_cast<QPlainTextEdit*>(b.widget)->toPlainText());
        case Date:
            return QVariant(static_cast<CheckableDateEdit*>(b.widget)->dateTime());
        case Radios:
            return QVariant(static_cast<qlonglong>(b.group->checkedId()));
        case Combo:
            return QVariant(static_cast<QComboBox*>(b.widget)->currentText());
        case Check:
            return QVariant(
                static_cast<qlonglong>(static_cast<QCheckBox*>(b.widget)->isChecked() ? 1 : 0));
        }
    }
    return std::nullopt;
}

void RecordBinder::clear() {
    m_loading = true;
    for (const Binding& b : m_bindings) {
        switch (b.kind) {
        case LineEdit:
            static_cast<QLineEdit*>(b.widget)->clear();
            break;
        case PlainText:
            static_cast<QPlainTextEdit*>(b.widget)->clear();
            break;
        case Date:
            static_cast<CheckableDateEdit*>(b.widget)->setDateTime(QDateTime());
            break;
        case Radios:
            b.group->setExclusive(false);
            for (QAbstractButton* button : b.group->buttons())
                button->setChecked(false);
            b.group->setExclusive(true);
            break;
        case Combo:
            static_cast<QComboBox*>(b.widget)->setCurrentIndex(-1);
            break;
        case Check:
            static_cast<QCheckBox*>(b.widget)->setChecked(false);
            break;
        }
    }
    m_loading = false;
}

bool RecordBinder::showsStored(const Binding& b, const QVariant& v) const {
    // A text shown cut cannot be changed: what is stored stays.
    if (b.widget && IsShownCut(b.widget))
        return true;
    switch (b.kind) {
    case LineEdit:
        return static_cast<QLineEdit*>(b.widget)->text() == textFor(b, v);
    case PlainText:
        return static_cast<QPlainTextEdit*>(b.widget)->toPlainText() == v.toString();
    case Date: {
        const QDateTime shown = static_cast<CheckableDateEdit*>(b.widget)->dateTime();
        const QDateTime stored = dateFor(v);
        return shown.isValid() == stored.isValid() &&
               (!shown.isValid() || shown.date() == stored.date());
    }
    case Radios:
        return b.group->checkedId() == indexFor(b, v);
    case Combo:
        return static_cast<QComboBox*>(b.widget)->currentIndex() == indexFor(b, v);
    case Check:
        return static_cast<QCheckBox*>(b.widget)->isChecked() ==
               (!v.isNull() && v.toLongLong() != 0);
    }
    return false;
}

bool RecordBinder::save(CDaoRecordset& record) {
    bool ok = true;
    for (const Binding& b : m_bindings) {
        // A control that still shows what the record holds leaves the stored value alone: a
        // gravity of 1.0525 shown as "1.052", or a brew date with its time, stays as it is.
        if (showsStored(b, record.GetFieldValue(b.column)))
            continue;
        switch (b.kind) {
        case LineEdit: {
            const QString text = static_cast<QLineEdit*>(b.widget)->text();
            if (b.required && text.trimmed().isEmpty())
                break;
            bool good = true;
            if (b.format == Format::Text) {
                record.SetFieldValue(b.column, text);
            } else if (text.trimmed().isEmpty()) {
                // An emptied number field counts as zero.
                record.SetFieldValue(b.column,
                                     b.format == Format::Whole ? QVariant(0LL) : QVariant(0.0));
            } else if (const auto unit = shownUnit(b)) {
                double v = 0;
                good = ReadFieldInUnit(text, labelOf(b), *b.quantity, *unit,
                                       b.format == Format::Whole, m_prompter, v);
                if (good)
                    record.SetFieldValue(
                        b.column, b.format == Format::Whole
                                      ? QVariant::fromValue<qlonglong>(static_cast<qlonglong>(v))
                                      : QVariant(v));
            } else if (b.format == Format::Whole) {
                std::int64_t v = 0;
                good = ReadWholeField(text, b.label, m_prompter, v);
                if (good)
                    record.SetFieldValue(b.column, QVariant::fromValue<qlonglong>(v));
            } else {
                double v = 0;
                good = ReadNumberField(text, b.label, m_prompter, v);
                if (good)
                    record.SetFieldValue(b.column, v);
            }
            // The focus goes to the first field refused.
            if (!good && ok)
                b.widget->setFocus();
            ok = ok && good;
            break;
        }
        case PlainText:
            record.SetFieldValue(b.column, static_cast<QPlainTextEdit*>(b.widget)->toPlainText());
            break;
        case Date: {
            const QDateTime d = static_cast<CheckableDateEdit*>(b.widget)->dateTime();
            record.SetFieldValue(b.column,
                                 d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant());
            break;
        }
        case Radios:
            if (b.group->checkedId() >= 0)
                record.SetFieldValue(b.column,
                                     QVariant::fromValue<qlonglong>(b.group->checkedId()));
            break;
        case Combo:
            record.SetFieldValue(b.column, static_cast<QComboBox*>(b.widget)->currentText());
            break;
        case Check:
            record.SetFieldValue(b.column,
                                 QVariant::fromValue<qlonglong>(
                                     static_cast<QCheckBox*>(b.widget)->isChecked() ? 1 : 0));
            break;
        }
    }
    return ok;
}

} // namespace wsc
