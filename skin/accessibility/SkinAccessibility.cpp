#include "skin/accessibility/SkinAccessibility.h"

#include "skin/accessibility/ControlAccessible.h"
#include "skin/accessibility/MenuBarAccessible.h"
#include "skin/accessibility/NoticeAccessible.h"
#include "skin/accessibility/TitleBarAccessible.h"
#include "skin/windows/FormMenuBar.h"
#include "skin/windows/SUITitleBar.h"
#include "skin/windows/frmMSNPop.h"

#include <QAccessible>

namespace {

QAccessibleInterface* skinInterface(const QString& className, QObject* object)
{
    Q_UNUSED(className);
    // Qt asks once per class of the object's hierarchy, most derived first; the first answer
    // wins, so the object's own type decides and a subclass of ours is served too.
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* bar = qobject_cast<TsuiTitleBar*>(widget))
        return new TitleBarAccessible(bar);
    if (auto* bar = qobject_cast<FormMenuBar*>(widget))
        return new MenuBarAccessible(bar);
    if (auto* notice = qobject_cast<TfrmMSNPopForm*>(widget))
        return new NoticeAccessible(notice);
    const QAccessible::Role role = ControlAccessible::roleOf(widget);
    if (role != QAccessible::NoRole)
        return new ControlAccessible(widget, role);
    return nullptr;
}

} // namespace

void InstallSkinAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(skinInterface);
        return true;
    }();
    (void)installed;
}
