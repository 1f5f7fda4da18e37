#pragma once

#include "app/reports/QtReportOutput.h"
#include "core/reports/PrintEngine.h"
#include "core/reports/ReportCommands.h"

class QMdiArea;
class QWidget;

namespace wsc {

class DialogRunner;
class Prompter;
class UtilizationTable;

// The Reports menu of the main window: Select a Report, and Preview and Print Selected
// Report, which repeat the last choice and are titled after it. Holds the program's print
// engine (closed when the program ends) and the printer settings.
class ReportMenu {
public:
    ReportMenu(Prompter& prompter, DialogRunner& runner, QMdiArea* area,
               const QString& reportDirectory);

    void selectReport(ReportContext& context, const UtilizationTable* table, QWidget* parent);
    void repeat(ReportCommands::Action action, ReportContext& context,
                const UtilizationTable* table);
    // The recipe page's Print button; the menu's choice and titles stay as they are.
    void previewCurrentRecipe(ReportContext& context, const UtilizationTable* table);
    void setUpPrinter(QWidget* parent);

    // No report has been chosen yet: the repeat items are grey and keep their plain titles.
    bool noReportSelected() const { return m_noReportSelected; }
    QString previewText() const;
    QString printText() const;
    const ReportSelection& selection() const { return m_selection; }

    PrintEngine& engine() { return m_engine; }
    QtReportOutput& output() { return m_output; }
    ReportCommands& commands() { return m_commands; }

private:
    Prompter& m_prompter;
    DialogRunner& m_runner;
    QMdiArea* m_area;
    PrintEngine m_engine;
    QtReportOutput m_output;
    ReportCommands m_commands;
    ReportSelection m_selection; // the last report that opened
    bool m_noReportSelected = true;
};

} // namespace wsc
