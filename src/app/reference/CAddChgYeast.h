#pragma once

#include "app/reference/CAddChgDlg.h"

namespace wsc {

// The maintenance dialog of the yeast strains of the catalogue.
class CAddChgYeast : public CAddChgDlg {
    Q_OBJECT
public:
    CAddChgYeast(CoreServices& services, DialogRunner& runner, QWidget* parent = nullptr);
};

} // namespace wsc
