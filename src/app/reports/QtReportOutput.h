#pragma once

#include "core/reports/ReportRecords.h"

#include <QPageLayout>
#include <QPrinter>

#include <memory>

namespace wsc {

class DialogRunner;
class Prompter;

// The engine's output in the window build: a report shown in a preview window inside the
// main window, or printed through the system's print dialog.
class QtReportOutput : public ReportOutput {
public:
    QtReportOutput(DialogRunner& runner, Prompter& prompter);

    QObject* showInWindow(const RenderedReport& report, const WindowOutput& where,
                          QString* error) override;
    bool print(const RenderedReport& report, const PrintOptions& options, QString* error) override;
    // The printer and its settings, kept for the whole session (Print Setup changes them).
    // Made when first needed: it loads the system's print service, which the start does not.
    QPrinter& printer() {
        if (!m_printer) {
            m_printer = std::make_unique<QPrinter>();
            m_printer->setPageLayout(m_layout);
        }
        return *m_printer;
    }
    // File > Print Setup: what it chooses is the page of every report from then on.
    void setUpPage(QWidget* parent);

private:
    DialogRunner& m_runner;
    Prompter& m_prompter;
    // The one page set-up of previews, PDF files and prints: the locale's paper until Print
    // Setup chooses.
    QPageLayout m_layout;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace wsc
