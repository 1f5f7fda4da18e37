#pragma once

#include <QElapsedTimer>
#include <QTreeWidget>

#include <vector>

namespace wsc {

// A report-style list whose columns sort by a kind each (1 text, 5 number) when their header
// is clicked; it starts sorted on the first column, ascending.
class CSortListCtrl : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kMaxSortKind = 6;

    explicit CSortListCtrl(QWidget* parent = nullptr);

    // Columns from one comma-separated string; returns the column count.
    int SetColumns(const QString& headers);
    // One kind per column; a kind above 6 refuses the whole list and leaves the list unsorted.
    bool SetSortKinds(const std::vector<int>& kinds);
    int sortKind(int column) const;
    int currentSortColumn() const { return m_sortColumn; }
    Qt::SortOrder currentSortOrder() const { return m_order; }
    void SetHeaderSorting(bool on);
    void SortBy(int column, Qt::SortOrder order);
    void addRow(const QStringList& texts, long itemData);
    long itemData(int row) const;
    QStringList columnTexts(int column) const;
    // Shows only the rows that hold `text` in one of their columns, in any case; an empty text
    // shows them all. The first row shown becomes the current one.
    void setFilter(const QString& text);
    // Type-ahead: the next row whose text in the column the list is sorted by starts with
    // what was typed.
    void keyboardSearch(const QString& search) override;
    // Every column as wide as its widest entry and heading, and at least `minimum` pixels.
    void fitColumns(const std::vector<int>& minimum);

private:
    QTreeWidgetItem* firstShown() const;
    QString m_search;
    QElapsedTimer m_typed;
    std::vector<int> m_kinds;
    bool m_headerSorting = false;
    int m_sortColumn = 0;
    Qt::SortOrder m_order = Qt::AscendingOrder;
};

} // namespace wsc
