#include "core/document/StoredBitterness.h"

#include "core/calc/IngredientSheets.h"
#include "core/calc/RecipeCalculator.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/document/BoundQuerySheet.h"
#include "core/document/RecipeIngredientRows.h"

namespace wsc {
namespace {

// The run on the recipe the record set shows, through the same bound sheet the grid writes
// with, so the stored values are the ones a run in the window would store.
void storeFor(CDaoDatabase& recipes, const UtilizationTable& table, CRecordSetRecipe& recipe,
              MemorySheets::Loader& loader) {
    MemorySheets sheets = loader.load(recipe.m_RecipeID);
    RecipeCalculator calc(sheets, table);
    calc.setInputs(RecipeInputs::of(recipe));
    calc.RunCalculations(false);
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

} // namespace

void StoreComputedBitterness(CDaoDatabase& recipes, const UtilizationTable& table) {
    CRecordSetRecipe recipe(&recipes);
    recipe.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
    MemorySheets::Loader loader(recipes);
    for (recipe.MoveFirst(); !recipe.IsEOF(); recipe.MoveNext())
        storeFor(recipes, table, recipe, loader);
}

void StoreComputedBitterness(CDaoDatabase& recipes, const UtilizationTable& table,
                             const std::vector<long>& recipeIds) {
    if (recipeIds.empty())
        return;
    // Each recipe is sought by its batch number, so the work is the recipes asked for and
    // never the rest of the file.
    CRecordSetRecipe recipe(&recipes);
    recipe.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
    recipe.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
    SqliteStatement batchOf = recipes.connection().prepare(
        QStringLiteral("SELECT RecipeBatchNo FROM Recipes WHERE RecipeID = ?"));
    MemorySheets::Loader loader(recipes);
    for (const long id : recipeIds) {
        batchOf.reset();
        batchOf.bindInt64(1, id);
        if (!batchOf.step())
            continue;
        if (recipe.Seek(QStringLiteral("="), {batchOf.value(0)}))
            storeFor(recipes, table, recipe, loader);
    }
}

} // namespace wsc
