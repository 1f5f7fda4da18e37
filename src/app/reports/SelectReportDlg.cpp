#include "app/reports/SelectReportDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/models/TextRowsModel.h"
#include "core/settings/WindowTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace wsc {

SelectReportDlg::SelectReportDlg(QWidget* parent) : QDialog(parent) {
    SetHelpContext(this, HelpContext::kSelectReport);
    setWindowTitle(QString::fromLatin1(Labels::kSelectReportTitle));
    // The catalogue's reports, each row knowing its place in the catalogue.
    auto* reports = new TextRowsModel(this);
    reports->setHeaders({QString::fromLatin1(Labels::kReportColumn)});
    std::vector<TextRow> rows;
    for (const ReportEntry& e : ReportCatalog())
        rows.push_back({static_cast<long>(rows.size()), {QString::fromLatin1(e.display)}, {}});
    reports->setRows(std::move(rows));
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("reportList"));
    m_list->setModel(reports);
    m_list->setCurrentIndex(0);
    auto* label = new QLabel(QString::fromLatin1(Labels::kReportLabel), this);
    label->setBuddy(m_list);

    auto* action = new QGroupBox(QString::fromLatin1(Labels::kReportAction), this);
    m_preview = new QRadioButton(QString::fromLatin1(Labels::kPreviewChoice), action);
    m_print = new QRadioButton(QString::fromLatin1(Labels::kPrintChoice), action);
    m_print->setObjectName(QStringLiteral("print"));
    m_preview->setChecked(true);
    auto* al = new QVBoxLayout(action);
    al->addWidget(m_preview);
    al->addWidget(m_print);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(action);
    layout->addWidget(buttons);
}

const ReportEntry& SelectReportDlg::chosen() const {
    const long place = m_list->currentData(TextRowsModel::kIdRole).toLongLong();
    return ReportCatalog().at(static_cast<std::size_t>(std::max(0L, place)));
}

ReportCommands::Action SelectReportDlg::action() const {
    return m_print->isChecked() ? ReportCommands::Action::Print : ReportCommands::Action::Preview;
}

} // namespace wsc
