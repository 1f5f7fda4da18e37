#include "core/calc/IngredientSheets.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"

#include <algorithm>
#include <cstdlib>

#include <locale.h>
#include <stdlib.h>

namespace wsc {

const char* SheetQueryName(int sheet) {
    static const char* const names[SheetCount] = {
        "RecipeIngredients_Kits",     "RecipeIngredients_Extracts", "RecipeIngredients_Grains",
        "RecipeIngredients_Adjuncts", "RecipeIngredients_Hops",     "RecipeIngredients_Yeasts"};
    return names[sheet];
}

namespace {

// The first characters of a cell as C text, without allocating: a number never needs more.
struct CellChars {
    explicit CellChars(const QString& text) {
        const qsizetype n = std::min<qsizetype>(text.size(), sizeof buf - 1);
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = text.at(i).unicode();
            buf[i] = c < 0x80 ? static_cast<char>(c) : '?';
        }
        buf[n] = '\0';
    }
    char buf[64];
};

} // namespace

double ReadDouble(const QString& text) {
    // Cells hold numbers with a decimal point whatever the user's locale: "1.036" must never
    // read as 1 under a decimal-comma locale.
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", nullptr);
    return ::strtod_l(CellChars(text).buf, nullptr, c);
}

long ReadWhole(const QString& text) {
    return std::strtol(CellChars(text).buf, nullptr, 10);
}

MemorySheets::MemorySheets() : m_rows(SheetCount) {}

int MemorySheets::rowCount(int sheet) const {
    return static_cast<int>(m_rows.at(static_cast<std::size_t>(sheet)).size()) + 2;
}

QString MemorySheets::cellText(int sheet, int row, int col) const {
    const auto& rows = m_rows.at(static_cast<std::size_t>(sheet));
    if (row < 1 || row > static_cast<int>(rows.size()))
        return {};
    const auto& cells = rows[static_cast<std::size_t>(row - 1)].cells;
    return col >= 0 && col < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(col)]
                                                            : QString();
}

void MemorySheets::setCellText(int sheet, int row, int col, const QString& text) {
    auto& rows = m_rows.at(static_cast<std::size_t>(sheet));
    if (row < 1 || row > static_cast<int>(rows.size()) || col < 0)
        return;
    auto& cells = rows[static_cast<std::size_t>(row - 1)].cells;
    if (col >= static_cast<int>(cells.size()))
        cells.resize(static_cast<std::size_t>(col) + 1);
    cells[static_cast<std::size_t>(col)] = text;
}

int MemorySheets::addRow(int sheet, const std::vector<QString>& cells) {
    auto& rows = m_rows.at(static_cast<std::size_t>(sheet));
    rows.push_back(Row{cells, 0});
    return static_cast<int>(rows.size());
}

long long MemorySheets::rowId(int sheet, int row) const {
    const auto& rows = m_rows.at(static_cast<std::size_t>(sheet));
    return row >= 1 && row <= static_cast<int>(rows.size())
               ? rows[static_cast<std::size_t>(row - 1)].id
               : 0;
}

QString SheetCellText(const QVariant& v) {
    // The texts of "%d" and "%.15g", without parsing a format for every cell.
    if (v.typeId() == QMetaType::LongLong)
        return QString::number(static_cast<int>(v.toLongLong()));
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

MemorySheets MemorySheets::load(CDaoDatabase& recipes, long recipeId) {
    return Loader(recipes).load(recipeId);
}

MemorySheets::Loader::Loader(CDaoDatabase& recipes) {
    for (int s = 0; s < SheetCount; ++s) {
        SqliteStatement st = recipes.connection().prepare(
            QStringLiteral("SELECT * FROM %1 WHERE IngRecipeID = ? ORDER BY IngRowID")
                .arg(SqliteConnection::quoteIdentifier(QString::fromLatin1(SheetQueryName(s)))));
        int id = -1;
        for (int c = 0; c < st.columnCount() && id < 0; ++c) {
            if (st.columnName(c) == QLatin1String("IngRowID"))
                id = c;
        }
        m_idColumns.push_back(id);
        m_queries.push_back(std::move(st));
    }
}

MemorySheets::Loader::~Loader() = default;

MemorySheets MemorySheets::Loader::load(long recipeId) {
    MemorySheets sheets;
    for (int s = 0; s < SheetCount; ++s) {
        SqliteStatement& st = m_queries[static_cast<std::size_t>(s)];
        const int idColumn = m_idColumns[static_cast<std::size_t>(s)];
        st.reset();
        st.bindInt64(1, recipeId);
        while (st.step()) {
            Row row;
            const int n = st.columnCount();
            row.cells.reserve(static_cast<std::size_t>(n));
            for (int c = 0; c < n; ++c) {
                if (c == idColumn) {
                    row.id = st.int64(c);
                    continue;
                }
                row.cells.push_back(SheetCellText(st.value(c)));
            }
            sheets.m_rows[static_cast<std::size_t>(s)].push_back(std::move(row));
        }
    }
    return sheets;
}

} // namespace wsc
