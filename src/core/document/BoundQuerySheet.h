#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace wsc {

class CDaoDatabase;

// The rows of one recipe's ingredients as a saved query returns them ("RecipeID Needed"), and
// the writes a grid sheet makes through it. Each row keeps its own identifier (IngRowID), so an
// edit or a delete reaches exactly that row. All on the caller's connection, inside its
// transaction. Database errors are thrown as CDaoException.
class BoundQuerySheet {
public:
    void bind(CDaoDatabase* database, const QString& query, const QString& table, long recipeId);
    bool isBound() const { return m_db != nullptr; }
    long recipeId() const { return m_recipeId; }
    const QString& query() const { return m_query; }

    // Re-reads the rows.
    void read();
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int columnCount() const { return static_cast<int>(m_fields.size()); }
    const QStringList& fields() const { return m_fields; }
    // Row 0 is the first data row here.
    QString text(int row, int col) const;
    long long rowId(int row) const;

    static constexpr long kConversionError = 3421;

    // Writes one cell: numbers into numeric columns, an empty text as empty. A text that is
    // no number is refused for a numeric column (CDaoException 3421) and nothing is written.
    void setText(int row, int col, const QString& text);
    // Inserts a record with these column texts; returns its row.
    int startRecord(const std::vector<QString>& texts);
    void deleteRow(int row);

private:
    QVariant toStored(int col, const QString& text) const;

    struct Row {
        std::vector<QString> cells;
        long long id = 0;
    };
    CDaoDatabase* m_db = nullptr;
    QString m_query;
    QString m_table;
    long m_recipeId = 0;
    QStringList m_fields;
    std::vector<bool> m_numeric;
    std::vector<Row> m_rows;
};

} // namespace wsc
