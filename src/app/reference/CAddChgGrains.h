#pragma once

#include "app/reference/CAddChgDlg.h"

namespace wsc {

// The maintenance dialog of the grains and malts of the catalogue.
class CAddChgGrains : public CAddChgDlg {
    Q_OBJECT
public:
    CAddChgGrains(CoreServices& services, DialogRunner& runner, QWidget* parent = nullptr);
};

} // namespace wsc
