#include "skin/windows/SUIForm.h"

#include "framework/ApplicationExceptions.h"
#include "framework/ComponentRegistry.h"
#include "framework/OrlendaException.h"
#include "framework/TForm.h"
#include "framework/TMenuItem.h"
#include "framework/TPanel.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"
#include "skin/windows/FormApplicationHook.h"
#include "skin/windows/FormRegion.h"
#include "skin/windows/FormMenuLink.h"
#include "skin/windows/SUITitleBarPopupMenu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPainter>

using namespace SuiThemes::SuiItem;

ORLENDA_REGISTER_COMPONENT(TsuiForm);

void RegisterSuiFormComponents()
{
    ComponentRegistry::instance().add<TsuiForm>();
}

namespace {

// The native border the frame stands in for: 3 pixels on every side.
constexpr int kBand = 3;
constexpr int kMinFormWidth = 125;
constexpr int kMinFormHeight = 50;
// File-theme markers in "ControlFontColor" that pick a menu bar colour of their own.
constexpr uint32_t kMarkerBlueBar = 0x020000;
constexpr uint32_t kMarkerSteelBar = 0x030000;

// Shared by every frame, as the maximize handling of one process is.
int g_maximizeCounter = 0;
bool g_mdiChildMaximized = false;

QColor toColor(uint32_t value)
{
    return TColor(value).toQColor();
}

bool isMdiChild(const QWidget* form)
{
    return form && form->parentWidget() && form->parentWidget()->inherits("QMdiSubWindow");
}

// The themed menu is reached by its published names, so any menu class that has them is styled.
bool isThemedMenu(const QObject* menu)
{
    return menu && IsHasProperty(menu, "UIStyle") && IsHasProperty(menu, "FileTheme");
}

} // namespace

TsuiForm::TsuiForm(QWidget* parent)
    : TControlBase<QWidget>(parent)
    , m_theme(this, [this] { applyStyle(); })
{
    if (parent && IsSUIForm(parent)) {
        for (QObject* child : parent->children()) {
            if (child != this && qobject_cast<TsuiForm*>(child))
                throw OrlendaException(QStringLiteral(
                    "Sorry, You can create only one TsuiForm component in one form!"));
        }
        m_form = parent;
        if (auto* form = qobject_cast<TForm*>(parent)) {
            form->Constraints()->setMinHeight(kMinFormHeight);
            form->Constraints()->setMinWidth(kMinFormWidth);
        } else {
            parent->setMinimumSize(kMinFormWidth, kMinFormHeight);
        }
        m_savedBounds = parent->geometry();
        m_startedMaximized = parent->isMaximized();
    }
    m_titleBar = new TsuiTitleBar(this);
    // The bar paints every pixel of itself, so the client beneath it is never painted.
    m_titleBar->setAttribute(Qt::WA_OpaquePaintEvent);
    // Owned by the frame, so a form description writes the frame's settings, not the bar.
    m_titleBar->SetOwner(this);
    if (auto* popup = m_titleBar->ControlBoxPopupMenu())
        popup->SetOwner(m_titleBar);
    m_menuBarColor = Color();
    m_theme.setUIStyle(TsuiUIStyle::DeepBlue);
    setAlign(ControlTypes::TAlign::alClient);
    if (m_form) {
        m_titleBar->SetCaption(m_form->windowTitle());
        takeOver();
        followSubWindow();
    }
    dockBars();
}

TsuiForm::~TsuiForm()
{
    m_destroying = true;
    if (m_menu)
        disconnect(m_menu, nullptr, this, nullptr);
    DetachMenuHost(m_menu, this);
    TsuiFormApplicationHook::release(this);
    // Removed at run time (the form still owns it): the form gets its own frame back. When the
    // form itself is going, its window is left alone.
    if (m_form && Owner())
        giveBack();
    else if (m_form)
        m_form->removeEventFilter(this);
    delete m_menuBar;
    m_menuBar = nullptr;
    delete m_titleBar;
    m_titleBar = nullptr;
}

void TsuiForm::takeOver()
{
    QWidget* form = m_form;
    if (auto* tform = qobject_cast<TForm*>(form)) {
        tform->setScaled(false);
        tform->setMenu(nullptr);
    }
    m_takeover.takeOver(form, QMargins(kBand, kBand, kBand, kBand));
    form->installEventFilter(this);
    TsuiFormApplicationHook::acquire(
        this, [this](QKeyEvent* event) { return applicationKey(event); });
    RegionWindow();
}

void TsuiForm::giveBack()
{
    m_form->removeEventFilter(this);
    m_takeover.giveBack();
}

void TsuiForm::ReAssign()
{
    if (!m_form || m_destroying)
        return;
    if (!(m_form->windowFlags() & Qt::FramelessWindowHint)) {
        const bool wasVisible = m_form->isVisible();
        m_takeover.makeFrameless();
        if (wasVisible)
            m_form->show();
    }
    m_takeover.forgetRegion();
    RegionWindow();
}

bool TsuiForm::OwnsApplicationHook() const
{
    return TsuiFormApplicationHook::owner() == static_cast<const QObject*>(this);
}

// Style -------------------------------------------------------------------------------------------

void TsuiForm::SetUIStyle(TsuiUIStyle style)
{
    m_theme.setUIStyle(style);
}

void TsuiForm::SetFileTheme(TsuiFileTheme* theme)
{
    disconnect(m_themeGone);
    // Connected before the themed-control helper's own handler, so the children are turned to
    // DeepBlue before the frame is.
    if (theme)
        m_themeGone = connect(theme, &QObject::destroyed, this, [this] { fileThemeGone(); });
    m_theme.setFileTheme(theme);
}

void TsuiForm::fileThemeGone()
{
    ContainerApplyUIStyle(this, TsuiUIStyle::DeepBlue, nullptr);
}

void TsuiForm::applyStyle()
{
    const QRect bounds = m_form ? m_form->geometry() : QRect();
    m_borderColor = toColor(m_theme.color(FormBorderColor));
    m_borderWidth = m_theme.integer(FormBorderWidthInt);
    setColor(toColor(m_theme.color(FormBackgroundColor)));
    if (m_theme.usesFileTheme()) {
        if (m_menuBar) {
            const uint32_t marker = m_theme.color(ControlFontColor);
            if (marker == kMarkerBlueBar)
                m_menuBarColor = QColor(0x3B, 0x5B, 0xAC);
            else if (marker == kMarkerSteelBar)
                m_menuBarColor = QColor(0x33, 0x67, 0x99);
            else
                m_menuBarColor = Color();
        }
    } else {
        // The style's own "MenuBarColor" item is not used here: the bar matches the client.
        m_menuBarColor = Color();
    }
    m_titleBar->SetRoundCorner(m_theme.integer(FormRoundCornerInt));

    m_titleBar->SetFileTheme(FileTheme());
    m_titleBar->SetUIStyle(UIStyle());
    if (isThemedMenu(m_menu)) {
        m_menu->setProperty("UIStyle", QVariant::fromValue(UIStyle()));
        m_menu->setProperty("FileTheme", QVariant::fromValue(FileTheme()));
    }
    if (m_autoUpdateSub)
        ContainerApplyUIStyle(this, UIStyle(), FileTheme());
    if (isMdiChild(m_form) && bounds.isValid())
        m_form->setGeometry(bounds);
    if (m_menuBar)
        m_menuBar->setLook(CurrentMenuBarLook());
    // A plain client lets the window's paint show through; a tiled one covers it.
    setAttribute(Qt::WA_OpaquePaintEvent, !paintsPlainClient());
    dockBars();
    RegionWindow();
    update();
    PaintFormBorder();
}

// Properties --------------------------------------------------------------------------------------

void TsuiForm::SetBorderColor(const QColor& color)
{
    m_borderColor = color;
    PaintFormBorder();
}

void TsuiForm::SetBorderWidth(int width)
{
    m_borderWidth = width;
    PaintFormBorder();
}

bool TsuiForm::TitleBarVisible() const
{
    return m_titleBar->isShownWithParent();
}

void TsuiForm::SetTitleBarVisible(bool visible)
{
    if (visible == TitleBarVisible())
        return;
    m_titleBar->setVisible(visible);
    dockBars();
    RegionWindow();
    PaintFormBorder();
}

void TsuiForm::SetCaption(const QString& caption)
{
    m_titleBar->SetCaption(caption);
    if (m_form)
        m_form->setWindowTitle(caption);
}

void TsuiForm::SetPanel(QWidget* panel)
{
    if (panel == this) {
        ApplicationExceptions::ShowMessage(
            QStringLiteral("Sorry, you can't select the Form assign to FormPanel property"));
        return;
    }
    m_formPanel = panel;
    if (!panel)
        return;
    FreeNotification(panel);
    panel->setProperty("Align", QVariant::fromValue(ControlTypes::TAlign::alClient));
    if (auto* plain = qobject_cast<TPanel*>(panel)) {
        plain->setBevelInner(ControlTypes::TBevelCut::bvNone);
        plain->setBevelOuter(ControlTypes::TBevelCut::bvNone);
        plain->setBorderWidth(0);
    }
    if (qobject_cast<TPanel*>(panel) || panel->inherits("TsuiImagePanel"))
        panel->setProperty("Caption", QString());
}

void TsuiForm::SetTitleBarSections(TsuiTitleBarSections* sections)
{
    m_titleBar->SetSections(sections);
    PaintFormBorder();
}

void TsuiForm::SetMenuBarColor(const QColor& color)
{
    m_menuBarColor = color;
    if (m_menuBar)
        m_menuBar->setLook(CurrentMenuBarLook());
    PaintFormBorder();
}

void TsuiForm::SetMenuBarHeight(int height)
{
    m_menuBarHeight = height;
    if (m_menuBar)
        m_menuBar->setButtonHeight(height);
    PaintFormBorder();
}

int TsuiForm::RoundCorner() const
{
    return TitleBarVisible() ? m_titleBar->RoundCorner() : 0;
}

void TsuiForm::SetRoundCorner(int corner)
{
    m_titleBar->SetRoundCorner(corner);
    RegionWindow();
    PaintFormBorder();
}

FormMethod TsuiForm::onTitleBarCustomBtnsClickHandler() const
{
    return m_titleBar->OnCustomBtnsClick.method();
}

void TsuiForm::setOnTitleBarCustomBtnsClickHandler(const FormMethod& m)
{
    m_titleBar->OnCustomBtnsClick.bind(m);
}

FormMethod TsuiForm::onTitleBarHelpBtnClickHandler() const
{
    return m_titleBar->OnHelpBtnClick.method();
}

void TsuiForm::setOnTitleBarHelpBtnClickHandler(const FormMethod& m)
{
    m_titleBar->OnHelpBtnClick.bind(m);
}

// Menu bar ----------------------------------------------------------------------------------------

void TsuiForm::SetMenu(TMainMenu* menu)
{
    if (m_menu && m_menu != menu) {
        disconnect(m_menu, nullptr, this, nullptr);
        DetachMenuHost(m_menu, this);
    }
    m_menu = menu;
    if (!menu) {
        DestroyMenuBar();
        return;
    }
    FreeNotification(menu);
    if (!AttachMenuHost(menu, this)) {
        // A plain menu tells of every change with one signal: rebuild the bar from it.
        connect(menu, &TMainMenu::changed, this, &TsuiForm::UpdateMenu, Qt::UniqueConnection);
    }
    CreateMenuBar();
    UpdateMenu();
}

void TsuiForm::CreateMenuBar()
{
    if (m_menuBar || isMdiChild(m_form))
        return;
    m_menuBar = new FormMenuBar(this);
    m_menuBar->SetOwner(this);
    m_menuBar->setButtonHeight(m_menuBarHeight);
    m_menuBar->setPopupFactory(
        [this](TMenuItem* item, QWidget* parent) { return MenuDropDown(m_menu, item, parent); });
    m_menuBar->setLook(CurrentMenuBarLook());
    m_menuBar->show();
    dockBars();
    PaintFormBorder();
}

void TsuiForm::DestroyMenuBar()
{
    if (!isMdiChild(m_form)) {
        delete m_menuBar;
        m_menuBar = nullptr;
    }
    if (m_menu) {
        disconnect(m_menu, nullptr, this, nullptr);
        DetachMenuHost(m_menu, this);
    }
    m_menu = nullptr;
    PaintFormBorder();
}

void TsuiForm::UpdateMenu()
{
    if (!m_menu) {
        DestroyMenuBar();
        return;
    }
    if (m_menuBar)
        m_menuBar->setMenu(m_menu);
    PaintFormBorder();
}

void TsuiForm::UpdateTopMenu()
{
    if (m_menuBar)
        m_menuBar->UpdateTopMenu();
}

void TsuiForm::RepaintMenuBar()
{
    if (m_menuBar && m_menu)
        m_menuBar->setLook(CurrentMenuBarLook());
}

uint32_t TsuiForm::menuColor(int index) const
{
    if (!isThemedMenu(m_menu))
        return m_theme.color(index);
    const auto style = m_menu->property("UIStyle").value<TsuiUIStyle>();
    auto* theme = m_menu->property("FileTheme").value<TsuiFileTheme*>();
    TsuiUIStyle effective = style;
    if (UsingFileTheme(theme, style, effective))
        return theme->GetColor(index);
    return GetInsideThemeColor(effective, index);
}

MenuBarLook TsuiForm::CurrentMenuBarLook() const
{
    MenuBarLook look;
    const TsuiUIStyle style
        = isThemedMenu(m_menu) ? m_menu->property("UIStyle").value<TsuiUIStyle>() : UIStyle();
    look.macOS = style == TsuiUIStyle::MacOS;
    look.barColor = m_menuBarColor.isValid() ? m_menuBarColor : Color();
    look.selectedBorderColor = toColor(menuColor(MenuSelectedBorderColor));
    look.selectedBackgroundColor = toColor(menuColor(MenuSelectedBackgroundColor));
    look.selectedFontColor = toColor(menuColor(MenuSelectedFontColor));
    look.fontColor = toColor(menuColor(MenuFontColor));
    if (isThemedMenu(m_menu)) {
        auto* theme = m_menu->property("FileTheme").value<TsuiFileTheme*>();
        TsuiUIStyle effective = style;
        if (UsingFileTheme(theme, style, effective)
            && theme->GetColor(ControlFontColor) == kMarkerSteelBar)
            look.fontColor = Qt::white;
    } else if (m_theme.usesFileTheme() && m_theme.color(ControlFontColor) == kMarkerSteelBar) {
        look.fontColor = Qt::white;
    }
    look.font = MenuBarFont(m_menu);
    return look;
}

void TsuiForm::dockBars()
{
    // The order from the top: title bar, menu bar, the rest. Docking sorts top-aligned controls
    // by their top, so both bars are put just above where they belong.
    m_titleBar->setTop(-2);
    if (m_menuBar)
        m_menuBar->setTop(TitleBarVisible() ? m_titleBar->height() - 1 : -1);
    AlignLayout::dock(this);
}

// Keys --------------------------------------------------------------------------------------------

int TsuiForm::ProcessKeyPress(const QKeyEvent* event)
{
    if (m_destroying || !m_form || !m_menu)
        return 0;
    if (!FormHasFocus(m_form) || !m_form->isActiveWindow())
        return 0;
    return MenuRunsShortCut(m_menu, event) ? 1 : 0;
}

bool TsuiForm::applicationKey(QKeyEvent* event)
{
    if (m_destroying)
        return false;
    if (event->key() == Qt::Key_Space && (event->modifiers() & Qt::AltModifier)
        && !(event->modifiers() & Qt::ControlModifier)) {
        QWidget* main = MainForm() ? MainForm() : m_form.data();
        if (!main || !m_titleBar->ControlBoxPopupMenu())
            return false;
        m_titleBar->ControlBoxPopupMenu()->Popup(main->x(), main->y() + m_titleBar->height());
        return true;
    }
    return ProcessKeyPress(event) == 1;
}

// Painting and the window -------------------------------------------------------------------------

FormBorderLook TsuiForm::BorderLook() const
{
    FormBorderLook look;
    look.size = m_form ? m_form->size() : QSize();
    look.borderWidth = m_borderWidth;
    look.borderColor = m_borderColor;
    look.color = Color();
    look.titleBarVisible = TitleBarVisible();
    look.titleBarHeight = m_titleBar->height();
    look.titleBarCanPaint = m_titleBar->CanPaint();
    if (look.titleBarCanPaint) {
        look.leftImage = m_titleBar->GetLeftImage();
        look.rightImage = m_titleBar->GetRightImage();
        look.centerImage = m_titleBar->GetCenterImage();
    }
    look.menuBarVisible = m_menuBar && !m_menuBar->isHidden();
    look.menuBarHeight = m_menuBar ? m_menuBar->height() : 0;
    look.menuBarColor = m_menuBarColor;
    look.roundCorner = RoundCorner();
    look.fillInterior = paintsPlainClient();
    return look;
}

void TsuiForm::PaintFormBorder()
{
    if (m_destroying || !m_form || m_form->isMinimized())
        return;
    const QRect inside = m_form->rect().adjusted(kBand, kBand, -kBand, -kBand);
    m_form->update(QRegion(m_form->rect()).subtracted(inside));
}

void TsuiForm::RegionWindow()
{
    if (m_destroying || !m_form)
        return;
    m_takeover.setRegion(RoundCorner());
}

int TsuiForm::RegionComputations()
{
    return FormTakeover::regionComputations();
}

QImage TsuiForm::clientTile() const
{
    const TsuiUIStyle style = UIStyle();
    if (style == TsuiUIStyle::MacOS)
        return GetSkinResource(QStringLiteral("MACOS_FORM_BACKGROUND"), SkinPictureScale(this));
    if (style == TsuiUIStyle::Protein)
        return GetSkinResource(QStringLiteral("PROTEIN_FORM_BACKGROUND"), SkinPictureScale(this));
    return QImage();
}

bool TsuiForm::paintsPlainClient() const
{
    // On a form, a plain client colour is filled by the window's paint together with the band,
    // in one pass; only tiled clients and frames without a form paint themselves.
    return m_form && clientTile().isNull();
}

void TsuiForm::paintEvent(QPaintEvent*)
{
    if (m_destroying || paintsPlainClient())
        return;
    QPainter painter(this);
    const QImage picture = clientTile();
    if (picture.isNull())
        painter.fillRect(rect(), Color());
    else
        TileDraw(painter, picture, rect());
}

void TsuiForm::resized()
{
    TControlBase<QWidget>::resized();
    if (m_titleBar && m_titleBar->isVisibleTo(this) && m_titleBar->y() != 0)
        dockBars();
}

void TsuiForm::formResized()
{
    if (m_takeover.placing())
        return;
    QWidget* form = m_form;
    if (m_startedMaximized) {
        if (!form->isMaximized()) {
            m_startedMaximized = false;
            form->setGeometry(m_savedBounds);
        } else if (g_maximizeCounter == 2) {
            form->setWindowState(form->windowState() | Qt::WindowMaximized);
        } else {
            ++g_maximizeCounter;
        }
        g_mdiChildMaximized = true;
    }
    m_takeover.placeMaximized();
    PaintFormBorder();
    m_titleBar->ProcessMaxBtn();
    RegionWindow();
}

bool TsuiForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_form || m_destroying)
        return TControlBase<QWidget>::eventFilter(watched, event);
    QWidget* form = m_form;
    switch (event->type()) {
    case QEvent::Paint:
        if (!form->isMinimized()) {
            QPainter painter(form);
            ::PaintFormBorder(painter, BorderLook());
        }
        break;
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        formResized();
        break;
    case QEvent::ParentChange:
        followSubWindow();
        break;
    case QEvent::Show:
        // Caption buttons asked for since the takeover bring the native frame back.
        if (!(form->windowFlags() & Qt::FramelessWindowHint))
            ReAssign();
        // A native menu bar is never shown on a skinned form.
        if (auto* tform = qobject_cast<TForm*>(form); tform && tform->Menu())
            tform->setMenu(nullptr);
        form->setContentsMargins(kBand, kBand, kBand, kBand);
        AlignLayout::dock(form);
        RegionWindow();
        break;
    case QEvent::ActivationChange:
        m_titleBar->SetActive(form->isActiveWindow());
        break;
    case QEvent::KeyPress:
        if (ProcessKeyPress(static_cast<QKeyEvent*>(event)) == 1)
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (m_takeover.mouseEvent(event))
            return true;
        break;
    default:
        break;
    }
    return TControlBase<QWidget>::eventFilter(watched, event);
}

void TsuiForm::followSubWindow()
{
    auto* sub = m_form ? qobject_cast<QMdiSubWindow*>(m_form->parentWidget()) : nullptr;
    if (sub == m_subWindow)
        return;
    if (m_subWindow)
        disconnect(m_subWindow, nullptr, this, nullptr);
    m_subWindow = sub;
    if (!sub)
        return;
    // An MDI child shows no bar of its own: the parent's frame shows its menu.
    if (m_menuBar) {
        delete m_menuBar;
        m_menuBar = nullptr;
        dockBars();
    }
    connect(sub, &QMdiSubWindow::windowStateChanged, this, &TsuiForm::subWindowStateChanged);
    subWindowStateChanged();
}

void TsuiForm::subWindowStateChanged()
{
    QMdiSubWindow* sub = m_subWindow;
    if (!sub || m_destroying)
        return;
    // Minimized, the child keeps the sub-window's own small caption, the one thing that shows
    // of it and brings it back; otherwise the frame paints the child's caption and border.
    const bool frameless = !sub->isMinimized();
    if (bool(sub->windowFlags() & Qt::FramelessWindowHint) != frameless) {
        const bool wasVisible = sub->isVisible();
        sub->setWindowFlag(Qt::FramelessWindowHint, frameless);
        if (wasVisible)
            sub->show();
    }
    const bool maximized = sub->isMaximized();
    if (TitleBarVisible() == maximized)
        SetTitleBarVisible(!maximized);
    m_titleBar->ProcessMaxBtn();
}

// Components --------------------------------------------------------------------------------------

void TsuiForm::Notification(QObject* component, Operation operation)
{
    TControlBase<QWidget>::Notification(component, operation);
    if (operation != Operation::opRemove)
        return;
    if (component == m_formPanel.data())
        m_formPanel = nullptr;
    if (m_menu && component == static_cast<QObject*>(m_menu.data()))
        DestroyMenuBar();
}

void TsuiForm::Loaded()
{
    TControlBase<QWidget>::Loaded();
    dockBars();
    RegionWindow();
    PaintFormBorder();
}
