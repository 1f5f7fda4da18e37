#pragma once

#include <QString>

namespace wsc {

// A new recipe database, empty or holding the sample recipes. The samples come with their hop
// rows' bitterness as a calculation run would store it, so this lives above the calculation.
void CreateRecipeDatabase(const QString& path, bool withSamples);

} // namespace wsc
