#include "cli/CliSupport.h"

#include "core/calc/UtilizationTable.h"
#include "core/db/DatabaseLock.h"
#include "core/db/DatabaseOps.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/interchange/BeerJson.h"
#include "core/interchange/BeerXml.h"
#include "core/interchange/ReferenceData.h"
#include "core/settings/FileNodes.h"
#include "core/settings/MessageCatalog.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace wsc::cli {
namespace {

int cmdImport(const Args& a, const Output& io) {
    const QString recipes = a.option(QStringLiteral("db"));
    const QString dataPath = a.option(QStringLiteral("data"));
    if (recipes.isEmpty() || a.positional.size() != 1)
        return kUsage;
    QFile file(a.positional.first());
    if (QString why; !OpenRegularFile(file, why))
        return Fail(io, QStringLiteral("cannot read %1: %2").arg(file.fileName(), why));
    if (file.size() > BeerXml::kMaxBytes)
        return Fail(io, QStringLiteral("%1: the file has %2 bytes; at most %3 are read")
                            .arg(file.fileName(), QString::number(file.size()),
                                 QString::number(BeerXml::kMaxBytes)));
    try {
        if (const auto wrong = WrongKind(io.err, recipes, dataPath))
            return *wrong;
        // A read-only file or folder is said to be so, not taken for one in use elsewhere.
        CheckWritable(recipes);
        // Nobody else may change the recipes meanwhile.
        DatabaseLock lock(recipes);
        if (!lock.tryLock())
            return Fail(
                io, QString::fromLatin1(Texts::kDatabaseInUse).arg(recipes, lock.failureText()));
        RemoveBuildDebris(QFileInfo(recipes).absolutePath());
        std::unique_ptr<CDaoDatabase> data;
        const UtilizationTable table = LoadUtilization(dataPath, &data);
        CDaoDatabase db;
        db.Open(recipes, false, false);
        QString error;
        // Read as a stream: the file is never held whole. BeerJSON or BeerXML by its content.
        const auto summary = ImportRecipeFile(db, data.get(), file, table, error);
        if (!summary)
            return Fail(
                io, QStringLiteral("%1: %2\nNothing was imported.").arg(file.fileName(), error));
        Print(io.out, summary->text());
        return kOk;
    } catch (const CDaoException& e) {
        return Fail(io, QString::fromUtf8(e.what()));
    }
}

int cmdExport(const Args& a, const Output& io) {
    const QString recipes = a.option(QStringLiteral("db"));
    const QString dataPath = a.option(QStringLiteral("data"));
    const bool all = a.has(QStringLiteral("all"));
    const QString format = a.option(QStringLiteral("format"));
    if (!format.isEmpty() && format != QLatin1String("beerxml") &&
        format != QLatin1String("beerjson"))
        return Fail(io, QStringLiteral("--format is beerxml or beerjson, not \"%1\"").arg(format));
    const bool json = format == QLatin1String("beerjson");
    bool ok = false;
    const long batch = a.option(QStringLiteral("batch")).toLong(&ok);
    if (recipes.isEmpty() || a.positional.size() != 1 || all == a.given(QStringLiteral("batch")) ||
        (!all && !ok))
        return kUsage;
    try {
        if (const auto wrong = WrongKind(io.err, recipes, dataPath))
            return *wrong;
        std::unique_ptr<CDaoDatabase> data;
        const UtilizationTable table = LoadUtilization(dataPath, &data);
        CDaoDatabase db;
        db.Open(recipes, false, true);
        // Written under a temporary name first, recipe by recipe: a failed export leaves no
        // half file. A device or a FIFO would be replaced by the rename that ends it.
        if (const QString why = NotAFileReason(a.positional.first()); !why.isEmpty())
            return Fail(io, QStringLiteral("cannot write %1: %2").arg(a.positional.first(), why));
        QSaveFile out(a.positional.first());
        if (!out.open(QIODevice::WriteOnly))
            return Fail(
                io, QStringLiteral("cannot write %1: %2").arg(out.fileName(), out.errorString()));
        QString error;
        const std::vector<long> batches = all ? std::vector<long>{} : std::vector<long>{batch};
        if (!(json ? BeerJson::exportRecipes(db, batches, table, out, error)
                   : BeerXml::exportRecipes(db, batches, table, out, error)))
            return Fail(io, error);
        if (QString why; !CommitRegularFile(out, why))
            return Fail(io, QStringLiteral("cannot write %1: %2").arg(out.fileName(), why));
        Print(io.out,
              QStringLiteral("exported %1 to %2")
                  .arg(all ? QStringLiteral("every recipe") : QStringLiteral("batch %1").arg(batch),
                       a.positional.first()));
        return kOk;
    } catch (const CDaoException& e) {
        return Fail(io, QString::fromUtf8(e.what()));
    }
}

// Styles, hops, fermentables, yeasts and miscellaneous ingredients of a file into the Data
// database: what is new is added, what differs replaces the record of its name only when asked.
int cmdImportData(const Args& a, const Output& io) {
    const QString dataPath = a.option(QStringLiteral("data"));
    if (dataPath.isEmpty() || a.positional.size() != 1)
        return kUsage;
    QFile file(a.positional.first());
    if (QString why; !OpenRegularFile(file, why))
        return Fail(io, QStringLiteral("cannot read %1: %2").arg(file.fileName(), why));
    try {
        if (const auto wrong = WrongKind(io.err, QString(), dataPath))
            return *wrong;
        CheckWritable(dataPath);
        DatabaseLock lock(dataPath);
        if (!lock.tryLock())
            return Fail(
                io, QString::fromLatin1(Texts::kDatabaseInUse).arg(dataPath, lock.failureText()));
        QString error;
        std::optional<ReferenceFile> read = ReferenceData::read(file, error);
        if (!read)
            return Fail(
                io, QStringLiteral("%1: %2\nNothing was imported.").arg(file.fileName(), error));
        CDaoDatabase data;
        data.Open(dataPath, false, false);
        ReferenceData::preview(data, *read);
        const bool replace = a.has(QStringLiteral("replace"));
        std::vector<ReferenceChoice> choices;
        for (const ReferenceItem& item : read->items)
            choices.push_back(item.state == ReferenceItem::State::New ? ReferenceChoice::Add
                              : item.state == ReferenceItem::State::Differs && replace
                                  ? ReferenceChoice::Replace
                                  : ReferenceChoice::Skip);
        const auto result = ReferenceData::apply(data, *read, choices, error);
        if (!result)
            return Fail(
                io, QStringLiteral("%1: %2\nNothing was imported.").arg(file.fileName(), error));
        Print(io.out, ReferenceData::describe(*read));
        Print(io.out, QStringLiteral("Added: %1\nReplaced: %2\nLeft as they were: %3")
                          .arg(result->added)
                          .arg(result->replaced)
                          .arg(result->skipped));
        return kOk;
    } catch (const CDaoException& e) {
        return Fail(io, QString::fromUtf8(e.what()));
    }
}

int cmdExportData(const Args& a, const Output& io) {
    const QString dataPath = a.option(QStringLiteral("data"));
    const QString format = a.option(QStringLiteral("format"));
    if (dataPath.isEmpty() || a.positional.size() != 1)
        return kUsage;
    if (!format.isEmpty() && format != QLatin1String("beerxml") &&
        format != QLatin1String("beerjson"))
        return Fail(io, QStringLiteral("--format is beerxml or beerjson, not \"%1\"").arg(format));
    const QStringList tables = a.given(QStringLiteral("tables"))
                                   ? a.option(QStringLiteral("tables")).split(u',')
                                   : ReferenceData::exportableTables();
    for (const QString& t : tables) {
        if (!ReferenceData::exportableTables().contains(t))
            return Fail(io, QStringLiteral("--tables takes %1, not \"%2\"")
                                .arg(ReferenceData::exportableTables().join(u','), t));
    }
    try {
        if (const auto wrong = WrongKind(io.err, QString(), dataPath))
            return *wrong;
        if (const QString why = NotAFileReason(a.positional.first()); !why.isEmpty())
            return Fail(io, QStringLiteral("cannot write %1: %2").arg(a.positional.first(), why));
        CDaoDatabase data;
        data.Open(dataPath, false, true);
        QSaveFile out(a.positional.first());
        if (!out.open(QIODevice::WriteOnly))
            return Fail(
                io, QStringLiteral("cannot write %1: %2").arg(out.fileName(), out.errorString()));
        QString error;
        if (!ReferenceData::write(data, tables, format == QLatin1String("beerjson"), out, error))
            return Fail(io, error);
        if (QString why; !CommitRegularFile(out, why))
            return Fail(io, QStringLiteral("cannot write %1: %2").arg(out.fileName(), why));
        Print(io.out, QStringLiteral("exported %1 to %2")
                          .arg(tables.join(QStringLiteral(", ")), a.positional.first()));
        return kOk;
    } catch (const CDaoException& e) {
        return Fail(io, QString::fromUtf8(e.what()));
    }
}

} // namespace

void AddInterchangeCommands(CommandTable& table) {
    table[QStringLiteral("import-data")] = {QStringLiteral("--data DATA.mdb FILE [--replace]"),
                                            {QStringLiteral("data")},
                                            {QStringLiteral("replace")},
                                            true,
                                            cmdImportData};
    table[QStringLiteral("export-data")] = {
        QStringLiteral(
            "--data DATA.mdb [--format beerxml|beerjson] [--tables Styles,Hops,...] OUT"),
        {QStringLiteral("data"), QStringLiteral("format"), QStringLiteral("tables")},
        {},
        true,
        cmdExportData};
    table[QStringLiteral("import")] = {
        QStringLiteral("--db RECIPES.mdb [--data DATA.mdb] FILE.xml|FILE.json"),
        {QStringLiteral("db"), QStringLiteral("data")},
        {},
        true,
        cmdImport};
    table[QStringLiteral("export")] = {
        QStringLiteral("--db RECIPES.mdb [--data DATA.mdb] [--format beerxml|beerjson] (--batch N "
                       "| --all) OUT"),
        {QStringLiteral("db"), QStringLiteral("data"), QStringLiteral("batch"),
         QStringLiteral("format")},
        {QStringLiteral("all")},
        true,
        cmdExport};
}

} // namespace wsc::cli
