#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace wsc {

class CDaoDatabase;

struct ListedRecipe {
    std::int64_t batch = 0;
    QString name;
    QString style;
    // "COLUMN problem" for each stored value its column cannot keep, as a record read reports.
    QStringList problems;
};

// Every recipe in batch-number order with what a listing shows. A row's values are converted
// only when the kind SQLite holds says one of them may not fit its column.
void ListRecipes(CDaoDatabase& db, const std::function<void(const ListedRecipe&)>& each);

} // namespace wsc
