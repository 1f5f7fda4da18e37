#pragma once

#include <QDialog>

#include <memory>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QListView;
class QStringListModel;
class QPushButton;

namespace wsc {

class CColorLabel;
class DialogRunner;
class SolverCalculator;

// What the five calculator dialogs share: an edit and a label per field of the calculator,
// the "Currently solving for:" list, and the Calculate, Recalculate, Clear and Close buttons.
// Typing goes to the calculator; after every action the controls show what it holds, the
// solved quantity's label in blue and the focus where it says. Each dialog lays the controls
// out with its own texts and adds its own buttons.
class CCalculatorDlg : public QDialog {
    Q_OBJECT
public:
    CCalculatorDlg(std::unique_ptr<SolverCalculator> calc, DialogRunner& runner, QWidget* parent);
    ~CCalculatorDlg() override;

    QLineEdit* edit(int field) const { return m_edits.at(static_cast<std::size_t>(field)); }
    QLabel* label(int field) const { return m_labels.at(static_cast<std::size_t>(field)); }
    CColorLabel* colorLabel(int field) const;
    QListView* unknownList() const { return m_list; }
    QPushButton* calculateButton() const { return m_calculate; }
    QPushButton* recalculateButton() const { return m_recalculate; }
    QPushButton* clearButton() const { return m_clear; }

    void OnCalculate();
    void OnRecalculate();
    void OnClear();

    static const QColor& highlightColour();
    static const QColor& plainColour();

protected:
    // Shows the calculator's texts, colours, list selection and enabled states, and puts the
    // focus where the calculator says when `moveFocus`.
    void refresh(bool moveFocus = true);
    virtual void refreshExtras() {}
    // Runs an action of the calculator, then shows its result.
    template <class F> void act(F&& action, bool moveFocus = true) {
        m_acting = true;
        action();
        m_acting = false;
        refresh(moveFocus);
    }
    bool acting() const { return m_acting; }

    // Places field `i`'s label and edit in row `row` of a grid, with an optional text after.
    void addRow(QGridLayout* grid, int row, int field, const QString& after = {});
    // The Calculate, Recalculate, Clear and Close buttons in a row, with `extra` before Close.
    QLayout* buttonRow(const std::vector<QPushButton*>& extra = {});
    // "Currently solving for:" and its list.
    QLayout* listBox();
    // A static text of the dialog that may run over several lines.
    QLabel* note(const QString& text);
    // The large bold font of the results.
    void makeLarge(int field);
    // The order Tab moves through the controls, then the list and the buttons.
    void setTabChain(const std::vector<QWidget*>& controls,
                     const std::vector<QWidget*>& after = {});
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Opens another dialog modally through the runner.
    int run(QDialog& dialog);

    std::unique_ptr<SolverCalculator> m_owned;
    SolverCalculator& m_calc;
    DialogRunner& m_runner;

private:
    std::vector<QLineEdit*> m_edits;
    std::vector<QLabel*> m_labels;
    QLabel* m_listLabel = nullptr;
    QListView* m_list = nullptr;
    QPushButton* m_calculate;
    QPushButton* m_recalculate;
    QPushButton* m_clear;
    QPushButton* m_close;
    bool m_acting = false;
    bool m_refreshing = false;
};

} // namespace wsc
