#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace wsc {

class Prompter;

// How a calculator field holds its value. Labels are UTF-8 ("°C").
enum class CalcFieldKind {
    Number, // a decimal number, shown in its shortest form after each calculation
    Whole,  // a whole number
    Text,   // a number kept as the text the calculator wrote ("%.0f", "%.2f", ...)
    Result, // shown only, never read
};

struct CalcFieldSpec {
    const char* key;   // the option of the command-line tool: "weight"
    const char* label; // the control's label with its mnemonic: "&Weight"
    CalcFieldKind kind;
    const char* initial; // the text when the calculator opens
    const char* emptied; // the text when the field becomes the unknown (quantities only)
    bool negativeAllowed = false;
    // A whole-number field that picks one of these (";" between): the dialog shows a list, the
    // command line takes the number or the first word of an entry.
    const char* choices = nullptr;
};

// What the brewing calculators share: a few quantities of one equation, of which the user
// leaves exactly one blank (or 0) and the calculator solves for it. The first quantityCount()
// fields are the quantities, in the order of the "Currently solving for:" list; the others are
// inputs the equation needs and results shown beside it. The solved quantity is highlighted,
// Recalculate solves for it again after the inputs changed, Clear starts over. Data errors go
// to the prompter and change nothing but blank fields, which then read "0".
class SolverCalculator {
public:
    explicit SolverCalculator(Prompter& prompter) : m_prompter(prompter) {}
    virtual ~SolverCalculator() = default;
    SolverCalculator(const SolverCalculator&) = delete;
    SolverCalculator& operator=(const SolverCalculator&) = delete;

    virtual QString title() const = 0;
    virtual const std::vector<CalcFieldSpec>& fields() const = 0;
    virtual int quantityCount() const = 0;
    // The texts of the "Currently solving for:" list; empty for the converters, which have
    // none.
    virtual QStringList unknownNames() const = 0;

    int fieldCount() const { return static_cast<int>(fields().size()); }
    const CalcFieldSpec& field(int i) const { return fields().at(static_cast<std::size_t>(i)); }
    int fieldNamed(const QString& key) const; // -1 when there is none
    QString text(int field) const { return m_texts.value(field); }
    // The user typed into a field: typing into a quantity makes it the field edited last.
    virtual void setText(int field, const QString& text);

    // Returns true when a quantity was solved.
    bool calculate();
    bool recalculate();
    void clear();
    // The user picked quantity `n` from the list: it becomes the unknown, its field emptied.
    void chooseUnknown(int n);

    int solvingFor() const { return m_solvingFor; }
    int highlighted() const { return m_highlighted; } // -1 when no label is blue
    int listSelection() const { return m_listSelection; }
    // Recalculate, Clear and the list are in use once a calculation has succeeded.
    bool calculated() const { return m_calculated; }
    // The field to put the focus in (with its text selected) after the last action.
    int focusField() const { return m_focusField; }
    int lastEdited() const { return m_lastEdited; }
    // The message of the last data error, empty after a successful calculation.
    const QString& lastError() const { return m_lastError; }

    // Rounding by formatting with `decimals` places and reading the text back.
    static double rounded(double value, int decimals);
    // A number as the dialog shows a field's value: its shortest form, up to 15 digits.
    static QString general(double value);

protected:
    // The values read from the fields (0 for blanks), indexed like the fields; the solver
    // writes its answer into them and into `texts` (for Text and Result fields).
    struct Work {
        std::vector<double> values;
        QStringList texts;
    };
    // Solves for the unknown and returns it, or shows a data error and returns nothing.
    virtual std::optional<int> solve(Work& work) = 0;
    // Clear: the texts and values the calculator starts over with.
    virtual void reset() = 0;
    // Field focused for last-edited index n (n == quantityCount() means "chosen from the
    // list").
    virtual int focusFieldFor(int lastEdited) const;
    // The unknown when nothing is highlighted yet, and after Clear.
    virtual int initialUnknown() const { return 0; }
    // The field focused when the calculator opens and after Clear.
    virtual int clearFocusField() const { return 0; }
    // Every derived constructor calls it first: the fields' initial texts, nothing solved.
    void start();

    // A data error of string `id` with its inserts (exclamation icon); returns nothing for
    // the solver to pass on.
    std::nullopt_t dataError(int id, const QStringList& inserts = {});
    // A data error of the program's own text, the focus on `focus` when one is given.
    std::nullopt_t dataErrorText(const QString& text, int focus = -1);
    // The unknown cannot be solved because `divisorLabel` holds `divisorText`.
    std::nullopt_t unsolvable(const QString& divisorLabel, const QString& divisorText,
                              int unknownField);
    // The converters: the one of the first two fields that is 0, or -1 after data error
    // `noneZeroId` (neither is) or `bothZeroId`.
    int solveOneOfTwo(const Work& work, int noneZeroId, int bothZeroId);
    void setFieldText(int field, const QString& text) { m_texts[field] = text; }
    void highlight(int n);
    Prompter& prompter() { return m_prompter; }
    void setFocusField(int field) { m_focusField = field; }
    void markEdited(int n) { m_lastEdited = n; }
    bool recalculating() const { return m_recalculating; }

private:
    bool readField(int i, double& value);
    void resetState();

    Prompter& m_prompter;
    QStringList m_texts;
    int m_solvingFor = 0;
    int m_highlighted = -1;
    int m_listSelection = -1;
    int m_lastEdited = -1;
    int m_focusTarget = -1;
    int m_focusField = 0;
    bool m_calculated = false;
    bool m_recalculating = false;
    QString m_lastError;
};

// A field's label as a message names it: no mnemonic marks, one line.
QString FieldName(const CalcFieldSpec& field);

} // namespace wsc
