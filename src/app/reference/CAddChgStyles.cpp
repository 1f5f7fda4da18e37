#include "app/reference/CAddChgStyles.h"

namespace wsc {

CAddChgStyles::CAddChgStyles(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CAddChgDlg(ReferenceKind::Styles, services, runner, parent) {}

} // namespace wsc
