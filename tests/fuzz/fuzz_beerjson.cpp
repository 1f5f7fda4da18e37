// A BeerJSON file of any bytes, imported into a recipe database and read as reference data: it
// comes in whole or not at all, and never crashes, hangs or reads past what it was given.
#include "core/calc/UtilizationTable.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/document/ShippedDatabases.h"
#include "core/interchange/BeerJson.h"
#include "core/interchange/ReferenceData.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

struct Target {
    QTemporaryDir folder;
    wsc::UtilizationTable table = wsc::UtilizationTable::shipped();
    std::unique_ptr<wsc::CDaoDatabase> recipes;
};

Target& target() {
    static Target* t = [] {
        auto* made = new Target;
        const QString file = made->folder.filePath(QStringLiteral("recipes.mdb"));
        wsc::CreateRecipeDatabase(file, false);
        made->recipes = std::make_unique<wsc::CDaoDatabase>();
        made->recipes->Open(file, false, false);
        return made;
    }();
    return *t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Target& t = target();
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        QString error;
        wsc::ReferenceData::read(in, error);
    }
    // The whole import inside a transaction that is thrown away, so that the database stays
    // as small as it began.
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    t.recipes->connection().exec(QStringLiteral("BEGIN"));
    QString error;
    wsc::BeerJson::importRecipes(*t.recipes, nullptr, in, t.table, error);
    t.recipes->connection().exec(QStringLiteral("ROLLBACK"));
    return 0;
}
