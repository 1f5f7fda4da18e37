#include "app/calc/CTargetStyleDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include "app/calc/CTargetStyleGrid2.h"
#include "app/widgets/CColorLabel.h"
#include "app/widgets/IconFactory.h"
#include "core/calc/RecipeCalculator.h"
#include "core/calc/UnitPreference.h"
#include "core/db/DatabaseOps.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/dao/CDaoWorkspace.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace wsc {
namespace {

// Every node with the label picture beside it.
class StyleTreeWithIcons : public StyleTreeModel {
public:
    using StyleTreeModel::StyleTreeModel;
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DecorationRole && index.isValid())
            return IconFactory::icon(Glyph::Label);
        return StyleTreeModel::data(index, role);
    }
};

} // namespace

CTargetStyleDlg::CTargetStyleDlg(CoreServices& services, const QString& layoutDirectory,
                                 Inputs inputs, QWidget* parent)
    : QDialog(parent), m_services(services), m_in(std::move(inputs)) {
    SetHelpContext(this, HelpContext::kTargetStyle);
    setWindowTitle(QString::fromLatin1(Labels::kTargetStyleTitle));
    setObjectName(QStringLiteral("targetStyleDialog"));
    m_styleTree = new StyleTreeWithIcons(this);
    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("styleTree"));
    m_tree->setModel(m_styleTree);
    m_tree->setHeaderHidden(true);
    m_showAll = new QPushButton(QString::fromLatin1(Labels::kShowAllStyles), this);
    auto* ok = new QPushButton(QString::fromLatin1(Labels::kOk), this);
    ok->setDefault(true);
    auto* help = new QPushButton(QString::fromLatin1(Labels::kHelp), this);
    auto* cancel = new QPushButton(QString::fromLatin1(Labels::kCancel), this);
    m_grid = new CTargetStyleGrid2(layoutDirectory, &services.prompter, this);
    m_grid->setGravityUnit(ReadUnitChoice(services.profile).gravity);
    m_grid->setFixedWidth((logicalDpiX() / 10) * 32 + 10 + 140);
    for (int i = 0; i < 3; ++i) {
        m_labels[i] = new QLabel(QString::fromLatin1(Labels::kNotAvailable), this);
        m_labels[i]->setObjectName(QStringLiteral("selection%1").arg(i));
    }
    m_msgs = new QPushButton(QString::fromLatin1(Labels::kMsgsButton), this);
    m_msgs->setIcon(IconFactory::icon(Glyph::Log));
    m_msgs->setEnabled(false);
    m_status = new CColorLabel(LookOf(CalcStatus::NotDone).text, this);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QString::fromLatin1(Labels::kStyleLevels), this));
    left->addWidget(m_tree, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(m_grid, 1);
    auto* current = new QGridLayout;
    current->addWidget(new QLabel(QString::fromLatin1(Labels::kCurrentSelection), this), 0, 0, 1,
                       2);
    for (int i = 0; i < 3; ++i)
        current->addWidget(m_labels[i], i + 1, 0, 1, 2);
    current->addWidget(new QLabel(QString::fromLatin1(Labels::kCalculations), this), 4, 0);
    current->addWidget(m_status, 4, 1);
    current->addWidget(m_msgs, 5, 0);
    right->addLayout(current);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_showAll);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(help);
    buttons->addWidget(cancel);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(760, 420);

    connect(ok, &QPushButton::clicked, this, &CTargetStyleDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CTargetStyleDlg::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_services.help)
            m_services.help->show(kHelpContext);
    });
    connect(m_showAll, &QPushButton::clicked, this, &CTargetStyleDlg::OnShowAllStyles);
    connect(m_msgs, &QPushButton::clicked, this, [this] {
        if (m_showMessages)
            m_showMessages();
    });
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { onSelectionChanged(); });
}

CTargetStyleDlg::~CTargetStyleDlg() {
    if (m_workspace || m_data)
        cleanWorkspace(m_workspace, m_data, m_services.prompter, m_services.help);
}

bool CTargetStyleDlg::OnInitDialog() {
    if (GetNewWorkspace(m_workspace, m_data, QString::fromLatin1(kWorkspaceDao), m_services) != 1)
        return false;
    try {
        m_styles = TargetStyles::read(*m_data);
    } catch (const CDaoException& e) {
        ReportDaoError(e, m_services.prompter, m_services.help);
        return false;
    }
    if (m_styles.empty()) {
        m_services.prompter.message(Msg::kNoReferenceRows, {QStringLiteral("Styles")},
                                    PromptIcon::Exclamation);
        return false;
    }
    m_styleTree->setStyles(m_styles);
    m_tree->expand(m_styleTree->index(0, 0));
    for (QLabel* l : m_labels) {
        QFont bold = l->font();
        bold.setWeight(static_cast<QFont::Weight>(std::min(900, bold.weight() + 300)));
        l->setFont(bold);
    }
    m_grid->setPredictions(m_in.og, m_in.abv, m_in.ibu, m_in.color, m_in.hbu);
    m_selection = m_in.target;
    ShowStyle(true);
    if (m_in.messageCount > 0) {
        m_msgs->setEnabled(true);
        m_status->setText(QString::fromLatin1(Labels::kTargetStyleErrors));
        m_status->setTextColor(QColor(255, 0, 0));
    } else {
        m_msgs->setEnabled(false);
        m_status->setText(LookOf(CalcStatus::NoErrors).text);
        m_status->setTextColor(QColor(0, 0, 255));
    }
    m_tree->setFocus();
    return true;
}

void CTargetStyleDlg::selectItem(const QModelIndex& node) {
    m_tree->setCurrentIndex(node);
}

void CTargetStyleDlg::onSelectionChanged() {
    if (const std::optional<StyleKey> choice = m_styleTree->choiceAt(m_tree->currentIndex())) {
        m_selection = *choice;
        ShowStyle(false);
    }
}

bool CTargetStyleDlg::ShowStyle(bool initialShow) {
    StyleRanges ranges;
    if (m_selection.name != QLatin1String(TargetStyles::kNoneSelected)) {
        const std::optional<StyleRanges> found = TargetStyles::find(m_styles, m_selection);
        if (!found) {
            if (initialShow)
                m_services.prompter.message(Msg::kTargetStyleNotFound, {}, PromptIcon::Information);
            else
                m_services.prompter.text(TargetStyles::seekFailedText(m_selection),
                                         PromptIcon::Information);
            return false;
        }
        ranges = *found;
    }
    m_ranges = ranges;
    m_labels[0]->setText(m_selection.name);
    m_labels[1]->setText(m_selection.category);
    m_labels[2]->setText(m_selection.subcategory);
    m_grid->showRanges(m_ranges);
    return true;
}

void CTargetStyleDlg::accept() {
    // OK without a style that was found (none in the Data database, or the recipe's own is
    // not there) brings no result: the recipe keeps its target and its ranges.
    const bool found = m_styles.empty() ? false : ShowStyle(false);
    if (m_styles.empty())
        m_services.prompter.text(TargetStyles::seekFailedText(m_selection),
                                 PromptIcon::Information);
    if (found)
        m_chosen = StyleRow{m_selection, m_ranges};
    else
        m_chosen.reset();
    QDialog::accept();
}

void CTargetStyleDlg::reject() {
    m_chosen.reset();
    QDialog::reject();
}

void CTargetStyleDlg::OnShowAllStyles() {
    if (m_expandNext) {
        m_tree->expandAll();
        m_showAll->setText(QString::fromLatin1(Labels::kCollapseAll));
    } else {
        m_tree->collapseAll();
        m_showAll->setText(QString::fromLatin1(Labels::kExpandAll));
    }
    m_expandNext = !m_expandNext;
    m_tree->setFocus();
}

} // namespace wsc
