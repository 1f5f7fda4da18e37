#pragma once

#include "core/help/HelpContexts.h"

#include "app/form/CRecipePage.h"
#include "core/calc/Predictions.h"
#include "core/document/RecipeIngredientRows.h"
#include "core/models/TextRowsModel.h"

#include <functional>

class QPushButton;
class QTreeView;

namespace wsc {

class CDaoDatabase;
struct CoreServices;

// The "Recipe" page: the current recipe's ingredients as saved, one line each with a picture
// of its kind, and beside each fermentable its share of the grist, beside each hop its IBU.
// Display only.
class CRecipeRecipePage : public CRecipePage {
    Q_OBJECT
public:
    static constexpr int kHelpContext = HelpContext::kRecipePage;

    CRecipeRecipePage(CDaoDatabase* database, CoreServices& services, QWidget* parent = nullptr);

    void loadRecord(const CRecordSetRecipe& record) override;
    bool saveRecord(CRecordSetRecipe&) override { return true; }
    void activated() override;
    void setToolTipsShown(bool shown) override;

    QTreeView* list() const { return m_list; }
    const TextRowsModel& rows() const { return *m_rows; }
    QPushButton* printButton() const { return m_print; }
    // Print previews the current recipe report; the button is in use once there is a handler.
    void setPrintHandler(std::function<void()> handler);
    QStringList lineTexts() const;
    // The shares and IBU of the rows as they stand, shown beside the lines.
    void showGlance(const IngredientGlance& glance);
    QStringList glanceTexts() const;

private:
    void rebuild();
    void applyGlance();

    CDaoDatabase* m_database;
    CoreServices& m_services;
    long m_recipeId = 0;
    TextRowsModel* m_rows;
    QTreeView* m_list;
    QPushButton* m_print;
    std::function<void()> m_onPrint;
    IngredientGlance m_glance;
    std::vector<RecipeIngredientRows::Line> m_lines;
};

} // namespace wsc
