#pragma once

#include "app/calculators/CCalculatorDlg.h"

namespace wsc {

class CControlTipWnd;
class Prompter;

// "Specific Gravity to/from Balling Converter".
class CSGBallingDlg : public CCalculatorDlg {
    Q_OBJECT
public:
    CSGBallingDlg(Prompter& prompter, DialogRunner& runner, QWidget* parent = nullptr);
    CControlTipWnd* tips() const { return m_tips; }

private:
    CControlTipWnd* m_tips;
};

} // namespace wsc
