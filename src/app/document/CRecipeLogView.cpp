#include "app/document/CRecipeLogView.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"

#include "core/db/DatabaseOps.h"
#include "core/db/IInfoStatusBar.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/dao/CDaoWorkspace.h"
#include "core/document/CWscalcDoc.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace wsc {
namespace {

constexpr int kWidthUnits[RecipeLogTable::kColumns] = {2, 4, 3, 3, 3, 3};

} // namespace

// The log's rows as the view asks for them: texts made when a row is drawn.
class RecipeLogModel : public QAbstractTableModel {
public:
    RecipeLogModel(RecipeLogTable& table, QObject* parent)
        : QAbstractTableModel(parent), m_table(table),
          m_titles(MessageCatalog::text(Msg::kRecipeLogColumns).split(u',')) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : m_table.rowCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : RecipeLogTable::kColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= m_table.rowCount())
            return {};
        if (role == Qt::DisplayRole)
            return m_table.text(index.row(), index.column());
        if (role == Qt::UserRole)
            return QVariant::fromValue<qlonglong>(m_table.row(index.row()).recipeId);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return m_titles.value(section);
        return {};
    }

    template <class Change> void reset(Change change) {
        beginResetModel();
        try {
            change();
        } catch (...) {
            endResetModel();
            throw;
        }
        endResetModel();
    }
    void replace(int row, const RecipeLogTable::Row& values) {
        m_table.replace(row, values);
        emit dataChanged(index(row, 0), index(row, RecipeLogTable::kColumns - 1));
    }
    void removeAt(int row) {
        beginRemoveRows({}, row, row);
        m_table.erase(row);
        endRemoveRows();
    }
    void insertAt(int row, const RecipeLogTable::Row& values) {
        beginInsertRows({}, row, row);
        m_table.insert(row, values);
        endInsertRows();
    }

private:
    RecipeLogTable& m_table;
    QStringList m_titles;
};

CRecipeLogView::CRecipeLogView(CWscalcDoc& doc, QWidget* parent) : QTreeView(parent), m_doc(doc) {
    SetHelpContext(this, HelpContext::kRecipeLog);
    setObjectName(QStringLiteral("recipeLog"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    m_model = new RecipeLogModel(m_table, this);
    setModel(m_model);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(0, Qt::AscendingOrder);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) { SortBy(column); });
    setColumnWidths();
}

void CRecipeLogView::setColumnWidths() {
    // The widths of the log's design; where names or styles are longer and the window has the
    // room, a column takes what its longest text needs (of the rows on the screen: the view
    // measures those).
    const int u = static_cast<int>(logicalDpiX() * 0.3);
    int needed[RecipeLogTable::kColumns];
    int total = 0;
    for (int c = 0; c < RecipeLogTable::kColumns; ++c) {
        const int content = m_table.rowCount() > 0 ? sizeHintForColumn(c) + 12 : 0;
        needed[c] = std::max(kWidthUnits[c] * u, content);
        total += needed[c];
    }
    const bool room = total <= viewport()->width();
    for (int c = 0; c < RecipeLogTable::kColumns; ++c)
        setColumnWidth(c, room ? needed[c] : kWidthUnits[c] * u);
}

void CRecipeLogView::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    setColumnWidths();
}

CRecipeLogView::~CRecipeLogView() {
    m_doc.removeView(this);
    if (m_workspace || m_database)
        cleanWorkspace(m_workspace, m_database, m_doc.services().prompter, m_doc.services().help);
}

void CRecipeLogView::OnUpdate(IDocumentView* sender, long hint, const CRowViewHint* object) {
    if (sender == this)
        return;
    const HintEvent event = HintEventOf(hint);
    if (event == HintEvent::GoToBatch && object) {
        // The whole batch number travels in the hint object.
        const int row = m_table.findBatch(object->batchNo, m_selectedRow);
        if (row >= 0)
            selectRow(row);
        return;
    }
    const bool oneRecipe = event == HintEvent::Committed || event == HintEvent::Added ||
                           event == HintEvent::Copied || event == HintEvent::Deleted;
    if (oneRecipe && object && object->recipeId != 0 && followRecipe(object->recipeId))
        return;
    Refresh();
}

bool CRecipeLogView::openConnection() {
    if (m_database && m_database->IsOpen())
        return true;
    if (GetNewWorkspace(m_workspace, m_database, QString::fromLatin1(kWorkspaceLogView),
                        m_doc.services(), m_doc.GetPathName()) != 0)
        return true;
    m_doc.services().prompter.text(QString::fromLatin1(Texts::kLogViewWorkspaceFailed));
    return false;
}

bool CRecipeLogView::followRecipe(long recipeId) {
    if (!m_loaded || !m_database || !m_database->IsOpen())
        return false;
    try {
        const std::optional<RecipeLogTable::Row> now = m_table.fetch(*m_database, recipeId);
        const int was = m_table.find(recipeId);
        // A row that keeps its place is written over: the view lays out nothing again.
        if (was >= 0 && now && m_table.fitsAt(was, *now)) {
            m_model->replace(was, *now);
        } else {
            if (was >= 0)
                m_model->removeAt(was);
            if (now)
                m_model->insertAt(m_table.positionFor(*now), *now);
        }
    } catch (const CDaoException& e) {
        ReportDaoError(e, m_doc.services().prompter, m_doc.services().help);
        return true;
    }
    if (m_table.rowCount() > 0)
        selectRow(std::min(m_selectedRow, m_table.rowCount() - 1));
    return true;
}

void CRecipeLogView::Refresh() {
    WaitCursor wait(m_doc.services().statusBar);
    if (!openConnection()) {
        m_model->reset([&] { m_table.clear(); });
        return;
    }
    try {
        m_model->reset([&] { m_table.read(*m_database); });
        m_loaded = true;
    } catch (const CDaoException& e) {
        m_model->reset([&] { m_table.clear(); });
        ReportDaoError(e, m_doc.services().prompter, m_doc.services().help);
    }
    header()->setSortIndicator(sortColumn(),
                               ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    setColumnWidths();
    if (m_table.rowCount() == 0)
        return;
    selectRow(std::min(m_selectedRow, m_table.rowCount() - 1));
}

void CRecipeLogView::SortBy(int column) {
    const bool up = column == sortColumn() ? !ascending() : true;
    const long keep = m_selectedRecipeId;
    m_model->reset([&] { m_table.sort(column, up); });
    header()->setSortIndicator(sortColumn(),
                               ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    const int at = m_table.find(keep);
    if (at >= 0)
        selectRow(at);
}

void CRecipeLogView::selectRow(int row) {
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
    readSelection();
}

void CRecipeLogView::readSelection() {
    const QModelIndex index = currentIndex();
    if (!index.isValid() || index.row() >= m_table.rowCount())
        return;
    m_selectedRow = index.row();
    m_selectedRecipeId = static_cast<long>(m_table.row(m_selectedRow).recipeId);
    m_selectedBatch = m_table.text(m_selectedRow, 0).toLong();
}

QStringList CRecipeLogView::columnTexts(int column) const {
    QStringList out;
    out.reserve(m_table.rowCount());
    for (int i = 0; i < m_table.rowCount(); ++i)
        out << m_table.text(i, column);
    return out;
}

void CRecipeLogView::goToSelectedRecipe() {
    if (!currentIndex().isValid())
        return;
    readSelection();
    m_doc.SelectBatch(this, m_selectedBatch);
    if (m_showForm)
        m_showForm();
}

void CRecipeLogView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QTreeView::mousePressEvent(event);
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    m_clickedOnRow = index.isValid();
    if (index.isValid())
        selectRow(index.row());
    setFocus(Qt::MouseFocusReason);
}

void CRecipeLogView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_clickedOnRow &&
        indexAt(event->position().toPoint()).isValid())
        goToSelectedRecipe();
}

void CRecipeLogView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        goToSelectedRecipe();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Escape:
        return;
    default:
        QTreeView::keyPressEvent(event);
        readSelection();
    }
}

} // namespace wsc
