#include "app/reports/QtReportOutput.h"

#include "app/reports/CRPEMDIChildWnd.h"
#include "app/widgets/DialogRunner.h"
#include "core/settings/MessageCatalog.h"
#include "render/ReportPages.h"

#include <QMdiArea>
#include <QTimer>

namespace wsc {

QtReportOutput::QtReportOutput(DialogRunner& runner, Prompter& prompter)
    : m_runner(runner), m_prompter(prompter), m_layout(ReportPages::defaultLayout()) {}

void QtReportOutput::setUpPage(QWidget* parent) {
    printer().setPageLayout(m_layout);
    if (m_runner.setUpPrinter(printer(), parent))
        m_layout = printer().pageLayout();
}

QObject* QtReportOutput::showInWindow(const RenderedReport& report, const WindowOutput& where,
                                      QString* error) {
    auto* area = qobject_cast<QMdiArea*>(where.parent);
    if (!area) {
        if (error)
            *error = QString::fromLatin1(Texts::kNoPreviewWindow);
        return nullptr;
    }
    auto* child = new CRPEMDIChildWnd(report, m_layout, printer(), m_runner, m_prompter);
    child->setWindowTitle(where.title);
    area->addSubWindow(child);
    child->setGeometry(where.left, where.top, where.width, where.height);
    child->show();
    area->setActiveSubWindow(child);
    child->raise();
    // The focus the main window gets back when a dialog before it closes lands here, not in
    // the recipe form, which would come up over the preview.
    child->widget()->setFocus();
    // And once more after the window system has re-activated what it had before.
    QTimer::singleShot(0, child, [area, child] {
        area->setActiveSubWindow(child);
        child->raise();
    });
    return child;
}

bool QtReportOutput::print(const RenderedReport& report, const PrintOptions& options,
                           QString* error) {
    printer().setCopyCount(std::max<int>(1, options.word(PrintOptions::kCopiesOffset)));
    printer().setCollateCopies(options.word(PrintOptions::kCollateOffset) != 0);
    // The user may still say no: that is no failure.
    if (!m_runner.choosePrinter(printer(), nullptr))
        return true;
    // The print dialog may have reset the page: the report prints as it previews.
    printer().setPageLayout(m_layout);
    const ReportPages pages(report, m_layout);
    if (pages.paint(printer()))
        return true;
    if (error)
        *error = QString::fromLatin1(Texts::kReportNotPrinted).arg(printer().printerName());
    return false;
}

} // namespace wsc
