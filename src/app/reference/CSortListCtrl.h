#pragma once

#include "core/models/TextRowsModel.h"

#include <QElapsedTimer>
#include <QTreeView>

#include <vector>

namespace wsc {

// A report-style list whose columns sort by a kind each (1 text, 5 number) when their header
// is clicked. Its rows are a TextRowsModel seen through a TextRowsFilter, so "row" below is a
// row as shown: sorted and narrowed.
class CSortListCtrl : public QTreeView {
    Q_OBJECT
public:
    explicit CSortListCtrl(QWidget* parent = nullptr);

    // Columns from one comma-separated string; returns the column count.
    int SetColumns(const QString& headers);
    // One kind per column; a kind above 6 refuses the whole list and leaves the list unsorted.
    bool SetSortKinds(const std::vector<int>& kinds);
    int sortKind(int column) const { return m_order.sortKind(column); }
    int currentSortColumn() const { return m_sortColumn; }
    Qt::SortOrder currentSortOrder() const { return m_sortOrder; }
    void SetHeaderSorting(bool on);
    // Sorts the rows there are; on an empty list it only marks the column, so rows added next
    // keep the order they come in (as a table's index gives them) until the next sort.
    void SortBy(int column, Qt::SortOrder order);
    void clear();
    void addRow(const QStringList& texts, long itemData);

    int rowCount() const { return m_order.rowCount(); }
    int columnCount() const { return m_rows.columnCount(); }
    QString text(int row, int column) const;
    QString headerText(int column) const { return m_rows.header(column); }
    long itemData(int row) const;
    QStringList columnTexts(int column) const;
    // -1 when no row is current.
    int currentRow() const;
    void setCurrentRow(int row);

    // Shows only the rows that hold `text` in one of their columns, in any case; an empty text
    // shows them all. The first row shown becomes the current one.
    void setFilter(const QString& text);
    // Type-ahead: the next row whose text in the column the list is sorted by starts with
    // what was typed.
    void keyboardSearch(const QString& search) override;
    // Every column as wide as its widest entry and heading, and at least `minimum` pixels.
    void fitColumns(const std::vector<int>& minimum);

signals:
    void rowActivated(int row);

private:
    TextRowsModel m_rows;
    TextRowsFilter m_order;
    QString m_search;
    QElapsedTimer m_typed;
    bool m_headerSorting = false;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace wsc
