#pragma once

#include <QString>

namespace wsc::bench {

// A recipe database of 10,000 recipes with 6 ingredient rows each (60,000 rows), built once per
// process in a temporary folder.
const QString& BigRecipeDatabase();

} // namespace wsc::bench
