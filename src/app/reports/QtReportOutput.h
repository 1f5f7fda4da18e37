#pragma once

#include "reports/ReportRecords.h"

#include <QPrinter>

#include <memory>

namespace wsc {

class DialogRunner;
class Prompter;

// The engine's output in the window build: a report shown in a preview window inside the
// main window, or printed through the system's print dialog.
class QtReportOutput : public ReportOutput {
public:
    QtReportOutput(DialogRunner& runner, Prompter& prompter)
        : m_runner(runner), m_prompter(prompter) {}

    QObject* showInWindow(const RenderedReport& report, const WindowOutput& where,
                          QString* error) override;
    bool print(const RenderedReport& report, const PrintOptions& options, QString* error) override;
    // The printer and its settings, kept for the whole session (Print Setup changes them).
    // Made when first needed: it loads the system's print service, which the start does not.
    QPrinter& printer() {
        if (!m_printer)
            m_printer = std::make_unique<QPrinter>();
        return *m_printer;
    }

private:
    DialogRunner& m_runner;
    Prompter& m_prompter;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace wsc
