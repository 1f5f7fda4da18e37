#pragma once

#include "core/reports/ReportCatalog.h"
#include "core/reports/ReportRecords.h"

#include <QString>

#include <cstdint>

namespace wsc {

class PrintEngine;
class PrintJob;
class Prompter;

// The report chosen last: what the menus call it, its file and the database it reads.
struct ReportSelection {
    QString display;
    QString file;
    ReportDatabase database = ReportDatabase::Recipes;

    bool isEmpty() const { return file.isEmpty(); }
    static ReportSelection of(const ReportEntry& entry);
};

// What the reports need of the program around them.
class ReportContext {
public:
    virtual ~ReportContext() = default;
    virtual QString recipeDatabase() const = 0;
    virtual QString dataDatabase() const = 0;
    virtual std::int64_t currentBatch() const = 0;
    virtual bool hasUnsavedChanges() const = 0;
    virtual bool displayWarnings() const = 0;
};

// The program's side of the reports: opening a report file as the engine's current job,
// pointing it (and the current recipe report's subreports) at the right database, restricting
// the recipe report to the current recipe, and showing or printing it. Every failure is shown
// through the prompter and leaves nothing output.
class ReportCommands {
public:
    enum class Action { Preview, Print };
    // The most characters of a database path a report takes.
    static constexpr int kMaxPath = 250;

    ReportCommands(PrintEngine& engine, Prompter& prompter, QString reportDirectory);

    const QString& reportDirectory() const { return m_directory; }
    void setReportDirectory(const QString& directory) { m_directory = directory; }
    QString reportPath(const QString& file) const;

    // Opens the engine if it is not open; false after the support program error.
    bool ensureEngineOpen();
    // Opens the selection's report file as the current job; false after "Error opening
    // report."
    bool openReport(const ReportSelection& selection);
    // Prepares the current job and outputs it; false when nothing was output.
    bool output(const ReportSelection& selection, Action action, ReportContext& context,
                const WindowOutput& where);
    // Preview or Print Selected Report: the current job again if it is the selection's,
    // else the selection's file opened anew (or a message that no report is selected).
    bool repeat(const ReportSelection& selection, Action action, ReportContext& context,
                const WindowOutput& where);
    // The recipe page's Print button: the current recipe report, previewed.
    bool previewCurrentRecipe(ReportContext& context, const WindowOutput& where);

    // The preview window's place and title.
    static WindowOutput previewWindow(QObject* parent);

private:
    bool prepare(PrintJob& job, const ReportSelection& selection, ReportContext& context);
    bool pointAt(PrintJob& job, const QString& database);
    void jobError(PrintJob& job);

    PrintEngine& m_engine;
    Prompter& m_prompter;
    QString m_directory;
    QString m_currentFile; // the file of the engine's current job, as this class opened it
};

} // namespace wsc
