#include "CliSupport.h"

#include "calc/BeerColor.h"
#include "calc/IngredientSheets.h"
#include "calc/RecipeCalculator.h"
#include "calc/Units.h"
#include "calc/UtilizationTable.h"
#include "db/DatabaseOps.h"
#include "db/dao/CDaoDatabase.h"
#include "db/dao/CDaoException.h"
#include "db/records/CRecordSetRecipe.h"
#include "settings/MessageCatalog.h"

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
    const std::optional<UnitChoice> chosen = unitsOption(a, io);
    if (!chosen)
        return kError;
    const UnitChoice units = *chosen;
    try {
        if (const auto wrong = wrongKind(io.err, dbPath, dataPath))
            return *wrong;
        CDaoDatabase db;
        db.Open(dbPath, false, true);
        CRecordSetRecipe recipe(&db);
        recipe.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
        recipe.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        if (!recipe.Seek(QStringLiteral("="), {QString::number(batch)}))
            return fail(
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
            print(io.out, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
            return kOk;
        }
        print(io.out, QStringLiteral("Batch %1: %2").arg(batch).arg(recipe.m_RecipeName));
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
            print(io.out,
                  QStringLiteral("  %1  %2").arg(label, -static_cast<int>(width)).arg(value));
        print(io.out, QStringLiteral("Calculations: %1").arg(statusText));
        for (const CalcMessageLine& l : lines)
            print(io.out,
                  QStringLiteral("%1  %2  %3").arg(l.number, 3).arg(l.level, -11).arg(l.message));
    } catch (const CDaoException& e) {
        return fail(io, QString::fromUtf8(e.what()));
    }
    return kOk;
}

} // namespace

void addCalculationCommands(CommandTable& table) {
    table[QStringLiteral("calc")] = {
        QStringLiteral("--db RECIPES.mdb --data DATA.mdb --batch N [--units us|metric] [--json]"),
        {QStringLiteral("db"), QStringLiteral("data"), QStringLiteral("batch"),
         QStringLiteral("units")},
        {QStringLiteral("json")},
        false,
        cmdCalc};
}

} // namespace wsc::cli
