#pragma once

#include "core/reports/ReportCommands.h"

namespace wsc {

class CRecipeFormSheet;
class ProfileStore;

// The recipe form as the reports see it: the open recipe database, the Data database of the
// settings, the recipe on show and whether it has changes not committed.
class FormReportContext : public ReportContext {
public:
    FormReportContext(CRecipeFormSheet& form, ProfileStore& profile)
        : m_form(form), m_profile(profile) {}

    QString recipeDatabase() const override;
    QString dataDatabase() const override;
    std::int64_t currentBatch() const override;
    bool hasUnsavedChanges() const override;
    bool displayWarnings() const override;

private:
    CRecipeFormSheet& m_form;
    ProfileStore& m_profile;
};

} // namespace wsc
