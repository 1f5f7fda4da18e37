#include "CliSupport.h"

#include "calc/IngredientSheets.h"
#include "calc/RecipeCalculator.h"
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

int cmdCalc(const QStringList& argv, const Output& io) {
    const Args a =
        Args::parse(argv, {QStringLiteral("db"), QStringLiteral("data"), QStringLiteral("batch")});
    const QString dbPath = a.option(QStringLiteral("db"));
    const QString dataPath = a.option(QStringLiteral("data"));
    bool ok = false;
    const long batch = a.option(QStringLiteral("batch")).toLong(&ok);
    if (dbPath.isEmpty() || dataPath.isEmpty() || !ok)
        return fail(
            io, QStringLiteral("usage: calc --db RECIPES.mdb --data DATA.mdb --batch N [--json]"));
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
        print(io.out, QStringLiteral("  Original gravity  %1")
                          .arg(QString::asprintf("%.3f", calc.PredictedOG)));
        print(io.out, QStringLiteral("  Alcohol (ABV %)    %1")
                          .arg(QString::asprintf("%.1f", calc.PredictedABV)));
        print(
            io.out,
            QStringLiteral("  Bitterness (IBU)  %1").arg(QString::asprintf("%.1f", calc.TotalIBU)));
        print(
            io.out,
            QStringLiteral("  HBU               %1").arg(QString::asprintf("%.1f", calc.TotalHBU)));
        print(io.out, QStringLiteral("  Color             %1")
                          .arg(QString::asprintf("%.1f", calc.PredictedColor)));
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
    table[QStringLiteral("calc")] = cmdCalc;
}

} // namespace wsc::cli
