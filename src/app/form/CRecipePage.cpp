#include "form/CRecipePage.h"

#include "settings/MessageCatalog.h"

namespace wsc {

void CRecipePage::setHint(QWidget* control, int stringId, bool shown) {
    control->setToolTip(shown ? MessageCatalog::text(stringId) : QString());
}

} // namespace wsc
