#include "framework/AlignLayout.h"

#include "framework/Component.h"

#include <QHash>
#include <QMetaProperty>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

using ControlTypes::TAlign;

namespace {

// Sort key inside one docking kind: distance of the docked edge from the container's edge.
int dockKey(const AlignLayout::Item& item)
{
    switch (item.align) {
    case TAlign::alTop:
        return item.bounds.top();
    case TAlign::alBottom:
        return -(item.bounds.y() + item.bounds.height());
    case TAlign::alLeft:
        return item.bounds.left();
    case TAlign::alRight:
        return -(item.bounds.x() + item.bounds.width());
    default:
        return 0;
    }
}

// Settings being read place controls as stored; the container docks once they are all in.
bool loading(const QWidget* container)
{
    const Component* c = Component::of(container);
    return c && c->IsLoading();
}

} // namespace

void AlignLayout::alignItems(QRect client, std::span<Item> items)
{
    // Working with edges, not QRect's inclusive right/bottom, keeps the arithmetic exact.
    int left = client.x();
    int top = client.y();
    int right = client.x() + client.width();
    int bottom = client.y() + client.height();

    const TAlign order[]
        = { TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient };
    for (TAlign kind : order) {
        std::vector<Item*> group;
        for (Item& item : items) {
            if (item.visible && item.align == kind)
                group.push_back(&item);
        }
        std::stable_sort(group.begin(), group.end(),
            [](const Item* a, const Item* b) { return dockKey(*a) < dockKey(*b); });
        for (Item* item : group) {
            const int w = item->bounds.width();
            const int h = item->bounds.height();
            const int spanW = qMax(0, right - left);
            const int spanH = qMax(0, bottom - top);
            switch (kind) {
            case TAlign::alTop:
                item->bounds = QRect(left, top, spanW, h);
                top += h;
                break;
            case TAlign::alBottom:
                bottom -= h;
                item->bounds = QRect(left, bottom, spanW, h);
                break;
            case TAlign::alLeft:
                item->bounds = QRect(left, top, w, spanH);
                left += w;
                break;
            case TAlign::alRight:
                right -= w;
                item->bounds = QRect(right, top, w, spanH);
                break;
            case TAlign::alClient:
                item->bounds = QRect(left, top, spanW, spanH);
                break;
            default:
                break;
            }
        }
    }
}

AlignLayout::AlignLayout(QWidget* container)
    : QLayout(container)
{
    setContentsMargins(0, 0, 0, 0);
    // Docking never sets the container's minimum or maximum size.
    setSizeConstraint(QLayout::SetNoConstraint);
}

AlignLayout::~AlignLayout()
{
    qDeleteAll(m_items);
}

AlignLayout* AlignLayout::of(const QWidget* container)
{
    return container ? qobject_cast<AlignLayout*>(container->layout()) : nullptr;
}

AlignLayout* AlignLayout::ensure(QWidget* container)
{
    if (!container)
        return nullptr;
    if (!container->layout())
        return new AlignLayout(container);
    return of(container);
}

void AlignLayout::addItem(QLayoutItem* item)
{
    QWidget* widget = item ? item->widget() : nullptr;
    QWidget* container = parentWidget();
    if (!widget || !container || indexOf(widget) >= 0) {
        delete item;
        return;
    }
    addChildWidget(widget);
    // Child order decides ties between controls docked alike, whatever order they joined in.
    const QObjectList& children = container->children();
    const qsizetype childIndex = children.indexOf(widget);
    qsizetype at = 0;
    while (at < m_items.size() && children.indexOf(m_items[at]->widget()) < childIndex)
        ++at;
    m_items.insert(at, item);
    dock();
}

void AlignLayout::dock()
{
    if (QWidget* container = parentWidget())
        setGeometry(container->contentsRect());
}

void AlignLayout::dock(QWidget* container)
{
    if (AlignLayout* layout = of(container))
        layout->dock();
}

void AlignLayout::place(QWidget* child, const QRect& bounds)
{
    const int index = indexOf(child);
    if (index >= 0)
        m_items[index]->setGeometry(bounds);
}

TAlign AlignLayout::alignOf(const QWidget* widget)
{
    // Docking asks every child on every pass: look the property up by name once per class.
    static QHash<const QMetaObject*, int> alignIndexes;
    const QMetaObject* mo = widget->metaObject();
    auto found = alignIndexes.constFind(mo);
    if (found == alignIndexes.cend()) {
        int index = mo->indexOfProperty("Align");
        if (index >= 0 && mo->property(index).metaType() != QMetaType::fromType<TAlign>())
            index = -1;
        found = alignIndexes.insert(mo, index);
    }
    if (*found < 0)
        return TAlign::alNone;
    return mo->property(*found).read(widget).value<TAlign>();
}

bool AlignLayout::docks(TAlign align)
{
    return align != TAlign::alNone && align != TAlign::alCustom;
}

QLayoutItem* AlignLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem* AlignLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

int AlignLayout::count() const
{
    return int(m_items.size());
}

QSize AlignLayout::sizeHint() const
{
    const QWidget* container = parentWidget();
    return container ? container->contentsRect().size() : QSize();
}

void AlignLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const QWidget* container = parentWidget();
    if (!container || loading(container))
        return;
    // A resize handler run by one placement may move docked controls again: its request is
    // carried out after the current pass, a few passes settle it.
    if (m_placing) {
        m_again = true;
        m_againRect = rect;
        return;
    }
    m_placing = true;
    const QPointer<AlignLayout> alive(this);
    QRect client = rect;
    for (int pass = 0; pass < 8; ++pass) {
        m_again = false;
        placeItems(client);
        if (!alive)
            return;
        if (!m_again)
            break;
        client = m_againRect;
    }
    m_placing = false;
}

void AlignLayout::placeItems(const QRect& client)
{
    // Guarded: a resize handler run by one placement may delete a sibling, and with it its item.
    std::vector<QPointer<QWidget>> widgets;
    std::vector<Item> items;
    widgets.reserve(m_items.size());
    items.reserve(m_items.size());
    for (QLayoutItem* layoutItem : std::as_const(m_items)) {
        QWidget* w = layoutItem->widget();
        const TAlign align = alignOf(w);
        if (!docks(align))
            continue;
        // A control is docked unless it was hidden on purpose; its container may still be off
        // screen.
        const bool visible = !(w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->isHidden());
        widgets.emplace_back(w);
        items.push_back(Item { align, w->geometry(), visible });
    }
    alignItems(client, items);
    const QPointer<AlignLayout> alive(this);
    for (size_t i = 0; i < widgets.size() && alive; ++i) {
        if (items[i].visible && widgets[i])
            place(widgets[i], items[i].bounds);
    }
}
