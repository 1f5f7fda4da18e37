#include "core/calc/BeerColor.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace wsc {

double MoreySrm(double mcu) {
    return mcu > 0 ? 1.4922 * std::pow(mcu, 0.6859) : 0;
}

unsigned int SrmRgb(double srm) {
    static constexpr std::array<unsigned int, 40> kGlass = {
        0xFFE699, 0xFFD878, 0xFFCA5A, 0xFFBF42, 0xFBB123, 0xF8A600, 0xF39C00, 0xEA8F00,
        0xE58500, 0xDE7C00, 0xD77200, 0xCF6900, 0xCB6200, 0xC35900, 0xBB5100, 0xB54C00,
        0xB04500, 0xA63E00, 0xA13700, 0x9B3200, 0x952D00, 0x8E2900, 0x882300, 0x821E00,
        0x7B1A00, 0x771900, 0x701400, 0x6A0E00, 0x660D00, 0x5E0B00, 0x5A0A02, 0x560A05,
        0x520907, 0x4C0505, 0x470606, 0x440607, 0x3F0708, 0x3B0607, 0x3A070B, 0x36080A};
    if (!(srm >= 1))
        return kGlass.front();
    const auto i = static_cast<std::size_t>(std::lround(std::min(srm, 40.0))) - 1;
    return kGlass[i];
}

} // namespace wsc
