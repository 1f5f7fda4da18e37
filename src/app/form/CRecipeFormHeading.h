#pragma once

#include "core/document/RecipeFormControls.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace wsc {

class CColorLabel;
class CControlTipWnd;
class CRecordSetRecipe;
class Prompter;
class RecordBinder;
struct CalcStatusLook;

// The recipe form's heading: the recipe's name, brewer and batch number, its measure and
// process, its target style, and the state of its calculation with the Msgs button. Its
// fields are bound to the recipe's columns as the pages' fields are.
class CRecipeFormHeading : public QWidget {
    Q_OBJECT
public:
    // The ids of the heading's controls beyond the form's own (FormControl).
    static constexpr int kIdMsgs = 1370;
    static constexpr int kIdTargetStyle = 1100;
    static constexpr int kIdStatus = 1445;

    CRecipeFormHeading(Prompter& prompter, QWidget* parent);

    // The recipe's fields, or none; without a recipe the fields cannot be typed in.
    void load(const CRecordSetRecipe& r);
    void clear();
    // Moves what the fields show into the record; false when the batch number is refused.
    bool save(CRecordSetRecipe& r);
    QString nameText() const;
    QString batchText() const;
    ProcessChecks processChecks() const;
    // The measure the buttons show: 0 English, 1 metric, -1 none.
    int measureShown() const;
    // The control of a FormControl id or of one of the ids above, or null.
    QWidget* control(int id) const;

    // The target style's name, category and subcategory, "N/A" where one is empty.
    void showTarget(const QString& style, const QString& category, const QString& subcategory);
    void resetTarget();
    // The calculation's state; the Msgs button is enabled when it has messages to show.
    void showStatus(const CalcStatusLook& look, bool messages);
    void setMessagesEnabled(bool enabled);
    void setToolTipsShown(bool shown);

signals:
    void modified();
    void messagesAsked();
    void targetStyleAsked();

private:
    QGroupBox* buildMeasure();
    QGroupBox* buildProcess();
    QGroupBox* buildTarget();
    QGroupBox* buildCalculation();
    void bindFields(Prompter& prompter);
    void setRecordShown(bool shown);

    QLineEdit* m_name = nullptr;
    QLineEdit* m_brewer = nullptr;
    QLineEdit* m_batch = nullptr;
    QGroupBox* m_measureGroup = nullptr;
    QButtonGroup* m_measure = nullptr;
    QGroupBox* m_processGroup = nullptr;
    QCheckBox* m_kit = nullptr;
    QCheckBox* m_extract = nullptr;
    QCheckBox* m_partial = nullptr;
    QCheckBox* m_allGrain = nullptr;
    QPushButton* m_targetButton = nullptr;
    QLabel* m_target[3] = {};
    CColorLabel* m_status = nullptr;
    QPushButton* m_msgs = nullptr;
    RecordBinder* m_binder = nullptr;
    CControlTipWnd* m_tips = nullptr;
};

} // namespace wsc
