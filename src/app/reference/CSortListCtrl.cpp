#include "app/reference/CSortListCtrl.h"

#include "core/reference/Lookups.h"

#include <QApplication>
#include <QHeaderView>

#include <algorithm>

namespace wsc {
namespace {

class SortItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const auto* list = static_cast<const CSortListCtrl*>(treeWidget());
        const int column = list ? list->currentSortColumn() : 0;
        const QString a = text(column);
        const QString b = other.text(column);
        if (list && list->sortKind(column) == kSortNumber)
            return a.toDouble() < b.toDouble();
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    }
};

} // namespace

CSortListCtrl::CSortListCtrl(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (!m_headerSorting)
            return;
        const Qt::SortOrder order = column == m_sortColumn && m_order == Qt::AscendingOrder
                                        ? Qt::DescendingOrder
                                        : Qt::AscendingOrder;
        SortBy(column, order);
    });
}

int CSortListCtrl::SetColumns(const QString& headers) {
    const QStringList titles = headers.split(u',');
    setColumnCount(static_cast<int>(titles.size()));
    setHeaderLabels(titles);
    return static_cast<int>(titles.size());
}

bool CSortListCtrl::SetSortKinds(const std::vector<int>& kinds) {
    for (int k : kinds) {
        if (k < 0 || k > kMaxSortKind) {
            m_kinds.clear();
            return false;
        }
    }
    m_kinds = kinds;
    return true;
}

int CSortListCtrl::sortKind(int column) const {
    return column >= 0 && column < static_cast<int>(m_kinds.size())
               ? m_kinds[static_cast<std::size_t>(column)]
               : 0;
}

void CSortListCtrl::SetHeaderSorting(bool on) {
    m_headerSorting = on;
    header()->setSortIndicatorShown(on);
}

void CSortListCtrl::SortBy(int column, Qt::SortOrder order) {
    if (m_kinds.empty())
        return;
    m_sortColumn = column;
    m_order = order;
    sortItems(column, order);
    header()->setSortIndicator(column, order);
}

void CSortListCtrl::addRow(const QStringList& texts, long data) {
    auto* item = new SortItem(this, texts);
    item->setData(0, Qt::UserRole, QVariant::fromValue<qlonglong>(data));
}

long CSortListCtrl::itemData(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? static_cast<long>(item->data(0, Qt::UserRole).toLongLong()) : 0;
}

void CSortListCtrl::setFilter(const QString& text) {
    const QString wanted = text.trimmed();
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        bool shown = wanted.isEmpty();
        for (int c = 0; c < columnCount() && !shown; ++c)
            shown = item->text(c).contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
    }
    if (QTreeWidgetItem* first = firstShown()) {
        if (!currentItem() || currentItem()->isHidden()) {
            setCurrentItem(first);
            first->setSelected(true);
        }
    } else {
        setCurrentItem(nullptr);
    }
}

QTreeWidgetItem* CSortListCtrl::firstShown() const {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (!topLevelItem(i)->isHidden())
            return topLevelItem(i);
    }
    return nullptr;
}

void CSortListCtrl::keyboardSearch(const QString& search) {
    if (search.isEmpty())
        return;
    // Letters typed in quick succession make one word; a pause starts a new one.
    const bool more =
        m_typed.isValid() && m_typed.elapsed() < QApplication::keyboardInputInterval();
    m_search = more ? m_search + search : search;
    m_typed.start();
    const int rows = topLevelItemCount();
    if (rows == 0)
        return;
    const int current = currentItem() ? indexOfTopLevelItem(currentItem()) : -1;
    // The same letter again moves on to the next row that starts with it.
    const int start = more ? std::max(current, 0) : current + 1;
    for (int k = 0; k < rows; ++k) {
        QTreeWidgetItem* item = topLevelItem((start + k) % rows);
        if (!item->isHidden() &&
            item->text(m_sortColumn).startsWith(m_search, Qt::CaseInsensitive)) {
            setCurrentItem(item);
            item->setSelected(true);
            scrollToItem(item);
            return;
        }
    }
}

void CSortListCtrl::fitColumns(const std::vector<int>& minimum) {
    for (int c = 0; c < columnCount(); ++c) {
        resizeColumnToContents(c);
        const int least =
            c < static_cast<int>(minimum.size()) ? minimum[static_cast<std::size_t>(c)] : 0;
        const int heading = header()->fontMetrics().horizontalAdvance(headerItem()->text(c)) + 24;
        // A gap after the widest entry, so that columns do not run into each other.
        setColumnWidth(c, std::max({columnWidth(c) + 12, least, heading}));
    }
}

QStringList CSortListCtrl::columnTexts(int column) const {
    QStringList out;
    for (int i = 0; i < topLevelItemCount(); ++i)
        out << topLevelItem(i)->text(column);
    return out;
}

} // namespace wsc
