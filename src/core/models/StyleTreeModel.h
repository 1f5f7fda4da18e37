#pragma once

#include "core/calc/TargetStyles.h"

#include <QAbstractItemModel>
#include <QStringList>

#include <optional>
#include <vector>

namespace wsc {

// The styles as a tree under one root, "Beer Styles": style names, their categories, and the
// subcategories where a style has them. A category without subcategories is a leaf.
class StyleTreeModel : public QAbstractItemModel {
public:
    // 1 on the nodes that stand for one row of the Styles table.
    static constexpr int kLeafRole = Qt::UserRole;

    explicit StyleTreeModel(QObject* parent = nullptr);

    // The styles in the order they are read (by name, category, subcategory).
    void setStyles(const std::vector<StyleRow>& styles);
    // The node under the root that the texts lead to, one per level; invalid when none does.
    QModelIndex find(const QStringList& path) const;
    // What choosing a node selects: a subcategory, or a category (with " " as its
    // subcategory). The root and the style names select nothing.
    std::optional<StyleKey> choiceAt(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Node {
        QString text;
        int parent = -1; // -1 for the root
        int row = 0;     // among its parent's children
        int depth = 0;   // 0 root, 1 name, 2 category, 3 subcategory
        bool leaf = false;
        std::vector<int> children;
    };
    int add(int parent, const QString& text);
    int nodeOf(const QModelIndex& index) const;

    std::vector<Node> m_nodes;
};

} // namespace wsc
