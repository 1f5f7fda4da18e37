#include "document/CRecipeLogView.h"

#include "help/HelpContextProperty.h"
#include "help/HelpContexts.h"

#include "db/DatabaseOps.h"
#include "db/IInfoStatusBar.h"
#include "db/dao/CDaoDatabase.h"
#include "db/dao/CDaoException.h"
#include "db/dao/CDaoWorkspace.h"
#include "db/records/CRecordSetRecipeLog.h"
#include "document/CWscalcDoc.h"
#include "settings/MessageCatalog.h"
#include "settings/Prompter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace wsc {
namespace {

constexpr int kColumnTitles = 79;
constexpr int kWidthUnits[RecipeLogRows::kColumns] = {2, 4, 3, 3, 3, 3};

} // namespace

CRecipeLogView::CRecipeLogView(CWscalcDoc& doc, QWidget* parent) : QTreeWidget(parent), m_doc(doc) {
    SetHelpContext(this, HelpContext::kRecipeLog);
    setObjectName(QStringLiteral("recipeLog"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setHeaderLabels(MessageCatalog::text(kColumnTitles).split(u','));
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) { SortBy(column); });
    setColumnWidths();
}

void CRecipeLogView::setColumnWidths() {
    // The widths of the log's design; where names or styles are longer and the window has the
    // room, a column takes what its longest text needs.
    const int u = static_cast<int>(logicalDpiX() * 0.3);
    int needed[RecipeLogRows::kColumns];
    int total = 0;
    for (int c = 0; c < RecipeLogRows::kColumns; ++c) {
        const int content = topLevelItemCount() > 0 ? sizeHintForColumn(c) + 12 : 0;
        needed[c] = std::max(kWidthUnits[c] * u, content);
        total += needed[c];
    }
    const bool room = total <= viewport()->width();
    for (int c = 0; c < RecipeLogRows::kColumns; ++c)
        setColumnWidth(c, room ? needed[c] : kWidthUnits[c] * u);
}

void CRecipeLogView::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    setColumnWidths();
}

CRecipeLogView::~CRecipeLogView() {
    m_doc.removeView(this);
    m_log.reset();
    if (m_workspace || m_database)
        cleanWorkspace(m_workspace, m_database, m_doc.services().prompter, m_doc.services().help);
}

void CRecipeLogView::OnUpdate(IDocumentView* sender, long hint, const CRowViewHint* object) {
    if (sender == this)
        return;
    if (object) {
        // The whole batch number travels in the hint object.
        const QString batch = QString::asprintf("%lu", static_cast<unsigned long>(object->batchNo));
        const int n = static_cast<int>(m_rows.size());
        for (int i = 0; i < n; ++i) {
            const int row = (m_selectedRow + 1 + i) % n;
            if (m_rows[static_cast<std::size_t>(row)].cells.value(0) == batch) {
                selectRow(row);
                break;
            }
        }
        return;
    }
    (void)hint;
    Refresh();
}

void CRecipeLogView::Refresh() {
    WaitCursor wait(m_doc.services().statusBar);
    clear();
    m_rows.clear();
    try {
        if (!m_log || !m_log->IsOpen()) {
            if (!m_database || !m_database->IsOpen()) {
                if (GetNewWorkspace(m_workspace, m_database, QString::fromLatin1(kWorkspaceLogView),
                                    m_doc.services(), m_doc.GetPathName()) == 0) {
                    m_doc.services().prompter.text(
                        QString::fromLatin1(Texts::kLogViewWorkspaceFailed));
                    return;
                }
            }
            m_log = std::make_unique<CRecordSetRecipeLog>(m_database.get());
            m_log->Open(CDaoRecordset::dbOpenSnapshot, {}, CDaoRecordset::dbReadOnly);
        } else {
            m_log->Requery();
        }
        m_rows = RecipeLogRows::read(*m_log);
    } catch (const CDaoException& e) {
        ReportDaoError(e, m_doc.services().prompter, m_doc.services().help);
    }
    RecipeLogRows::sort(m_rows, m_sortColumn, m_ascending);
    fill();
    setColumnWidths();
    if (m_rows.empty())
        return;
    selectRow(std::min(m_selectedRow, static_cast<int>(m_rows.size()) - 1));
}

void CRecipeLogView::fill() {
    clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_rows.size()));
    for (const RecipeLogRow& r : m_rows) {
        auto* item = new QTreeWidgetItem(r.cells);
        item->setData(0, Qt::UserRole, QVariant::fromValue<qlonglong>(r.recipeId));
        items << item;
    }
    addTopLevelItems(items);
    header()->setSortIndicator(m_sortColumn,
                               m_ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CRecipeLogView::SortBy(int column) {
    if (column == m_sortColumn)
        m_ascending = !m_ascending;
    else
        m_ascending = true;
    m_sortColumn = column;
    const long keep = m_selectedRecipeId;
    RecipeLogRows::sort(m_rows, m_sortColumn, m_ascending);
    fill();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].recipeId == keep) {
            selectRow(static_cast<int>(i));
            return;
        }
    }
}

void CRecipeLogView::selectRow(int row) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return;
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item);
    readSelection();
}

void CRecipeLogView::readSelection() {
    QTreeWidgetItem* item = currentItem();
    if (!item)
        return;
    m_selectedRow = indexOfTopLevelItem(item);
    m_selectedRecipeId = static_cast<long>(item->data(0, Qt::UserRole).toLongLong());
    m_selectedBatch = item->text(0).toLong();
}

QStringList CRecipeLogView::columnTexts(int column) const {
    QStringList out;
    for (int i = 0; i < topLevelItemCount(); ++i)
        out << topLevelItem(i)->text(column);
    return out;
}

void CRecipeLogView::GoToSelectedRecipe() {
    if (!currentItem())
        return;
    readSelection();
    m_doc.SelectBatch(this, m_selectedBatch);
    if (m_showForm)
        m_showForm();
}

void CRecipeLogView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    m_clickedOnRow = item != nullptr;
    if (item) {
        setCurrentItem(item);
        item->setSelected(true);
        readSelection();
    }
    setFocus(Qt::MouseFocusReason);
}

void CRecipeLogView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_clickedOnRow &&
        itemAt(event->position().toPoint()) != nullptr)
        GoToSelectedRecipe();
}

void CRecipeLogView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        GoToSelectedRecipe();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Escape:
        return;
    default:
        QTreeWidget::keyPressEvent(event);
        readSelection();
    }
}

} // namespace wsc
