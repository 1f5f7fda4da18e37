#pragma once

#include "core/calc/IngredientSheets.h"

#include <QString>

#include <vector>

namespace wsc {

class CDaoDatabase;

// The ingredient rows of one recipe across the six ingredient tables, reached through the
// IngRecipeID index of each table on the caller's connection (and so inside its transaction).
class RecipeIngredientRows {
public:
    // Kinds in sheet order; also the picture index of a line on the Recipe page.
    enum Kind {
        Kit = SheetKits,
        Extract = SheetExtracts,
        Grain = SheetGrains,
        Adjunct = SheetAdjuncts,
        Hop = SheetHops,
        Yeast = SheetYeasts
    };
    static constexpr int kKinds = SheetCount;

    struct Line {
        Kind kind;
        QString text;
        // Its place among the rows of its kind as entered: the grid shows it in row ordinal + 1.
        int ordinal = 0;
    };

    // Adds a copy of every row of `fromRecipe` for `toRecipe`, in the order entered.
    static void copy(CDaoDatabase& db, long fromRecipe, long toRecipe);
    // Each row of `kind` of the recipe `times` times in all: the copies follow the rows.
    static void repeat(CDaoDatabase& db, Kind kind, long recipeId, int times);
    static void remove(CDaoDatabase& db, long recipeId);
    static int count(CDaoDatabase& db, Kind kind, long recipeId);

    // One line per ingredient as the Recipe page lists them: kits, extracts, grains,
    // adjuncts, hops (shortest boil first), yeasts.
    static std::vector<Line> lines(CDaoDatabase& db, long recipeId);

    // "(Aroma)", "(Flavoring)" or "(Bittering)" by boil minutes.
    static QString hopUseLabel(double minutes);

    // The ingredient table of a kind ("Ingredients_Hops" for Hop).
    static QString tableName(Kind kind);
};

} // namespace wsc
