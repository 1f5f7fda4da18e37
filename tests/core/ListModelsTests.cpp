#include "core/models/StyleTreeModel.h"
#include "core/models/TextRowsModel.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace wsc {
namespace {

using Fatal = QAbstractItemModelTester::FailureReportingMode;

QStringList column(const QAbstractItemModel& model, int c) {
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r)
        out << model.index(r, c).data().toString();
    return out;
}

class TextRows : public ::testing::Test {
protected:
    void SetUp() override {
        rows.setHeaders({QStringLiteral("Name"), QStringLiteral("Alpha")});
        rows.setRows({{1, {QStringLiteral("cascade"), QStringLiteral("10")}, {}},
                      {2, {QStringLiteral("Admiral"), QStringLiteral("9")}, {}},
                      {3, {QStringLiteral("Bullion"), QStringLiteral("10")}, {}},
                      {4, {QStringLiteral("Chinook"), QStringLiteral("13.5")}, {}}});
        order.setSourceModel(&rows);
        ASSERT_TRUE(order.setSortKinds({kSortText, kSortNumber}));
    }
    TextRowsModel rows;
    TextRowsFilter order;
    QAbstractItemModelTester rowsTester{&rows, Fatal::Fatal};
    QAbstractItemModelTester orderTester{&order, Fatal::Fatal};
};

// Rows keep the order they came in until sorted; numbers sort as numbers, names without case,
// and rows that tie keep their order both ways.
TEST_F(TextRows, SortsByTheKindOfEachColumn) {
    EXPECT_EQ(column(order, 0), (QStringList{"cascade", "Admiral", "Bullion", "Chinook"}));
    order.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(column(order, 1), (QStringList{"9", "10", "10", "13.5"}));
    EXPECT_EQ(column(order, 0).mid(1, 2), (QStringList{"cascade", "Bullion"}));
    order.sort(1, Qt::DescendingOrder);
    EXPECT_EQ(column(order, 0), (QStringList{"Chinook", "cascade", "Bullion", "Admiral"}));
    order.sort(0, Qt::AscendingOrder);
    EXPECT_EQ(column(order, 0), (QStringList{"Admiral", "Bullion", "cascade", "Chinook"}));
    // A row added to a sorted list takes its place in the order.
    rows.append({5, {QStringLiteral("Brewer's Gold"), QStringLiteral("8")}, {}});
    EXPECT_EQ(column(order, 0).at(1), QStringLiteral("Brewer's Gold"));
    EXPECT_EQ(order.index(1, 0).data(TextRowsModel::kIdRole).toLongLong(), 5);
}

TEST_F(TextRows, AKindOutOfRangeRefusesTheWholeList) {
    EXPECT_FALSE(order.setSortKinds({kSortText, kMaxSortKind + 1}));
    EXPECT_FALSE(order.sortable());
    EXPECT_EQ(order.sortKind(0), 0);
    EXPECT_FALSE(order.setSortKinds({-1}));
    EXPECT_TRUE(order.setSortKinds({kSortNumber}));
    EXPECT_EQ(order.sortKind(0), kSortNumber);
    EXPECT_EQ(order.sortKind(1), 0) << "a column without a kind";
}

// The filter keeps rows holding the words in any column, in any case, ignoring the spaces
// around them; type-ahead looks only at the rows kept and goes round past the end.
TEST_F(TextRows, FilterAndTypeAheadSeeTheRowsShown) {
    order.setFilterWords(QStringLiteral("  CA "));
    EXPECT_EQ(column(order, 0), (QStringList{"cascade"}));
    order.setFilterWords(QStringLiteral("10"));
    EXPECT_EQ(column(order, 0), (QStringList{"cascade", "Bullion"}));
    EXPECT_EQ(order.findStarting(QStringLiteral("b"), 0, 0), 1);
    EXPECT_EQ(order.findStarting(QStringLiteral("c"), 0, 1), 0) << "round past the end";
    EXPECT_EQ(order.findStarting(QStringLiteral("ch"), 0, 0), -1) << "Chinook is filtered out";
    order.setFilterWords({});
    EXPECT_EQ(order.rowCount(), 4);
    EXPECT_EQ(order.findStarting(QStringLiteral("ch"), 0, 0), 3);
    EXPECT_EQ(order.findStarting(QString(), 0, 0), -1);
}

TEST_F(TextRows, TextsTipsAndAlignmentComeFromTheRow) {
    rows.setRows({{7,
                   {QStringLiteral("1"), QStringLiteral("Warning")},
                   {QString(), QStringLiteral("the whole text")}}});
    rows.setAlignment(1, Qt::AlignRight);
    EXPECT_FALSE(rows.index(0, 0).data(Qt::ToolTipRole).isValid()) << "no empty tip";
    EXPECT_EQ(rows.index(0, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("the whole text"));
    EXPECT_EQ(rows.index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight);
    rows.setText(0, 1, QStringLiteral("Error"));
    EXPECT_EQ(rows.text(0, 1), QStringLiteral("Error"));
    rows.setText(5, 0, QStringLiteral("nowhere"));
    EXPECT_EQ(rows.rowCount(), 1);
    EXPECT_EQ(rows.text(3, 3), QString());
    EXPECT_EQ(rows.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Alpha"));
}

StyleRow style(const char* name, const char* category, const char* sub = " ") {
    return {{QString::fromUtf8(name), QString::fromUtf8(category), QString::fromUtf8(sub)}, {}};
}

TEST(StyleTree, NamesCategoriesAndSubcategoriesUnderOneRoot) {
    StyleTreeModel tree;
    QAbstractItemModelTester tester(&tree, Fatal::Fatal);
    EXPECT_EQ(tree.rowCount(), 0);
    EXPECT_FALSE(tree.find({}).isValid());
    tree.setStyles({style("Ale", "Bitter", "Best"), style("Ale", "Bitter", "Strong"),
                    style("Ale", "Mild"), style("Lager", "Mild"), style("Lager", "Pils", "Czech")});
    ASSERT_EQ(tree.rowCount(), 1);
    const QModelIndex root = tree.index(0, 0);
    EXPECT_EQ(root.data().toString(), QStringLiteral("Beer Styles"));
    EXPECT_EQ(column(tree, 0), (QStringList{"Beer Styles"}));
    ASSERT_EQ(tree.rowCount(root), 2);
    // "Mild" under Lager is a new branch, though the category repeats the row before.
    const QModelIndex lagerMild = tree.find({QStringLiteral("Lager"), QStringLiteral("Mild")});
    ASSERT_TRUE(lagerMild.isValid());
    EXPECT_EQ(tree.parent(lagerMild).data().toString(), QStringLiteral("Lager"));
    EXPECT_EQ(tree.rowCount(tree.find({QStringLiteral("Ale")})), 2);
    EXPECT_EQ(tree.rowCount(tree.find({QStringLiteral("Ale"), QStringLiteral("Bitter")})), 2);
    EXPECT_FALSE(tree.find({QStringLiteral("Ale"), QStringLiteral("Pils")}).isValid());

    // A category without subcategories is a leaf; one with them is not.
    EXPECT_EQ(lagerMild.data(StyleTreeModel::kLeafRole).toInt(), 1);
    EXPECT_EQ(tree.find({QStringLiteral("Lager"), QStringLiteral("Pils")})
                  .data(StyleTreeModel::kLeafRole)
                  .toInt(),
              0);
}

TEST(StyleTree, WhatChoosingANodeSelects) {
    StyleTreeModel tree;
    tree.setStyles({style("Ale", "Bitter", "Best"), style("Ale", "Mild")});
    EXPECT_FALSE(tree.choiceAt(tree.index(0, 0))) << "the root";
    EXPECT_FALSE(tree.choiceAt(tree.find({QStringLiteral("Ale")}))) << "a style name";
    EXPECT_FALSE(tree.choiceAt({}));
    const auto best =
        tree.choiceAt(tree.find({QStringLiteral("Ale"), QStringLiteral("Bitter"), "Best"}));
    ASSERT_TRUE(best);
    EXPECT_EQ(best->name, QStringLiteral("Ale"));
    EXPECT_EQ(best->category, QStringLiteral("Bitter"));
    EXPECT_EQ(best->subcategory, QStringLiteral("Best"));
    // A category chooses itself with a blank subcategory, even one that has subcategories.
    for (const char* category : {"Mild", "Bitter"}) {
        const auto chosen = tree.choiceAt(tree.find({QStringLiteral("Ale"), category}));
        ASSERT_TRUE(chosen) << category;
        EXPECT_EQ(chosen->category, QString::fromUtf8(category));
        EXPECT_EQ(chosen->subcategory, QStringLiteral(" "));
    }
    // An index of another model is no node of this one.
    TextRowsModel other;
    other.setHeaders({QStringLiteral("x")});
    other.append({0, {QStringLiteral("x")}, {}});
    EXPECT_FALSE(tree.choiceAt(other.index(0, 0)));
    tree.setStyles({});
    EXPECT_EQ(tree.rowCount(), 0);
}

} // namespace
} // namespace wsc
