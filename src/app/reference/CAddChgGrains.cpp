#include "app/reference/CAddChgGrains.h"

namespace wsc {

CAddChgGrains::CAddChgGrains(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CAddChgDlg(ReferenceKind::Grains, services, runner, parent) {}

} // namespace wsc
