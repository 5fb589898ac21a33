#include "skin/accessibility/TitleBarAccessible.h"

#include "framework/TextDraw.h"
#include "skin/windows/SUITitleBar.h"

#include <algorithm>

namespace {

class CaptionButtonAccessible : public SkinPartAccessible {
public:
    using SkinPartAccessible::SkinPartAccessible;

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        const QWidget* form = bar()->Form();
        return TitleBarAccessible::buttonName(
            int(bar()->Buttons()->Button(index())->ButtonType()), form && form->isMaximized());
    }
    QAccessible::Role role() const override
    {
        if (isValid()
            && bar()->Buttons()->Button(index())->ButtonType()
                == TsuiTitleBarBtnType::suiControlBox)
            return QAccessible::ButtonMenu;
        return QAccessible::PushButton;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = SkinPartAccessible::state();
        if (isValid()) {
            state.hotTracked = bar()->HotButton() == index();
            state.hasPopup = role() == QAccessible::ButtonMenu;
        }
        return state;
    }

protected:
    QRect partRect() const override { return bar()->ButtonRect(index()); }
    bool partExists() const override
    {
        return index() < bar()->Buttons()->Count() && bar()->Buttons()->Button(index())->Visible();
    }
    void press() override { ClickAt(host(), bar()->ButtonRect(index()).center()); }

private:
    TsuiTitleBar* bar() const { return static_cast<TsuiTitleBar*>(host()); }
};

} // namespace

TitleBarAccessible::TitleBarAccessible(TsuiTitleBar* bar)
    : QAccessibleWidget(bar, QAccessible::TitleBar)
{
}

TsuiTitleBar* TitleBarAccessible::bar() const
{
    return static_cast<TsuiTitleBar*>(widget());
}

QString TitleBarAccessible::buttonName(int type, bool formMaximized)
{
    switch (TsuiTitleBarBtnType(type)) {
    case TsuiTitleBarBtnType::suiMax:
        return formMaximized ? QStringLiteral("Restore") : QStringLiteral("Maximize");
    case TsuiTitleBarBtnType::suiMin:
        return QStringLiteral("Minimize");
    case TsuiTitleBarBtnType::suiClose:
        return QStringLiteral("Close");
    case TsuiTitleBarBtnType::suiHelp:
        return QStringLiteral("Help");
    case TsuiTitleBarBtnType::suiControlBox:
        return QStringLiteral("Window menu");
    case TsuiTitleBarBtnType::suiCustom:
        break;
    }
    return QStringLiteral("Button");
}

QString TitleBarAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QString own = widget()->accessibleName();
        return own.isEmpty() ? StripAccelerators(bar()->Caption()) : own;
    }
    return QAccessibleWidget::text(t);
}

QList<int> TitleBarAccessible::shownButtons() const
{
    const TsuiTitleBar::ButtonLayout layout = bar()->LayoutButtons();
    QList<int> shown;
    if (layout.controlBox.index >= 0)
        shown.append(layout.controlBox.index);
    // The layout lists the right-hand buttons from the right edge inwards.
    for (auto it = layout.right.crbegin(); it != layout.right.crend(); ++it)
        shown.append(it->index);
    return shown;
}

int TitleBarAccessible::childCount() const
{
    return int(shownButtons().size());
}

QAccessibleInterface* TitleBarAccessible::child(int index) const
{
    const QList<int> shown = shownButtons();
    if (index < 0 || index >= shown.size())
        return nullptr;
    const int button = shown[index];
    return m_parts.part(
        button, [this, button] { return new CaptionButtonAccessible(bar(), button); });
}

int TitleBarAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return int(shownButtons().indexOf(m_parts.indexOf(child)));
}

QAccessibleInterface* TitleBarAccessible::childAt(int x, int y) const
{
    const int button = bar()->ButtonAt(bar()->mapFromGlobal(QPoint(x, y)));
    const int place = int(shownButtons().indexOf(button));
    return place >= 0 ? child(place) : nullptr;
}
