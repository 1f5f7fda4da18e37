#pragma once

// Reference data in and out of the Data database: style guides, hop, malt and yeast catalogues
// as BeerXML or BeerJSON lists. An import is read whole, shown record by record against what
// the Data database holds (new, the same, different field by field, or what cannot be kept),
// and applied only as the brewer chooses, in one transaction.

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

class QIODevice;

namespace wsc {

class CDaoDatabase;

struct ReferenceItem {
    enum class State { New, Same, Differs, Refused };

    const char* table = nullptr; // the Data table: "Styles", "Hops", "Grains", ...
    QString kind;                // what the brewer calls it: "style", "hop", "grain", ...
    QString name;
    // The Data columns the file gives, with their values.
    std::vector<std::pair<const char*, QVariant>> values;
    // Columns a new record gets that the file does not give.
    std::vector<std::pair<const char*, QVariant>> defaults;
    // What the file says of it that the table has no column for.
    QStringList notKept;

    // Set by the preview.
    State state = State::New;
    qlonglong existingId = 0;
    // "Alpha: 5.5 → 6" for each column that differs from the record of the same name.
    QStringList differences;
    QString refusal;
};

struct ReferenceFile {
    std::vector<ReferenceItem> items;
    // Records of kinds the Data database has no table for ("2 equipment records").
    QStringList notImported;
};

enum class ReferenceChoice { Skip, Add, Replace };

struct ReferenceResult {
    int added = 0;
    int replaced = 0;
    int skipped = 0;
};

class ReferenceData {
public:
    // Reference files are read whole: they hold lists, not recipes, and the largest style
    // guides are a few megabytes.
    static constexpr qint64 kMaxBytes = qint64(64) * 1024 * 1024;

    // The records of a BeerXML or BeerJSON file (told by its content) that the Data database
    // has tables for; nothing and `error` on a fault of the file.
    static std::optional<ReferenceFile> read(QIODevice& in, QString& error);
    // Each item compared with the record of the same name (any case) in its table.
    static void preview(CDaoDatabase& data, ReferenceFile& file);
    // What the brewer chose for each item, in one transaction: nothing changes on any fault.
    // A choice that does not fit the item (Replace for a new one, anything for a refused one)
    // is a skip.
    static std::optional<ReferenceResult> apply(CDaoDatabase& data, const ReferenceFile& file,
                                                const std::vector<ReferenceChoice>& choices,
                                                QString& error);
    // The tables named (of "Styles", "Hops", "Grains", "Extracts", "Adjuncts", "Yeast") as a
    // BeerJSON or BeerXML document.
    static bool write(CDaoDatabase& data, const QStringList& tables, bool json, QIODevice& out,
                      QString& error);
    static QStringList exportableTables();
    // The summary of a preview, a line per item.
    static QString describe(const ReferenceFile& file);
};

} // namespace wsc
