#pragma once

#include "app/calculators/CCalculatorDlg.h"
#include "core/calculators/GravityCalculator.h"

class QRadioButton;

namespace wsc {

struct CoreServices;

// "Original Gravity Calculator": the original gravity of a fermentable's extract in the boil,
// or the weight, potential or volume that gives one; extracts, grains and fermentable adjuncts
// come from the lookups.
class COGCalcDlg : public CCalculatorDlg {
    Q_OBJECT
public:
    COGCalcDlg(CoreServices& services, DialogRunner& runner, QWidget* parent = nullptr);

    GravityCalculator& calculator() { return m_model; }
    QLabel* sourceLabel() const { return m_source; }
    QRadioButton* kilogramsButton() const { return m_kilograms; }
    void OnChooseSource(GravityCalculator::Source source);
    void OnSgBalling();

protected:
    void refreshExtras() override;

private:
    CoreServices& m_services;
    GravityCalculator& m_model;
    QLabel* m_source;
    QRadioButton* m_pounds;
    QRadioButton* m_kilograms;
};

} // namespace wsc
