#pragma once

#include "core/help/HelpContexts.h"

#include "app/form/CRecipePage.h"

class QLineEdit;

namespace wsc {

class CRecipeGrid1;
class HelpService;
class Prompter;
class RecordBinder;

// The "Ingredients" page: the ingredients grid and the recipe's total boil time.
class CRecipeIngredientsPage : public CRecipePage {
    Q_OBJECT
public:
    static constexpr int kHelpContext = HelpContext::kIngredients;

    CRecipeIngredientsPage(CRecipeGrid1* grid, Prompter& prompter, HelpService* help,
                           QWidget* parent = nullptr);

    void loadRecord(const CRecordSetRecipe& record) override;
    bool saveRecord(CRecordSetRecipe& record) override;
    void activated() override;
    void setToolTipsShown(bool shown) override;

    CRecipeGrid1* grid() const { return m_grid; }
    QLineEdit* boilTime() const { return m_boilTime; }

private:
    CRecipeGrid1* m_grid;
    QLineEdit* m_boilTime;
};

} // namespace wsc
