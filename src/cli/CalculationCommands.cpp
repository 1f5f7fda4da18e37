#include "cli/CliSupport.h"

#include "core/calc/BeerColor.h"
#include "core/calc/IngredientSheets.h"
#include "core/calc/RecipeCalculator.h"
#include "core/calc/Units.h"
#include "core/calc/UtilizationTable.h"
#include "core/db/DatabaseLock.h"
#include "core/db/DatabaseOps.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/document/FieldExchange.h"
#include "core/document/RecipeScaling.h"
#include "core/settings/MessageCatalog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace wsc::cli {
namespace {

int cmdCalc(const Args& a, const Output& io) {
    const QString dbPath = a.option(QStringLiteral("db"));
    const QString dataPath = a.option(QStringLiteral("data"));
    bool ok = false;
    const long batch = a.option(QStringLiteral("batch")).toLong(&ok);
    if (dbPath.isEmpty() || dataPath.isEmpty() || !ok)
        return kUsage;
    // The figures in the brewer's units besides the working ones.
    const std::optional<UnitChoice> chosen = UnitsOption(a, io);
    if (!chosen)
        return kError;
    const UnitChoice units = *chosen;
    try {
        if (const auto wrong = WrongKind(io.err, dbPath, dataPath))
            return *wrong;
        CDaoDatabase db;
        db.Open(dbPath, false, true);
        CRecordSetRecipe recipe(&db);
        recipe.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
        recipe.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        if (!recipe.Seek(QStringLiteral("="), {QString::number(batch)}))
            return Fail(
                io, QStringLiteral("no recipe with batch number %1 in %2").arg(batch).arg(dbPath));
        CDaoDatabase data;
        data.Open(dataPath, false, true);
        UtilizationTable table;
        table.load(data);

        MemorySheets sheets = MemorySheets::load(db, recipe.m_RecipeID);
        RecipeCalculator calc(sheets, table);
        calc.setInputs(RecipeInputs::of(recipe));
        const CalcStatus status = calc.RunCalculations(false);
        QStringList messages = calc.CalcMessages;
        const std::vector<CalcMessageLine> lines = CalcMessageLines(messages);
        const QString statusText = LookOf(status).text;

        if (a.has(QStringLiteral("json"))) {
            QJsonArray hops;
            for (int r = 1; r <= sheets.ingredientCount(SheetHops); ++r)
                hops.append(QJsonObject{{QStringLiteral("row"), r},
                                        {QStringLiteral("ibu"), sheets.cellText(SheetHops, r, 5)},
                                        {QStringLiteral("hbu"), sheets.cellText(SheetHops, r, 6)}});
            QJsonArray msgs;
            for (const CalcMessageLine& l : lines)
                msgs.append(QJsonObject{{QStringLiteral("level"), l.level},
                                        {QStringLiteral("message"), l.message}});
            const QJsonObject o{{QStringLiteral("batch"), static_cast<qint64>(batch)},
                                {QStringLiteral("og"), calc.PredictedOG},
                                {QStringLiteral("abv"), calc.PredictedABV},
                                {QStringLiteral("ibu"), calc.TotalIBU},
                                {QStringLiteral("hbu"), calc.TotalHBU},
                                {QStringLiteral("color"), calc.PredictedColor},
                                {QStringLiteral("status"), statusText},
                                {QStringLiteral("hops"), hops},
                                {QStringLiteral("messages"), msgs}};
            Print(io.out, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
            return kOk;
        }
        Print(io.out, QStringLiteral("Batch %1: %2").arg(batch).arg(recipe.m_RecipeName));
        std::vector<std::pair<QString, QString>> figures = {
            {QStringLiteral("Original gravity"), QString::asprintf("%.3f", calc.PredictedOG)},
            {QStringLiteral("Alcohol (ABV %)"), QString::asprintf("%.1f", calc.PredictedABV)},
            {QStringLiteral("Bitterness (IBU)"), QString::asprintf("%.1f", calc.TotalIBU)},
            {QStringLiteral("HBU"), QString::asprintf("%.1f", calc.TotalHBU)},
            {QStringLiteral("Color"), QString::asprintf("%.1f", calc.PredictedColor)}};
        // Another scale goes beside the figure it shows, never in its place.
        auto also = [&](std::size_t after, Unit unit, double stored) {
            const UnitInfo& u = InfoOf(unit);
            figures.insert(
                figures.begin() + static_cast<std::ptrdiff_t>(after) + 1,
                {figures[after].first + QStringLiteral(" (%1)").arg(QString::fromUtf8(u.symbol)),
                 QString::number(FromStored(unit, stored), 'f', u.decimals)});
        };
        if (units.color != Unit::Srm)
            also(4, units.color, MoreySrm(calc.PredictedColor));
        if (units.gravity != Unit::SpecificGravity)
            also(0, units.gravity, calc.PredictedOG);
        qsizetype width = 0;
        for (const auto& [label, value] : figures)
            width = std::max(width, label.size());
        for (const auto& [label, value] : figures)
            Print(io.out,
                  QStringLiteral("  %1  %2").arg(label, -static_cast<int>(width)).arg(value));
        Print(io.out, QStringLiteral("Calculations: %1").arg(statusText));
        for (const CalcMessageLine& l : lines)
            Print(io.out,
                  QStringLiteral("%1  %2  %3").arg(l.number, 3).arg(l.level, -11).arg(l.message));
    } catch (const CDaoException& e) {
        return Fail(io, QString::fromUtf8(e.what()));
    }
    return kOk;
}

} // namespace

// A recipe's name, batch size and predictions, by batch number.
struct Named {
    QString name;
    double batchSize = 0;
    Predictions figures;
};

Named FiguresOf(CDaoDatabase& db, long batch, const UtilizationTable& table) {
    CRecordSetRecipe r(&db);
    r.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
    r.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
    r.Seek(QStringLiteral("="), {QString::number(batch)});
    return {r.m_RecipeName, r.m_RecipeBatchSize,
            wsc::FiguresOf(db, r.m_RecipeID, RecipeInputs::of(r), table)};
}

int cmdScale(const Args& a, const Output& io) {
    const QString dbPath = a.option(QStringLiteral("db"));
    bool batchOk = false, sizeOk = false, efficiencyOk = true;
    const long batch = a.option(QStringLiteral("batch")).toLong(&batchOk);
    const double size = ReadTypedNumber(a.option(QStringLiteral("to-batch-size")), &sizeOk);
    ScaleRequest request;
    if (a.given(QStringLiteral("efficiency")))
        request.efficiency = ReadTypedNumber(a.option(QStringLiteral("efficiency")), &efficiencyOk);
    if (dbPath.isEmpty() || !batchOk || !sizeOk || !efficiencyOk)
        return kUsage;
    // The original is never changed: the command only adds, and says so on its line.
    if (!a.has(QStringLiteral("new")))
        return Fail(io, QStringLiteral("scale adds a scaled copy and leaves the recipe as it is: "
                                       "give --new"));
    const std::optional<UnitChoice> units = UnitsOption(a, io);
    if (!units)
        return kError;
    request.batchSize = ToStored(units->volume, size);
    request.volume = units->volume;
    try {
        if (const auto wrong = WrongKind(io.err, dbPath, a.option(QStringLiteral("data"))))
            return *wrong;
        CheckWritable(dbPath);
        DatabaseLock lock(dbPath);
        if (!lock.tryLock())
            return Fail(io,
                        QString::fromLatin1(Texts::kDatabaseInUse).arg(dbPath, lock.failureText()));
        const UtilizationTable table = LoadUtilization(a.option(QStringLiteral("data")));
        CDaoDatabase db;
        db.Open(dbPath, false, false);
        QString why;
        const std::optional<long> copy = AddScaledCopy(db, batch, request, &why);
        if (!copy) {
            Print(io.err, why);
            return kDataError;
        }
        const Named from = FiguresOf(db, batch, table);
        const Named to = FiguresOf(db, *copy, table);
        const Unit volume = units->volume;
        if (a.has(QStringLiteral("json"))) {
            auto figures = [&](const Named& f, long n) {
                return QJsonObject{{QStringLiteral("batch"), static_cast<qint64>(n)},
                                   {QStringLiteral("name"), f.name},
                                   {QStringLiteral("batchSize"), FromStored(volume, f.batchSize)},
                                   {QStringLiteral("og"), f.figures.og},
                                   {QStringLiteral("ibu"), f.figures.ibu},
                                   {QStringLiteral("srm"), f.figures.srm()},
                                   {QStringLiteral("abv"), f.figures.abv}};
            };
            Print(io.out,
                  QString::fromUtf8(
                      QJsonDocument(QJsonObject{{QStringLiteral("original"), figures(from, batch)},
                                                {QStringLiteral("copy"), figures(to, *copy)}})
                          .toJson(QJsonDocument::Compact)));
            return kOk;
        }
        const QString symbol = QString::fromUtf8(InfoOf(volume).symbol);
        Print(io.out, QStringLiteral("Batch %1: %2, %3 %4 (from batch %5, %6 %4)")
                          .arg(*copy)
                          .arg(to.name, FormatInUnit(volume, to.batchSize, -1, true), symbol)
                          .arg(batch)
                          .arg(FormatInUnit(volume, from.batchSize, -1, true)));
        for (const QString& line : CompareFigures(from.figures, to.figures, *units).split(u'\n'))
            Print(io.out, QStringLiteral("  ") + line);
        return kOk;
    } catch (const CDaoException& e) {
        return Fail(io, QString::fromUtf8(e.what()));
    }
}

void AddCalculationCommands(CommandTable& table) {
    table[QStringLiteral("scale")] = {
        QStringLiteral("--db RECIPES.mdb --batch N --to-batch-size V [--efficiency E] --new "
                       "[--data DATA.mdb] [--units us|metric] [--json]\n  adds a copy of the "
                       "recipe at batch size V (in the units' volume) with the next batch number; "
                       "the recipe itself is not changed"),
        {QStringLiteral("db"), QStringLiteral("batch"), QStringLiteral("to-batch-size"),
         QStringLiteral("efficiency"), QStringLiteral("data"), QStringLiteral("units")},
        {QStringLiteral("new"), QStringLiteral("json")},
        false,
        cmdScale};
    table[QStringLiteral("calc")] = {
        QStringLiteral("--db RECIPES.mdb --data DATA.mdb --batch N [--units us|metric] [--json]"),
        {QStringLiteral("db"), QStringLiteral("data"), QStringLiteral("batch"),
         QStringLiteral("units")},
        {QStringLiteral("json")},
        false,
        cmdCalc};
}

} // namespace wsc::cli
