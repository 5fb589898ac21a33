#include "skin/accessibility/MenuBarAccessible.h"

#include "framework/TextDraw.h"
#include "skin/windows/FormMenuBar.h"

namespace {

class MenuTitleAccessible : public SkinPartAccessible {
public:
    using SkinPartAccessible::SkinPartAccessible;

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const QString caption = bar()->buttons().at(index()).caption;
        if (t == QAccessible::Name)
            return StripAccelerators(caption);
        if (t == QAccessible::Accelerator) {
            const QChar key = AcceleratorChar(caption);
            return key.isNull() ? QString() : QStringLiteral("Alt+") + key.toUpper();
        }
        return {};
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state = SkinPartAccessible::state();
        if (isValid()) {
            state.disabled = state.disabled || !bar()->buttons().at(index()).enabled;
            state.hasPopup = true;
            state.expanded = bar()->openIndex() == index();
        }
        return state;
    }
    QStringList actionNames() const override { return { pressAction(), showMenuAction() }; }
    void doAction(const QString& actionName) override
    {
        if (actionName == showMenuAction())
            SkinPartAccessible::doAction(pressAction());
        else
            SkinPartAccessible::doAction(actionName);
    }

protected:
    QRect partRect() const override { return bar()->buttons().at(index()).rect; }
    bool partExists() const override { return index() < bar()->buttons().size(); }
    void press() override
    {
        if (bar()->buttons().at(index()).enabled)
            bar()->openButton(index());
    }

private:
    FormMenuBar* bar() const { return static_cast<FormMenuBar*>(host()); }
};

} // namespace

MenuBarAccessible::MenuBarAccessible(FormMenuBar* bar)
    : QAccessibleWidget(bar, QAccessible::MenuBar)
{
}

FormMenuBar* MenuBarAccessible::bar() const
{
    return static_cast<FormMenuBar*>(widget());
}

int MenuBarAccessible::childCount() const
{
    return int(bar()->buttons().size());
}

QAccessibleInterface* MenuBarAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return m_parts.part(index, [this, index] { return new MenuTitleAccessible(bar(), index); });
}

int MenuBarAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const int index = m_parts.indexOf(child);
    return index < childCount() ? index : -1;
}

QAccessibleInterface* MenuBarAccessible::childAt(int x, int y) const
{
    return child(bar()->buttonAt(bar()->mapFromGlobal(QPoint(x, y))));
}
