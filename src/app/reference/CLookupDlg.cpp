#include "app/reference/CLookupDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include "app/reference/CAddChgDlg.h"
#include "app/reference/CSortListCtrl.h"
#include "app/widgets/DialogRunner.h"
#include "app/widgets/ScreenFit.h"
#include "core/db/DatabaseOps.h"
#include "core/db/IInfoStatusBar.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/dao/CDaoWorkspace.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wsc {

CLookupDlg::CLookupDlg(LookupKind kind, CoreServices& services, QWidget* parent,
                       DialogRunner* runner)
    : QDialog(parent), m_kind(kind), m_services(services), m_runner(runner) {
    SetHelpContext(this, HelpContext::kLookup);
    setWindowTitle(QString::fromLatin1(Labels::kLookupTitle));
    setObjectName(QStringLiteral("lookup"));
    m_list = new CSortListCtrl(this);
    m_list->setObjectName(QStringLiteral("lookupList"));
    // Narrows the list as the brewer types: the text anywhere in a row, in any case.
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("lookupFilter"));
    m_filter->setPlaceholderText(QString::fromLatin1(Labels::kLookupFindHint));
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(this);
    auto* filterLabel = new QLabel(QString::fromLatin1(Labels::kLookupFind), this);
    filterLabel->setBuddy(m_filter);
    connect(m_filter, &QLineEdit::textChanged, m_list, &CSortListCtrl::setFilter);
    auto* select = new QPushButton(QString::fromLatin1(Labels::kLookupSelect), this);
    select->setDefault(true);
    auto* cancel = new QPushButton(QString::fromLatin1(Labels::kCancel), this);
    auto* add = new QPushButton(QString::fromLatin1(Labels::kAdd), this);
    auto* info = new QPushButton(QString::fromLatin1(Labels::kLookupInfo), this);
    auto* help = new QPushButton(QString::fromLatin1(Labels::kHelp), this);
    connect(select, &QPushButton::clicked, this, &CLookupDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CLookupDlg::reject);
    connect(add, &QPushButton::clicked, this, &CLookupDlg::OnAdd);
    connect(info, &QPushButton::clicked, this, &CLookupDlg::ShowInfo);
    connect(help, &QPushButton::clicked, this, &CLookupDlg::OnHelp);
    connect(m_list, &CSortListCtrl::rowActivated, this, [this] { accept(); });
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {select, cancel, add, info, help})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* find = new QHBoxLayout;
    find->addWidget(filterLabel);
    find->addWidget(m_filter, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(find);
    left->addWidget(m_list, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    setSizeGripEnabled(true);
    resize(520, 360);
}

bool CLookupDlg::eventFilter(QObject* watched, QEvent* event) {
    // From the find box the arrow keys move in the list, and Enter selects.
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Down:
        case Qt::Key_Up:
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
            QCoreApplication::sendEvent(m_list, key);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
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
        if (m_list->rowCount() > 0)
            selectRow(0);
        FitOnScreen(*this, parentWidget());
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
        m_services.prompter.message(Msg::kNoReferenceRows, {QString::fromLatin1(spec.tableWord)},
                                    PromptIcon::Exclamation);
        return false;
    }
    for (const LookupRow& r : rows)
        m_list->addRow(r.texts, r.id);
    // The widths of the lookup's own columns at the least, wider where an entry needs it, and
    // the dialog as wide as its columns (within the screen).
    const int u = static_cast<int>(logicalDpiX() * 0.3);
    std::vector<int> widths;
    for (int w : spec.widths)
        widths.push_back(w * u);
    m_list->fitColumns(widths);
    int total = 0;
    for (int c = 0; c < m_list->columnCount(); ++c)
        total += m_list->columnWidth(c);
    const int wanted = total + width() - m_list->viewport()->width() + 4;
    if (wanted > width())
        resize(wanted, height());
    m_list->setFilter(m_filter->text());
    if (m_list->rowCount() > 0 && m_filter->text().isEmpty())
        selectRow(0);
    return true;
}

void CLookupDlg::selectRow(int row) {
    if (row >= 0 && row < m_list->rowCount())
        m_list->setCurrentRow(row);
}

long CLookupDlg::highlightedId() const {
    const int row = m_list->currentRow();
    return row >= 0 ? m_list->itemData(row) : 0;
}

void CLookupDlg::seekFailed() {
    const int row = m_list->currentRow();
    QStringList keys{m_list->text(row, 0)};
    if (m_kind != LookupKind::Adjuncts && row >= 0)
        keys << m_list->text(row, 1);
    m_services.prompter.text(MessageCatalog::seekFailed(keys), PromptIcon::Information);
}

void CLookupDlg::accept() {
    // Select on an empty list chooses nothing.
    if (m_list->currentRow() < 0) {
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
    if (m_list->currentRow() < 0)
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
    for (int i = 0; i < m_list->rowCount(); ++i) {
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
