#pragma once

#include "core/reports/ReportCommands.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace wsc {

// "Select Report": the reports of the catalogue in a drop-down list (the first chosen) and
// whether to preview (the default) or print it.
class SelectReportDlg : public QDialog {
    Q_OBJECT
public:
    explicit SelectReportDlg(QWidget* parent = nullptr);

    const ReportEntry& chosen() const;
    ReportCommands::Action action() const;
    QComboBox* reportList() const { return m_list; }
    QRadioButton* printButton() const { return m_print; }

private:
    QComboBox* m_list;
    QRadioButton* m_preview;
    QRadioButton* m_print;
};

} // namespace wsc
