#pragma once

#include "core/calc/Units.h"

#include <QDate>
#include <QString>

#include <memory>
#include <vector>

namespace wsc {

class PrintJob;
class ReportOutput;
class UtilizationTable;

// The report engine: opens report files as print jobs (the newest is the current one), keeps
// every job open until it is closed, and hands finished reports to its output. One per
// program, opened on first need.
class PrintEngine {
public:
    enum class State { NoEngine, Closed, Open };

    PrintEngine();
    ~PrintEngine();
    PrintEngine(const PrintEngine&) = delete;
    PrintEngine& operator=(const PrintEngine&) = delete;

    // Opening an open engine does nothing and succeeds.
    bool open();
    // Closes every open job, then the engine.
    void close();
    State state() const { return m_state; }

    // The report file as a new job that becomes the current one; null with the error set.
    PrintJob* openJob(const QString& path);
    PrintJob* currentJob() const { return m_current; }
    std::size_t jobCount() const { return m_jobs.size(); }

    int lastErrorCode() const { return m_errorCode; }
    const QString& lastErrorText() const { return m_errorText; }

    void setOutput(ReportOutput* output) { m_output = output; }
    ReportOutput* output() const { return m_output; }
    // The table the predictions of a recipe report are made with.
    void setUtilization(const UtilizationTable* table) { m_utilization = table; }
    const UtilizationTable* utilization() const;
    // The day printed at the foot of the pages; today unless set.
    void setPrintDate(const QDate& date) { m_printDate = date; }
    QDate printDate() const;
    // The units the reports' quantities print in; US measure unless set.
    void setUnits(const UnitChoice& units) { m_units = units; }
    const UnitChoice& units() const { return m_units; }

    // A job that closed itself.
    void forget(PrintJob* job);
    int nextJobNumber();

private:
    State m_state = State::Closed;
    std::vector<std::unique_ptr<PrintJob>> m_jobs;
    PrintJob* m_current = nullptr;
    int m_lastNumber = 0;
    int m_errorCode = 0;
    QString m_errorText;
    ReportOutput* m_output = nullptr;
    const UtilizationTable* m_utilization = nullptr;
    QDate m_printDate;
    UnitChoice m_units;
};

} // namespace wsc
