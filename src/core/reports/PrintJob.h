#pragma once

#include "core/reports/ReportFile.h"
#include "core/reports/ReportRecords.h"
#include "core/reports/SelectionFormula.h"

#include <QPointer>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace wsc {

class PrintEngine;

// One report file opened by the engine, or a subreport opened within one. A subreport job
// changes its parent's subreport: its table location is the parent's, for that subreport.
class PrintJob {
public:
    PrintJob(PrintEngine& engine, int number, const QString& path, ReportFile file);
    PrintJob(PrintJob& parent, int number, const QString& subreport);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    int number() const { return m_number; }
    const QString& path() const { return m_path; }
    PrintJob* parent() const { return m_parent; }
    const std::vector<PrintJob*>& subreportJobs() const { return m_children; }
    const ReportFile& file() const;

    bool setWindowOutput(const WindowOutput& where);
    bool setPrinterOutput(int copies);
    bool start();
    QObject* outputWindow() const { return m_window; }

    // Takes effect at the next start; a formula of any other form makes that start fail.
    void setSelectionFormula(const QString& formula);
    bool tableLocation(int table, TableLocation& out);
    bool setTableLocation(int table, const TableLocation& location);
    bool printOptions(PrintOptions& out) const;
    bool setPrintOptions(const PrintOptions& options);

    // The subreport in section `sectionCode` (4000 + 25 × n for section n): a nonzero handle,
    // or 0 when the section holds none.
    long findSubreport(int sectionCode, int index) const;
    bool subreportInfo(long handle, SubreportInfo& out) const;
    // Null (with the error set) when the report has no subreport of that name.
    PrintJob* openSubreport(const QString& name);
    // Closes the job's subreport jobs, then the job; the engine or parent forgets it.
    void close();

    // A line printed at the end of the report, until the notes are cleared.
    void addNote(const QString& note) { m_notes << note; }
    void clearNotes() { m_notes.clear(); }

    int errorCode() const { return m_errorCode; }
    const QString& errorText() const { return m_errorText; }

private:
    bool fail(int code, const QString& text);
    void forget(PrintJob* child);
    PrintJob& root();

    PrintEngine& m_engine;
    PrintJob* m_parent = nullptr;
    int m_number;
    QString m_path;
    std::unique_ptr<ReportFile> m_file; // the root's
    QString m_subreport;                // a subreport job's name in its parent
    std::vector<PrintJob*> m_children;
    std::vector<std::unique_ptr<PrintJob>> m_owned;

    QString m_location;
    std::map<QString, QString> m_subreportLocations;
    QStringList m_notes;
    QString m_formulaText;
    std::optional<SelectionFormula> m_formula;
    QString m_formulaError;
    PrintOptions m_options;
    std::optional<WindowOutput> m_windowOutput;
    int m_copies = 0;
    QPointer<QObject> m_window;
    int m_errorCode = 0;
    QString m_errorText;
};

} // namespace wsc
