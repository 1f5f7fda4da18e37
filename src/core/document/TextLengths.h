#pragma once

#include <QString>

namespace wsc {

// How many characters the texts of a recipe hold. The form's fields take no more and an import
// keeps no more; a longer text that another tool stored is shown cut, with a note, and kept as
// it is stored.
inline constexpr int kNameLength = 50;    // the recipe's name, the brewer, the competition
inline constexpr int kTextLength = 255;   // every other one-line text
inline constexpr int kMemoLength = 65536; // comments, notes and the like: more than anyone writes

// The length of a text column of the recipe database (Recipes and the ingredient tables).
int RecipeTextLength(const QString& column);

} // namespace wsc
