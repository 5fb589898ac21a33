#include "framework/AlignLayout.h"

#include <QCoreApplication>
#include <QHash>
#include <QMetaProperty>
#include <QPointer>
#include <QResizeEvent>
#include <QWidget>
#include <algorithm>
#include <vector>

using ControlTypes::TAlign;

namespace AlignLayout {

namespace {

// Sort key inside one docking kind: distance of the docked edge from the container's edge.
int dockKey(const Item& item)
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

constexpr const char* watcherName = "orlenda_align_watcher";

class Watcher : public QObject {
public:
    explicit Watcher(QWidget* container)
        : QObject(container)
    {
        setObjectName(QLatin1String(watcherName));
        container->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::ContentsRectChange)
            realign(static_cast<QWidget*>(watched));
        return false;
    }
};

struct PassState {
    bool aligning = false;
    bool pending = false;
};

int suspendDepth = 0;

QHash<const QWidget*, PassState>& passes()
{
    static QHash<const QWidget*, PassState> states;
    return states;
}

} // namespace

void alignItems(QRect client, std::span<Item> items)
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

TAlign alignOf(const QWidget* widget)
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

Suspend::Suspend()
{
    ++suspendDepth;
}

Suspend::~Suspend()
{
    --suspendDepth;
}

bool suspended()
{
    return suspendDepth > 0;
}

void realign(QWidget* container)
{
    if (!container || suspendDepth > 0)
        return;
    PassState& state = passes()[container];
    if (state.aligning) {
        state.pending = true;
        return;
    }
    state.aligning = true;
    // A handler reacting to a resize may move docked controls again; a few passes settle it.
    const QPointer<QWidget> alive(container);
    for (int pass = 0; pass < 8 && alive; ++pass) {
        passes()[container].pending = false;
        // Guarded: a resize handler run by one placement may delete a sibling.
        std::vector<QPointer<QWidget>> widgets;
        std::vector<Item> items;
        for (QObject* child : container->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (!w || w->isWindow())
                continue;
            const TAlign align = alignOf(w);
            if (align == TAlign::alNone || align == TAlign::alCustom)
                continue;
            const bool visible
                = !(w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->isHidden());
            widgets.push_back(w);
            items.push_back(Item { align, w->geometry(), visible });
        }
        alignItems(container->contentsRect(), items);
        for (size_t i = 0; i < widgets.size(); ++i) {
            if (items[i].visible && widgets[i])
                setBounds(widgets[i], items[i].bounds);
        }
        if (!passes()[container].pending)
            break;
    }
    passes().remove(container);
}

void setBounds(QWidget* widget, const QRect& bounds)
{
    const QSize oldSize = widget->size();
    const QRect clipped(bounds.topLeft(), bounds.size().expandedTo(QSize(0, 0)));
    if (widget->geometry() == clipped)
        return;
    widget->setGeometry(clipped);
    if (widget->testAttribute(Qt::WA_PendingResizeEvent) && widget->size() != oldSize) {
        widget->setAttribute(Qt::WA_PendingResizeEvent, false);
        QResizeEvent event(widget->size(), oldSize);
        QCoreApplication::sendEvent(widget, &event);
    }
}

void watch(QWidget* container)
{
    if (!container
        || container->findChild<QObject*>(QLatin1String(watcherName), Qt::FindDirectChildrenOnly))
        return;
    new Watcher(container);
}

} // namespace AlignLayout
