#include "reports/ReportMenu.h"

#include "reports/SelectReportDlg.h"
#include "shell/DialogRunner.h"

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
    return m_noReportSelected ? QStringLiteral("Pre&view Selected Report")
                              : QStringLiteral("Pre&view: ") + m_titledAfter;
}

QString ReportMenu::printText() const {
    return m_noReportSelected ? QStringLiteral("Prin&t Selected Report")
                              : QStringLiteral("Prin&t: ") + m_titledAfter;
}

void ReportMenu::selectReport(ReportContext& context, const UtilizationTable* table,
                              QWidget* parent) {
    if (!m_commands.ensureEngineOpen())
        return;
    SelectReportDlg dlg(parent);
    if (m_runner.exec(dlg) != QDialog::Accepted)
        return;
    m_selection = ReportSelection::of(dlg.chosen());
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool opened = m_commands.openReport(m_selection);
        QApplication::restoreOverrideCursor();
        if (!opened)
            return;
    }
    m_noReportSelected = false;
    m_titledAfter = m_selection.display;
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
    m_runner.setUpPrinter(m_output.printer(), parent);
}

} // namespace wsc
