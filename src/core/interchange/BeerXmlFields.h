#pragma once

#include "core/db/records/Columns.h"

#include <span>

namespace wsc::beerxml {

// How a stored value becomes the value of a BeerXML element, and back.
enum class Conv {
    Text,        // as it stands; an empty text is left out
    Number,      // a number of 0 or more
    Whole,       // a whole number of 0 or more; 0 is left out
    Volume,      // US gallons (litres in a metric recipe) and litres
    Temperature, // degrees Fahrenheit (Celsius in a metric recipe) and Celsius; 0 is unset
    Gravity,     // specific gravity; 1.000 is unset, and only 0.990 to 2.000 is written
    Yield,       // our gravity of a pound in a gallon and the format's percent of sugar's yield
    Date,        // our ISO date and time, and the forms recipe files use
};

// A BeerXML element of a record with the column it comes from and goes to.
struct Field {
    const char* element;
    const char* column;
    Conv conv;
};

// A table of the recipe database as it travels: every column it has (each goes in our own
// element, named "WORTSMITH_" and the column, so that a file of ours brings back what was
// stored, exactly), and the BeerXML elements that carry columns of it for other programs.
struct TableMap {
    const char* table;
    const char* element;    // the BeerXML record ("HOP", "FERMENTABLE", ...)
    const char* dataTable;  // the Data table its rows are matched with by name
    const char* dataId;     // ... and that table's identifier column
    const char* dataName;   // ... and name column
    const char* idColumn;   // our column holding the link to the Data row
    const char* nameColumn; // the column with the ingredient's name
    const char* kind;       // what the summary calls one of its rows
    std::span<const char* const> columns;
    std::span<const Field> fields;
};

const TableMap& Recipes();
// The recipe's target style: columns of Recipes, in the STYLE element.
std::span<const Field> StyleFields();
const TableMap& Kits();
const TableMap& Extracts();
const TableMap& Grains();
const TableMap& Adjuncts();
const TableMap& Hops();
const TableMap& Yeasts();
// The six ingredient tables, in the order of the grid's sheets.
std::span<const TableMap* const> IngredientTables();

// The columns that identify a row rather than describe it: never written, never read.
bool IsIdentity(const QString& column);
// Our own element for a column: "WORTSMITH_" and the column's name.
QString ExtensionFor(const char* column);

} // namespace wsc::beerxml
