#pragma once

#include "app/reference/CAddChgDlg.h"

namespace wsc {

// The maintenance dialog of the malt extracts of the catalogue.
class CAddChgExtracts : public CAddChgDlg {
    Q_OBJECT
public:
    CAddChgExtracts(CoreServices& services, DialogRunner& runner, QWidget* parent = nullptr);
};

} // namespace wsc
