#pragma once

#include "app/reference/CAddChgDlg.h"

namespace wsc {

// The maintenance dialog of the adjuncts, sugars and finings of the catalogue.
class CAddChgAdjuncts : public CAddChgDlg {
    Q_OBJECT
public:
    CAddChgAdjuncts(CoreServices& services, DialogRunner& runner, QWidget* parent = nullptr);
};

} // namespace wsc
