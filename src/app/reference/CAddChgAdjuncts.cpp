#include "app/reference/CAddChgAdjuncts.h"

namespace wsc {

CAddChgAdjuncts::CAddChgAdjuncts(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CAddChgDlg(ReferenceKind::Adjuncts, services, runner, parent) {}

} // namespace wsc
