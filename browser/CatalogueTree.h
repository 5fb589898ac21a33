// Builds the catalogue into a tree widget, arranged by name (letter groups) or by category.
#pragma once

#include <Qt>

class OrlendaData;
class QTreeWidget;
class QTreeWidgetItem;
class TTreeView;
struct tagSysValItem;

class CatalogueTree {
public:
    enum View { ByName = 0, ByCategory = 1 };
    enum Image { GroupImage = 0, ValueImage = 1 };

    // Roles of a node: the record it points at (value nodes only) and its image indexes.
    static constexpr int RecordRole = Qt::UserRole;
    static constexpr int ImageIndexRole = Qt::UserRole + 1;
    static constexpr int SelectedImageIndexRole = Qt::UserRole + 2;

    // A TTreeView shows the images of its image list; a plain tree only records the indexes.
    CatalogueTree(QTreeWidget* tree, const OrlendaData* data);

    void FillTree(int view);
    void AddLetterGroup(const char* label);
    void AddCategoryGroup(int category, const char* label);

    // The record a node points at; nullptr for group nodes and null nodes.
    static tagSysValItem* record(const QTreeWidgetItem* node);

private:
    // The builders make a group with its values outside the tree (null for an empty letter
    // group); the tree then takes whole groups at once instead of raising a change per node.
    QTreeWidgetItem* letterGroup(const char* label) const;
    QTreeWidgetItem* categoryGroup(int category, const char* label) const;
    QTreeWidgetItem* newGroup(const char* label) const;
    QTreeWidgetItem* newValue(tagSysValItem* item) const;
    void setImage(QTreeWidgetItem* node, int index) const;

    QTreeWidget* m_tree;
    const OrlendaData* m_data;
    TTreeView* m_view; // m_tree when it shows an image list, else null
};
