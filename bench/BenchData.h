#pragma once

#include "db/DatabaseOps.h"
#include "document/CWscalcDoc.h"
#include "settings/ProfileStore.h"
#include "settings/ScriptedPrompter.h"

#include <QString>
#include <QTemporaryDir>

namespace wsc::bench {

// A recipe database of 10,000 recipes with 6 ingredient rows each (60,000 rows), built once per
// process in a temporary folder.
const QString& BigRecipeDatabase();

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
