#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <vector>

namespace wsc {

// How a list column sorts: as text without regard to case, or by the number its text holds.
inline constexpr int kSortText = 1;
inline constexpr int kSortNumber = 5;
inline constexpr int kMaxSortKind = 6;

// One row of a list: the texts of its columns, the tips shown over them where a text may be
// wider than its column, and the identifier of the record the row stands for.
struct TextRow {
    long id = 0;
    QStringList texts;
    QStringList tips;
};

// The rows core produces for a list, as a table model: the view asks for what it draws, and
// nothing is copied into items of its own.
class TextRowsModel : public QAbstractTableModel {
public:
    static constexpr int kIdRole = Qt::UserRole;

    explicit TextRowsModel(QObject* parent = nullptr);

    // The column titles; as many columns as titles.
    void setHeaders(const QStringList& titles);
    QString header(int column) const { return m_headers.value(column); }
    void setAlignment(int column, Qt::Alignment alignment);

    void setRows(std::vector<TextRow> rows);
    void append(TextRow row);
    void clear() { setRows({}); }
    // One text changed in place (the view redraws that cell only).
    void setText(int row, int column, const QString& text);
    const TextRow& rowAt(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }
    QString text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_headers;
    std::vector<Qt::Alignment> m_alignments;
    std::vector<TextRow> m_rows;
};

// A list's order and narrowing over its rows: each column sorts by its kind, and a filter text
// keeps the rows that hold it in one of their columns, in any case.
class TextRowsFilter : public QSortFilterProxyModel {
public:
    explicit TextRowsFilter(QObject* parent = nullptr);

    // One kind per column; a kind outside 0..kMaxSortKind refuses the whole list and leaves it
    // with no kinds (so it cannot be sorted).
    bool setSortKinds(const std::vector<int>& kinds);
    bool sortable() const { return !m_kinds.empty(); }
    int sortKind(int column) const;
    // Leading and trailing spaces do not count; an empty text keeps every row.
    void setFilterWords(const QString& text);
    // Type-ahead: the first row at or after `start` (going round past the end) whose text in
    // `column` begins with `prefix`, in any case; -1 when there is none.
    int findStarting(const QString& prefix, int column, int start) const;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::vector<int> m_kinds;
    QString m_words;
};

} // namespace wsc
