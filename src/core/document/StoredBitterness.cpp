#include "document/StoredBitterness.h"

#include <algorithm>

#include "calc/IngredientSheets.h"
#include "calc/RecipeCalculator.h"
#include "db/records/CRecordSetRecipe.h"
#include "document/BoundQuerySheet.h"
#include "document/RecipeIngredientRows.h"

namespace wsc {

void StoreComputedBitterness(CDaoDatabase& recipes, const UtilizationTable& table) {
    StoreComputedBitterness(recipes, table, {});
}

void StoreComputedBitterness(CDaoDatabase& recipes, const UtilizationTable& table,
                             const std::vector<long>& recipeIds) {
    CRecordSetRecipe recipe(&recipes);
    recipe.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
    MemorySheets::Loader loader(recipes);
    for (recipe.MoveFirst(); !recipe.IsEOF(); recipe.MoveNext()) {
        if (!recipeIds.empty() &&
            std::find(recipeIds.begin(), recipeIds.end(), recipe.m_RecipeID) == recipeIds.end())
            continue;
        MemorySheets sheets = loader.load(recipe.m_RecipeID);
        RecipeCalculator calc(sheets, table);
        calc.setInputs(RecipeInputs::of(recipe));
        calc.RunCalculations(false);
        // Through the same bound sheet the grid writes with, so the stored values are the ones
        // a run in the window would store.
        BoundQuerySheet hops;
        hops.bind(&recipes, QString::fromLatin1(SheetQueryName(SheetHops)),
                  RecipeIngredientRows::tableName(RecipeIngredientRows::Hop), recipe.m_RecipeID);
        hops.read();
        for (int r = 0; r < hops.rowCount(); ++r) {
            for (int col : {5, 6}) {
                const QString text = sheets.cellText(SheetHops, r + 1, col);
                if (text != hops.text(r, col))
                    hops.setText(r, col, text);
            }
        }
    }
}

} // namespace wsc
