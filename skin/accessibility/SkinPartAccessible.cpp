#include "skin/accessibility/SkinPartAccessible.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>

SkinPartAccessible::SkinPartAccessible(QWidget* host, int index)
    : m_host(host)
    , m_index(index)
{
}

bool SkinPartAccessible::isValid() const
{
    return m_host && partExists();
}

QWindow* SkinPartAccessible::window() const
{
    return m_host ? m_host->window()->windowHandle() : nullptr;
}

QAccessibleInterface* SkinPartAccessible::parent() const
{
    return m_host ? QAccessible::queryAccessibleInterface(m_host.data()) : nullptr;
}

QRect SkinPartAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect place = partRect();
    return QRect(m_host->mapToGlobal(place.topLeft()), place.size());
}

QAccessible::State SkinPartAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.disabled = !m_host->isEnabled();
    state.invisible = !m_host->isVisible() || partRect().isEmpty();
    state.offscreen = state.invisible;
    return state;
}

void* SkinPartAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList SkinPartAccessible::actionNames() const
{
    return { pressAction() };
}

void SkinPartAccessible::doAction(const QString& actionName)
{
    // A part that went away or a disabled host does nothing, as a click on it would.
    if (actionName == pressAction() && isValid() && m_host->isEnabled())
        press();
}

SkinPartRegistry::~SkinPartRegistry()
{
    for (const QAccessible::Id id : std::as_const(m_ids))
        QAccessible::deleteAccessibleInterface(id);
}

int SkinPartRegistry::indexOf(const QAccessibleInterface* part) const
{
    for (auto it = m_ids.constBegin(); it != m_ids.constEnd(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == part)
            return it.key();
    return -1;
}

void ClickAt(QWidget* widget, const QPoint& point)
{
    const QPointF local(point);
    const QPointF global(widget->mapToGlobal(point));
    QMouseEvent press(
        QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    const QPointer<QWidget> guard(widget);
    QCoreApplication::sendEvent(widget, &press);
    if (!guard)
        return;
    QMouseEvent release(
        QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}
