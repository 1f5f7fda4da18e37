#include "core/document/RecipeScaling.h"

#include "core/calc/NumberLimits.h"
#include "core/db/records/Columns.h"

#include "core/calc/IngredientSheets.h"
#include "core/calc/RecipeCalculator.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/records/CRecordSetRecipeMaxBatch.h"
#include "core/document/FieldExchange.h"
#include "core/document/RecipeIngredientRows.h"
#include "core/document/RecipeRecordCommands.h"
#include "core/settings/MessageCatalog.h"

#include <cmath>

namespace wsc {

std::optional<ScalePlan> PlanScale(const CRecordSetRecipe& r, int kitRows,
                                   const ScaleRequest& request, QString* why) {
    auto refuse = [why](const QString& text) -> std::optional<ScalePlan> {
        if (why)
            *why = text;
        return std::nullopt;
    };
    const double from = r.m_RecipeBatchSize;
    if (!(from > 0) || !std::isfinite(from))
        return refuse(QString::fromLatin1(Texts::kScaleNoBatchSize));
    // From a hundredth of a gallon (a copy of "0 gal" is no recipe) to the largest quantity any
    // field takes.
    constexpr double kSmallest = 0.01;
    if (!(request.batchSize >= kSmallest) || !(request.batchSize <= kLargestQuantity))
        return refuse(QString::fromLatin1(Texts::kScaleBadBatchSize)
                          .arg(FormatInUnit(request.volume, kSmallest, -1, true),
                               FormatInUnit(request.volume, kLargestQuantity, 0, true),
                               QString::fromUtf8(InfoOf(request.volume).symbol)));
    const double oldEfficiency = r.m_RecipeSystemEfficiencyExpected;
    const double efficiency = request.efficiency.value_or(oldEfficiency);
    if (request.efficiency && !(efficiency >= 1 && efficiency <= 100))
        return refuse(QString::fromLatin1(Texts::kScaleBadEfficiency));
    ScalePlan plan;
    plan.amount = request.batchSize / from;
    // A grain's extract follows the efficiency; a recipe without one (the calculation assumes
    // 80 %) keeps its grains with the batch.
    plan.grain =
        plan.amount * (oldEfficiency > 0 && efficiency > 0 ? oldEfficiency / efficiency : 1.0);
    plan.batchSize = request.batchSize;
    plan.efficiency = efficiency;
    if (kitRows > 0) {
        const double times = std::round(plan.amount);
        if (times < 1 || std::abs(plan.amount - times) > 1e-9)
            return refuse(QString::fromLatin1(Texts::kScaleKits)
                              .arg(QString::number(from, 'g', 6),
                                   QString::number(request.batchSize, 'g', 6),
                                   QString::number(plan.amount, 'g', 4)));
        plan.kitCopies = static_cast<int>(times);
    }
    return plan;
}

void ScaleRecipeFields(CRecordSetRecipe& c, const ScalePlan& plan) {
    const double f = plan.amount;
    c.m_RecipeBatchSize = plan.batchSize;
    c.m_RecipeBoilSize *= f;
    c.m_RecipeMashVol1 *= f;
    c.m_RecipeMashVol2 *= f;
    c.m_RecipeMashVol3 *= f;
    c.m_RecipeMashVol4 *= f;
    c.m_RecipeSpargeVol *= f;
    c.m_RecipeWortCollectedVol *= f;
    c.m_RecipeSystemEfficiencyExpected = plan.efficiency;
}

void ScaleIngredientRows(CDaoDatabase& db, long recipeId, const ScalePlan& plan) {
    SqliteConnection& c = db.connection();
    auto scale = [&](const char* table, std::initializer_list<const char*> columns, double f) {
        QStringList sets;
        for (const char* col : columns)
            sets << QStringLiteral("%1 = %1 * ?")
                        .arg(SqliteConnection::quoteIdentifier(QString::fromLatin1(col)));
        SqliteStatement st = c.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE IngRecipeID = ?")
                                           .arg(QString::fromLatin1(table), sets.join(u',')));
        int i = 1;
        for (std::size_t n = 0; n < columns.size(); ++n)
            st.bindDouble(i++, f);
        st.bindInt64(i, recipeId);
        st.exec();
    };
    scale("Ingredients_Extracts", {col::extracts::IngExtractsWeight, col::extracts::IngExtractsHBU},
          plan.amount);
    scale("Ingredients_Grains", {col::grains::IngGrainsWeight}, plan.grain);
    // A hop's bitterness in IBU stays; its HBU, a weight times alpha, goes with the weight.
    scale("Ingredients_Hops", {col::hops::IngHopsWeight, col::hops::IngHopsHBU}, plan.amount);
    scale("Ingredients_Yeasts", {col::yeasts::IngYeastAmt}, plan.amount);
    // An adjunct's amount is a text ("1/2" tsp stays as typed); a number in it is scaled.
    {
        SqliteStatement read = c.prepare(QStringLiteral(
            "SELECT IngRowID, IngAdjunctsAmt FROM Ingredients_Adjuncts WHERE IngRecipeID = ?"));
        read.bindInt64(1, recipeId);
        std::vector<std::pair<std::int64_t, QString>> amounts;
        while (read.step()) {
            bool ok = false;
            const double v = ReadTypedNumber(read.text(1), &ok);
            if (ok && std::isfinite(v))
                amounts.emplace_back(read.int64(0), QString::number(v * plan.amount, 'g', 12));
        }
        SqliteStatement write = c.prepare(QStringLiteral(
            "UPDATE Ingredients_Adjuncts SET IngAdjunctsAmt = ? WHERE IngRowID = ?"));
        for (const auto& [row, text] : amounts) {
            write.reset();
            write.bindText(1, text);
            write.bindInt64(2, row);
            write.exec();
        }
    }
    // A kit is a whole can: more of them, each as it was.
    RecipeIngredientRows::repeat(db, RecipeIngredientRows::Kit, recipeId, plan.kitCopies);
}

Predictions FiguresOf(CDaoDatabase& db, long recipeId, const RecipeInputs& inputs,
                      const UtilizationTable& table) {
    MemorySheets sheets = MemorySheets::load(db, recipeId);
    RecipeCalculator calc(sheets, table);
    calc.setInputs(inputs);
    calc.RunCalculations(false);
    return PredictionsOf(calc);
}

QString CompareFigures(const Predictions& from, const Predictions& to, const UnitChoice& u) {
    const bool sg = u.gravity == Unit::SpecificGravity;
    auto gravity = [&](double og) { return FormatInUnit(u.gravity, og, -1, false); };
    auto colour = [&](double srm) { return FormatInUnit(u.color, srm, 1, false); };
    const QString rows[][3] = {
        {sg ? QStringLiteral("Original gravity")
            : QStringLiteral("Original gravity (%1)")
                  .arg(QString::fromUtf8(InfoOf(u.gravity).symbol)),
         gravity(from.og), gravity(to.og)},
        {QStringLiteral("Bitterness (IBU)"), QString::asprintf("%.0f", from.ibu),
         QString::asprintf("%.0f", to.ibu)},
        {QStringLiteral("Color (%1)").arg(QString::fromUtf8(InfoOf(u.color).symbol)),
         colour(from.srm()), colour(to.srm())},
        {QStringLiteral("Alcohol (% by volume)"), QString::asprintf("%.1f", from.abv),
         QString::asprintf("%.1f", to.abv)},
    };
    QStringList lines{QStringLiteral("%1  %2  %3")
                          .arg(QString(), -24)
                          .arg(QStringLiteral("original"), 10)
                          .arg(QStringLiteral("copy"), 10)};
    for (const auto& r : rows)
        lines << QStringLiteral("%1  %2  %3").arg(r[0], -24).arg(r[1], 10).arg(r[2], 10);
    return lines.join(u'\n');
}

std::optional<long> AddScaledCopy(CDaoDatabase& db, long batch, const ScaleRequest& request,
                                  QString* why) {
    SqliteConnection& c = db.connection();
    c.exec(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        CRecordSetRecipe from(&db);
        from.Open(CDaoRecordset::dbOpenTable);
        from.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
        if (!from.Seek(QStringLiteral("="), {QString::number(batch)})) {
            c.exec(QStringLiteral("ROLLBACK"));
            if (why)
                *why = QString::fromLatin1(Texts::kScaleNoSuchBatch).arg(batch);
            return std::nullopt;
        }
        const long sourceId = from.m_RecipeID;
        const auto plan =
            PlanScale(from, RecipeIngredientRows::count(db, RecipeIngredientRows::Kit, sourceId),
                      request, why);
        if (!plan) {
            c.exec(QStringLiteral("ROLLBACK"));
            return std::nullopt;
        }
        // The next batch number must fit, as for Copy on the form.
        const std::int64_t highest = CRecordSetRecipeMaxBatch::HighestBatch(db);
        if (highest >= RecipeRecordCommands::kHighestBatchNumber) {
            c.exec(QStringLiteral("ROLLBACK"));
            if (why)
                *why = QString::fromLatin1(Texts::kNoNextBatchNumber).arg(highest);
            return std::nullopt;
        }
        const long next = static_cast<long>(highest) + 1;
        const FieldValues values = from.fieldValues();
        const QString name = from.m_RecipeName;
        from.AddNew();
        from.setFieldValues(values);
        from.m_RecipeBatchNo = static_cast<std::int32_t>(next);
        from.m_RecipeName = QStringLiteral("Copy of ") + name;
        ScaleRecipeFields(from, *plan);
        from.Update();
        from.SetBookmark(from.GetLastModifiedBookmark());
        const long copyId = from.m_RecipeID;
        RecipeIngredientRows::copy(db, sourceId, copyId);
        ScaleIngredientRows(db, copyId, *plan);
        c.exec(QStringLiteral("COMMIT"));
        return next;
    } catch (...) {
        if (c.inTransaction())
            c.exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

} // namespace wsc
