#include "core/document/RecipeIngredientRows.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/records/CRecordSetRecIngAdjuncts.h"
#include "core/db/records/CRecordSetRecIngExtracts.h"
#include "core/db/records/CRecordSetRecIngGrains.h"
#include "core/db/records/CRecordSetRecIngHops.h"
#include "core/db/records/CRecordSetRecIngKits.h"
#include "core/db/records/CRecordSetRecIngYeasts.h"
#include "core/db/records/Columns.h"

#include <QStringList>

#include <memory>

namespace wsc {
namespace {

constexpr const char* kRecipeColumn = col::hops::IngRecipeID;

const RecordLayout& layoutOf(RecipeIngredientRows::Kind kind) {
    // The record classes declare the columns; one unopened instance of each lends its layout.
    static const CRecordSetRecIngKits kits;
    static const CRecordSetRecIngExtracts extracts;
    static const CRecordSetRecIngGrains grains;
    static const CRecordSetRecIngAdjuncts adjuncts;
    static const CRecordSetRecIngHops hops;
    static const CRecordSetRecIngYeasts yeasts;
    switch (kind) {
    case RecipeIngredientRows::Kit:
        return kits.layout();
    case RecipeIngredientRows::Extract:
        return extracts.layout();
    case RecipeIngredientRows::Grain:
        return grains.layout();
    case RecipeIngredientRows::Adjunct:
        return adjuncts.layout();
    case RecipeIngredientRows::Hop:
        return hops.layout();
    case RecipeIngredientRows::Yeast:
        break;
    }
    return yeasts.layout();
}

QString q(const char* name) {
    return SqliteConnection::quoteIdentifier(QString::fromLatin1(name));
}

QString num(double v, const char* format) {
    return QString::asprintf(format, v);
}

} // namespace

namespace {

// The columns of a kind's rows but the recipe's: what a copy of a row takes.
QString RowColumns(const RecordLayout& l) {
    QStringList cols;
    for (std::size_t i = 0; i < l.count; ++i) {
        if (qstrcmp(l.columns[i].name, kRecipeColumn) != 0)
            cols << q(l.columns[i].name);
    }
    return cols.join(u',');
}

} // namespace

void RecipeIngredientRows::copy(CDaoDatabase& db, long fromRecipe, long toRecipe) {
    for (int k = 0; k < kKinds; ++k) {
        const RecordLayout& l = layoutOf(static_cast<Kind>(k));
        SqliteStatement st = db.connection().prepare(
            QStringLiteral("INSERT INTO %1 (%2, %3) SELECT %2, ? FROM %1 WHERE %3 = ? "
                           "ORDER BY IngRowID")
                .arg(q(l.source), RowColumns(l), q(kRecipeColumn)));
        st.bindInt64(1, toRecipe);
        st.bindInt64(2, fromRecipe);
        st.exec();
    }
}

void RecipeIngredientRows::repeat(CDaoDatabase& db, Kind kind, long recipeId, int times) {
    const RecordLayout& l = layoutOf(kind);
    SqliteConnection& c = db.connection();
    SqliteStatement last = c.prepare(QStringLiteral("SELECT max(IngRowID) FROM %1 WHERE %2 = ?")
                                         .arg(q(l.source), q(kRecipeColumn)));
    last.bindInt64(1, recipeId);
    if (!last.step() || last.isNull(0))
        return;
    const std::int64_t lastRow = last.int64(0);
    SqliteStatement st =
        c.prepare(QStringLiteral("INSERT INTO %1 (%2, %3) SELECT %2, %3 FROM %1 WHERE %3 = ? "
                                 "AND IngRowID <= ? ORDER BY IngRowID")
                      .arg(q(l.source), RowColumns(l), q(kRecipeColumn)));
    for (int n = 1; n < times; ++n) {
        st.reset();
        st.bindInt64(1, recipeId);
        st.bindInt64(2, lastRow);
        st.exec();
    }
}

void RecipeIngredientRows::remove(CDaoDatabase& db, long recipeId) {
    for (int k = 0; k < kKinds; ++k) {
        const RecordLayout& l = layoutOf(static_cast<Kind>(k));
        SqliteStatement st = db.connection().prepare(
            QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(q(l.source), q(kRecipeColumn)));
        st.bindInt64(1, recipeId);
        st.exec();
    }
}

int RecipeIngredientRows::count(CDaoDatabase& db, Kind kind, long recipeId) {
    const RecordLayout& l = layoutOf(kind);
    SqliteStatement st = db.connection().prepare(
        QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?").arg(q(l.source), q(kRecipeColumn)));
    st.bindInt64(1, recipeId);
    st.step();
    return static_cast<int>(st.int64(0));
}

QString RecipeIngredientRows::tableName(Kind kind) {
    return QString::fromLatin1(layoutOf(kind).source);
}

QString RecipeIngredientRows::hopUseLabel(double minutes) {
    if (minutes <= 15)
        return QStringLiteral("(Aroma)");
    if (minutes <= 30)
        return QStringLiteral("(Flavoring)");
    return QStringLiteral("(Bittering)");
}

std::vector<RecipeIngredientRows::Line> RecipeIngredientRows::lines(CDaoDatabase& db,
                                                                    long recipeId) {
    std::vector<Line> out;
    const QString sep = QStringLiteral(", ");
    // `ordinalColumn`: where the query gives the row's place as entered, when it lists the
    // rows in another order.
    auto each = [&](const char* sql, Kind kind, auto&& format, int ordinalColumn = -1) {
        SqliteStatement st = db.connection().prepare(QString::fromLatin1(sql));
        st.bindInt64(1, recipeId);
        int ordinal = 0;
        while (st.step()) {
            const int at = ordinalColumn < 0 ? ordinal : static_cast<int>(st.int64(ordinalColumn));
            out.push_back({kind, format(st), at});
            ++ordinal;
        }
    };
    each("SELECT IngKitsWeight, IngKitsUnits, IngKitsManuf, IngKitsStyle FROM Ingredients_Kits "
         "WHERE IngRecipeID = ? ORDER BY IngRowID",
         Kit, [&](SqliteStatement& s) {
             return num(s.real(0), "%.1f") + u' ' + s.text(1) + sep + s.text(2) + sep + s.text(3);
         });
    each("SELECT IngExtractsWeight, IngExtractsUnits, IngExtractsManuf, IngExtractsName "
         "FROM Ingredients_Extracts WHERE IngRecipeID = ? ORDER BY IngRowID",
         Extract, [&](SqliteStatement& s) {
             return num(s.real(0), "%.1f") + u' ' + s.text(1) + sep + s.text(2) + sep + s.text(3);
         });
    each("SELECT IngGrainsWeight, IngGrainsUnits, IngGrainsName FROM Ingredients_Grains "
         "WHERE IngRecipeID = ? ORDER BY IngRowID",
         Grain, [&](SqliteStatement& s) {
             return num(s.real(0), "%.3f") + u' ' + s.text(1) + sep + s.text(2);
         });
    each("SELECT IngAdjunctsAmt, IngAdjunctsUnits, IngAdjunctsName FROM Ingredients_Adjuncts "
         "WHERE IngRecipeID = ? ORDER BY IngRowID",
         Adjunct,
         [&](SqliteStatement& s) { return s.text(0) + u' ' + s.text(1) + sep + s.text(2); });
    // Listed by boil time; the ordinal is still the row's place as entered.
    each(
        "SELECT IngHopsWeight, IngHopsUnits, IngHopsName, IngHopsAlpha, IngHopsTime, place "
        "FROM (SELECT *, ROW_NUMBER() OVER (ORDER BY IngRowID) - 1 AS place "
        "FROM Ingredients_Hops WHERE IngRecipeID = ?) ORDER BY IngHopsTime, IngRowID",
        Hop,
        [&](SqliteStatement& s) {
            return num(s.real(0), "%.1f") + u' ' + s.text(1) + sep + s.text(2) + sep +
                   num(s.real(3), "%.1f") + sep + num(s.real(4), "%.0f") + u' ' +
                   hopUseLabel(s.real(4));
        },
        5);
    each("SELECT IngYeastAmt, IngYeastUnits, IngYeastManuf, IngYeastName, IngYeastType "
         "FROM Ingredients_Yeasts WHERE IngRecipeID = ? ORDER BY IngRowID",
         Yeast, [&](SqliteStatement& s) {
             return num(s.real(0), "%.1f") + u' ' + s.text(1) + sep + s.text(2) + sep + s.text(3) +
                    sep + s.text(4);
         });
    return out;
}

} // namespace wsc
