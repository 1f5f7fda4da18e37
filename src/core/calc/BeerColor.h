#pragma once

namespace wsc {

// The colour the eye sees, in SRM, from malt colour units (pounds × °Lovibond per US gallon), by
// Morey's formula; malt colour units overstate dark beers, which the style guides give in SRM.
// Zero or less (no colour predicted) gives 0.
double MoreySrm(double mcu);

// About how a beer of `srm` looks in a glass held to the light, as 0xRRGGBB: straw at 1 to
// black at 40 and beyond; between whole numbers the nearer one.
unsigned int SrmRgb(double srm);

} // namespace wsc
