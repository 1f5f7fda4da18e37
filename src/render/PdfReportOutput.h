#pragma once

#include "core/reports/ReportRecords.h"

#include <QString>

namespace wsc {

// The engine's printer for scripts: a printed report becomes a PDF file (and, when asked, its
// HTML too). It shows no windows.
class PdfReportOutput : public ReportOutput {
public:
    explicit PdfReportOutput(QString pdfPath, QString htmlPath = {})
        : m_pdf(std::move(pdfPath)), m_html(std::move(htmlPath)) {}

    QObject* showInWindow(const RenderedReport& report, const WindowOutput& where,
                          QString* error) override;
    bool print(const RenderedReport& report, const PrintOptions& options, QString* error) override;
    int pages() const { return m_pages; }

private:
    QString m_pdf;
    QString m_html;
    int m_pages = 0;
};

} // namespace wsc
