#pragma once

#include "core/calc/Units.h"
#include "core/reports/ReportFile.h"
#include "core/reports/SelectionFormula.h"

#include <QDate>
#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

namespace wsc {

class UtilizationTable;

// A report that could not be made: the engine's error code and a text for the user.
class ReportError : public std::runtime_error {
public:
    ReportError(int code, const QString& text);
    int code() const { return m_code; }
    const QString& text() const { return m_text; }

private:
    int m_code;
    QString m_text;
};

// Error codes of the report engine.
namespace ReportCode {
inline constexpr int kNoMemory = 500;
inline constexpr int kFileUnreadable = 501;
inline constexpr int kFileSyntax = 502;
inline constexpr int kDatabase = 503;
inline constexpr int kFormula = 504;
inline constexpr int kOutput = 505;
inline constexpr int kNoOutput = 506;
inline constexpr int kPathTooLong = 507;
inline constexpr int kNoSuchSubreport = 508;
inline constexpr int kNoJob = 509;
} // namespace ReportCode

// A row of a report table; a group row is one text across the whole table. Its cells are held
// as one text, so a list of many rows costs little more than its characters.
class ReportRow {
public:
    ReportRow() = default;
    // A unit separator inside a cell prints as a space: it separates the cells here.
    explicit ReportRow(const QStringList& cells, bool group = false);

    qsizetype size() const { return m_size; }
    QString cell(qsizetype i) const; // empty past the last cell
    QStringList cells() const;
    bool group() const { return m_group; }

private:
    QString m_packed;
    int m_size = 0;
    bool m_group = false;
};

// One block of a report's body, in the order it is printed.
struct ReportBlock {
    enum class Kind { Title, Heading, Paragraph, Note, Fields, Table, PageBreak, Check, Box };
    Kind kind = Kind::Paragraph;
    QString text;                                    // Title, Heading, Paragraph, Note, Check
    int lines = 0;                                   // Box: ruled lines to write on
    bool bold = false;                               // Paragraph
    std::vector<std::pair<QString, QString>> fields; // Fields: label and value
    int pairsPerRow = 2;                             // Fields
    QStringList headers;                             // Table
    std::vector<bool> right;                         // Table: numbers line up on the right
    std::vector<int> widths;                         // Table: per cent of the page's width
    std::vector<ReportRow> rows;                     // Table
};

// A report made: its title, the day it was printed, and its body as blocks. Pages, page numbers
// and the print date at the foot of each page are added where the body is laid out on paper.
struct RenderedReport {
    QString title;
    QDate printDate;
    std::vector<ReportBlock> blocks;
    int rows = 0; // rows of the main table shown
};

// The blocks as HTML, one element per line, so two renderings compare line by line.
QString ReportHtml(const RenderedReport& report);
// The same handed over line by line (without the line ends), as it is made.
void ReportHtml(const RenderedReport& report, const std::function<void(const QString&)>& line);

// What a report is made from: the file, the database of its table 0 and of each subreport,
// the selection formula if any.
struct ReportInputs {
    const ReportFile* file = nullptr;
    QString database;
    std::map<QString, QString> subreportDatabases; // by subreport name; unset ones are left out
    std::optional<SelectionFormula> selection;
    const UtilizationTable* utilization = nullptr; // for the predictions of a recipe report
    QDate printDate;
    QStringList notes; // printed at the end
    // The units the values marked with their quantity ("in volume") print in.
    UnitChoice units;
};

// Reads the rows of a report's tables and lays them out as HTML. Throws ReportError.
RenderedReport RenderReport(const ReportInputs& in);

} // namespace wsc
