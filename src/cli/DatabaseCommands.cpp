#include "cli/CliSupport.h"

#include "core/db/DatabaseOps.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/document/RecipeListing.h"
#include "core/document/ShippedDatabases.h"
#include "core/settings/MessageCatalog.h"

#include <QFileInfo>

namespace wsc::cli {
namespace {

int cmdInitRecipes(const Args& a, const Output& io) {
    if (a.positional.size() != 1)
        return kUsage;
    try {
        CreateRecipeDatabase(a.positional.first(), a.has(QStringLiteral("samples")));
    } catch (const CDaoException& e) {
        return Fail(io, QString::fromUtf8(e.what()));
    }
    Print(io.out, QStringLiteral("created recipe database %1").arg(a.positional.first()));
    return kOk;
}

int cmdInitData(const Args& a, const Output& io) {
    if (a.positional.size() != 1)
        return kUsage;
    try {
        CreateDataDatabase(a.positional.first());
    } catch (const CDaoException& e) {
        return Fail(io, QString::fromUtf8(e.what()));
    }
    Print(io.out, QStringLiteral("created Data database %1").arg(a.positional.first()));
    return kOk;
}

int cmdCheck(const Args& a, const Output& io) {
    if (a.positional.size() != 1)
        return kUsage;
    const QString path = a.positional.first();
    const QString expect = a.option(QStringLiteral("expect"));
    if (a.given(QStringLiteral("expect")) && expect != QLatin1String("recipe") &&
        expect != QLatin1String("data")) {
        Fail(io, QStringLiteral("--expect takes recipe or data, not \"%1\"").arg(expect));
        return kUsage;
    }
    QString marker;
    try {
        marker = ReadDatabaseMarker(path);
    } catch (const CDaoException& e) {
        return Fail(io, QStringLiteral("%1 cannot be read as a database: %2")
                            .arg(path, QString::fromUtf8(e.what())));
    }
    const bool recipe = marker == QLatin1String(kRecipeMarker);
    const bool data = marker == QLatin1String(kDataMarker);
    if (expect == QLatin1String("recipe") && !recipe) {
        Print(io.out, MessageCatalog::format(Msg::kNotARecipeDatabase, {path}));
        return kWrongKind;
    }
    if ((expect == QLatin1String("data") && !data) || (!recipe && !data)) {
        Print(io.out, MessageCatalog::format(Msg::kNotADataDatabase, {path}));
        return kWrongKind;
    }
    Print(io.out, recipe ? QStringLiteral("recipe") : QStringLiteral("data"));
    return kOk;
}

int maintenance(const Args& a, const Output& io, const QString& word,
                const std::function<void(const QString&)>& op) {
    if (a.positional.size() != 1)
        return kUsage;
    const QString path = a.positional.first();
    try {
        op(path);
    } catch (const CDaoException& e) {
        return Fail(io, QString::fromUtf8(e.what()));
    }
    Print(io.out, MessageCatalog::format(Msg::kMaintenanceSucceeded, {word, path}));
    return kOk;
}

int cmdShow(const Args& a, const Output& io) {
    if (a.positional.isEmpty() || a.positional.size() > 2)
        return kUsage;
    try {
        // Both kinds first, so nothing is listed from a pair that cannot be shown.
        const QString recipes = a.positional.at(0);
        const QString dataPath = a.positional.value(1);
        if (const auto wrong = WrongKind(io.out, recipes, dataPath))
            return *wrong;
        CDaoDatabase db;
        db.Open(recipes, false, true);
        Print(io.out,
              QStringLiteral("Recipe database %1").arg(QFileInfo(recipes).absoluteFilePath()));
        // One pass over the line: a name that holds "%2" is printed as it is.
        const auto line = [](const QString& batch, const QString& name, const QString& style) {
            return QStringLiteral("%1  %2  %3").arg(batch, name.leftJustified(36), style);
        };
        Print(io.out, line(QStringLiteral("Batch"), QStringLiteral("Recipe Name"),
                           QStringLiteral("Style")));
        ListRecipes(db, [&](const ListedRecipe& r) {
            Print(io.out, line(QString::number(r.batch).rightJustified(5), r.name, r.style));
            for (const QString& problem : r.problems)
                Print(io.out, QStringLiteral("       note: %1").arg(problem));
        });
        if (!dataPath.isEmpty()) {
            CDaoDatabase data;
            data.Open(dataPath, false, true);
            Print(io.out,
                  QStringLiteral("\nData database %1").arg(QFileInfo(dataPath).absoluteFilePath()));
            for (const char* t :
                 {"Styles", "Hops", "Grains", "Extracts", "Kits", "Yeast", "Adjuncts", "Water",
                  "Glossary", "Suppliers", "Brewer", "HopsUtilization"}) {
                SqliteStatement st = data.connection().prepare(
                    QStringLiteral("SELECT count(*) FROM ") +
                    SqliteConnection::quoteIdentifier(QString::fromLatin1(t)));
                st.step();
                Print(io.out,
                      QStringLiteral("  %1 %2").arg(QString::fromLatin1(t), -16).arg(st.int64(0)));
            }
        }
    } catch (const CDaoException& e) {
        return Fail(io, QString::fromUtf8(e.what()));
    }
    return kOk;
}

} // namespace

void AddDatabaseCommands(CommandTable& table) {
    table[QStringLiteral("init-recipes")] = {
        QStringLiteral("PATH [--samples]"), {}, {QStringLiteral("samples")}, true, cmdInitRecipes};
    table[QStringLiteral("init-data")] = {QStringLiteral("PATH"), {}, {}, true, cmdInitData};
    table[QStringLiteral("check")] = {QStringLiteral("PATH [--expect recipe|data]"),
                                      {QStringLiteral("expect")},
                                      {},
                                      true,
                                      cmdCheck};
    table[QStringLiteral("compress")] = {
        QStringLiteral("PATH"), {}, {}, true, [](const Args& a, const Output& o) {
            return maintenance(a, o, QStringLiteral("compress"), CompactDatabase);
        }};
    table[QStringLiteral("repair")] = {
        QStringLiteral("PATH"), {}, {}, true, [](const Args& a, const Output& o) {
            return maintenance(a, o, QStringLiteral("repair"), RepairDatabase);
        }};
    table[QStringLiteral("show")] = {
        QStringLiteral("RECIPES.mdb [DATA.mdb]"), {}, {}, true, cmdShow};
}

} // namespace wsc::cli
