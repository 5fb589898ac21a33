#include "skin/accessibility/ControlAccessible.h"

#include "framework/TextDraw.h"
#include "skin/accessibility/SkinPartAccessible.h"

#include <QVariant>

namespace {

// Most specific first: a radio button is also a check box.
struct ClassRole {
    const char* className;
    QAccessible::Role role;
};
constexpr ClassRole kRoles[] = {
    { "TsuiRadioButton", QAccessible::RadioButton },
    { "TsuiCheckBox", QAccessible::CheckBox },
    { "TsuiCustomButton", QAccessible::PushButton },
    { "TsuiToolBarSpeedButton", QAccessible::PushButton },
    { "TsuiProgressBar", QAccessible::ProgressBar },
    { "TsuiTrackBar", QAccessible::Slider },
    { "TsuiScrollBar", QAccessible::ScrollBar },
    { "TsuiCustomGroupBox", QAccessible::Grouping },
    { "TsuiCustomPanel", QAccessible::Pane },
    { "TsuiPanel", QAccessible::Pane },
};

} // namespace

QAccessible::Role ControlAccessible::roleOf(const QObject* control)
{
    for (const ClassRole& entry : kRoles)
        if (control->inherits(entry.className))
            return entry.role;
    return QAccessible::NoRole;
}

ControlAccessible::ControlAccessible(QWidget* control, QAccessible::Role role)
    : QAccessibleWidget(control, role)
{
}

bool ControlAccessible::checkable() const
{
    return role() == QAccessible::CheckBox || role() == QAccessible::RadioButton;
}

bool ControlAccessible::hasValue() const
{
    return role() == QAccessible::ProgressBar || role() == QAccessible::Slider
        || role() == QAccessible::ScrollBar;
}

QString ControlAccessible::caption() const
{
    return object()->property("Caption").toString();
}

QString ControlAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        // A name the program gave wins over the caption shown.
        const QString own = widget()->accessibleName();
        return own.isEmpty() ? StripAccelerators(caption()) : own;
    }
    case QAccessible::Accelerator: {
        const QChar key = AcceleratorChar(caption());
        return key.isNull() ? QString() : QStringLiteral("Alt+") + key.toUpper();
    }
    case QAccessible::Value:
        return hasValue() ? currentValue().toString() : QString();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State ControlAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (checkable()) {
        state.checkable = true;
        state.checked = object()->property("Checked").toBool();
    }
    if (role() == QAccessible::PushButton)
        state.defaultButton = object()->property("Default").toBool();
    return state;
}

void* ControlAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface && hasValue())
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList ControlAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (role() == QAccessible::PushButton)
        names.prepend(pressAction());
    else if (checkable())
        names.prepend(toggleAction());
    return names;
}

void ControlAccessible::doAction(const QString& actionName)
{
    if ((actionName == pressAction() || actionName == toggleAction()) && widget()->isEnabled()
        && (role() == QAccessible::PushButton || checkable())) {
        // The control's own mouse handling decides what a click does (a radio button that is
        // already checked stays checked).
        ClickAt(widget(), widget()->rect().center());
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QVariant ControlAccessible::currentValue() const
{
    return object()->property("Position");
}

void ControlAccessible::setCurrentValue(const QVariant& value)
{
    // A progress bar shows a value; it does not take one from the user.
    if (role() != QAccessible::ProgressBar)
        object()->setProperty("Position", value);
}

QVariant ControlAccessible::maximumValue() const
{
    return object()->property("Max");
}

QVariant ControlAccessible::minimumValue() const
{
    return object()->property("Min");
}

QVariant ControlAccessible::minimumStepSize() const
{
    return 1;
}
