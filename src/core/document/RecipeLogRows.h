#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace wsc {

class CRecordSetRecipeLog;

// The rows of the recipe log: six texts per recipe and the recipe's identifier, with the
// log's sort orders (numbers, dates with an empty date as 01/01/0001, byte-wise texts).
struct RecipeLogRow {
    long recipeId = 0;
    QStringList cells;
};

enum class LogSortKind { Number, Date, Text };

class RecipeLogRows {
public:
    static constexpr int kColumns = 6;

    static LogSortKind kindOf(int column);
    // Negative, 0 or positive, as a sort comparison.
    static int compare(LogSortKind kind, const QString& a, const QString& b);
    static void sort(std::vector<RecipeLogRow>& rows, int column, bool ascending);

    // "M/D/YYYY" without leading zeros; empty for no date.
    static QString dateText(const QDateTime& date);
    // Every row of an open log record set, from the first.
    static std::vector<RecipeLogRow> read(CRecordSetRecipeLog& log);
};

} // namespace wsc
