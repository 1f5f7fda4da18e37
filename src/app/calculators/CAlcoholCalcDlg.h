#pragma once

#include "app/calculators/CCalculatorDlg.h"

namespace wsc {

class Prompter;

// "Alcohol Content Calculator": alcohol by volume (and by weight) from the gravities, or the
// original or terminal gravity that gives an alcohol content.
class CAlcoholCalcDlg : public CCalculatorDlg {
    Q_OBJECT
public:
    CAlcoholCalcDlg(Prompter& prompter, DialogRunner& runner, QWidget* parent = nullptr);

    void OnAbvAbw();
    void OnSgBalling();

private:
    Prompter& m_prompter;
};

} // namespace wsc
