#pragma once

#include "core/calc/Units.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

namespace wsc {

// A report file that cannot be used: the line (1-based, 0 when none) and what is wrong there.
class ReportSyntaxError : public std::runtime_error {
public:
    ReportSyntaxError(int line, const QString& message);
    int line() const { return m_line; }
    const QString& message() const { return m_message; }

private:
    int m_line;
    QString m_message;
};

// One value a report shows: a literal text, or a column with its format ("%.1f", "%d",
// "date", "yesno", "srm" (malt colour units shown as SRM), or the name of a "choices" list of the
// file), optionally followed by a units column, by " - " and a second column (a range), or by more
// columns of the same kind; a value that means "unset" prints blank.
struct ReportValue {
    QString literal;
    QString column; // empty for a literal
    QString format;
    QString unitsColumn;
    QString toColumn;
    QStringList andColumns;  // more values of the same kind, joined by ", " when not empty
    QStringList plusColumns; // numbers added to the value (a total)
    QString unitsChoices;    // the choices list the units column's value is shown through
    // The value that means "never measured" (a new recipe's 1.000 gravity, 0 temperature):
    // printed as a blank to write on.
    std::optional<double> unset;
    // "in volume" (weight, temperature, gravity, color): a quantity printed in the units the
    // report is made in; in the working measure it prints as the format says.
    std::optional<Quantity> quantity;
};

struct ReportColumn {
    QString header;
    ReportValue value;
    bool right = false; // numbers line up on the right
};

// Where a report's rows come from: table 0 of the database the job is pointed at, in the
// order of some columns; a subreport's rows belong to the main row through a link.
struct ReportSource {
    QString table;
    QStringList order;
    QString linkChild;        // column of the subreport's table ...
    QString linkParent;       // ... equal to this column of the main row
    bool predictions = false; // the recipe's predictions beside its target style's ranges
};

struct ReportSubreport {
    int section = 0; // 1 to 12: the section it sits in
    QString name;
    ReportSource source;
    std::vector<ReportColumn> columns;
    QString emptyText; // shown when it has no rows
};

// A block of a record report (a report with one page part per row of its table).
struct ReportItem {
    enum class Kind { Heading, Fields, Memo, Grid, Subreport, Checklist, Notes };
    Kind kind = Kind::Heading;
    QString caption;
    std::vector<ReportValue> parts;                      // Heading: joined
    std::vector<std::pair<QString, ReportValue>> fields; // Fields: label and value
    int pairsPerRow = 2;                                 // Fields
    ReportValue memo;                                    // Memo
    QStringList headers;                                 // Grid
    std::vector<std::vector<ReportValue>> rows;          // Grid
    bool skipEmptyRows = false;                          // Grid: rows with only 0 or blanks
    int subreport = -1;                                  // index into ReportFile::subreports
    QStringList checks;                                  // Checklist: a box to tick before each
    int noteLines = 0;                                   // Notes: ruled lines to write on
};

// A report file in the program's own text format: a list report (one table row per row of the
// source, optionally grouped) or a record report (items per row of the source, with
// subreports in numbered sections).
class ReportFile {
public:
    // The largest report file read: our twelve are a few kilobytes each.
    static constexpr qint64 kMaxBytes = 1024 * 1024;

    QString title;
    ReportSource source;
    QString groupColumn;               // list reports: a heading row whenever it changes
    std::vector<ReportColumn> columns; // list reports
    std::vector<ReportItem> items;     // record reports
    std::vector<ReportSubreport> subreports;
    std::map<QString, std::map<QString, QString>> choices; // list name → stored value → text

    bool isRecordReport() const { return !items.empty(); }
    const ReportSubreport* subreportInSection(int section) const;
    const ReportSubreport* subreportNamed(const QString& name) const;

    // Throws ReportSyntaxError naming the line.
    static ReportFile parse(const QString& text);
    // Reads and parses a file; a file that cannot be read throws ReportSyntaxError at line 0.
    static ReportFile load(const QString& path);
};

} // namespace wsc
