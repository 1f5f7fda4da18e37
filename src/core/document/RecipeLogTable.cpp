#include "core/document/RecipeLogTable.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/records/CRecordSetRecipeLog.h"
#include "core/db/records/Columns.h"

#include <algorithm>
#include <cstring>

namespace wsc {
namespace {

const std::int64_t kNoDate = QDate(1, 1, 1).toJulianDay();

// The batch number as the log compares it: its text read back as a number, which a negative
// number (shown unsigned) does not survive.
std::int64_t numberKey(std::int64_t batch) {
    return batch < 0 ? 0 : batch;
}

int digits(std::string_view s, std::size_t at, std::size_t n) {
    int v = 0;
    for (std::size_t i = at; i < at + n; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

// The day of a stored date. Dates this program writes ("2026-01-10T00:00:00") are read
// directly; any other form goes the way every record reads a date.
std::optional<QDate> storedDay(SqliteStatement& st, int col) {
    switch (st.kind(col)) {
    case SqliteStatement::Kind::Null:
        return std::nullopt;
    case SqliteStatement::Kind::Text: {
        const std::string_view s = st.utf8(col);
        if (s.size() == 19 && s[4] == '-' && s[7] == '-' && s[10] == 'T' && s[13] == ':' &&
            s[16] == ':') {
            const int y = digits(s, 0, 4), m = digits(s, 5, 2), d = digits(s, 8, 2);
            const int hh = digits(s, 11, 2), mm = digits(s, 14, 2), ss = digits(s, 17, 2);
            const QDate day(y, m, d);
            if (y > 0 && day.isValid() && hh >= 0 && hh < 24 && mm >= 0 && mm < 60 && ss >= 0 &&
                ss < 60)
                return day;
        }
        break;
    }
    default:
        break;
    }
    const QDateTime date = fields::From<QDateTime>(st.value(col));
    if (!date.isValid())
        return std::nullopt;
    return date.date();
}

} // namespace

// Reads rows of the log query into a table's pool, with the columns the record class of the
// log declares.
class RecipeLogTable::Reader {
public:
    Reader(CDaoDatabase& db, RecipeLogTable& table, bool oneRecipe) : m_table(table) {
        const CRecordSetRecipeLog probe(&db);
        const RecordLayout& l = probe.layout();
        QStringList columns;
        for (std::size_t i = 0; i < l.count; ++i)
            columns << SqliteConnection::quoteIdentifier(QString::fromLatin1(l.columns[i].name));
        auto at = [&](const char* name) { return l.indexOf(QString::fromLatin1(name)); };
        m_id = at(col::recipe::RecipeID);
        m_batch = at(col::recipe::RecipeBatchNo);
        m_date = at(col::recipe::RecipeDateBrewed);
        m_text[0] = at(col::recipe::RecipeName);
        m_text[1] = at(col::recipe::RecipeTargetStyle);
        m_text[2] = at(col::recipe::RecipeTargetCategory);
        m_text[3] = at(col::recipe::RecipeTargetSubcategory);
        QString sql = QStringLiteral("SELECT %1 FROM %2")
                          .arg(columns.join(u','),
                               SqliteConnection::quoteIdentifier(QString::fromLatin1(l.source)));
        if (oneRecipe)
            sql += QStringLiteral(" WHERE ") + columns.at(m_id) + QStringLiteral(" = ?");
        m_st = db.connection().prepare(sql);
    }
    SqliteStatement& statement() { return m_st; }

    Row row() {
        Row r;
        r.recipeId = whole(m_id);
        r.batch = whole(m_batch);
        const std::optional<QDate> day = storedDay(m_st, m_date);
        r.dated = day.has_value();
        r.day = day ? day->toJulianDay() : kNoDate;
        for (int t = 0; t < 4; ++t) {
            const int c = m_text[t];
            std::string& pool = m_table.m_pool;
            r.offset[t] = static_cast<std::uint32_t>(pool.size());
            if (m_st.kind(c) == SqliteStatement::Kind::Text) {
                pool.append(m_st.utf8(c));
            } else if (m_st.kind(c) != SqliteStatement::Kind::Null) {
                const QByteArray bytes = fields::From<QString>(m_st.value(c)).toUtf8();
                pool.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
            }
            r.size[t] = static_cast<std::uint32_t>(pool.size() - r.offset[t]);
        }
        return r;
    }

private:
    std::int64_t whole(int c) const {
        return m_st.kind(c) == SqliteStatement::Kind::Integer
                   ? m_st.int64(c)
                   : fields::From<std::int64_t>(m_st.value(c));
    }

    RecipeLogTable& m_table;
    SqliteStatement m_st;
    int m_id = 0, m_batch = 0, m_date = 0, m_text[4] = {};
};

LogSortKind RecipeLogTable::kindOf(int column) {
    switch (column) {
    case 0:
        return LogSortKind::Number;
    case 2:
        return LogSortKind::Date;
    default:
        return LogSortKind::Text;
    }
}

QString RecipeLogTable::dateText(const QDateTime& date) {
    return date.isValid() ? dayText(date.date()) : QString();
}

QString RecipeLogTable::dayText(const QDate& d) {
    return QString::asprintf("%lu/%lu/%lu", static_cast<unsigned long>(d.month()),
                             static_cast<unsigned long>(d.day()),
                             static_cast<unsigned long>(d.year()));
}

void RecipeLogTable::read(CDaoDatabase& db) {
    std::vector<Row> rows;
    std::string pool;
    std::swap(pool, m_pool);
    try {
        Reader reader(db, *this, false);
        while (reader.statement().step())
            rows.push_back(reader.row());
    } catch (...) {
        std::swap(pool, m_pool);
        throw;
    }
    m_rows = std::move(rows);
    m_pool.shrink_to_fit();
    m_rows.shrink_to_fit();
    sort(m_column, m_ascending);
}

std::optional<RecipeLogTable::Row> RecipeLogTable::fetch(CDaoDatabase& db, std::int64_t recipeId) {
    Reader reader(db, *this, true);
    reader.statement().bindInt64(1, recipeId);
    if (!reader.statement().step())
        return std::nullopt;
    return reader.row();
}

int RecipeLogTable::compare(const Row& a, const Row& b) const {
    auto sign = [](std::int64_t d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); };
    switch (kindOf(m_column)) {
    case LogSortKind::Number:
        return sign(numberKey(a.batch) - numberKey(b.batch));
    case LogSortKind::Date:
        return sign(a.day - b.day);
    case LogSortKind::Text:
        break;
    }
    const int t = m_column == 1 ? 0 : m_column - 2;
    const std::string_view x(m_pool.data() + a.offset[t], a.size[t]);
    const std::string_view y(m_pool.data() + b.offset[t], b.size[t]);
    // Byte-wise, as memcmp orders bytes: capitals before small letters.
    const int c = x.compare(y);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool RecipeLogTable::before(const Row& a, const Row& b) const {
    const int c = compare(a, b);
    if (c != 0)
        return m_ascending ? c < 0 : c > 0;
    if (a.batch != b.batch)
        return a.batch < b.batch;
    return a.recipeId < b.recipeId;
}

void RecipeLogTable::sort(int column, bool ascending) {
    m_column = std::clamp(column, 0, kColumns - 1);
    m_ascending = ascending;
    std::sort(m_rows.begin(), m_rows.end(),
              [this](const Row& a, const Row& b) { return before(a, b); });
}

int RecipeLogTable::positionFor(const Row& row) const {
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), row,
                                     [this](const Row& a, const Row& b) { return before(a, b); });
    return static_cast<int>(at - m_rows.begin());
}

bool RecipeLogTable::fitsAt(int index, const Row& row) const {
    return (index == 0 || before(m_rows[static_cast<std::size_t>(index - 1)], row)) &&
           (index + 1 >= rowCount() || before(row, m_rows[static_cast<std::size_t>(index + 1)]));
}

void RecipeLogTable::insert(int position, const Row& row) {
    m_rows.insert(m_rows.begin() + std::clamp(position, 0, rowCount()), row);
}

void RecipeLogTable::erase(int position) {
    if (position >= 0 && position < rowCount())
        m_rows.erase(m_rows.begin() + position);
}

void RecipeLogTable::clear() {
    m_rows = {};
    m_pool = {};
}

QString RecipeLogTable::text(int index, int column) const {
    const Row& r = row(index);
    switch (column) {
    case 0:
        return QString::asprintf("%lu", static_cast<unsigned long>(r.batch));
    case 2:
        return r.dated ? dayText(QDate::fromJulianDay(r.day)) : QString();
    default: {
        const int t = column == 1 ? 0 : column - 2;
        return QString::fromUtf8(m_pool.data() + r.offset[t], static_cast<qsizetype>(r.size[t]));
    }
    }
}

int RecipeLogTable::find(std::int64_t recipeId) const {
    const auto it = std::find_if(m_rows.begin(), m_rows.end(),
                                 [&](const Row& r) { return r.recipeId == recipeId; });
    return it == m_rows.end() ? -1 : static_cast<int>(it - m_rows.begin());
}

int RecipeLogTable::findBatch(std::int64_t batch, int after) const {
    const int n = rowCount();
    for (int i = 0; i < n; ++i) {
        const int at = ((after + 1 + i) % n + n) % n;
        if (m_rows[static_cast<std::size_t>(at)].batch == batch)
            return at;
    }
    return -1;
}

} // namespace wsc
