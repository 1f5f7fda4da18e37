#include "core/reports/PrintJob.h"

#include "core/reports/PrintEngine.h"
#include "core/reports/ReportRenderer.h"

#include <algorithm>

namespace wsc {
namespace {

constexpr int kFirstSectionCode = 4000;
constexpr int kSectionStep = 25;

} // namespace

PrintJob::PrintJob(PrintEngine& engine, int number, const QString& path, ReportFile file)
    : m_engine(engine), m_number(number), m_path(path),
      m_file(std::make_unique<ReportFile>(std::move(file))) {
    // The engine fills the options with what the report file asks for: one copy, collated.
    m_options.setWord(PrintOptions::kCopiesOffset, 1);
    m_options.setWord(PrintOptions::kCollateOffset, 1);
}

PrintJob::PrintJob(PrintJob& parent, int number, const QString& subreport)
    : m_engine(parent.m_engine), m_parent(&parent), m_number(number), m_path(parent.m_path),
      m_subreport(subreport) {}

PrintJob::~PrintJob() = default;

const ReportFile& PrintJob::file() const {
    const PrintJob* j = this;
    while (j->m_parent)
        j = j->m_parent;
    return *j->m_file;
}

PrintJob& PrintJob::root() {
    PrintJob* j = this;
    while (j->m_parent)
        j = j->m_parent;
    return *j;
}

bool PrintJob::fail(int code, const QString& text) {
    m_errorCode = code;
    m_errorText = text;
    return false;
}

bool PrintJob::setWindowOutput(const WindowOutput& where) {
    if (!m_engine.output())
        return fail(ReportCode::kNoOutput, QStringLiteral("This program cannot show reports."));
    m_windowOutput = where;
    m_copies = 0;
    return true;
}

bool PrintJob::setPrinterOutput(int copies) {
    if (!m_engine.output())
        return fail(ReportCode::kNoOutput, QStringLiteral("This program cannot print reports."));
    m_windowOutput.reset();
    m_copies = std::max(1, copies);
    return true;
}

void PrintJob::setSelectionFormula(const QString& formula) {
    m_formulaText = formula;
    m_formulaError.clear();
    m_formula = SelectionFormula::parse(formula, &m_formulaError);
}

bool PrintJob::tableLocation(int table, TableLocation& out) {
    if (table != 0)
        return fail(ReportCode::kDatabase, QStringLiteral("A report reads table 0 only."));
    out.location = m_parent ? root().m_subreportLocations[m_subreport] : m_location;
    return true;
}

bool PrintJob::setTableLocation(int table, const TableLocation& location) {
    if (table != 0)
        return fail(ReportCode::kDatabase, QStringLiteral("A report reads table 0 only."));
    if (location.location.size() > TableLocation::kLocationChars)
        return fail(ReportCode::kPathTooLong,
                    QStringLiteral("The data base path is longer than %1 characters.")
                        .arg(TableLocation::kLocationChars));
    if (m_parent)
        root().m_subreportLocations[m_subreport] = location.location;
    else
        m_location = location.location;
    return true;
}

bool PrintJob::printOptions(PrintOptions& out) const {
    out = m_options;
    return true;
}

bool PrintJob::setPrintOptions(const PrintOptions& options) {
    m_options = options;
    return true;
}

long PrintJob::findSubreport(int sectionCode, int index) const {
    const int offset = sectionCode - kFirstSectionCode;
    if (index != 0 || offset <= 0 || offset % kSectionStep != 0)
        return 0;
    const int section = offset / kSectionStep;
    return file().subreportInSection(section) ? section : 0;
}

bool PrintJob::subreportInfo(long handle, SubreportInfo& out) const {
    const ReportSubreport* s = file().subreportInSection(static_cast<int>(handle));
    if (!s)
        return false;
    out.name = s->name;
    return true;
}

PrintJob* PrintJob::openSubreport(const QString& name) {
    const ReportSubreport* s = file().subreportNamed(name);
    if (!s) {
        fail(ReportCode::kNoSuchSubreport,
             QStringLiteral("The report has no subreport named \"%1\".").arg(name));
        return nullptr;
    }
    m_owned.push_back(std::make_unique<PrintJob>(*this, m_engine.nextJobNumber(), s->name));
    m_children.push_back(m_owned.back().get());
    return m_children.back();
}

void PrintJob::forget(PrintJob* child) {
    m_children.erase(std::remove(m_children.begin(), m_children.end(), child), m_children.end());
    auto it =
        std::find_if(m_owned.begin(), m_owned.end(),
                     [child](const std::unique_ptr<PrintJob>& j) { return j.get() == child; });
    if (it != m_owned.end())
        m_owned.erase(it);
}

void PrintJob::close() {
    while (!m_children.empty())
        m_children.back()->close();
    // The parent or the engine owns this object: it is gone after this line.
    if (m_parent)
        m_parent->forget(this);
    else
        m_engine.forget(this);
}

bool PrintJob::start() {
    m_errorCode = 0;
    m_errorText.clear();
    if (m_parent)
        return fail(ReportCode::kNoJob, QStringLiteral("A subreport is printed with its report."));
    if (!m_windowOutput && m_copies == 0)
        return fail(ReportCode::kNoOutput, QStringLiteral("No output was chosen for the report."));
    if (!m_formulaText.isEmpty() && !m_formula)
        return fail(ReportCode::kFormula, m_formulaError);
    ReportInputs in;
    in.file = m_file.get();
    in.database = m_location;
    in.subreportDatabases = m_subreportLocations;
    in.selection = m_formula;
    in.utilization = m_engine.utilization();
    in.printDate = m_engine.printDate();
    in.notes = m_notes;
    in.units = m_engine.units();
    RenderedReport report;
    try {
        report = RenderReport(in);
    } catch (const ReportError& e) {
        return fail(e.code(), e.text());
    }
    ReportOutput* output = m_engine.output();
    QString error;
    if (m_windowOutput) {
        m_window = output->showInWindow(report, *m_windowOutput, &error);
        if (!m_window)
            return fail(ReportCode::kOutput, error);
        return true;
    }
    PrintOptions options = m_options;
    options.setWord(PrintOptions::kCopiesOffset, static_cast<std::uint16_t>(m_copies));
    if (!output->print(report, options, &error))
        return fail(ReportCode::kOutput, error);
    return true;
}

} // namespace wsc
