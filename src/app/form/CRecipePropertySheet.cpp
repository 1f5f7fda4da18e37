#include "app/form/CRecipePropertySheet.h"

#include "app/form/CRecipePage.h"
#include "core/settings/MessageCatalog.h"

namespace wsc {

CRecipePropertySheet::CRecipePropertySheet(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("recipePropertySheet"));
    setAccessibleName(MessageCatalog::text(Msg::kRecipeFormName));
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        // A page holding a value it refuses is not left: the sheet goes back to it.
        if (m_returning)
            return;
        if (CRecipePage* left = page(m_current); left && index != m_current && !left->canLeave()) {
            m_returning = true;
            setCurrentIndex(m_current);
            m_returning = false;
            if (QWidget* field = left->focusWidget())
                field->setFocus();
            return;
        }
        m_current = index;
        if (CRecipePage* p = page(index))
            p->activated();
    });
}

void CRecipePropertySheet::addPage(CRecipePage* page, const QString& title) {
    m_pages.push_back(page);
    addTab(page, title);
}

CRecipePage* CRecipePropertySheet::page(int index) const {
    if (index < 0 || index >= pageCount())
        return nullptr;
    return m_pages[static_cast<std::size_t>(index)];
}

void CRecipePropertySheet::SetActivePage(int index) {
    setCurrentIndex(index);
}

} // namespace wsc
