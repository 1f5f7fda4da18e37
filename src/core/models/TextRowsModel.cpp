#include "core/models/TextRowsModel.h"

namespace wsc {

TextRowsModel::TextRowsModel(QObject* parent) : QAbstractTableModel(parent) {}

void TextRowsModel::setHeaders(const QStringList& titles) {
    beginResetModel();
    m_headers = titles;
    m_alignments.resize(static_cast<std::size_t>(titles.size()), Qt::AlignLeft | Qt::AlignVCenter);
    endResetModel();
}

void TextRowsModel::setAlignment(int column, Qt::Alignment alignment) {
    if (column < 0 || column >= static_cast<int>(m_alignments.size()))
        return;
    m_alignments[static_cast<std::size_t>(column)] = alignment;
    if (!m_rows.empty())
        emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

void TextRowsModel::setRows(std::vector<TextRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void TextRowsModel::append(TextRow row) {
    const int at = rowCount();
    beginInsertRows({}, at, at);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

void TextRowsModel::setText(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    QStringList& texts = m_rows[static_cast<std::size_t>(row)].texts;
    while (texts.size() <= column)
        texts << QString();
    if (texts[column] == text)
        return;
    texts[column] = text;
    emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

QString TextRowsModel::text(int row, int column) const {
    if (row < 0 || row >= rowCount())
        return {};
    return m_rows[static_cast<std::size_t>(row)].texts.value(column);
}

int TextRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TextRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant TextRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const TextRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.texts.value(index.column());
    case Qt::ToolTipRole: {
        const QString tip = row.tips.value(index.column());
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_alignments[static_cast<std::size_t>(index.column())]);
    case kIdRole:
        return QVariant::fromValue<qlonglong>(row.id);
    default:
        return {};
    }
}

QVariant TextRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_headers.value(section);
    return {};
}

TextRowsFilter::TextRowsFilter(QObject* parent) : QSortFilterProxyModel(parent) {}

bool TextRowsFilter::setSortKinds(const std::vector<int>& kinds) {
    for (int k : kinds) {
        if (k < 0 || k > kMaxSortKind) {
            m_kinds.clear();
            return false;
        }
    }
    m_kinds = kinds;
    return true;
}

int TextRowsFilter::sortKind(int column) const {
    return column >= 0 && column < static_cast<int>(m_kinds.size())
               ? m_kinds[static_cast<std::size_t>(column)]
               : 0;
}

void TextRowsFilter::setFilterWords(const QString& text) {
    const QString words = text.trimmed();
    if (words == m_words)
        return;
    m_words = words;
    invalidateFilter();
}

int TextRowsFilter::findStarting(const QString& prefix, int column, int start) const {
    const int rows = rowCount();
    if (rows == 0 || prefix.isEmpty())
        return -1;
    start = ((start % rows) + rows) % rows;
    for (int k = 0; k < rows; ++k) {
        const int row = (start + k) % rows;
        if (index(row, column).data().toString().startsWith(prefix, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

bool TextRowsFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QString a = left.data().toString();
    const QString b = right.data().toString();
    if (sortKind(left.column()) == kSortNumber)
        return a.toDouble() < b.toDouble();
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

bool TextRowsFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (m_words.isEmpty())
        return true;
    const QAbstractItemModel* rows = sourceModel();
    for (int c = 0; c < rows->columnCount(sourceParent); ++c) {
        if (rows->index(sourceRow, c, sourceParent)
                .data()
                .toString()
                .contains(m_words, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace wsc
