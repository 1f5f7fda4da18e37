#include "app/reference/CAddChgGlossary.h"

namespace wsc {

CAddChgGlossary::CAddChgGlossary(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CAddChgDlg(ReferenceKind::Glossary, services, runner, parent) {}

} // namespace wsc
