#include "app/reference/CAddChgKits.h"

namespace wsc {

CAddChgKits::CAddChgKits(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CAddChgDlg(ReferenceKind::Kits, services, runner, parent) {}

} // namespace wsc
