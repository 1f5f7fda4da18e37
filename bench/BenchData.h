#pragma once

#include "core/db/DatabaseOps.h"
#include "core/document/CWscalcDoc.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/ScriptedPrompter.h"

#include <QString>
#include <QTemporaryDir>

namespace wsc::bench {

// Writes a recipe database of `recipes` recipes, each with 6 ingredient rows (two grains, two
// hops, a yeast, an adjunct) and the texts a brewer types, at `path`.
void WriteRecipeDatabase(const QString& path, int recipes);

// Such a database of `recipes` recipes, built once per process in a temporary folder.
const QString& RecipeDatabase(int recipes);
// The 10,000-recipe one the older benchmarks use.
inline const QString& BigRecipeDatabase() {
    return RecipeDatabase(10000);
}

// A copy of RecipeDatabase(recipes) to change, in `dir`.
QString CopyOfRecipeDatabase(int recipes, const QTemporaryDir& dir);

// The process's resident memory now, in bytes.
long long ResidentBytes();

// A recipe document opened on `recipes`, with settings of its own.
struct BenchDocument {
    explicit BenchDocument(const QString& recipes);
    QTemporaryDir dir;
    ProfileStore profile;
    ScriptedPrompter prompter;
    CoreServices services;
    CWscalcDoc doc;
};

} // namespace wsc::bench
