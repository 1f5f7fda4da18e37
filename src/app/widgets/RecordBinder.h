#pragma once

#include "core/calc/Units.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariant>

#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace wsc {

class CDaoRecordset;
class CheckableDateEdit;
class Prompter;

// Binds a page's controls to columns of a record: loads them, moves them back (refusing a
// number field that holds no number, with a message naming it) and reports every change the
// user makes.
class RecordBinder : public QObject {
    Q_OBJECT
public:
    enum class Format { Text, Whole, Number, Gravity, Tenths };

    RecordBinder(Prompter& prompter, QObject* parent = nullptr);

    void bind(QLineEdit* edit, const char* column, const QString& label, Format format);
    // A number field of a quantity the brewer may read in other units: stored in the working
    // measure, shown and typed in the chosen unit (see setUnits).
    void bind(QLineEdit* edit, const char* column, const QString& label, Format format,
              Quantity quantity);
    // A label or group box title naming the unit of its fields: `usText` as it reads in the
    // working measure, `pattern` with %1 for any other unit's symbol ("Si&ze (%1)").
    void bindUnitLabel(QWidget* label, const QString& usText, const QString& pattern,
                       Quantity quantity);
    // The units the quantities show in. The fields that still show what `record` holds show it
    // again in the new units; a number typed and not yet saved is converted, so nothing typed is
    // lost or changed in meaning.
    void setUnits(const UnitChoice& units, const CDaoRecordset* record);
    // A whole number the record cannot be without: left empty, the stored value stays, and
    // the record's validation names the field with its own message.
    void bindRequired(QLineEdit* edit, const char* column, const QString& label);
    const UnitChoice& units() const { return m_units; }
    void bind(QPlainTextEdit* edit, const char* column);
    void bind(CheckableDateEdit* edit, const char* column);
    // The index of the chosen button. With no button chosen (a stored value none stands for)
    // the stored value stays.
    void bind(QButtonGroup* group, const char* column);
    // The chosen item's text.
    void bind(QComboBox* combo, const char* column);
    // 1 when ticked, 0 when not.
    void bind(QCheckBox* check, const char* column);

    void load(const CDaoRecordset& record);
    // Empties every bound control (no row to show).
    void clear();
    // Every control is attempted; false when one refused its text.
    bool save(CDaoRecordset& record);
    bool isLoading() const { return m_loading; }

    static QString formatNumber(double value, Format format);

    // What the control bound to `column` shows now, read without asking anything: a number
    // field gives a double (0 when empty), a whole-number field a long long, and either gives
    // its text when that is no number; a text field its text, radio buttons the chosen index.
    // Nothing when the column is not bound here.
    std::optional<QVariant> shownValue(const QString& column) const;

signals:
    void modified();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Kind { LineEdit, PlainText, Date, Radios, Combo, Check };
    struct Binding {
        QWidget* widget;
        QButtonGroup* group;
        QString column;
        QString label;
        Format format;
        int kind;
        std::optional<Quantity> quantity = std::nullopt;
        bool required = false;
    };
    struct UnitLabel {
        QWidget* widget;
        QString usText;
        QString pattern;
        Quantity quantity;
    };
    void changed();
    // The unit a binding shows in, when that is not the working measure's.
    std::optional<Unit> shownUnit(const Binding& b) const;
    // The field's name in messages: its label, with the unit it is typed in.
    QString labelOf(const Binding& b) const;
    // What the control shows for a stored value, and whether it shows it now.
    QString textFor(const Binding& b, const QVariant& v) const;
    // A converted field's text read into the working measure; nothing when it is no number.
    std::optional<double> storedOfText(const Binding& b, const QString& text, Unit unit) const;
    void showUnitLabels();
    static QDateTime dateFor(const QVariant& v);
    static int indexFor(const Binding& b, const QVariant& v);
    bool showsStored(const Binding& b, const QVariant& v) const;

    Prompter& m_prompter;
    std::vector<Binding> m_bindings;
    std::vector<UnitLabel> m_unitLabels;
    UnitChoice m_units;
    bool m_loading = false;
};

} // namespace wsc
