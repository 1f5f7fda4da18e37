#pragma once

#include "app/calculators/CCalculatorDlg.h"

namespace wsc {

class CControlTipWnd;
class Prompter;

// "Alcohol by Volume to/from Alcohol by Weight".
class CABVABWDlg : public CCalculatorDlg {
    Q_OBJECT
public:
    CABVABWDlg(Prompter& prompter, DialogRunner& runner, QWidget* parent = nullptr);
    CControlTipWnd* tips() const { return m_tips; }

private:
    CControlTipWnd* m_tips;
};

} // namespace wsc
