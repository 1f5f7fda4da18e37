#include "core/document/MashTypeRules.h"

#include "core/settings/MessageCatalog.h"

namespace wsc {

MashLayout MashLayoutFor(int mashType) {
    MashLayout m;
    m.timeTip = {Msg::kStepTimeTip, Msg::kStepTimeTip, Msg::kStepTimeTip, Msg::kStepTimeTip};
    m.temperatureTip = {Msg::kStepTemperatureTip, Msg::kStepTemperatureTip,
                        Msg::kStepTemperatureTip, Msg::kStepTemperatureTip};
    m.volumeTip = {Msg::kWaterAddedTip, Msg::kWaterAddedTip, Msg::kWaterAddedTip,
                   Msg::kWaterAddedTip};
    switch (mashType) {
    case 0: // single stage infusion: strike and mash out only
        m.time = {true, false, false, true};
        m.temperature = {true, false, false, true};
        m.volume = {true, false, false, false};
        m.firstHeading = QStringLiteral("\tStrike");
        m.starchHeadingsEnabled = false;
        m.changesHeadings = true;
        m.timeTip = {Msg::kMashLengthTip, Msg::kStepTimeTip, Msg::kStepTimeTip,
                     Msg::kMashOutLengthTip};
        m.temperatureTip = {Msg::kTemperatureAchievedTip, Msg::kStepTemperatureTip,
                            Msg::kStepTemperatureTip, Msg::kFinalTemperatureTip};
        break;
    case 1: // step infusion
        m.time = {true, true, true, true};
        m.temperature = {true, true, true, true};
        m.firstHeading = QStringLiteral("Protein Rest");
        m.changesHeadings = true;
        break;
    case 2: // decoction: the volumes of mash boiled
        m.time = {true, true, true, true};
        m.temperature = {true, true, true, true};
        m.volume = {true, true, true, true};
        m.firstHeading = QStringLiteral("Protein Rest");
        m.changesHeadings = true;
        m.volumeTip = {Msg::kWaterAddedTip, Msg::kMashBoiledTip, Msg::kMashBoiledTip,
                       Msg::kMashBoiledTip};
        break;
    default:
        break;
    }
    return m;
}

} // namespace wsc
