#pragma once

#include "app/reference/CAddChgDlg.h"

namespace wsc {

// The maintenance dialog of the brewing waters.
class CAddChgWater : public CAddChgDlg {
    Q_OBJECT
public:
    CAddChgWater(CoreServices& services, DialogRunner& runner, QWidget* parent = nullptr);
};

} // namespace wsc
