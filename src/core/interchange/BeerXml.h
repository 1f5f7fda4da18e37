#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class QIODevice;

namespace wsc {

class CDaoDatabase;
class UtilizationTable;
struct XmlElement;

// What an import did, for the summary the window and the command-line tool show.
struct ImportSummary {
    struct Added {
        long batch;
        QString name;
    };
    std::vector<Added> added;
    int matched = 0;
    // Ingredients found nowhere in the Data database, kept in the recipe as typed.
    QStringList keptAsTyped;
    // What the file holds that a recipe has no place for.
    QStringList skipped;
    // What was read otherwise than the file says: another scale, a date, a shortened name.
    QStringList readDifferently;
    // Elements of the file the import did not keep, by kind, with how many of each.
    std::map<QString, int> notKept;

    // Every list in full, or at most `listLimit` lines of each with how many more there are.
    QString text(int listLimit = -1) const;
    bool exceeds(int listLimit) const;
};

// BeerXML 1.0, the interchange format of brewing programs: kilograms, litres and degrees
// Celsius, converted to and from the recipe's own units.
class BeerXml {
public:
    // Files larger than this are refused unread, and no export writes one. A file is read as
    // a stream, so the limit is one of time, not of memory.
    static constexpr qint64 kMaxBytes = qint64(4) * 1024 * 1024 * 1024;
    // The error of an import its progress cancelled.
    static constexpr const char* kCancelled = "the import was cancelled";

    // The recipes of `batches` (every recipe when empty) as a BeerXML document, with the
    // calculated predictions as display fields. An empty document and `error` set when a batch
    // is missing.
    static QByteArray exportRecipes(CDaoDatabase& recipes, const std::vector<long>& batches,
                                    const UtilizationTable& table, QString& error);
    // The same, written to `out` recipe by recipe as each is read, so that the memory it takes
    // does not grow with the number of recipes. `progress` hears of each recipe written and
    // cancels by returning false. False with `error` set on any fault, and when the file would
    // grow past `maxBytes`, what an import reads: it stops there, and the caller keeps what it
    // wrote from the destination.
    using ExportProgress = std::function<bool(qint64 done, qint64 total)>;
    static bool exportRecipes(CDaoDatabase& recipes, const std::vector<long>& batches,
                              const UtilizationTable& table, QIODevice& out, QString& error,
                              const ExportProgress& progress = {}, qint64 maxBytes = kMaxBytes);

    // The same recipes as the trees a reading of that file would build, each handed to `take`
    // as it is made and let go (false from `take` stops the export, with `error` as it set it),
    // for a translation into another format that neither writes nor reads the BeerXML text.
    static bool exportRecipeTrees(CDaoDatabase& recipes, const std::vector<long>& batches,
                                  const UtilizationTable& table,
                                  const std::function<bool(const XmlElement&)>& take,
                                  QString& error, const ExportProgress& progress = {});

    // Adds every recipe of `bytes` to `recipes` with the next batch numbers, all in one
    // transaction: on any fault nothing is added, and `error` says what and where. Ingredients
    // are matched by name (any case) against `data` when it is given.
    static std::optional<ImportSummary> importRecipes(CDaoDatabase& recipes, CDaoDatabase* data,
                                                      const QByteArray& bytes,
                                                      const UtilizationTable& table,
                                                      QString& error);
    // The same from a file, read as a stream: what the import holds at once is one recipe,
    // however large the file. `progress` hears how far the two readings of the file have come
    // (in bytes, of twice the file's size), also within a recipe of many rows, and cancels
    // (nothing is added, and `error` is kCancelled) by returning false.
    using ImportProgress = std::function<bool(qint64 done, qint64 total)>;
    static std::optional<ImportSummary> importRecipes(CDaoDatabase& recipes, CDaoDatabase* data,
                                                      QIODevice& in, const UtilizationTable& table,
                                                      QString& error,
                                                      const ImportProgress& progress = {});
};

} // namespace wsc
