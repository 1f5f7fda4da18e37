#include "app/reference/CAddChgExtracts.h"

namespace wsc {

CAddChgExtracts::CAddChgExtracts(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CAddChgDlg(ReferenceKind::Extracts, services, runner, parent) {}

} // namespace wsc
