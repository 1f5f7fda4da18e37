#pragma once

#include "core/help/HelpContexts.h"

#include "app/form/CRecipePage.h"

#include <functional>

class QButtonGroup;
class QGroupBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace wsc {

class CheckableDateEdit;
class HelpService;
class Prompter;
class RecordBinder;

// The "Fermentation Info" page: gravity readings, fermentation, dates, batch and boil sizes,
// yield, priming and conditioning, with the predicted original gravity.
class CRecipeSpecGravities : public CRecipePage {
    Q_OBJECT
public:
    static constexpr int kHelpContext = HelpContext::kFermentation;
    static constexpr int kTempAdjustHelp = HelpContext::kTempAdjust;

    CRecipeSpecGravities(Prompter& prompter, HelpService* help, QWidget* parent = nullptr);

    void loadRecord(const CRecordSetRecipe& record) override;
    bool saveRecord(CRecordSetRecipe& record) override;
    void activated() override;
    void setToolTipsShown(bool shown) override;

    // Runs the recipe calculations and returns the predicted original gravity.
    void setCalculationRunner(std::function<double()> run) { m_run = std::move(run); }
    // Chooses a priming method; returns the chosen name or an empty text.
    void setPrimingChooser(std::function<QString()> choose) { m_choosePriming = std::move(choose); }

    // The boil size field lost the focus.
    void boilSizeLeft();

    QLineEdit* boilSize() const { return m_boil; }
    QLineEdit* batchSize() const { return m_batch; }
    QLineEdit* primingMethod() const { return m_primingMethod; }
    QLabel* predicted() const { return m_predicted; }
    CheckableDateEdit* dateBrewed() const { return m_dates[0]; }
    QPushButton* selectMethodButton() const { return m_selectMethod; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The page's boxes, built in the order of their fields' tab order.
    QGroupBox* buildGravities(HelpService* help);
    QGroupBox* buildFermentation();
    QGroupBox* buildDates();
    QGroupBox* buildSizes();
    QGroupBox* buildYield();
    QGroupBox* buildPriming();
    QGroupBox* buildConditioning();
    void showPredicted(double og);

    Prompter& m_prompter;
    QLineEdit* m_gravity[3] = {};
    QLineEdit* m_gravityTemp[3] = {};
    QLineEdit* m_days[2] = {};
    QLineEdit* m_fermTemp[2] = {};
    CheckableDateEdit* m_dates[3] = {};
    QLineEdit* m_boil = nullptr;
    QLineEdit* m_batch = nullptr;
    QLineEdit* m_primingMethod = nullptr;
    QLineEdit* m_conditioning = nullptr;
    QPlainTextEdit* m_yield = nullptr;
    QPushButton* m_selectMethod = nullptr;
    QLabel* m_predicted = nullptr;
    std::function<double()> m_run;
    std::function<QString()> m_choosePriming;
    bool m_skipActivation = true;
};

} // namespace wsc
