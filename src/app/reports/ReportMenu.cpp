#include "app/reports/ReportMenu.h"
#include "core/settings/WindowTexts.h"

#include "app/reports/SelectReportDlg.h"
#include "app/widgets/DialogRunner.h"

#include <QApplication>
#include <QMdiArea>

namespace wsc {

ReportMenu::ReportMenu(Prompter& prompter, DialogRunner& runner, QMdiArea* area,
                       const QString& reportDirectory)
    : m_prompter(prompter), m_runner(runner), m_area(area), m_output(runner, prompter),
      m_commands(m_engine, prompter, reportDirectory) {
    m_engine.setOutput(&m_output);
}

QString ReportMenu::previewText() const {
    return m_noReportSelected ? QString::fromUtf8(Labels::kPreviewSelectedReport)
                              : QString::fromUtf8(Labels::kPreview) + m_selection.display;
}

QString ReportMenu::printText() const {
    return m_noReportSelected ? QString::fromUtf8(Labels::kPrintSelectedReport)
                              : QString::fromUtf8(Labels::kPrint) + m_selection.display;
}

void ReportMenu::selectReport(ReportContext& context, const UtilizationTable* table,
                              QWidget* parent) {
    if (!m_commands.ensureEngineOpen())
        return;
    SelectReportDlg dlg(parent);
    if (m_runner.exec(dlg) != QDialog::Accepted)
        return;
    const ReportSelection chosen = ReportSelection::of(dlg.chosen());
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool opened = m_commands.openReport(chosen);
        QApplication::restoreOverrideCursor();
        // The repeat items go on saying and doing the last report that opened: a choice
        // that fails changes neither their title nor what they open.
        if (!opened)
            return;
    }
    m_selection = chosen;
    m_noReportSelected = false;
    m_engine.setUtilization(table);
    m_commands.output(m_selection, dlg.action(), context, ReportCommands::previewWindow(m_area));
}

void ReportMenu::repeat(ReportCommands::Action action, ReportContext& context,
                        const UtilizationTable* table) {
    m_engine.setUtilization(table);
    m_commands.repeat(m_selection, action, context, ReportCommands::previewWindow(m_area));
}

void ReportMenu::previewCurrentRecipe(ReportContext& context, const UtilizationTable* table) {
    m_engine.setUtilization(table);
    m_commands.previewCurrentRecipe(context, ReportCommands::previewWindow(m_area));
}

void ReportMenu::setUpPrinter(QWidget* parent) {
    m_output.setUpPage(parent);
}

} // namespace wsc
