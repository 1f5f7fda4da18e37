#pragma once

#include "app/reference/CAddChgDlg.h"

namespace wsc {

// The maintenance dialog of the brewer's own details (Brewer's Information).
class CAddChgBrewer : public CAddChgDlg {
    Q_OBJECT
public:
    CAddChgBrewer(CoreServices& services, DialogRunner& runner, QWidget* parent = nullptr);
};

} // namespace wsc
