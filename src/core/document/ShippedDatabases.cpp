#include "core/document/ShippedDatabases.h"

#include "core/calc/UtilizationTable.h"
#include "core/db/DatabaseOps.h"
#include "core/document/StoredBitterness.h"

namespace wsc {

void CreateRecipeDatabase(const QString& path, bool withSamples) {
    const QString marker = QString::fromLatin1(kRecipeMarker);
    if (!withSamples) {
        CreateDatabase(path, marker);
        return;
    }
    CreateDatabase(path, marker, {QStringLiteral(":/wsc/samples")}, [](CDaoDatabase& db) {
        StoreComputedBitterness(db, UtilizationTable::shipped());
    });
}

} // namespace wsc
