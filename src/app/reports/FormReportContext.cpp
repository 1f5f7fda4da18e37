#include "app/reports/FormReportContext.h"

#include "app/form/CRecipeFormSheet.h"
#include "core/document/CWscalcDoc.h"
#include "core/settings/ProfileStore.h"

namespace wsc {

QString FormReportContext::recipeDatabase() const {
    return m_form.document().GetPathName();
}

QString FormReportContext::dataDatabase() const {
    return m_profile.text(Setting::DefaultDataFile);
}

std::int64_t FormReportContext::currentBatch() const {
    return m_form.currentBatch();
}

bool FormReportContext::hasUnsavedChanges() const {
    return m_form.hasUnsavedChanges();
}

bool FormReportContext::displayWarnings() const {
    return m_profile.integer(Setting::DisplayWarnings) != 0;
}

} // namespace wsc
