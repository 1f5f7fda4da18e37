#pragma once

#include "core/models/TextRowsModel.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace wsc {

class CDaoDatabase;

// The six ingredient lookups: which reference table each lists, how, and what choosing a row
// gives the caller.
enum class LookupKind { Hops, Grains, Extracts, Kits, Yeast, Adjuncts };
enum class AdjunctMode { All, FermentableOnly, PrimingOnly };

struct LookupSpec {
    LookupKind kind;
    const char* header;      // column titles, comma separated
    std::vector<int> sorts;  // one sort kind per column
    std::vector<int> widths; // in units of 0.3 inch
    const char* index;
    const char* tableWord; // in "No %1.  Use Data-%1 command to add."
    int helpContext;
};
const LookupSpec& SpecOf(LookupKind kind);
// The adjunct lookup's column title by mode.
QString AdjunctHeader(AdjunctMode mode);

// The row's id is its ID; the two fixed priming entries have -1 and -2.
using LookupRow = TextRow;

struct LookupResult {
    QString manufacturer;
    QString name; // hop, grain, extract, yeast strain or adjunct name
    QString style;
    QString unitsText; // "lbs" or "kg"
    QString formText;  // "Syrup" or "Dry"
    double alpha = 0;
    double specificGravity = 0;
    double color = 0;
    double hbu = 0;
    double weight = 0;
    double attenuation = 0;
    bool hopped = false;
    bool fermentable = false;
    int yeastType = 0; // 0 Lager, 1 Ale
    int yeastForm = 0; // 0 Liquid, 1 Dry
};

class Lookups {
public:
    static constexpr long kForcedCarbonation = -1;
    static constexpr long kDryMaltExtract = -2;

    // The rows in index order (after the two fixed entries in priming mode). Throws
    // CDaoException.
    static std::vector<LookupRow> rows(CDaoDatabase& data, LookupKind kind,
                                       AdjunctMode mode = AdjunctMode::All);
    // The chosen row, found by its ID; empty when it is no longer there.
    static std::optional<LookupResult> result(CDaoDatabase& data, LookupKind kind, long id);
    // The lines of the "Info" box.
    static std::optional<QString> info(CDaoDatabase& data, LookupKind kind, long id);
};

} // namespace wsc
