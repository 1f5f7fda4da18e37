#pragma once

#include "core/help/HelpContexts.h"

#include "app/form/CRecipePage.h"

#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace wsc {

class RecordBinder;
class Prompter;
class HelpService;

// The "Mash" page: mash type and schedule, sparge, wort collected and system efficiency. The
// mash type decides which of the twelve table edits are in use.
class CRecipeMash : public CRecipePage {
    Q_OBJECT
public:
    static constexpr int kHelpContext = HelpContext::kMash;

    CRecipeMash(Prompter& prompter, HelpService* help, QWidget* parent = nullptr);

    void loadRecord(const CRecordSetRecipe& record) override;
    bool saveRecord(CRecordSetRecipe& record) override;
    void activated() override;
    void setToolTipsShown(bool shown) override;

    // Computes the actual system efficiency of the shown recipe (percent), or nothing.
    void setEfficiencyCalculator(std::function<std::optional<double>()> calc) {
        m_efficiency = std::move(calc);
    }

    void applyMashTypeRules();
    int mashType() const;
    QLineEdit* timeEdit(int column) const { return m_time[column]; }
    QLineEdit* temperatureEdit(int column) const { return m_temp[column]; }
    QLineEdit* volumeEdit(int column) const { return m_vol[column]; }
    QLabel* heading(int column) const { return m_heading[column]; }
    QLabel* calculated() const { return m_calculated; }
    QButtonGroup* mashTypes() const { return m_types; }

private:
    // The page's boxes, built in the order of their fields' tab order.
    QGroupBox* buildType();
    QGroupBox* buildSchedule();
    QGroupBox* buildSparge();
    QGroupBox* buildWort();
    QGroupBox* buildEfficiency();
    void showCalculated();

    QButtonGroup* m_types;
    QLineEdit* m_time[4] = {};
    QLineEdit* m_temp[4] = {};
    QLineEdit* m_vol[4] = {};
    QLabel* m_heading[4] = {};
    QLineEdit* m_expected = nullptr;
    QLineEdit* m_mashPh = nullptr;
    QLineEdit* m_spargeVol = nullptr;
    QLineEdit* m_spargeTemp = nullptr;
    QLineEdit* m_spargePh = nullptr;
    QLineEdit* m_collected = nullptr;
    QLabel* m_calculated = nullptr;
    std::function<std::optional<double>()> m_efficiency;
    bool m_tips = true;
};

} // namespace wsc
