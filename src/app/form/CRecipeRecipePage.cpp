#include "app/form/CRecipeRecipePage.h"

#include "app/widgets/IconFactory.h"
#include "core/db/DatabaseOps.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/document/RecipeIngredientRows.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace wsc {
namespace {

// The lines with the picture of their kind (kept as the row's id) beside the first column.
class IngredientLinesModel : public TextRowsModel {
public:
    using TextRowsModel::TextRowsModel;
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DecorationRole && index.isValid() && index.column() == 0)
            return IconFactory::ingredientIcon(static_cast<int>(rowAt(index.row()).id));
        return TextRowsModel::data(index, role);
    }
};

} // namespace

CRecipeRecipePage::CRecipeRecipePage(CDaoDatabase* database, CoreServices& services,
                                     QWidget* parent)
    : CRecipePage(parent), m_database(database), m_services(services) {
    m_rows = new IngredientLinesModel(this);
    m_rows->setHeaders(
        {MessageCatalog::text(Msg::kIngredientsWord), QString::fromLatin1(Labels::kGlanceColumn)});
    m_rows->setAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("ingredientList"));
    m_list->setModel(m_rows);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->header()->setSectionsClickable(false);
    m_list->setColumnWidth(0, static_cast<int>(logicalDpiX() * 0.3) * 12);
    m_list->setIconSize(QSize(16, 16));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    m_print = new QPushButton(QString::fromLatin1(Labels::kPrintRecipe), this);
    m_print->setObjectName(QStringLiteral("printButton"));
    m_print->setEnabled(false);
    connect(m_print, &QPushButton::clicked, this, [this] {
        if (m_onPrint)
            m_onPrint();
    });
    auto* helpButton = makeHelpButton(m_services.help, kHelpContext);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_print);
    buttons->addWidget(helpButton);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    setToolTipsShown(true);
}

void CRecipeRecipePage::setPrintHandler(std::function<void()> handler) {
    m_onPrint = std::move(handler);
    m_print->setEnabled(static_cast<bool>(m_onPrint));
}

void CRecipeRecipePage::setToolTipsShown(bool shown) {
    setHint(m_list, Msg::kDisplayOnlyTip, shown);
}

void CRecipeRecipePage::loadRecord(const CRecordSetRecipe& record) {
    m_recipeId = record.HasCurrentRecord() ? record.m_RecipeID : 0;
    rebuild();
}

void CRecipeRecipePage::activated() {
    rebuild();
}

void CRecipeRecipePage::rebuild() {
    m_rows->clear();
    m_lines.clear();
    if (!m_database || m_recipeId == 0)
        return;
    try {
        m_lines = RecipeIngredientRows::lines(*m_database, m_recipeId);
    } catch (const CDaoException& e) {
        ReportDaoError(e, m_services.prompter, m_services.help);
        return;
    }
    std::vector<TextRow> rows;
    for (const auto& line : m_lines)
        rows.push_back({static_cast<long>(line.kind), {line.text, QString()}, {}});
    m_rows->setRows(std::move(rows));
    applyGlance();
}

void CRecipeRecipePage::showGlance(const IngredientGlance& glance) {
    m_glance = glance;
    applyGlance();
}

void CRecipeRecipePage::applyGlance() {
    for (int i = 0; i < m_rows->rowCount() && i < static_cast<int>(m_lines.size()); ++i) {
        const auto& line = m_lines[static_cast<std::size_t>(i)];
        m_rows->setText(i, 1, m_glance.textFor(static_cast<int>(line.kind), line.ordinal + 1));
    }
}

QStringList CRecipeRecipePage::glanceTexts() const {
    QStringList out;
    for (int i = 0; i < m_rows->rowCount(); ++i)
        out << m_rows->text(i, 1);
    return out;
}

QStringList CRecipeRecipePage::lineTexts() const {
    QStringList out;
    for (int i = 0; i < m_rows->rowCount(); ++i)
        out << m_rows->text(i, 0);
    return out;
}

} // namespace wsc
