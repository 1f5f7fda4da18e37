#include "reference/CLookupDlg.h"

#include "help/HelpContextProperty.h"
#include "help/HelpContexts.h"

#include "db/DatabaseOps.h"
#include "db/IInfoStatusBar.h"
#include "db/dao/CDaoDatabase.h"
#include "db/dao/CDaoException.h"
#include "db/dao/CDaoWorkspace.h"
#include "reference/CAddChgDlg.h"
#include "reference/CSortListCtrl.h"
#include "settings/MessageCatalog.h"
#include "settings/Prompter.h"
#include "shell/DialogRunner.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace wsc {

CLookupDlg::CLookupDlg(LookupKind kind, CoreServices& services, QWidget* parent,
                       DialogRunner* runner)
    : QDialog(parent), m_kind(kind), m_services(services), m_runner(runner) {
    SetHelpContext(this, HelpContext::kLookup);
    setWindowTitle(QStringLiteral("Lookup Ingredient"));
    setObjectName(QStringLiteral("lookup"));
    m_list = new CSortListCtrl(this);
    m_list->setObjectName(QStringLiteral("lookupList"));
    auto* select = new QPushButton(QStringLiteral("&Select"), this);
    select->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    auto* add = new QPushButton(QStringLiteral("&Add"), this);
    auto* info = new QPushButton(QStringLiteral("&Info"), this);
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    connect(select, &QPushButton::clicked, this, &CLookupDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CLookupDlg::reject);
    connect(add, &QPushButton::clicked, this, &CLookupDlg::OnAdd);
    connect(info, &QPushButton::clicked, this, &CLookupDlg::ShowInfo);
    connect(help, &QPushButton::clicked, this, &CLookupDlg::OnHelp);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { accept(); });
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {select, cancel, add, info, help})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(520, 360);
}

CLookupDlg::~CLookupDlg() {
    if (m_workspace || m_data)
        cleanWorkspace(m_workspace, m_data, m_services.prompter, m_services.help);
}

bool CLookupDlg::openData() {
    if (m_data && m_data->IsOpen())
        return true;
    return GetNewWorkspace(m_workspace, m_data, QString::fromLatin1(kWorkspaceDao), m_services) ==
           1;
}

bool CLookupDlg::OnInitDialog() {
    bool filled = false;
    {
        WaitCursor wait(m_services.statusBar);
        const LookupSpec& spec = SpecOf(m_kind);
        m_list->SetColumns(m_kind == LookupKind::Adjuncts ? AdjunctHeader(m_mode)
                                                          : QString::fromLatin1(spec.header));
        m_list->SetSortKinds(spec.sorts);
        m_list->SetHeaderSorting(true);
        // Sorted first and filled after, so the rows come in the index's order, and the
        // priming mode's two fixed entries stay at the top.
        m_list->SortBy(0, Qt::AscendingOrder);
        filled = FillList();
        if (m_list->topLevelItemCount() > 0)
            selectRow(0);
    }
    if (filled)
        m_list->setFocus();
    return filled;
}

bool CLookupDlg::FillList() {
    m_list->clear();
    if (!openData())
        return false;
    const LookupSpec& spec = SpecOf(m_kind);
    std::vector<LookupRow> rows;
    try {
        rows = Lookups::rows(*m_data, m_kind, m_mode);
    } catch (const CDaoException& e) {
        ReportDaoError(e, m_services.prompter, m_services.help);
        return false;
    }
    if (rows.empty() && m_kind != LookupKind::Adjuncts) {
        m_services.prompter.message(82, {QString::fromLatin1(spec.tableWord)},
                                    PromptIcon::Exclamation);
        return false;
    }
    for (const LookupRow& r : rows)
        m_list->addRow(r.texts, r.id);
    const int u = static_cast<int>(logicalDpiX() * 0.3);
    for (std::size_t c = 0; c < spec.widths.size(); ++c)
        m_list->setColumnWidth(static_cast<int>(c), spec.widths[c] * u);
    if (m_list->topLevelItemCount() > 0)
        selectRow(0);
    return true;
}

void CLookupDlg::selectRow(int row) {
    if (QTreeWidgetItem* item = m_list->topLevelItem(row)) {
        m_list->setCurrentItem(item);
        item->setSelected(true);
    }
}

long CLookupDlg::highlightedId() const {
    const QTreeWidgetItem* item = m_list->currentItem();
    return item ? static_cast<long>(item->data(0, Qt::UserRole).toLongLong()) : 0;
}

void CLookupDlg::seekFailed() {
    const QTreeWidgetItem* item = m_list->currentItem();
    QStringList keys{item ? item->text(0) : QString()};
    if (m_kind != LookupKind::Adjuncts && item)
        keys << item->text(1);
    m_services.prompter.text(MessageCatalog::seekFailed(keys), PromptIcon::Information);
}

void CLookupDlg::accept() {
    // Select on an empty list chooses nothing.
    if (!m_list->currentItem()) {
        QDialog::reject();
        return;
    }
    try {
        if (!openData()) {
            QDialog::reject();
            return;
        }
        m_result = Lookups::result(*m_data, m_kind, highlightedId());
    } catch (const CDaoException& e) {
        ReportDaoError(e, m_services.prompter, m_services.help);
        m_result.reset();
    }
    if (!m_result) {
        seekFailed();
        QDialog::reject();
        return;
    }
    QDialog::accept();
}

void CLookupDlg::ShowInfo() {
    if (!m_list->currentItem() || highlightedId() < 0)
        return;
    std::optional<QString> text;
    try {
        if (openData())
            text = Lookups::info(*m_data, m_kind, highlightedId());
    } catch (const CDaoException& e) {
        ReportDaoError(e, m_services.prompter, m_services.help);
        return;
    }
    if (!text) {
        seekFailed();
        QDialog::reject();
        return;
    }
    m_services.prompter.text(*text, PromptIcon::Information);
}

void CLookupDlg::OnAdd() {
    static const std::pair<LookupKind, ReferenceKind> tables[] = {
        {LookupKind::Hops, ReferenceKind::Hops},
        {LookupKind::Grains, ReferenceKind::Grains},
        {LookupKind::Extracts, ReferenceKind::Extracts},
        {LookupKind::Kits, ReferenceKind::Kits},
        {LookupKind::Yeast, ReferenceKind::Yeast},
        {LookupKind::Adjuncts, ReferenceKind::Adjuncts},
    };
    ReferenceKind table = ReferenceKind::Hops;
    for (const auto& [lookup, reference] : tables) {
        if (lookup == m_kind)
            table = reference;
    }
    const long place = highlightedId();
    {
        DialogRunner plain;
        DialogRunner& runner = m_runner ? *m_runner : plain;
        std::unique_ptr<CAddChgDlg> maintenance =
            CAddChgDlg::create(table, m_services, runner, this);
        if (maintenance->OnInitDialog())
            runner.exec(*maintenance);
    }
    // The list shows the table as the maintenance dialog left it, on the row the user was on.
    m_result.reset();
    if (m_data && m_data->IsOpen()) {
        // A connection of its own reads what the other one committed; the old one is dropped.
        cleanWorkspace(m_workspace, m_data, m_services.prompter, m_services.help);
    }
    FillList();
    m_list->SortBy(m_list->currentSortColumn(), m_list->currentSortOrder());
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (m_list->itemData(i) == place) {
            selectRow(i);
            return;
        }
    }
}

void CLookupDlg::OnHelp() {
    if (m_services.help)
        m_services.help->show(SpecOf(m_kind).helpContext);
}

} // namespace wsc
