#include "core/reports/PrintEngine.h"

#include "core/calc/UtilizationTable.h"
#include "core/reports/PrintJob.h"
#include "core/reports/ReportRenderer.h"

#include <algorithm>
#include <new>

namespace wsc {

PrintEngine::PrintEngine() = default;

PrintEngine::~PrintEngine() {
    close();
}

bool PrintEngine::open() {
    m_state = State::Open;
    m_errorCode = 0;
    m_errorText.clear();
    return true;
}

void PrintEngine::close() {
    // Each job closes its subreports first.
    while (!m_jobs.empty())
        m_jobs.back()->close();
    m_current = nullptr;
    if (m_state == State::Open)
        m_state = State::Closed;
}

int PrintEngine::nextJobNumber() {
    // Job numbers are 16-bit and never 0.
    m_lastNumber = m_lastNumber % 0xFFFF + 1;
    return m_lastNumber;
}

PrintJob* PrintEngine::openJob(const QString& path) {
    m_errorCode = 0;
    m_errorText.clear();
    m_current = nullptr; // until the file opens
    if (m_state != State::Open) {
        m_errorCode = ReportCode::kNoJob;
        m_errorText = QStringLiteral("The print engine is not open.");
        return nullptr;
    }
    try {
        ReportFile file = ReportFile::load(path);
        m_jobs.push_back(std::make_unique<PrintJob>(*this, nextJobNumber(), path, std::move(file)));
    } catch (const ReportSyntaxError& e) {
        m_errorCode = e.line() > 0 ? ReportCode::kFileSyntax : ReportCode::kFileUnreadable;
        m_errorText = e.line() > 0
                          ? QStringLiteral("Line %1 of %2: %3").arg(e.line()).arg(path, e.message())
                          : e.message();
        return nullptr;
    } catch (const std::bad_alloc&) {
        m_errorCode = ReportCode::kNoMemory;
        m_errorText = QStringLiteral("Not enough memory to open the report.");
        return nullptr;
    }
    m_current = m_jobs.back().get();
    return m_current;
}

void PrintEngine::forget(PrintJob* job) {
    if (m_current == job)
        m_current = nullptr;
    auto it = std::find_if(m_jobs.begin(), m_jobs.end(),
                           [job](const std::unique_ptr<PrintJob>& j) { return j.get() == job; });
    if (it != m_jobs.end())
        m_jobs.erase(it);
}

const UtilizationTable* PrintEngine::utilization() const {
    if (m_utilization)
        return m_utilization;
    static const UtilizationTable shipped = UtilizationTable::shipped();
    return &shipped;
}

QDate PrintEngine::printDate() const {
    return m_printDate.isValid() ? m_printDate : QDate::currentDate();
}

} // namespace wsc
