#pragma once

#include "app/reference/CAddChgDlg.h"

namespace wsc {

// The maintenance dialog of the beer styles a recipe can aim at, with their ranges.
class CAddChgStyles : public CAddChgDlg {
    Q_OBJECT
public:
    CAddChgStyles(CoreServices& services, DialogRunner& runner, QWidget* parent = nullptr);
};

} // namespace wsc
