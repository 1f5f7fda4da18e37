#include "reports/QtReportOutput.h"

#include "ReportPages.h"
#include "reports/CRPEMDIChildWnd.h"
#include "shell/DialogRunner.h"

#include <QMdiArea>

namespace wsc {

QObject* QtReportOutput::showInWindow(const RenderedReport& report, const WindowOutput& where,
                                      QString* error) {
    auto* area = qobject_cast<QMdiArea*>(where.parent);
    if (!area) {
        if (error)
            *error = QStringLiteral("There is no window to show the report in.");
        return nullptr;
    }
    auto* child = new CRPEMDIChildWnd(report, printer(), m_runner, m_prompter);
    child->setWindowTitle(where.title);
    area->addSubWindow(child);
    child->setGeometry(where.left, where.top, where.width, where.height);
    child->show();
    area->setActiveSubWindow(child);
    return child;
}

bool QtReportOutput::print(const RenderedReport& report, const PrintOptions& options,
                           QString* error) {
    printer().setCopyCount(std::max<int>(1, options.word(PrintOptions::kCopiesOffset)));
    printer().setCollateCopies(options.word(PrintOptions::kCollateOffset) != 0);
    // The user may still say no: that is no failure.
    if (!m_runner.choosePrinter(printer(), nullptr))
        return true;
    const ReportPages pages(report, printer().pageLayout());
    if (pages.paint(printer()))
        return true;
    if (error)
        *error =
            QStringLiteral("The report could not be printed on %1.").arg(printer().printerName());
    return false;
}

} // namespace wsc
