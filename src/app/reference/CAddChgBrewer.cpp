#include "app/reference/CAddChgBrewer.h"

namespace wsc {

CAddChgBrewer::CAddChgBrewer(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CAddChgDlg(ReferenceKind::Brewer, services, runner, parent) {}

} // namespace wsc
