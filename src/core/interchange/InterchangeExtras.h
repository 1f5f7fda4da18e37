#pragma once

#include <QString>

#include <map>
#include <memory>

namespace wsc {

class SqliteConnection;
class SqliteStatement;

// What a recipe file of another program holds that the recipe database has no column for (a
// hop's form and use, a misc's type, a mash step's name), kept per row so that an export
// writes it back. The table is made by the first import that needs it; a file without it is a
// file no import has written to, and earlier versions of the program never look at it.
class InterchangeExtras {
public:
    explicit InterchangeExtras(SqliteConnection& c);
    ~InterchangeExtras();
    InterchangeExtras(const InterchangeExtras&) = delete;
    InterchangeExtras& operator=(const InterchangeExtras&) = delete;

    static constexpr const char* kTable = "Interchange_Extras";

    // Makes the table when the file has none (inside the caller's transaction).
    void prepareForWriting();
    void put(const QString& table, qlonglong row, const QString& element, const QString& value);
    // The elements kept for a row of `table` (the recipe's id for Recipes, else IngRowID).
    std::map<QString, QString> of(const QString& table, qlonglong row);

private:
    SqliteConnection& m_c;
    bool m_present = false;
    std::unique_ptr<SqliteStatement> m_put;
    std::unique_ptr<SqliteStatement> m_of;
};

} // namespace wsc
