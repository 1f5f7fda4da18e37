#include "core/document/MashTypeRules.h"

namespace wsc {

MashLayout MashLayoutFor(int mashType) {
    MashLayout m;
    m.timeTip = {201, 201, 201, 201};
    m.temperatureTip = {202, 202, 202, 202};
    m.volumeTip = {203, 203, 203, 203};
    switch (mashType) {
    case 0: // single stage infusion: strike and mash out only
        m.time = {true, false, false, true};
        m.temperature = {true, false, false, true};
        m.volume = {true, false, false, false};
        m.firstHeading = QStringLiteral("\tStrike");
        m.starchHeadingsEnabled = false;
        m.changesHeadings = true;
        m.timeTip = {217, 201, 201, 220};
        m.temperatureTip = {218, 202, 202, 219};
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
        m.volumeTip = {203, 204, 204, 204};
        break;
    default:
        break;
    }
    return m;
}

} // namespace wsc
