#pragma once

#include "form/CRecipePage.h"

namespace wsc {

// A page of the sheet whose fields come with a later version: it says so and edits nothing.
class CPlannedPage : public CRecipePage {
    Q_OBJECT
public:
    CPlannedPage(const QString& title, QWidget* parent = nullptr);
    void loadRecord(const CRecordSetRecipe&) override {}
    bool saveRecord(CRecordSetRecipe&) override { return true; }
};

} // namespace wsc
