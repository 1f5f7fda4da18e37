#pragma once

#include <vector>

namespace wsc {

class CDaoDatabase;
class UtilizationTable;

// Writes each hop row's IBU and HBU as a full calculation run on its recipe would write them,
// for every recipe of the database, on the caller's connection and inside its transaction. The
// sample recipes are made this way, so their stored bitterness is right before any run.
void StoreComputedBitterness(CDaoDatabase& recipes, const UtilizationTable& table);
// The same for the recipes of these ids only (none when empty); the rest of the file is not
// read.
void StoreComputedBitterness(CDaoDatabase& recipes, const UtilizationTable& table,
                             const std::vector<long>& recipeIds);

} // namespace wsc
