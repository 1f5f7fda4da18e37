#include "calculators/CalculatorDialogs.h"

#include "calculators/CABVABWDlg.h"
#include "calculators/CAlcoholCalcDlg.h"
#include "calculators/CBitternessCalcDlg.h"
#include "calculators/COGCalcDlg.h"
#include "calculators/CSGBallingDlg.h"
#include "document/CWscalcDoc.h"
#include "shell/Commands.h"
#include "shell/DialogRunner.h"

#include <memory>

namespace wsc {

bool RunCalculatorCommand(int id, CWscalcDoc& doc, DialogRunner& runner, QWidget* parent) {
    Prompter& prompter = doc.services().prompter;
    std::unique_ptr<CCalculatorDlg> dlg;
    switch (id) {
    case ID_CALC_BITTERNESS:
        dlg = std::make_unique<CBitternessCalcDlg>(doc, runner, parent);
        break;
    case ID_CALC_GRAVITY:
        dlg = std::make_unique<COGCalcDlg>(doc.services(), runner, parent);
        break;
    case ID_CALC_ALCOHOL:
        dlg = std::make_unique<CAlcoholCalcDlg>(prompter, runner, parent);
        break;
    case ID_CALC_SG_BALLING:
        dlg = std::make_unique<CSGBallingDlg>(prompter, runner, parent);
        break;
    case ID_CALC_ABV_ABW:
        dlg = std::make_unique<CABVABWDlg>(prompter, runner, parent);
        break;
    default:
        return false;
    }
    runner.exec(*dlg);
    return true;
}

} // namespace wsc
