#include "browser/CatalogueTree.h"
#include "TestCatalogue.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// The tree as text: "QA[QABNORMSW,QACGLVL]" per group, groups in order, '+' marks expanded.
QStringList shape(const QTreeWidget& tree)
{
    QStringList groups;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* group = tree.topLevelItem(i);
        QStringList children;
        for (int c = 0; c < group->childCount(); ++c)
            children << group->child(c)->text(0);
        groups << (group->isExpanded() ? QStringLiteral("+") : QString()) + group->text(0)
                + QLatin1Char('[') + children.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return groups;
}

class CatalogueTreeTest : public testing::Test {
protected:
    // Catalogue order differs from alphabetical order on purpose.
    std::unique_ptr<OrlendaData> data = makeCatalogue({
        { "QTIME", 1 },
        { "QACGLVL", 4 },
        { "XAUDCTL", 5 }, // first byte is not compared: goes to "QA"
        { "QDATE", 1 },
        { "Q1NUM", 7 }, // second byte a digit: no letter group
        { "Qlower", 7 }, // lower case: no letter group
        { "Q", 2 }, // too short for a second byte
        { "QABNORMSW", 7 },
        { "QODD", 8 }, // category outside the table
        { "QNEG", -1 },
    });
    QTreeWidget tree;
    CatalogueTree builder { &tree, data.get() };
};

TEST_F(CatalogueTreeTest, ByNameGroupsBySecondByteInCatalogueOrderAndDropsEmptyGroups)
{
    builder.FillTree(CatalogueTree::ByName);
    EXPECT_EQ(shape(tree),
        QStringList({ "+QA[QACGLVL,XAUDCTL,QABNORMSW]", "QD[QDATE]", "QN[QNEG]", "QO[QODD]",
            "QT[QTIME]" }));
    EXPECT_TRUE(tree.selectedItems().isEmpty());
    EXPECT_EQ(tree.currentItem(), nullptr);
}

TEST_F(CatalogueTreeTest, ByCategoryKeepsAllEightGroupsAndSkipsCategoriesOutsideTheTable)
{
    builder.FillTree(CatalogueTree::ByCategory);
    EXPECT_EQ(shape(tree),
        QStringList({ "+*ALC[]", "*DATTIM[QTIME,QDATE]", "*EDT[Q]", "*LIBL[]", "*MSG[QACGLVL]",
            "*SEC[XAUDCTL]", "*STG[]", "*SYSCTL[Q1NUM,Qlower,QABNORMSW]" }));
}

TEST_F(CatalogueTreeTest, SingleGroupsAreAppendedAfterTheShownOnesAndAnEmptyLetterGroupIsNot)
{
    builder.FillTree(CatalogueTree::ByCategory);
    builder.AddLetterGroup("QT");
    builder.AddLetterGroup("QZ"); // no value: the group goes again
    builder.AddCategoryGroup(6, "*STG"); // kept although empty
    const QStringList groups = shape(tree);
    ASSERT_EQ(groups.size(), 10);
    EXPECT_EQ(groups.mid(8), QStringList({ "QT[QTIME]", "*STG[]" }));
    EXPECT_EQ(CatalogueTree::record(tree.topLevelItem(8)->child(0)), data->GetItem(0));
}

TEST_F(CatalogueTreeTest, NodesCarryImagesAndValueNodesPointAtTheirRecords)
{
    builder.FillTree(CatalogueTree::ByName);
    const QTreeWidgetItem* group = tree.topLevelItem(0);
    EXPECT_EQ(group->parent(), nullptr);
    EXPECT_EQ(CatalogueTree::record(group), nullptr);
    EXPECT_EQ(group->data(0, CatalogueTree::ImageIndexRole).toInt(), 0);
    EXPECT_EQ(group->data(0, CatalogueTree::SelectedImageIndexRole).toInt(), 0);

    const QTreeWidgetItem* value = group->child(1);
    EXPECT_EQ(value->parent(), group);
    EXPECT_EQ(CatalogueTree::record(value), data->GetItem(2));
    EXPECT_EQ(value->data(0, CatalogueTree::ImageIndexRole).toInt(), 1);
    EXPECT_EQ(value->data(0, CatalogueTree::SelectedImageIndexRole).toInt(), 1);
    EXPECT_EQ(CatalogueTree::record(nullptr), nullptr);
}

TEST_F(CatalogueTreeTest, RebuildingCollapsesAllButTheFirstGroupAndLosesTheSelection)
{
    builder.FillTree(CatalogueTree::ByName);
    tree.topLevelItem(2)->setExpanded(true);
    tree.topLevelItem(0)->setExpanded(false);
    tree.setCurrentItem(tree.topLevelItem(1)->child(0));
    ASSERT_EQ(tree.selectedItems().size(), 1);

    builder.FillTree(CatalogueTree::ByName);
    EXPECT_EQ(shape(tree).join(' '),
        "+QA[QACGLVL,XAUDCTL,QABNORMSW] QD[QDATE] QN[QNEG] "
        "QO[QODD] QT[QTIME]");
    EXPECT_TRUE(tree.selectedItems().isEmpty());
}

TEST(CatalogueTreeEmpty, AnEmptyCatalogueGivesNoLetterGroupsButEightEmptyCategories)
{
    auto data = makeCatalogue({});
    QTreeWidget tree;
    CatalogueTree builder(&tree, data.get());
    builder.FillTree(CatalogueTree::ByName);
    EXPECT_EQ(tree.topLevelItemCount(), 0);

    builder.FillTree(CatalogueTree::ByCategory);
    ASSERT_EQ(tree.topLevelItemCount(), 8);
    EXPECT_EQ(tree.topLevelItem(0)->childCount(), 0);

    // A missing catalogue behaves like an empty one.
    CatalogueTree(&tree, nullptr).FillTree(CatalogueTree::ByName);
    EXPECT_EQ(tree.topLevelItemCount(), 0);
}

TEST(CatalogueTreeViewCodes, AnUnknownViewCodeLeavesTheTreeEmpty)
{
    auto data = makeCatalogue({ { "QDATE", 1 } });
    QTreeWidget tree;
    CatalogueTree builder(&tree, data.get());
    builder.FillTree(CatalogueTree::ByName);
    builder.FillTree(2);
    EXPECT_EQ(tree.topLevelItemCount(), 0);
    builder.FillTree(-1);
    EXPECT_EQ(tree.topLevelItemCount(), 0);
}

} // namespace
