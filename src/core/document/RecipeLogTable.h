#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wsc {

class CDaoDatabase;

enum class LogSortKind { Number, Date, Text };

// The rows of the recipe log, held compactly (numbers, and the texts as UTF-8 in one pool) so
// that a log of a hundred thousand recipes opens, sorts and follows a commit without a widget
// item or a string object per cell. The rows are kept in the order shown.
class RecipeLogTable {
public:
    static constexpr int kColumns = 6;

    struct Row {
        std::int64_t recipeId = 0;
        std::int64_t batch = 0;
        std::int64_t day = 0; // Julian day of the brew date; 1 January 0001 for none
        bool dated = false;
        std::uint32_t offset[4] = {}; // name, style, category, subcategory in the pool
        std::uint32_t size[4] = {};
    };

    static LogSortKind kindOf(int column);
    // "M/D/YYYY" without leading zeros; empty for no date.
    static QString dateText(const QDateTime& date);
    static QString dayText(const QDate& day);

    // Every recipe of the log query, in the current sort order.
    void read(CDaoDatabase& db);
    // One recipe of the log query as it is stored now; none when it is gone.
    std::optional<Row> fetch(CDaoDatabase& db, std::int64_t recipeId);
    // Where a row belongs in the current order.
    int positionFor(const Row& row) const;
    // Whether a row written over the one at `index` keeps the order there.
    bool fitsAt(int index, const Row& row) const;
    void replace(int index, const Row& row) { m_rows[static_cast<std::size_t>(index)] = row; }
    void insert(int position, const Row& row);
    void erase(int position);
    void clear();

    // Numbers by their value, dates by their day (no date before every date), texts byte by
    // byte (capitals first); equal values stay in batch-number order.
    void sort(int column, bool ascending);
    int sortColumn() const { return m_column; }
    bool ascending() const { return m_ascending; }

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const Row& row(int index) const { return m_rows[static_cast<std::size_t>(index)]; }
    QString text(int index, int column) const;
    int find(std::int64_t recipeId) const;
    // The first row after `after` (wrapping past the end) whose batch number is `batch`.
    int findBatch(std::int64_t batch, int after) const;
    // What the rows take in memory.
    std::size_t bytes() const { return m_rows.capacity() * sizeof(Row) + m_pool.capacity(); }

private:
    class Reader;
    bool before(const Row& a, const Row& b) const;
    int compare(const Row& a, const Row& b) const;

    std::vector<Row> m_rows;
    std::string m_pool;
    int m_column = 0;
    bool m_ascending = true;
};

} // namespace wsc
