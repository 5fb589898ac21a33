#include "browser/CatalogueTree.h"

#include "catalogue/CatalogueNames.h"
#include "catalogue/OrlendaData.h"
#include "framework/TTreeView.h"

CatalogueTree::CatalogueTree(QTreeWidget* tree, const OrlendaData* data)
    : m_tree(tree)
    , m_data(data)
    , m_view(qobject_cast<TTreeView*>(tree))
{
}

void CatalogueTree::FillTree(int view)
{
    // The view's own clearing raises one change with no node instead of one per lost node.
    if (m_view)
        m_view->clearNodes();
    else
        m_tree->clear();
    QList<QTreeWidgetItem*> groups;
    if (view == ByName) {
        char label[3] = { 'Q', 0, 0 };
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            label[1] = letter;
            if (QTreeWidgetItem* group = letterGroup(label))
                groups.append(group);
        }
    } else if (view == ByCategory) {
        for (int category = 0; category < kCategoryCount; ++category)
            groups.append(categoryGroup(category, CategoryNames[category]));
    }
    m_tree->addTopLevelItems(groups);
    if (m_tree->topLevelItemCount() > 0)
        m_tree->topLevelItem(0)->setExpanded(true);
    // A rebuilt tree starts with nothing selected: clear() may leave a current index behind.
    m_tree->setCurrentItem(nullptr);
    m_tree->clearSelection();
}

void CatalogueTree::AddLetterGroup(const char* label)
{
    if (QTreeWidgetItem* group = letterGroup(label))
        m_tree->addTopLevelItem(group);
}

void CatalogueTree::AddCategoryGroup(int category, const char* label)
{
    m_tree->addTopLevelItem(categoryGroup(category, label));
}

tagSysValItem* CatalogueTree::record(const QTreeWidgetItem* node)
{
    if (!node)
        return nullptr;
    return static_cast<tagSysValItem*>(node->data(0, RecordRole).value<void*>());
}

QTreeWidgetItem* CatalogueTree::letterGroup(const char* label) const
{
    QList<QTreeWidgetItem*> values;
    const int count = m_data ? m_data->GetCount() : 0;
    for (int i = 0; i < count; ++i) {
        tagSysValItem* item = m_data->GetItem(i);
        // Only the second byte decides the letter group; the first is taken to be 'Q'.
        if (item && item->szName[0] != '\0' && item->szName[1] == label[1])
            values.append(newValue(item));
    }
    if (values.isEmpty())
        return nullptr;
    QTreeWidgetItem* group = newGroup(label);
    group->addChildren(values);
    return group;
}

QTreeWidgetItem* CatalogueTree::categoryGroup(int category, const char* label) const
{
    QList<QTreeWidgetItem*> values;
    const int count = m_data ? m_data->GetCount() : 0;
    for (int i = 0; i < count; ++i) {
        tagSysValItem* item = m_data->GetItem(i);
        if (item && item->nCategory == category)
            values.append(newValue(item));
    }
    QTreeWidgetItem* group = newGroup(label);
    group->addChildren(values);
    return group;
}

QTreeWidgetItem* CatalogueTree::newGroup(const char* label) const
{
    auto* group = new QTreeWidgetItem(QStringList(QString::fromLocal8Bit(label)));
    setImage(group, GroupImage);
    return group;
}

QTreeWidgetItem* CatalogueTree::newValue(tagSysValItem* item) const
{
    // Read up to the field's end even if a record lost its NUL.
    const QString name = QString::fromLocal8Bit(
        item->szName, qsizetype(qstrnlen(item->szName, sizeof item->szName)));
    auto* node = new QTreeWidgetItem(QStringList(name));
    node->setData(0, RecordRole, QVariant::fromValue(static_cast<void*>(item)));
    setImage(node, ValueImage);
    return node;
}

void CatalogueTree::setImage(QTreeWidgetItem* node, int index) const
{
    // The view records the image index under the same role as a plain tree does.
    static_assert(ImageIndexRole == Qt::UserRole + 1);
    if (m_view)
        m_view->setImageIndex(node, index);
    else
        node->setData(0, ImageIndexRole, index);
    node->setData(0, SelectedImageIndexRole, index);
}
