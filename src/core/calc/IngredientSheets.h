#pragma once

#include "core/db/SqliteConnection.h"

#include <QString>
#include <QVariant>

#include <vector>

namespace wsc {

class CDaoDatabase;

// Sheet numbers of the ingredients grid.
enum Sheet {
    SheetKits = 0,
    SheetExtracts = 1,
    SheetGrains = 2,
    SheetAdjuncts = 3,
    SheetHops = 4,
    SheetYeasts = 5,
    SheetCount = 6
};

// The ingredient rows as the grid shows them: row 0 is the heading, the last row the blank
// append row, ingredient rows are 1 to rowCount − 2. The calculations read and write cells
// only through this, so the grid, the command line and the tests feed the same code.
class IngredientSheets {
public:
    virtual ~IngredientSheets() = default;
    virtual int rowCount(int sheet) const = 0;
    virtual QString cellText(int sheet, int row, int col) const = 0;
    virtual void setCellText(int sheet, int row, int col, const QString& text) = 0;
    virtual void redrawCell(int /*sheet*/, int /*row*/, int /*col*/) {}
    virtual void redrawRow(int /*sheet*/, int /*row*/) {}

    int ingredientCount(int sheet) const { return rowCount(sheet) - 2; }
};

// Sheets held in memory: the command-line calculation and the tests.
class MemorySheets : public IngredientSheets {
public:
    MemorySheets();
    int rowCount(int sheet) const override;
    QString cellText(int sheet, int row, int col) const override;
    void setCellText(int sheet, int row, int col, const QString& text) override;

    // Appends an ingredient row before the append row; returns its row number.
    int addRow(int sheet, const std::vector<QString>& cells);
    // The identifier of the stored ingredient row behind grid row `row` (0 when none).
    long long rowId(int sheet, int row) const;

    // Reads one recipe's rows through the six RecipeIngredients queries, with cells as the
    // grid shows them: text as stored, whole numbers "%d", other numbers "%.15g".
    static MemorySheets load(CDaoDatabase& recipes, long recipeId);

    // The same for recipe after recipe, with the six queries prepared once.
    class Loader {
    public:
        explicit Loader(CDaoDatabase& recipes);
        ~Loader();
        Loader(const Loader&) = delete;
        Loader& operator=(const Loader&) = delete;
        MemorySheets load(long recipeId);

    private:
        std::vector<SqliteStatement> m_queries;
        // Where each query holds the row's id; -1 where it has none.
        std::vector<int> m_idColumns;
    };

private:
    struct Row {
        std::vector<QString> cells;
        long long id = 0;
    };
    std::vector<std::vector<Row>> m_rows; // ingredient rows only, per sheet
};

// The grid's query of each sheet.
const char* SheetQueryName(int sheet);
// A stored value as a sheet cell shows it: whole numbers "%d", other numbers in their shortest
// form ("%.15g"), texts as they are.
QString SheetCellText(const QVariant& value);

// Cell conversions of the calculations: the leading number of the text, else 0.
double ReadDouble(const QString& text);
long ReadWhole(const QString& text);

} // namespace wsc
