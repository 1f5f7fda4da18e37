#include "render/PdfReportOutput.h"

#include "render/ReportPages.h"

#include "core/settings/FileNodes.h"

#include <QSaveFile>

namespace wsc {

QObject* PdfReportOutput::showInWindow(const RenderedReport&, const WindowOutput&, QString* error) {
    if (error)
        *error = QStringLiteral("Reports are written to files here, not shown in a window.");
    return nullptr;
}

bool PdfReportOutput::print(const RenderedReport& report, const PrintOptions&, QString* error) {
    if (!m_html.isEmpty()) {
        // A device or a FIFO would be replaced by the rename that ends the writing.
        QString why = NotAFileReason(m_html);
        QSaveFile f(m_html);
        bool written = why.isEmpty() && f.open(QIODevice::WriteOnly);
        if (written)
            ReportHtml(report, [&](const QString& line) {
                written = written && f.write((line + u'\n').toUtf8()) >= 0;
            });
        if (why.isEmpty() && !written)
            why = f.errorString();
        if (!written || !CommitRegularFile(f, why)) {
            if (error)
                *error = QStringLiteral("%1 cannot be written: %2").arg(m_html, why);
            return false;
        }
    }
    if (m_pdf.isEmpty())
        return true;
    const ReportPages pages(report);
    m_pages = pages.pageCount();
    return pages.writePdf(m_pdf, error);
}

} // namespace wsc
