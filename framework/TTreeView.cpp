#include "framework/TTreeView.h"

#include "framework/FlatScrollBarStyle.h"
#include "framework/TImageList.h"

#include <QHeaderView>

using namespace ControlTypes;

TTreeView::TTreeView(QWidget* parent)
    : TControlBase<QTreeWidget>(parent)
{
    resize(121, 97);
    setHeaderHidden(true);
    setColumnCount(1);
    setClicksOnMouse(false);
    // Every node is one line of the view's font beside an image of the list's size, as in the
    // framework's tree, so the view need not measure each node to place the rows.
    setUniformRowHeights(true);
    // The same flat bars as the page view beside it.
    FlatScrollBarStyle::applyTo(this);
    // The selection, not the current node, is what changed: a mouse press makes a node current
    // before it selects it, and a handler reading the selection must see the new one.
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!m_clearing)
            OnChange(this, selectedItems().value(0));
    });
}

void TTreeView::setBorderStyle(TBorderStyle style)
{
    m_borderStyle = style;
    setFrameShape(style == TBorderStyle::bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

void TTreeView::setImages(TImageList* images)
{
    if (m_images == images)
        return;
    if (m_images)
        disconnect(m_images, nullptr, this, nullptr);
    m_images = images;
    if (m_images) {
        FreeNotification(m_images);
        connect(m_images, &TImageList::changed, this, &TTreeView::refreshImages);
        setIconSize(QSize(m_images->Width(), m_images->Height()));
    }
    refreshImages();
}

void TTreeView::setImageIndex(QTreeWidgetItem* node, int index)
{
    if (!node)
        return;
    node->setData(0, Qt::UserRole + 1, index);
    node->setIcon(0, m_images ? m_images->icon(index) : QIcon());
}

void TTreeView::refreshImages()
{
    if (m_images)
        setIconSize(QSize(m_images->Width(), m_images->Height()));
    QTreeWidgetItemIterator it(this);
    for (; *it; ++it) {
        const QVariant index = (*it)->data(0, Qt::UserRole + 1);
        if (index.isValid())
            (*it)->setIcon(0, m_images ? m_images->icon(index.toInt()) : QIcon());
    }
}

void TTreeView::clearNodes()
{
    m_clearing = true;
    clear();
    m_clearing = false;
    OnChange(this, nullptr);
}

void TTreeView::Notification(QObject* component, Operation operation)
{
    TControlBase<QTreeWidget>::Notification(component, operation);
    // A removed image list leaves the nodes without pictures rather than with a dangling list.
    if (operation == Operation::opRemove && m_images
        && component == static_cast<QObject*>(m_images)) {
        m_images = nullptr;
        refreshImages();
    }
}
