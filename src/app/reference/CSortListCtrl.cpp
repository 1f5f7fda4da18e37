#include "app/reference/CSortListCtrl.h"

#include <QApplication>
#include <QHeaderView>

#include <algorithm>

namespace wsc {

CSortListCtrl::CSortListCtrl(QWidget* parent) : QTreeView(parent) {
    m_order.setSourceModel(&m_rows);
    setModel(&m_order);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (!m_headerSorting)
            return;
        const Qt::SortOrder order = column == m_sortColumn && m_sortOrder == Qt::AscendingOrder
                                        ? Qt::DescendingOrder
                                        : Qt::AscendingOrder;
        SortBy(column, order);
    });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowActivated(index.row()); });
}

int CSortListCtrl::SetColumns(const QString& headers) {
    const QStringList titles = headers.split(u',');
    m_rows.setHeaders(titles);
    return static_cast<int>(titles.size());
}

bool CSortListCtrl::SetSortKinds(const std::vector<int>& kinds) {
    return m_order.setSortKinds(kinds);
}

void CSortListCtrl::SetHeaderSorting(bool on) {
    m_headerSorting = on;
    header()->setSortIndicatorShown(on);
}

void CSortListCtrl::SortBy(int column, Qt::SortOrder order) {
    if (!m_order.sortable())
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    if (m_rows.rowCount() > 0)
        m_order.sort(column, order);
    header()->setSortIndicator(column, order);
}

void CSortListCtrl::clear() {
    // Rows added after this come in their own order, as the first fill's do.
    m_order.sort(-1);
    m_rows.clear();
}

void CSortListCtrl::addRow(const QStringList& texts, long data) {
    m_rows.append({data, texts, {}});
}

QString CSortListCtrl::text(int row, int column) const {
    return m_order.index(row, column).data().toString();
}

long CSortListCtrl::itemData(int row) const {
    return static_cast<long>(m_order.index(row, 0).data(TextRowsModel::kIdRole).toLongLong());
}

QStringList CSortListCtrl::columnTexts(int column) const {
    QStringList out;
    for (int i = 0; i < rowCount(); ++i)
        out << text(i, column);
    return out;
}

int CSortListCtrl::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CSortListCtrl::setCurrentRow(int row) {
    const QModelIndex index = m_order.index(row, 0);
    if (!index.isValid()) {
        setCurrentIndex({});
        return;
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

void CSortListCtrl::setFilter(const QString& text) {
    m_order.setFilterWords(text);
    if (rowCount() == 0) {
        setCurrentIndex({});
        return;
    }
    // A current row the filter hides is no longer current; the first row shown stands in.
    if (currentRow() < 0)
        setCurrentRow(0);
}

void CSortListCtrl::keyboardSearch(const QString& search) {
    if (search.isEmpty())
        return;
    // Letters typed in quick succession make one word; a pause starts a new one.
    const bool more =
        m_typed.isValid() && m_typed.elapsed() < QApplication::keyboardInputInterval();
    m_search = more ? m_search + search : search;
    m_typed.start();
    // The same letter again moves on to the next row that starts with it.
    const int current = currentRow();
    const int start = more ? std::max(current, 0) : current + 1;
    const int found = m_order.findStarting(m_search, m_sortColumn, start);
    if (found >= 0)
        setCurrentRow(found);
}

void CSortListCtrl::fitColumns(const std::vector<int>& minimum) {
    for (int c = 0; c < columnCount(); ++c) {
        resizeColumnToContents(c);
        const int least =
            c < static_cast<int>(minimum.size()) ? minimum[static_cast<std::size_t>(c)] : 0;
        const int heading = header()->fontMetrics().horizontalAdvance(headerText(c)) + 24;
        // A gap after the widest entry, so that columns do not run into each other.
        setColumnWidth(c, std::max({columnWidth(c) + 12, least, heading}));
    }
}

} // namespace wsc
