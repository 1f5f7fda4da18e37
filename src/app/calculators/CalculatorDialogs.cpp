#include "app/calculators/CalculatorDialogs.h"

#include "app/calculators/CABVABWDlg.h"
#include "app/calculators/CAlcoholCalcDlg.h"
#include "app/calculators/CBitternessCalcDlg.h"
#include "app/calculators/CBrewDayToolDlg.h"
#include "app/calculators/COGCalcDlg.h"
#include "app/calculators/CSGBallingDlg.h"
#include "app/widgets/Commands.h"
#include "app/widgets/DialogRunner.h"
#include "core/calc/UnitPreference.h"
#include "core/calculators/BrewDayTools.h"
#include "core/document/CWscalcDoc.h"
#include "core/help/HelpContexts.h"

#include <memory>

namespace wsc {

namespace {

template <class Tool>
std::unique_ptr<CCalculatorDlg> ToolDialog(CWscalcDoc& doc, int help, DialogRunner& runner,
                                           QWidget* parent) {
    // The brew-day tools show and take the brewer's units.
    return std::make_unique<CBrewDayToolDlg>(
        std::make_unique<Tool>(doc.services().prompter, ReadUnitChoice(doc.services().profile)),
        help, runner, parent);
}

} // namespace

bool RunCalculatorCommand(int id, CWscalcDoc& doc, DialogRunner& runner, QWidget* parent) {
    Prompter& prompter = doc.services().prompter;
    std::unique_ptr<CCalculatorDlg> dlg;
    switch (id) {
    case ID_CALC_PRIMING:
        dlg = ToolDialog<PrimingCalculator>(doc, HelpContext::kPriming, runner, parent);
        break;
    case ID_CALC_HYDROMETER:
        dlg = ToolDialog<HydrometerCorrection>(doc, HelpContext::kHydrometer, runner, parent);
        break;
    case ID_CALC_REFRACTOMETER:
        dlg = ToolDialog<RefractometerCalculator>(doc, HelpContext::kRefractometer, runner, parent);
        break;
    case ID_CALC_STRIKE:
        dlg = ToolDialog<StrikeWaterCalculator>(doc, HelpContext::kStrikeWater, runner, parent);
        break;
    case ID_CALC_INFUSION:
        dlg = ToolDialog<MashInfusionCalculator>(doc, HelpContext::kMashInfusion, runner, parent);
        break;
    case ID_CALC_DILUTION:
        dlg = ToolDialog<DilutionCalculator>(doc, HelpContext::kDilution, runner, parent);
        break;
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
