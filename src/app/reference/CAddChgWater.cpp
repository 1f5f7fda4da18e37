#include "app/reference/CAddChgWater.h"

namespace wsc {

CAddChgWater::CAddChgWater(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CAddChgDlg(ReferenceKind::Water, services, runner, parent) {}

} // namespace wsc
