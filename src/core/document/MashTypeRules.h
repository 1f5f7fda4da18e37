#pragma once

#include <QString>

#include <array>

namespace wsc {

// Which of the twelve mash-table edits a mash type uses, the heading of the first column and
// the tip string of each edit. Columns: 1 "Protein Rest", 2 and 3 "Starch Conv", 4 "Mash Out".
struct MashLayout {
    std::array<bool, 4> time{};
    std::array<bool, 4> temperature{};
    std::array<bool, 4> volume{};
    // Empty when the heading stays as it is.
    QString firstHeading;
    bool starchHeadingsEnabled = true;
    bool changesHeadings = false;
    std::array<int, 4> timeTip{};
    std::array<int, 4> temperatureTip{};
    std::array<int, 4> volumeTip{};
};

// -1 (or any other value) none chosen, 0 single stage infusion, 1 step infusion, 2 decoction.
MashLayout MashLayoutFor(int mashType);

} // namespace wsc
