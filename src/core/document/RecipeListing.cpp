#include "core/document/RecipeListing.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/Columns.h"

#include <QHash>

#include <sqlite3.h>

#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

namespace wsc {
namespace {

QString q(const char* name) {
    return SqliteConnection::quoteIdentifier(QString::fromLatin1(name));
}

// The columns a stored value of the wrong kind can be found in, with what each keeps.
struct Checked {
    std::vector<FieldType> types;
    std::vector<bool> required;
    // Brew dates repeat: each stored text is judged once.
    QHash<QByteArray, bool> dateFits;
    QHash<std::int64_t, bool> writtenFits;

    static bool fits(std::string_view text) {
        return StoredValueProblem(
                   FieldType::Date,
                   QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), false)
            .isEmpty();
    }
    // "YYYY-MM-DDTHH:MM:SS" as the number YYYYMMDDHHMMSS; -1 for any other text.
    static std::int64_t writtenForm(std::string_view s) {
        if (s.size() != 19 || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':' ||
            s[16] != ':')
            return -1;
        std::int64_t n = 0;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (i == 4 || i == 7 || i == 10 || i == 13 || i == 16)
                continue;
            if (s[i] < '0' || s[i] > '9')
                return -1;
            n = n * 10 + (s[i] - '0');
        }
        return n;
    }

    bool mayNotFit(sqlite3_value* v, FieldType type, bool needed) {
        const int kind = sqlite3_value_type(v);
        if (kind == SQLITE_NULL)
            return needed;
        auto within = [&](std::int64_t lo, std::int64_t hi) {
            if (kind != SQLITE_INTEGER)
                return false;
            const std::int64_t n = sqlite3_value_int64(v);
            return n >= lo && n <= hi;
        };
        switch (type) {
        case FieldType::Text:
            return false;
        case FieldType::Long:
            return !within(std::numeric_limits<std::int32_t>::min(),
                           std::numeric_limits<std::int32_t>::max());
        case FieldType::Integer:
            return !within(std::numeric_limits<std::int16_t>::min(),
                           std::numeric_limits<std::int16_t>::max());
        case FieldType::Boolean:
            return kind != SQLITE_INTEGER;
        case FieldType::Double:
            return kind != SQLITE_INTEGER &&
                   (kind != SQLITE_FLOAT || !std::isfinite(sqlite3_value_double(v)));
        case FieldType::Date: {
            if (kind != SQLITE_TEXT)
                return true;
            const QByteArray text(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                                  sqlite3_value_bytes(v));
            auto it = dateFits.find(text);
            if (it == dateFits.end())
                it = dateFits.insert(
                    text,
                    StoredValueProblem(FieldType::Date, QString::fromUtf8(text), false).isEmpty());
            return !*it;
        }
        }
        return true;
    }

    // Judges a whole row inside the statement that reads it: no value is handed out of
    // SQLite unless the row needs a closer look.
    static void function(sqlite3_context* context, int argc, sqlite3_value** argv) {
        auto* self = static_cast<Checked*>(sqlite3_user_data(context));
        for (int i = 0; i < argc; ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (self->mayNotFit(argv[i], self->types[at], self->required[at])) {
                sqlite3_result_int(context, 1);
                return;
            }
        }
        sqlite3_result_int(context, 0);
    }
};

constexpr char kFunction[] = "wsc_listing_may_not_fit";

} // namespace

void ListRecipes(CDaoDatabase& db, const std::function<void(const ListedRecipe&)>& each) {
    const CRecordSetRecipe probe(&db);
    const RecordLayout& l = probe.layout();
    const QStringList keys = db.indexColumns(QStringLiteral("IndexRecipeBatchNo"));
    QStringList all, checked;
    Checked check;
    for (std::size_t i = 0; i < l.count; ++i) {
        const bool required = keys.contains(QString::fromLatin1(l.columns[i].name));
        all << q(l.columns[i].name);
        if (l.columns[i].type != FieldType::Text || required) {
            checked << q(l.columns[i].name);
            check.types.push_back(l.columns[i].type);
            check.required.push_back(required);
        }
    }
    QStringList order;
    for (const QString& k : keys)
        order << SqliteConnection::quoteIdentifier(k);
    order << QStringLiteral("rowid");

    SqliteConnection& c = db.connection();
    sqlite3* handle = c.handle();
    const int rc = sqlite3_create_function_v2(
        handle, kFunction, static_cast<int>(check.types.size()), SQLITE_UTF8, &check,
        &Checked::function, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw CDaoException::fromSqlite(handle, rc, QStringLiteral("listing the recipes"));
    struct Unregister {
        sqlite3* handle;
        int args;
        ~Unregister() {
            sqlite3_create_function_v2(handle, kFunction, args, SQLITE_UTF8, nullptr, nullptr,
                                       nullptr, nullptr, nullptr);
        }
    } unregister{handle, static_cast<int>(check.types.size())};

    const QString table = q(l.source);
    SqliteStatement list =
        c.prepare(QStringLiteral("SELECT rowid, %1, %2, %3, %4(%5) FROM %6 ORDER BY %7")
                      .arg(q(col::recipe::RecipeBatchNo), q(col::recipe::RecipeName),
                           q(col::recipe::RecipeTargetStyle), QString::fromLatin1(kFunction),
                           checked.join(u','), table, order.join(u',')));
    SqliteStatement whole =
        c.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(all.join(u','), table));

    ListedRecipe recipe;
    while (list.step()) {
        recipe.batch = list.kind(1) == SqliteStatement::Kind::Integer
                           ? list.int64(1)
                           : fields::From<std::int64_t>(list.value(1));
        recipe.name = fields::From<QString>(list.value(2));
        recipe.style = fields::From<QString>(list.value(3));
        recipe.problems.clear();
        if (list.int64(4) != 0) {
            whole.bindInt64(1, list.int64(0));
            if (whole.step()) {
                for (std::size_t i = 0; i < l.count; ++i) {
                    const QString column = QString::fromLatin1(l.columns[i].name);
                    const QString problem = StoredValueProblem(
                        l.columns[i].type, whole.value(static_cast<int>(i)), keys.contains(column));
                    if (!problem.isEmpty())
                        recipe.problems << column + u' ' + problem;
                }
            }
            whole.reset();
        }
        each(recipe);
    }
}

} // namespace wsc
