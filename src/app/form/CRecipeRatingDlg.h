#pragma once

#include "core/help/HelpContexts.h"

#include "app/form/CRecipePage.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace wsc {

class CheckableDateEdit;
class DialogRunner;
class HelpService;
class Prompter;
class RecordBinder;
class SpinButtons;

// The "Rating" page: a tasting score on a 20-point scale with its total, tasting notes, three
// sampling dates and the competition results.
class CRecipeRatingDlg : public CRecipePage {
    Q_OBJECT
public:
    static constexpr int kHelpContext = HelpContext::kRating;

    CRecipeRatingDlg(Prompter& prompter, HelpService* help, DialogRunner& runner,
                     QWidget* parent = nullptr);

    void loadRecord(const CRecordSetRecipe& record) override;
    bool saveRecord(CRecordSetRecipe& record) override;
    void activated() override;
    bool canLeave() override;
    void setToolTipsShown(bool shown) override;

    void OnCompetitionResults();
    QLineEdit* scoreEdit(int i) const { return m_score[i]; }
    SpinButtons* spin(int i) const { return m_spin[i]; }
    QLabel* total() const { return m_total; }

private:
    // The page's boxes, built in the order of their fields' tab order.
    QGroupBox* buildScale();
    QGroupBox* buildGuide();
    void computeTotal();
    // A whole number within its spin range; otherwise, when `tell`, the message and the focus.
    bool checkScore(int i, bool tell);
    bool checkScores();

    Prompter& m_prompter;
    DialogRunner& m_runner;
    QLineEdit* m_score[4] = {};
    QString m_label[4];
    int m_low[4] = {};
    int m_high[4] = {};
    SpinButtons* m_spin[4] = {};
    QLabel* m_total = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    CheckableDateEdit* m_dates[3] = {};
    bool m_started = false;
    bool m_telling = false;
    bool m_tips = true;
};

} // namespace wsc
