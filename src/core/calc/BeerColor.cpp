#include "calc/BeerColor.h"

#include <cmath>

namespace wsc {

double MoreySrm(double mcu) {
    return mcu > 0 ? 1.4922 * std::pow(mcu, 0.6859) : 0;
}

} // namespace wsc
