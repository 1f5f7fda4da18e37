#include "core/document/BoundQuerySheet.h"

#include "core/calc/IngredientSheets.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"

#include <cmath>

namespace wsc {
namespace {

constexpr const char* kRowId = "IngRowID";

QString q(const QString& name) {
    return SqliteConnection::quoteIdentifier(name);
}

} // namespace

void BoundQuerySheet::bind(CDaoDatabase* database, const QString& query, const QString& table,
                           long recipeId) {
    m_db = database;
    m_query = query;
    m_table = table;
    m_recipeId = recipeId;
    m_fields.clear();
    m_numeric.clear();
    m_rows.clear();
}

void BoundQuerySheet::read() {
    m_rows.clear();
    if (!m_db)
        return;
    SqliteConnection& c = m_db->connection();
    if (m_fields.isEmpty()) {
        SqliteStatement info =
            c.prepare(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"));
        info.bindText(1, m_table);
        QStringList numeric;
        while (info.step()) {
            const QString type = info.text(1).toUpper();
            if (type.contains(QStringLiteral("INT")) || type.contains(QStringLiteral("REAL")))
                numeric << info.text(0);
        }
        SqliteStatement shape =
            c.prepare(QStringLiteral("SELECT * FROM %1 WHERE 0").arg(q(m_query)));
        for (int i = 0; i < shape.columnCount(); ++i) {
            const QString name = shape.columnName(i);
            if (name == QLatin1String(kRowId))
                continue;
            m_fields << name;
            m_numeric.push_back(numeric.contains(name));
        }
    }
    SqliteStatement st =
        c.prepare(QStringLiteral("SELECT %1, %2 FROM %3 WHERE IngRecipeID = ? ORDER BY %2")
                      .arg(
                          [this] {
                              QStringList cols;
                              for (const QString& f : m_fields)
                                  cols << q(f);
                              return cols.join(u',');
                          }(),
                          q(QString::fromLatin1(kRowId)), q(m_query)));
    st.bindInt64(1, m_recipeId);
    while (st.step()) {
        Row row;
        for (int i = 0; i < m_fields.size(); ++i)
            row.cells.push_back(SheetCellText(st.value(i)));
        row.id = st.int64(static_cast<int>(m_fields.size()));
        m_rows.push_back(std::move(row));
    }
}

QString BoundQuerySheet::text(int row, int col) const {
    if (row < 0 || row >= rowCount() || col < 0)
        return {};
    const auto& cells = m_rows[static_cast<std::size_t>(row)].cells;
    return col < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(col)] : QString();
}

long long BoundQuerySheet::rowId(int row) const {
    return row >= 0 && row < rowCount() ? m_rows[static_cast<std::size_t>(row)].id : 0;
}

QVariant BoundQuerySheet::toStored(int col, const QString& text) const {
    if (!m_numeric[static_cast<std::size_t>(col)])
        return text;
    // An emptied cell stays empty; a text that is no number is never stored as 0.
    if (text.trimmed().isEmpty())
        return {};
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw CDaoException(kConversionError,
                            QStringLiteral("Data type conversion error. \"%1\" is no number, and "
                                           "%2 holds numbers; nothing was written.")
                                .arg(text, m_fields.at(col)));
    if (v == static_cast<double>(static_cast<long long>(v)) && !text.contains(u'.'))
        return QVariant::fromValue<qlonglong>(static_cast<long long>(v));
    return v;
}

void BoundQuerySheet::setText(int row, int col, const QString& text) {
    if (!m_db || row < 0 || row >= rowCount() || col < 0 || col >= m_fields.size())
        return;
    m_db->checkFileForWriting();
    SqliteStatement st = m_db->connection().prepare(
        QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?")
            .arg(q(m_table), q(m_fields.at(col)), q(QString::fromLatin1(kRowId))));
    const QVariant stored = toStored(col, text);
    st.bind(1, stored);
    st.bindInt64(2, rowId(row));
    st.exec();
    // The sheet keeps the text as written ("0.0" stays "0.0" until the next read).
    m_rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(col)] = text;
}

int BoundQuerySheet::startRecord(const std::vector<QString>& texts) {
    if (!m_db)
        return -1;
    m_db->checkFileForWriting();
    // A number column left empty takes the table's default.
    QStringList cols, marks;
    QVariantList values;
    Row row;
    for (int i = 0; i < m_fields.size(); ++i) {
        const QString t =
            i < static_cast<int>(texts.size()) ? texts[static_cast<std::size_t>(i)] : QString();
        row.cells.push_back(t);
        if (m_numeric[static_cast<std::size_t>(i)] && t.trimmed().isEmpty())
            continue;
        cols << q(m_fields.at(i));
        marks << QStringLiteral("?");
        values << toStored(i, t);
    }
    SqliteStatement st = m_db->connection().prepare(
        cols.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(q(m_table))
                       : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(q(m_table), cols.join(u','), marks.join(u',')));
    for (int i = 0; i < values.size(); ++i)
        st.bind(i + 1, values.at(i));
    st.exec();
    row.id = m_db->connection().lastInsertRowId();
    m_rows.push_back(std::move(row));
    return rowCount() - 1;
}

void BoundQuerySheet::deleteRow(int row) {
    if (!m_db || row < 0 || row >= rowCount())
        return;
    m_db->checkFileForWriting();
    SqliteStatement st =
        m_db->connection().prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                                       .arg(q(m_table), q(QString::fromLatin1(kRowId))));
    st.bindInt64(1, rowId(row));
    st.exec();
    m_rows.erase(m_rows.begin() + row);
}

} // namespace wsc
