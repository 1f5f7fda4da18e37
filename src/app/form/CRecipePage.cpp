#include "app/form/CRecipePage.h"
#include "core/settings/WindowTexts.h"

#include "app/widgets/HelpContextProperty.h"
#include "app/widgets/RecordBinder.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

#include <QPushButton>

namespace wsc {

void CRecipePage::setHint(QWidget* control, int stringId, bool shown) {
    control->setToolTip(shown ? MessageCatalog::text(stringId) : QString());
}

std::optional<QVariant> CRecipePage::shownValue(const char* column) const {
    return m_binder ? m_binder->shownValue(QString::fromLatin1(column)) : std::nullopt;
}

void CRecipePage::setUnits(const UnitChoice& units) {
    if (m_binder)
        m_binder->setUnits(units, m_record);
}

QPushButton* CRecipePage::makeHelpButton(HelpService* help, int context) {
    // The page's Help button and F1 on the page open the same topic.
    SetHelpContext(this, context);
    auto* button = new QPushButton(QString::fromLatin1(Labels::kPageHelp), this);
    connect(button, &QPushButton::clicked, this, [help, context] {
        if (help)
            help->show(context);
    });
    return button;
}

} // namespace wsc
