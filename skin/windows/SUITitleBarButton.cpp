#include "skin/windows/SUITitleBarButton.h"

#include "framework/ApplicationExceptions.h"
#include "framework/TPopupMenu.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"
#include "skin/windows/SUITitleBar.h"

#include <QWidget>

namespace {

// Strip frames of each button kind: normal, mouse on, mouse down follow the first one.
constexpr int kStripFrames = 18;
constexpr int kControlBoxFrame = 1;
constexpr int kHelpFrame = 4;
constexpr int kMaxFrame = 7;
constexpr int kRestoreFrame = 10;
constexpr int kMinFrame = 13;
constexpr int kCloseFrame = 16;

} // namespace

TsuiTitleBarButton::TsuiTitleBarButton(QObject* collection)
    : QObject(collection)
{
}

TsuiTitleBar* TsuiTitleBarButton::TitleBar() const
{
    auto* buttons = qobject_cast<TsuiTitleBarButtons*>(parent());
    return buttons ? buttons->TitleBar() : nullptr;
}

void TsuiTitleBarButton::SetUIStyle(TsuiUIStyle style)
{
    m_style = style;
    UpdateUIStyle();
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType type)
{
    if (type == TsuiTitleBarBtnType::suiControlBox) {
        // The button itself counts too: writing suiControlBox again is refused like a second one.
        if (const auto* buttons = qobject_cast<const TCollection*>(parent())) {
            for (const QObject* item : buttons->items()) {
                if (static_cast<const TsuiTitleBarButton*>(item)->m_type
                    == TsuiTitleBarBtnType::suiControlBox) {
                    ApplicationExceptions::ShowMessage(QStringLiteral(
                        "Sorry, only one button's ButtonType property can be \"suiControlBox\""));
                    return;
                }
            }
        }
    }
    m_type = type;
    UpdateUIStyle();
}

void TsuiTitleBarButton::SetTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    Q_EMIT changed();
}

void TsuiTitleBarButton::SetTop(int top)
{
    if (m_top == top)
        return;
    m_top = top;
    Q_EMIT changed();
}

void TsuiTitleBarButton::SetVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    Q_EMIT changed();
}

void TsuiTitleBarButton::SetControlBoxMenu(TPopupMenu* menu)
{
    m_controlBoxMenu = menu;
}

void TsuiTitleBarButton::SetPicNormal(const QImage& picture)
{
    m_picNormal = picture;
    Q_EMIT changed();
}

void TsuiTitleBarButton::SetPicMouseOn(const QImage& picture)
{
    m_picMouseOn = picture;
    Q_EMIT changed();
}

void TsuiTitleBarButton::SetPicMouseDown(const QImage& picture)
{
    m_picMouseDown = picture;
    Q_EMIT changed();
}

void TsuiTitleBarButton::loadPicture(QImage& target, int frame) const
{
    TsuiTitleBar* bar = TitleBar();
    TsuiFileTheme* theme = bar ? bar->FileTheme() : nullptr;
    TsuiUIStyle effective = TsuiUIStyle::DeepBlue;
    // A theme without the strip leaves no picture rather than the previous style's.
    target = QImage();
    if (UsingFileTheme(theme, m_style, effective))
        theme->GetBitmap(SuiThemes::SuiItem::TitleBarButtonImage, target, kStripFrames, frame);
    else
        GetInsideThemeBitmap(effective, SuiThemes::SuiItem::TitleBarButtonImage, &target,
            kStripFrames, frame, bar ? bar->PictureScale() : 1);
}

void TsuiTitleBarButton::loadFrames(int first)
{
    loadPicture(m_picNormal, first);
    loadPicture(m_picMouseOn, first + 1);
    loadPicture(m_picMouseDown, first + 2);
}

void TsuiTitleBarButton::UpdateUIStyle()
{
    TsuiTitleBar* bar = TitleBar();
    TsuiFileTheme* theme = bar ? bar->FileTheme() : nullptr;
    TsuiUIStyle effective = TsuiUIStyle::DeepBlue;
    const bool fromFile = UsingFileTheme(theme, m_style, effective);
    using SuiThemes::SuiItem::TitleBarButtonTopInt;
    using SuiThemes::SuiItem::TitleBarButtonTransparentBool;
    m_transparent = fromFile ? theme->GetBool(TitleBarButtonTransparentBool)
                             : GetInsideThemeBool(effective, TitleBarButtonTransparentBool);

    int first = 0;
    switch (m_type) {
    case TsuiTitleBarBtnType::suiControlBox:
        first = kControlBoxFrame;
        break;
    case TsuiTitleBarBtnType::suiHelp:
        first = kHelpFrame;
        break;
    case TsuiTitleBarBtnType::suiMax:
        first = kMaxFrame;
        break;
    case TsuiTitleBarBtnType::suiMin:
        first = kMinFrame;
        break;
    case TsuiTitleBarBtnType::suiClose:
        first = kCloseFrame;
        break;
    case TsuiTitleBarBtnType::suiCustom:
        // Custom buttons keep the pictures and top they were given.
        Q_EMIT changed();
        return;
    }
    loadFrames(first);
    m_top = fromFile ? theme->GetInt(TitleBarButtonTopInt)
                     : GetInsideThemeInt(effective, TitleBarButtonTopInt);
    if (m_type == TsuiTitleBarBtnType::suiMax)
        ProcessMaxBtn();
    Q_EMIT changed();
}

void TsuiTitleBarButton::ProcessMaxBtn()
{
    if (m_type != TsuiTitleBarBtnType::suiMax)
        return;
    TsuiTitleBar* bar = TitleBar();
    if (bar && bar->Custom())
        return;
    const QWidget* window = bar ? SUIFormWindow(bar->Form()) : nullptr;
    loadFrames(window && window->isMaximized() ? kRestoreFrame : kMaxFrame);
    Q_EMIT changed();
}

void TsuiTitleBarButton::DoClick()
{
    TsuiTitleBar* bar = TitleBar();
    // An MDI child's buttons act on the sub-window it shows in.
    QWidget* form = bar ? SUIFormWindow(bar->Form()) : nullptr;
    if (!form)
        return;
    switch (m_type) {
    case TsuiTitleBarBtnType::suiMax:
        if (form->isMaximized()) {
            form->setWindowState(form->windowState() & ~Qt::WindowMaximized);
        } else {
            // The window system keeps a maximized window to the work area; placing it there by
            // hand as well would end its maximized state.
            form->setWindowState(form->windowState() | Qt::WindowMaximized);
        }
        ProcessMaxBtn();
        break;
    case TsuiTitleBarBtnType::suiMin:
        bar->MinimizeForm();
        break;
    case TsuiTitleBarBtnType::suiClose:
        form->close();
        break;
    case TsuiTitleBarBtnType::suiControlBox:
        if (m_controlBoxMenu) {
            const QPoint at = bar->mapToGlobal(QPoint(0, bar->height()));
            m_controlBoxMenu->Popup(at.x(), at.y());
        }
        break;
    case TsuiTitleBarBtnType::suiHelp:
    case TsuiTitleBarBtnType::suiCustom:
        // The title bar raises their events.
        break;
    }
}

void TsuiTitleBarButton::Assign(const TsuiTitleBarButton* source)
{
    if (!source || source == this)
        return;
    SetVisible(source->Visible());
    SetButtonType(source->ButtonType());
    SetTransparent(source->Transparent());
    SetTop(source->Top());
    SetUIStyle(source->UIStyle());
    m_picNormal = source->PicNormal();
    m_picMouseOn = source->PicMouseOn();
    m_picMouseDown = source->PicMouseDown();
    m_controlBoxMenu = source->ControlBoxMenu();
    Q_EMIT changed();
}

TsuiTitleBarButtons::TsuiTitleBarButtons(TsuiTitleBar* titleBar)
    : TCollection(titleBar, &TsuiTitleBarButton::staticMetaObject,
        [](TCollection* c) -> QObject* { return new TsuiTitleBarButton(c); })
{
}

TsuiTitleBar* TsuiTitleBarButtons::TitleBar() const
{
    return qobject_cast<TsuiTitleBar*>(parent());
}

void TsuiTitleBarButtons::Assign(const TCollection* source)
{
    if (!source || source == this)
        return;
    Clear();
    for (const QObject* item : source->items())
        AddButton()->Assign(qobject_cast<const TsuiTitleBarButton*>(item));
}
