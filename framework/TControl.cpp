#include "framework/TControl.h"

#include <QMetaProperty>
#include <algorithm>
#include <vector>

using ControlTypes::TCursor;

namespace ControlSupport {

Qt::CursorShape cursorShape(TCursor cursor)
{
    switch (cursor) {
    case TCursor::crNone:
        return Qt::BlankCursor;
    case TCursor::crCross:
        return Qt::CrossCursor;
    case TCursor::crIBeam:
        return Qt::IBeamCursor;
    case TCursor::crSizeNESW:
        return Qt::SizeBDiagCursor;
    case TCursor::crSizeNS:
        return Qt::SizeVerCursor;
    case TCursor::crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case TCursor::crSizeWE:
        return Qt::SizeHorCursor;
    case TCursor::crUpArrow:
        return Qt::UpArrowCursor;
    case TCursor::crHourGlass:
    case TCursor::crSQLWait:
        return Qt::WaitCursor;
    case TCursor::crDrag:
    case TCursor::crMultiDrag:
        return Qt::DragCopyCursor;
    case TCursor::crNoDrop:
    case TCursor::crNo:
        return Qt::ForbiddenCursor;
    case TCursor::crHSplit:
        return Qt::SplitHCursor;
    case TCursor::crVSplit:
        return Qt::SplitVCursor;
    case TCursor::crAppStart:
        return Qt::BusyCursor;
    case TCursor::crHelp:
        return Qt::WhatsThisCursor;
    case TCursor::crHandPoint:
        return Qt::PointingHandCursor;
    case TCursor::crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void applyTabOrder(QWidget* container)
{
    std::vector<std::pair<int, QWidget*>> chain;
    for (QObject* child : container->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        const int index = w->metaObject()->indexOfProperty("TabOrder");
        if (index < 0)
            continue;
        const int order = w->metaObject()->property(index).read(w).toInt();
        if (order >= 0)
            chain.emplace_back(order, w);
    }
    std::stable_sort(
        chain.begin(), chain.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
}

QWidget* parentForm(const QWidget* control)
{
    for (QWidget* w = const_cast<QWidget*>(control); w; w = w->parentWidget()) {
        Component* c = Component::of(w);
        if (c && c->IsForm())
            return w;
    }
    return nullptr;
}

} // namespace ControlSupport
