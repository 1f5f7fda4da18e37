#pragma once

#include "app/reference/CAddChgDlg.h"

namespace wsc {

// The maintenance dialog of the brewing terms of the glossary.
class CAddChgGlossary : public CAddChgDlg {
    Q_OBJECT
public:
    CAddChgGlossary(CoreServices& services, DialogRunner& runner, QWidget* parent = nullptr);
};

} // namespace wsc
