#include "app/reference/CAddChgYeast.h"

namespace wsc {

CAddChgYeast::CAddChgYeast(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CAddChgDlg(ReferenceKind::Yeast, services, runner, parent) {}

} // namespace wsc
