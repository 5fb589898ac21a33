#include "browser/CatalogueTree.h"

#include "catalogue/CatalogueNames.h"
#include "catalogue/OrlendaData.h"
#include "framework/TTreeView.h"

CatalogueTree::CatalogueTree(QTreeWidget* tree, const OrlendaData* data)
    : m_tree(tree)
    , m_data(data)
{
}

void CatalogueTree::FillTree(int view)
{
    // The view's own clearing raises one change with no node instead of one per lost node.
    if (auto* view = qobject_cast<TTreeView*>(m_tree))
        view->clearNodes();
    else
        m_tree->clear();
    if (view == ByName) {
        char label[3] = { 'Q', 0, 0 };
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            label[1] = letter;
            AddLetterGroup(label);
        }
    } else if (view == ByCategory) {
        for (int category = 0; category < kCategoryCount; ++category)
            AddCategoryGroup(category, CategoryNames[category]);
    }
    if (m_tree->topLevelItemCount() > 0)
        m_tree->topLevelItem(0)->setExpanded(true);
    // A rebuilt tree starts with nothing selected: clear() may leave a current index behind.
    m_tree->setCurrentItem(nullptr);
    m_tree->clearSelection();
}

void CatalogueTree::AddLetterGroup(const char* label)
{
    QTreeWidgetItem* group = addGroup(label);
    const int count = m_data ? m_data->GetCount() : 0;
    int added = 0;
    for (int i = 0; i < count; ++i) {
        tagSysValItem* item = m_data->GetItem(i);
        // Only the second byte decides the letter group; the first is taken to be 'Q'.
        if (item && item->szName[0] != '\0' && item->szName[1] == label[1]) {
            addValue(group, item);
            ++added;
        }
    }
    if (added == 0)
        delete group;
}

void CatalogueTree::AddCategoryGroup(int category, const char* label)
{
    QTreeWidgetItem* group = addGroup(label);
    const int count = m_data ? m_data->GetCount() : 0;
    for (int i = 0; i < count; ++i) {
        tagSysValItem* item = m_data->GetItem(i);
        if (item && item->nCategory == category)
            addValue(group, item);
    }
}

tagSysValItem* CatalogueTree::record(const QTreeWidgetItem* node)
{
    if (!node)
        return nullptr;
    return static_cast<tagSysValItem*>(node->data(0, RecordRole).value<void*>());
}

QTreeWidgetItem* CatalogueTree::addGroup(const char* label)
{
    auto* group = new QTreeWidgetItem(m_tree, QStringList(QString::fromLocal8Bit(label)));
    setImage(group, GroupImage);
    return group;
}

void CatalogueTree::addValue(QTreeWidgetItem* group, tagSysValItem* item)
{
    auto* node = new QTreeWidgetItem(group, QStringList(QString::fromLocal8Bit(item->szName)));
    node->setData(0, RecordRole, QVariant::fromValue(static_cast<void*>(item)));
    setImage(node, ValueImage);
}

void CatalogueTree::setImage(QTreeWidgetItem* node, int index) const
{
    node->setData(0, ImageIndexRole, index);
    node->setData(0, SelectedImageIndexRole, index);
    if (auto* view = qobject_cast<TTreeView*>(m_tree))
        view->setImageIndex(node, index);
}
