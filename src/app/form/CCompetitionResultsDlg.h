#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace wsc {

class CheckableDateEdit;
class CRecordSetRecipe;
class Prompter;
class RecordBinder;

// "Competition Results": the competition entry of the recipe. OK stores the fields into the
// record (a judge's score above 50 is refused); any typing marks the recipe changed, even when
// the dialog is then cancelled.
class CCompetitionResultsDlg : public QDialog {
    Q_OBJECT
public:
    CCompetitionResultsDlg(CRecordSetRecipe& record, Prompter& prompter, bool tips,
                           QWidget* parent = nullptr);

    bool typed() const { return m_typed; }
    QLineEdit* name() const { return m_name; }
    QLineEdit* score() const { return m_score; }
    QPlainTextEdit* prizes() const { return m_prizes; }

    void accept() override;

private:
    CRecordSetRecipe& m_record;
    Prompter& m_prompter;
    RecordBinder* m_binder;
    QLineEdit* m_name;
    QLineEdit* m_score;
    QPlainTextEdit* m_prizes;
    QPlainTextEdit* m_comments;
    CheckableDateEdit* m_date;
    bool m_typed = false;
};

} // namespace wsc
