#include "core/models/StyleTreeModel.h"

namespace wsc {

StyleTreeModel::StyleTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

int StyleTreeModel::add(int parent, const QString& text) {
    Node node;
    node.text = text;
    node.parent = parent;
    if (parent >= 0) {
        Node& p = m_nodes[static_cast<std::size_t>(parent)];
        node.row = static_cast<int>(p.children.size());
        node.depth = p.depth + 1;
    }
    const int id = static_cast<int>(m_nodes.size());
    m_nodes.push_back(std::move(node));
    if (parent >= 0)
        m_nodes[static_cast<std::size_t>(parent)].children.push_back(id);
    return id;
}

void StyleTreeModel::setStyles(const std::vector<StyleRow>& styles) {
    beginResetModel();
    m_nodes.clear();
    if (!styles.empty()) {
        const int root = add(-1, QStringLiteral("Beer Styles"));
        int name = -1;
        int category = -1;
        const StyleKey* last = nullptr;
        for (const StyleRow& s : styles) {
            // A new name starts a new branch even where its first category repeats the last.
            if (!last || s.key.name != last->name) {
                name = add(root, s.key.name);
                category = add(name, s.key.category);
            } else if (s.key.category != last->category) {
                category = add(name, s.key.category);
            }
            if (s.key.subcategory != QLatin1String(" "))
                m_nodes[static_cast<std::size_t>(add(category, s.key.subcategory))].leaf = true;
            else
                m_nodes[static_cast<std::size_t>(category)].leaf = true;
            last = &s.key;
        }
    }
    endResetModel();
}

QModelIndex StyleTreeModel::find(const QStringList& path) const {
    QModelIndex at = index(0, 0);
    for (const QString& text : path) {
        QModelIndex next;
        // The last of equal texts, as a list read top to bottom would leave it.
        for (int r = 0; r < rowCount(at); ++r) {
            const QModelIndex child = index(r, 0, at);
            if (child.data().toString() == text)
                next = child;
        }
        if (!next.isValid())
            return {};
        at = next;
    }
    return at;
}

std::optional<StyleKey> StyleTreeModel::choiceAt(const QModelIndex& index) const {
    const int id = nodeOf(index);
    if (id < 0)
        return std::nullopt;
    const Node& node = m_nodes[static_cast<std::size_t>(id)];
    const auto textOf = [this](int n) { return m_nodes[static_cast<std::size_t>(n)].text; };
    if (node.depth == 3) {
        const int category = node.parent;
        return StyleKey{textOf(m_nodes[static_cast<std::size_t>(category)].parent),
                        textOf(category), node.text};
    }
    if (node.depth == 2)
        return StyleKey{textOf(node.parent), node.text, QStringLiteral(" ")};
    return std::nullopt;
}

int StyleTreeModel::nodeOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return -1;
    const auto id = static_cast<int>(index.internalId());
    return id >= 0 && id < static_cast<int>(m_nodes.size()) ? id : -1;
}

QModelIndex StyleTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 && !m_nodes.empty() ? createIndex(0, 0, quintptr(0)) : QModelIndex();
    const int p = nodeOf(parent);
    if (p < 0)
        return {};
    const std::vector<int>& children = m_nodes[static_cast<std::size_t>(p)].children;
    if (row >= static_cast<int>(children.size()))
        return {};
    return createIndex(row, 0, quintptr(children[static_cast<std::size_t>(row)]));
}

QModelIndex StyleTreeModel::parent(const QModelIndex& child) const {
    const int id = nodeOf(child);
    if (id <= 0)
        return {};
    const int p = m_nodes[static_cast<std::size_t>(id)].parent;
    return createIndex(m_nodes[static_cast<std::size_t>(p)].row, 0, quintptr(p));
}

int StyleTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return m_nodes.empty() ? 0 : 1;
    const int p = nodeOf(parent);
    return p < 0 ? 0 : static_cast<int>(m_nodes[static_cast<std::size_t>(p)].children.size());
}

int StyleTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant StyleTreeModel::data(const QModelIndex& index, int role) const {
    const int id = nodeOf(index);
    if (id < 0)
        return {};
    const Node& node = m_nodes[static_cast<std::size_t>(id)];
    if (role == Qt::DisplayRole)
        return node.text;
    if (role == kLeafRole && node.leaf)
        return 1;
    return {};
}

} // namespace wsc
