#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace wsc {

class CDaoDatabase;
class CDaoRecordset;
class ProfileStore;
class Prompter;

// The eleven tables of the Data database that the brewer maintains.
enum class ReferenceKind {
    Styles,
    Kits,
    Extracts,
    Grains,
    Hops,
    Yeast,
    Water,
    Adjuncts,
    Glossary,
    Suppliers,
    Brewer
};
inline constexpr int kReferenceKinds = 11;

// How a field is shown and read.
enum class FieldKind {
    Text,     // one line of text
    Memo,     // several lines of text
    Number,   // a number of 0 or more, in its shortest form
    Tenths,   // a number of 0 or more, "%.1f"
    Gravity,  // a specific gravity, "%.3f"
    Whole,    // a whole number of 0 or more
    Radios,   // one of `choices`, stored as its index
    Check,    // a check box, stored as 0 or 1
    DropList, // one of `choices`, stored as its text
};

// One field of a maintenance dialog: the column it edits and how it looks.
struct ReferenceField {
    const char* column;
    const char* label;
    FieldKind kind;
    int maxLength = 0;             // characters a text field takes; 0: no limit of its own
    const char* tip = nullptr;     // the control's tip
    const char* choices = nullptr; // radio buttons or list entries, ";" between
    const char* section = nullptr; // the frame the field stands in, or none
    int rangeSide = 0;             // 1 the low, 2 the high field of a range row
    // A wort's gravity (a style's range, a kit's starting gravity), shown in the brewer's
    // gravity unit; the potentials of extracts, grains and adjuncts stay specific gravities.
    bool wortGravity = false;
};

// A table of the Data database as its maintenance dialog treats it, declared once: title,
// index, fields, required fields, delete confirmation and new-row defaults.
struct ReferenceTable {
    ReferenceKind kind;
    const char* title;
    const char* table;
    const char* index;
    std::vector<ReferenceField> fields;
    std::vector<const char*> required;
    const char* deleteWord;
    // The delete confirmation's %2, from the texts the controls show.
    std::function<QString(const std::function<QString(const char*)>& shown)> deleteKey;
    // What a new row starts with (SetNewRecordDefaults).
    std::vector<std::pair<const char*, QVariant>> defaults;
    // What the controls of a new row show beyond its values (ResetNewRecordControls).
    std::vector<std::pair<const char*, const char*>> newRowTexts;
    const char* focus; // the field a new row and a discard put the focus on
    int dialogId;      // help context 131072 + this

    const ReferenceField* field(const QString& column) const;
    // The table's record set on `database` (or on the Data database the settings name).
    std::unique_ptr<CDaoRecordset> makeRecordset(CDaoDatabase* database,
                                                 const ProfileStore* profile = nullptr,
                                                 Prompter* prompter = nullptr) const;
};

const ReferenceTable& ReferenceTableOf(ReferenceKind kind);

} // namespace wsc
