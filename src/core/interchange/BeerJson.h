#pragma once

#include "core/interchange/BeerXml.h"

namespace wsc {

// BeerJSON 1.0, the successor of BeerXML: every measured value an object of a unit and a
// value. A recipe travels through the same reading and writing as in BeerXML, translated
// record by record by one table of BeerXML elements and BeerJSON properties
// (BeerJsonFields.cpp), so both formats carry the same fields the same way.
class BeerJson {
public:
    // Files larger than this are refused unread, and no export writes one. A file is read as
    // a stream, one recipe at a time.
    static constexpr qint64 kMaxBytes = BeerXml::kMaxBytes;
    // Deeper nesting than this is no recipe file.
    static constexpr int kMaxDepth = 64;
    // What an import holds at once: one recipe (or one value beside the recipes) of at most
    // this many bytes of the file, as a parsed tree; no export writes a larger recipe.
    static constexpr qint64 kMaxRecordBytes = qint64(32) * 1024 * 1024;

    // Whether the bytes a file starts with are JSON rather than XML (after blanks, a byte-order
    // mark and `//` comment lines).
    static bool looksLikeJson(const QByteArray& head);

    // The recipes of `batches` (every recipe when empty) as a BeerJSON document, written to
    // `out` recipe by recipe. As BeerXml::exportRecipes.
    static bool exportRecipes(CDaoDatabase& recipes, const std::vector<long>& batches,
                              const UtilizationTable& table, QIODevice& out, QString& error,
                              const BeerXml::ExportProgress& progress = {},
                              qint64 maxBytes = kMaxBytes);
    static QByteArray exportRecipes(CDaoDatabase& recipes, const std::vector<long>& batches,
                                    const UtilizationTable& table, QString& error);

    // Adds every recipe of a BeerJSON file, as BeerXml::importRecipes: one transaction, the
    // same matching and summary. `error` names the line and column of a fault of the JSON.
    static std::optional<ImportSummary> importRecipes(CDaoDatabase& recipes, CDaoDatabase* data,
                                                      QIODevice& in, const UtilizationTable& table,
                                                      QString& error,
                                                      const BeerXml::ImportProgress& progress = {});
    static std::optional<ImportSummary> importRecipes(CDaoDatabase& recipes, CDaoDatabase* data,
                                                      const QByteArray& bytes,
                                                      const UtilizationTable& table,
                                                      QString& error);
};

// The recipes of a BeerXML or BeerJSON file, the format told by its content.
std::optional<ImportSummary> ImportRecipeFile(CDaoDatabase& recipes, CDaoDatabase* data,
                                              QIODevice& in, const UtilizationTable& table,
                                              QString& error,
                                              const BeerXml::ImportProgress& progress = {});

} // namespace wsc
