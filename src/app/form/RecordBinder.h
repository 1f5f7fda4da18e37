#pragma once

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
    void bind(QPlainTextEdit* edit, const char* column);
    void bind(CheckableDateEdit* edit, const char* column);
    // The index of the chosen button, -1 (no button) when none.
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
    };
    void changed();
    // What the control shows for a stored value, and whether it shows it now.
    static QString textFor(const Binding& b, const QVariant& v);
    static QDateTime dateFor(const QVariant& v);
    static int indexFor(const Binding& b, const QVariant& v);
    bool showsStored(const Binding& b, const QVariant& v) const;

    Prompter& m_prompter;
    std::vector<Binding> m_bindings;
    bool m_loading = false;
};

} // namespace wsc
