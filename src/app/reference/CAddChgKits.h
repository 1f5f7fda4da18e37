#pragma once

#include "app/reference/CAddChgDlg.h"

namespace wsc {

// The maintenance dialog of the beer kits of the catalogue.
class CAddChgKits : public CAddChgDlg {
    Q_OBJECT
public:
    CAddChgKits(CoreServices& services, DialogRunner& runner, QWidget* parent = nullptr);
};

} // namespace wsc
