#include "core/reports/ReportCommands.h"

#include "core/reports/PrintEngine.h"
#include "core/reports/PrintJob.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

#include <QDir>

namespace wsc {
namespace {

constexpr int kSubreportSections = 12;
constexpr int kFirstSectionCode = 4000;
constexpr int kSectionStep = 25;

} // namespace

ReportSelection ReportSelection::of(const ReportEntry& entry) {
    return {QString::fromLatin1(entry.display), QString::fromLatin1(entry.file), entry.database};
}

ReportCommands::ReportCommands(PrintEngine& engine, Prompter& prompter, QString reportDirectory)
    : m_engine(engine), m_prompter(prompter), m_directory(std::move(reportDirectory)) {}

QString ReportCommands::reportPath(const QString& file) const {
    return QDir(m_directory).filePath(file + QStringLiteral(".rpt"));
}

WindowOutput ReportCommands::previewWindow(QObject* parent) {
    return {QStringLiteral("Wortsmith Calculator Reports"), 10, 20, 600, 400, 0, parent};
}

bool ReportCommands::ensureEngineOpen() {
    if (m_engine.state() == PrintEngine::State::Open || m_engine.open())
        return true;
    m_prompter.text(
        QString::fromLatin1(Texts::kEngineDidNotOpen)
            .arg(QString::asprintf("%lu", static_cast<unsigned long>(m_engine.lastErrorCode())),
                 m_engine.lastErrorText()),
        PromptIcon::Stop);
    return false;
}

bool ReportCommands::openReport(const ReportSelection& selection) {
    m_currentFile.clear();
    if (!m_engine.openJob(reportPath(selection.file))) {
        m_prompter.text(QString::fromLatin1(Texts::kErrorOpeningReport) + m_engine.lastErrorText(),
                        PromptIcon::None);
        return false;
    }
    m_currentFile = selection.file;
    return true;
}

void ReportCommands::jobError(PrintJob& job) {
    m_prompter.text(job.errorText() + QString::fromLatin1(Texts::kReportErrorCode) +
                        QString::asprintf("%lu", static_cast<unsigned long>(job.errorCode())),
                    PromptIcon::None);
}

bool ReportCommands::pointAt(PrintJob& job, const QString& database) {
    // A longer path is refused rather than cut: a cut path could name another file.
    if (database.size() > kMaxPath) {
        m_prompter.text(QString::fromLatin1(Texts::kReportPathTooLong).arg(kMaxPath).arg(database),
                        PromptIcon::Exclamation);
        return false;
    }
    TableLocation location;
    if (!job.tableLocation(0, location) || !job.setTableLocation(0, TableLocation{database})) {
        jobError(job);
        return false;
    }
    return true;
}

bool ReportCommands::prepare(PrintJob& job, const ReportSelection& selection,
                             ReportContext& context) {
    const QString database = selection.database == ReportDatabase::Data ? context.dataDatabase()
                                                                        : context.recipeDatabase();
    if (!pointAt(job, database))
        return false;
    job.clearNotes();
    if (selection.file.compare(QLatin1String(kRecipeReport), Qt::CaseInsensitive) == 0) {
        if (context.hasUnsavedChanges() && context.displayWarnings() &&
            m_prompter.text(QString::fromLatin1(Texts::kUnsavedRecipeReport),
                            PromptIcon::Exclamation, PromptButtons::YesNo) != PromptAnswer::Yes)
            return false;
        for (int n = 1; n <= kSubreportSections; ++n) {
            const long handle = job.findSubreport(kFirstSectionCode + kSectionStep * n, 0);
            SubreportInfo info;
            if (handle == 0 || !job.subreportInfo(handle, info)) {
                job.addNote(QString::fromLatin1(Texts::kSectionLeftOut)
                                .arg(n)
                                .arg(QStringLiteral("it holds no subreport.")));
                continue;
            }
            // Never a subreport job that did not open.
            PrintJob* sub = job.openSubreport(info.name);
            if (!sub) {
                job.addNote(
                    QString::fromLatin1(Texts::kSectionLeftOut).arg(n).arg(job.errorText()));
                continue;
            }
            const bool pointed = pointAt(*sub, database);
            sub->close();
            if (!pointed)
                return false;
        }
        job.setSelectionFormula(
            QStringLiteral("{Recipes.RecipeBatchNo} = ") +
            QString::asprintf("%lu", static_cast<unsigned long>(context.currentBatch())));
    }
    PrintOptions options;
    job.printOptions(options);
    options.setWord(PrintOptions::kFirstPageOffset, 0);
    options.setWord(PrintOptions::kCopiesOffset, 1);
    options.setWord(PrintOptions::kCollateOffset, 1);
    job.setPrintOptions(options);
    return true;
}

bool ReportCommands::output(const ReportSelection& selection, Action action, ReportContext& context,
                            const WindowOutput& where) {
    PrintJob* job = m_engine.currentJob();
    if (!job) {
        m_prompter.text(QString::fromLatin1(Texts::kNoReportSelected), PromptIcon::Exclamation);
        return false;
    }
    if (!prepare(*job, selection, context))
        return false;
    const bool ready =
        action == Action::Preview ? job->setWindowOutput(where) : job->setPrinterOutput(1);
    if (!ready || !job->start()) {
        jobError(*job);
        return false;
    }
    return true;
}

bool ReportCommands::repeat(const ReportSelection& selection, Action action, ReportContext& context,
                            const WindowOutput& where) {
    if (selection.isEmpty()) {
        m_prompter.text(QString::fromLatin1(Texts::kNoReportSelected), PromptIcon::Exclamation);
        return false;
    }
    if (!ensureEngineOpen())
        return false;
    // After a failed open no job is current: open the selected file again instead of
    // outputting without one.
    if (!m_engine.currentJob() || m_currentFile.compare(selection.file, Qt::CaseInsensitive) != 0) {
        if (!openReport(selection))
            return false;
    }
    return output(selection, action, context, where);
}

bool ReportCommands::previewCurrentRecipe(ReportContext& context, const WindowOutput& where) {
    if (!ensureEngineOpen())
        return false;
    const ReportEntry& entry = ReportCatalog().front();
    const ReportSelection recipe = ReportSelection::of(entry);
    if (!openReport(recipe))
        return false;
    return output(recipe, Action::Preview, context, where);
}

} // namespace wsc
