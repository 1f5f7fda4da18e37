#pragma once

// How each record travels in BeerJSON: for every BeerXML element a recipe file of ours or of
// another program holds, the BeerJSON property (a path of names, "boil/boil_time") and how the
// value converts. The export and the import both read this one table.

#include <span>

namespace wsc::beerjson {

enum class Conv {
    Text,
    Word,        // a word of the element's list (Words below)
    Letter,      // one capital letter
    Integer,     // a whole number
    Number,      // a plain number
    Volume,      // litres
    Mass,        // kilograms
    Amount,      // kilograms or litres, as the record's AMOUNT_IS_WEIGHT says
    Temperature, // degrees Celsius
    Minutes,     // minutes
    Days,        // days
    Percent,     // percent
    Gravity,     // specific gravity
    Color,       // SRM (Lovibond read as the same number, as BeerXML takes them)
    Lovibond,    // a malt's colour: degrees Lovibond
    Use,         // the BeerXML use of an addition and the BeerJSON timing's use
    Potential,   // a gravity of the file read as the percent yield of BeerXML (import only)
    XmlWord,     // a property some programs add, holding BeerXML's own word (import only)
};

// An element may have several properties: the first one present is read, the first one that
// is not import-only is written.
struct Field {
    const char* element;
    const char* property;
    Conv conv;
};

// A word of BeerXML and the BeerJSON word for it. Each way the first pair that matches counts,
// so several words of one format that the other has one word for read as the first of them.
struct Word {
    const char* xml;
    const char* json;
};

struct Record {
    const char* element;     // the BeerXML record
    const char* listElement; // the BeerXML list that holds it, if any
    const char* property;    // the list in the recipe that holds it, or its own property
    std::span<const Field> fields;
    // The words of its Word and Use fields (one list per record: no record has two).
    std::span<const Word> words;
    std::span<const Word> useWords;
    // BeerJSON allows properties of its own to this record (our extension object).
    bool extensible;
};

const Record& RecipeRecord();
const Record& StyleRecord();
const Record& MashRecord();
const Record& MashStepRecord();
// The four lists of a recipe's ingredients, in the order they are written.
std::span<const Record* const> IngredientRecords();

// The property of a record that holds what only this program reads.
inline constexpr char kExtension[] = "wortsmith";

} // namespace wsc::beerjson
