#include "skin/windows/SUIMDIForm.h"

#include "framework/ComponentRegistry.h"
#include "framework/OrlendaException.h"
#include "framework/TColor.h"
#include "framework/TForm.h"
#include "framework/TMDIClient.h"
#include "framework/TPanel.h"
#include "skin/controls/SUIToolBarSpeedButton.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"
#include "skin/windows/FormApplicationHook.h"
#include "skin/windows/FormMenuLink.h"
#include "skin/windows/SUIForm.h"
#include "skin/windows/SUIMSNPopForm.h"
#include "skin/windows/SUITitleBarMetrics.h"

#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPainter>
#include <algorithm>

using namespace SuiThemes::SuiItem;

ORLENDA_REGISTER_COMPONENT(TsuiMDIForm);

void RegisterSuiMDIFormComponents()
{
    ComponentRegistry::instance().add<TsuiMDIForm>();
    RegisterSuiMSNPopFormComponents();
}

namespace {

constexpr int kMinFormWidth = 125;
constexpr int kMinFormHeight = 50;
// File-theme markers in "ControlFontColor" that pick a menu bar colour of their own.
constexpr uint32_t kMarkerBlueBar = 0x020000;
constexpr uint32_t kMarkerSteelBar = 0x030000;
// The control buttons: 18 pixels apart from the right, the rightmost 20 pixels in.
constexpr int kButtonSize = 18;
constexpr int kButtonRightInset = 20;
constexpr int kButtonTop = 1;
// What the platform's own tiling leaves for a row of minimized children.
constexpr int kMinimizedRow = 25;
// Cascaded children step this far right and down.
constexpr int kCascadeStep = 22;

QColor toColor(uint32_t value)
{
    return TColor(value).toQColor();
}

// The MDI parent's band: the title bar's pictures start 4 pixels left and 3 up of it.
QMargins frameBand()
{
    using namespace TitleBarMetrics;
    return QMargins(kMDIFrameBand, kFrameBand, kMDIFrameBand, kMDIFrameBand);
}

} // namespace

TsuiMDIForm::TsuiMDIForm(QObject* owner)
    : QObject(owner)
    , Component(this)
    , m_theme(this, [this] { applyStyle(); })
{
    auto* form = qobject_cast<QWidget*>(owner);
    if (!form || !form->isWindow())
        throw OrlendaException(QStringLiteral("Sorry, TsuiMDIForm must be placed on a form"));
    m_form = form;
    if (auto* tform = qobject_cast<TForm*>(form)) {
        tform->Constraints()->setMinHeight(kMinFormHeight);
        tform->Constraints()->setMinWidth(kMinFormWidth);
        tform->setMenu(nullptr);
    } else {
        form->setMinimumSize(kMinFormWidth, kMinFormHeight);
    }
    m_caption = form->windowTitle();

    m_titleBar = new TsuiTitleBar(form);
    m_titleBar->setAttribute(Qt::WA_OpaquePaintEvent);
    // Owned by this component: a form description writes the frame's settings, not the bar.
    m_titleBar->SetOwner(this);
    m_titleBar->SetCaption(m_caption);

    CreateMenuBar();
    QMdiArea* client = form->findChild<QMdiArea*>(QString(), Qt::FindDirectChildrenOnly);
    attachClient(client ? client : new TMDIClient(form));
    m_theme.setUIStyle(TsuiUIStyle::DeepBlue);
    takeOver();
    UpdateMenu();
}

TsuiMDIForm::~TsuiMDIForm()
{
    m_destroying = true;
    if (m_menu)
        disconnect(m_menu, nullptr, this, nullptr);
    DetachMenuHost(m_menu, this);
    TsuiFormApplicationHook::release(this);
    if (m_client) {
        m_client->removeEventFilter(this);
        if (m_clientViewport)
            m_clientViewport->removeEventFilter(this);
        disconnect(m_client, nullptr, this, nullptr);
        for (QMdiSubWindow* window : m_client->subWindowList()) {
            window->removeEventFilter(this);
            disconnect(window, nullptr, this, nullptr);
        }
    }
    if (m_form) {
        m_form->removeEventFilter(this);
        // Removed at run time (the form lives on): the form gets its own frame back.
        if (!m_form->testAttribute(Qt::WA_WState_Created) || Owner())
            giveBack();
    }
    DestroyMenuBar();
    delete m_titleBar.data();
}

void TsuiMDIForm::takeOver()
{
    m_takeover.takeOver(m_form, frameBand());
    m_form->installEventFilter(this);
    TsuiFormApplicationHook::acquire(
        this, [this](QKeyEvent* event) { return applicationKey(event); });
    dockBars();
    RegionWindow();
}

void TsuiMDIForm::giveBack()
{
    m_takeover.giveBack();
}

bool TsuiMDIForm::OwnsApplicationHook() const
{
    return TsuiFormApplicationHook::owner() == static_cast<const QObject*>(this);
}

// The MDI client and its children -----------------------------------------------------------------

void TsuiMDIForm::attachClient(QMdiArea* client)
{
    m_client = client;
    client->installEventFilter(this);
    m_clientViewport = client->viewport();
    m_clientViewport->installEventFilter(this);
    connect(client, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (window)
            watchSubWindow(window);
        childrenChanged();
    });
    for (QMdiSubWindow* window : client->subWindowList())
        watchSubWindow(window);
}

void TsuiMDIForm::watchSubWindow(QMdiSubWindow* window)
{
    if (!window || window->property("suiMdiWatched").toBool())
        return;
    window->setProperty("suiMdiWatched", true);
    window->installEventFilter(this);
    connect(window, &QMdiSubWindow::windowStateChanged, this,
        [this](Qt::WindowStates before, Qt::WindowStates after) {
            // Activation is a window state too; the activation signal covers that.
            const Qt::WindowStates shape
                = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
            if ((before ^ after) & shape)
                childrenChanged();
        });
    // A closed child leaves the list once it is gone; the frame looks again then.
    connect(window, &QObject::destroyed, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { childrenChanged(); }, Qt::QueuedConnection);
    });
}

QMdiSubWindow* TsuiMDIForm::activeChild() const
{
    if (!m_client)
        return nullptr;
    // The current child stays current while the application is in the background.
    QMdiSubWindow* child = m_client->currentSubWindow();
    if (!child || child->property("suiMdiClosing").toBool())
        return nullptr;
    return child;
}

QList<QMdiSubWindow*> TsuiMDIForm::children() const
{
    // Bottom of the stack first: the framework's last child index is the bottom-most window.
    return m_client ? m_client->subWindowList(QMdiArea::StackingOrder) : QList<QMdiSubWindow*>();
}

void TsuiMDIForm::childrenChanged()
{
    if (m_destroying)
        return;
    UpdateMenu();
    QMdiSubWindow* child = activeChild();
    if (child && child->isMaximized())
        ShowControlButtons();
    else
        HideControlButtons();
    refreshCaption();
}

TsuiForm* TsuiMDIForm::GetActiveChildSUIForm() const
{
    QMdiSubWindow* child = activeChild();
    QWidget* form = child ? child->widget() : nullptr;
    if (!form)
        return nullptr;
    for (QObject* control : form->children())
        if (auto* frame = qobject_cast<TsuiForm*>(control))
            return frame;
    return nullptr;
}

// Caption
// -------------------------------------------------------------------------------------------

QString TsuiMDIForm::platformText() const
{
    // While a child is maximized the window's text carries the child's caption, as the window
    // system gives an MDI parent.
    QMdiSubWindow* child = activeChild();
    if (!child || !child->isMaximized())
        return m_caption;
    const QString childCaption = child->windowTitle();
    if (childCaption.isEmpty())
        return m_caption;
    if (m_caption.isEmpty())
        return childCaption;
    return QStringLiteral("%1 - [%2]").arg(m_caption, childCaption);
}

void TsuiMDIForm::refreshCaption()
{
    if (!m_form || m_destroying)
        return;
    const QString text = platformText();
    m_settingText = true;
    m_form->setWindowTitle(text);
    m_settingText = false;
    m_titleBar->SetCaption(m_form->windowTitle());
}

QString TsuiMDIForm::Caption() const
{
    return m_form ? m_form->windowTitle() : m_titleBar->Caption();
}

void TsuiMDIForm::SetCaption(const QString& caption)
{
    m_caption = caption;
    refreshCaption();
}

// Style
// ---------------------------------------------------------------------------------------------

void TsuiMDIForm::SetUIStyle(TsuiUIStyle style)
{
    m_theme.setUIStyle(style);
}

void TsuiMDIForm::SetFileTheme(TsuiFileTheme* theme)
{
    m_theme.setFileTheme(theme);
}

void TsuiMDIForm::applyStyle()
{
    m_borderColor = toColor(m_theme.color(FormBorderColor));
    m_menuBarColor = toColor(m_theme.color(FormBackgroundColor));
    m_borderWidth = m_theme.integer(FormBorderWidthInt);
    if (m_theme.usesFileTheme()) {
        const uint32_t marker = m_theme.color(ControlFontColor);
        if (marker == kMarkerBlueBar)
            m_menuBarColor = QColor(0x3B, 0x5B, 0xAC);
        else if (marker == kMarkerSteelBar)
            m_menuBarColor = QColor(0x33, 0x67, 0x99);
    }
    m_roundCorner = m_theme.integer(FormRoundCornerInt);
    if (m_menu && IsHasProperty(m_menu, "UIStyle") && IsHasProperty(m_menu, "FileTheme")) {
        m_menu->setProperty("UIStyle", QVariant::fromValue(UIStyle()));
        m_menu->setProperty("FileTheme", QVariant::fromValue(FileTheme()));
    }
    if (!m_titleBar)
        return;
    m_titleBar->SetFileTheme(FileTheme());
    m_titleBar->SetUIStyle(UIStyle());
    // The frame rounds the window itself; the bar's own corner stays square.
    m_titleBar->SetRoundCorner(0);
    for (TsuiToolBarSpeedButton* button : m_controlButtons)
        if (button)
            button->setColor(m_menuBarColor);
    if (m_menuPanel)
        m_menuPanel->setColor(m_menuBarColor);
    if (m_menuBar)
        m_menuBar->setLook(CurrentMenuBarLook());
    dockBars();
    RegionWindow();
    PaintBorder();
}

void TsuiMDIForm::SetMenuBarColor(const QColor& color)
{
    m_menuBarColor = color;
    if (m_menuPanel)
        m_menuPanel->setColor(color);
    for (TsuiToolBarSpeedButton* button : m_controlButtons)
        if (button)
            button->setColor(color);
    if (m_menuBar)
        m_menuBar->setLook(CurrentMenuBarLook());
    PaintBorder();
}

void TsuiMDIForm::SetBorderColor(const QColor& color)
{
    m_borderColor = color;
    PaintBorder();
}

bool TsuiMDIForm::TitleBarVisible() const
{
    return !m_titleBar->isHidden();
}

void TsuiMDIForm::SetTitleBarVisible(bool visible)
{
    if (visible == TitleBarVisible())
        return;
    m_titleBar->setVisible(visible);
    dockBars();
    RegionWindow();
    PaintBorder();
}

void TsuiMDIForm::SetTitleBarSections(TsuiTitleBarSections* sections)
{
    m_titleBar->SetSections(sections);
    PaintBorder();
}

void TsuiMDIForm::SetTitleBarDrawChildMenus(bool draw)
{
    if (m_drawChildMenus == draw)
        return;
    m_drawChildMenus = draw;
    UpdateMenu();
}

void TsuiMDIForm::SetRoundCorner(int corner)
{
    m_roundCorner = corner;
    RegionWindow();
    PaintBorder();
}

// Menu bar
// --------------------------------------------------------------------------------------------

void TsuiMDIForm::SetMenu(TMainMenu* menu)
{
    if (m_menu && m_menu != menu) {
        disconnect(m_menu, nullptr, this, nullptr);
        DetachMenuHost(m_menu, this);
    }
    m_menu = menu;
    if (menu) {
        FreeNotification(menu);
        if (!AttachMenuHost(menu, this))
            connect(
                menu, &TMainMenu::changed, this, &TsuiMDIForm::UpdateMenu, Qt::UniqueConnection);
        if (IsHasProperty(menu, "UIStyle") && IsHasProperty(menu, "FileTheme")) {
            menu->setProperty("UIStyle", QVariant::fromValue(UIStyle()));
            menu->setProperty("FileTheme", QVariant::fromValue(FileTheme()));
        }
    }
    UpdateMenu();
}

void TsuiMDIForm::CreateMenuBar()
{
    if (m_menuPanel)
        return;
    m_menuPanel = new TPanel(m_form);
    m_menuPanel->SetOwner(this);
    m_menuPanel->setBevelInner(ControlTypes::TBevelCut::bvNone);
    m_menuPanel->setBevelOuter(ControlTypes::TBevelCut::bvNone);
    m_menuPanel->setCaption(QString());
    m_menuPanel->setAlign(ControlTypes::TAlign::alTop);
    m_menuPanel->hide();
    m_menuBar = new FormMenuBar(m_menuPanel);
    m_menuBar->SetOwner(this);
    m_menuBar->setPopupFactory([this](TMenuItem* item, QWidget* parent) {
        return MenuDropDown(m_currentMenu, item, parent);
    });
    m_menuBar->installEventFilter(this);
    m_menuPanel->installEventFilter(this);

    const QImage strip
        = GetSkinResource(QStringLiteral("MDI_CONTROL_BUTTON"), SkinPictureScale(nullptr));
    // The buttons show only a glyph; screen readers announce what each one does.
    static const char* const kButtonNames[] = { "Minimize", "Restore", "Close" };
    for (int which = Minimize; which <= Close; ++which) {
        auto* button = new TsuiToolBarSpeedButton(m_menuPanel);
        button->setAccessibleName(QString::fromLatin1(kButtonNames[which]));
        button->SetOwner(this);
        QImage glyph;
        SpitBitmap(strip, glyph, 3, which + 1);
        button->SetGlyph(glyph);
        button->setBounds(QRect(0, kButtonTop, kButtonSize, kButtonSize));
        button->OnClick = [this, which](QObject*) { OnControlButtonClick(ControlButton(which)); };
        button->hide();
        button->raise();
        m_controlButtons[which] = button;
    }
    placeControlButtons();
    dockBars();
}

void TsuiMDIForm::DestroyMenuBar()
{
    // The panel takes the bar and the buttons with it.
    for (TsuiToolBarSpeedButton*& button : m_controlButtons)
        button = nullptr;
    m_menuBar = nullptr;
    delete m_menuPanel.data();
}

TsuiToolBarSpeedButton* TsuiMDIForm::ControlButtonWidget(ControlButton which) const
{
    return m_controlButtons[which];
}

TMainMenu* TsuiMDIForm::GetMainMenu() const
{
    if (!m_drawChildMenus || !m_titleBar)
        return m_menu;
    QMdiSubWindow* child = activeChild();
    QWidget* form = child ? child->widget() : nullptr;
    if (!form)
        return m_menu;
    if (auto* tform = qobject_cast<TForm*>(form); tform && tform->Menu())
        return tform->Menu();
    if (TsuiForm* frame = GetActiveChildSUIForm(); frame && frame->Menu())
        return frame->Menu();
    return m_menu;
}

void TsuiMDIForm::UpdateMenu()
{
    if (m_destroying || !m_menuPanel)
        return;
    m_currentMenu = GetMainMenu();
    if (!m_currentMenu && !m_controlButtonsShown) {
        HideMenuBar();
        return;
    }
    // The look goes first: the buttons are measured once, in the font they are drawn with.
    const MenuBarLook look = CurrentMenuBarLook();
    if (look.font != m_menuBar->look().font || look.barColor != m_menuBar->look().barColor)
        m_menuBar->setLook(look);
    if (m_menuBar->menu() != m_currentMenu.data())
        m_menuBar->setMenu(m_currentMenu);
    else
        m_menuBar->UpdateMenu();
    ShowMenuBar();
}

void TsuiMDIForm::UpdateTopMenu()
{
    if (m_menuBar)
        m_menuBar->UpdateTopMenu();
}

void TsuiMDIForm::RepaintMenuBar()
{
    if (m_menuBar)
        m_menuBar->setLook(CurrentMenuBarLook());
}

void TsuiMDIForm::ShowMenuBar()
{
    if (!m_menuPanel)
        return;
    const int height = m_menuBar->height();
    // Only a panel that appears or changes height moves the client and the band beside it.
    if (!m_menuPanel->isHidden() && m_menuPanel->height() == height)
        return;
    m_menuPanel->setMinimumHeight(height);
    m_menuPanel->setHeight(height);
    if (m_menuPanel->isHidden())
        m_menuPanel->show();
    dockBars();
    PaintBorder();
}

void TsuiMDIForm::HideMenuBar()
{
    if (!m_menuPanel || m_menuPanel->isHidden())
        return;
    m_menuPanel->hide();
    dockBars();
    PaintBorder();
}

MenuBarLook TsuiMDIForm::CurrentMenuBarLook() const
{
    MenuBarLook look;
    look.macOS = m_theme.effectiveStyle() == TsuiUIStyle::MacOS && !m_theme.usesFileTheme();
    look.barColor = m_menuBarColor;
    look.selectedBorderColor = toColor(m_theme.color(MenuSelectedBorderColor));
    look.selectedBackgroundColor = toColor(m_theme.color(MenuSelectedBackgroundColor));
    look.selectedFontColor = toColor(m_theme.color(MenuSelectedFontColor));
    look.fontColor = toColor(m_theme.color(MenuFontColor));
    if (m_theme.usesFileTheme() && m_theme.color(ControlFontColor) == kMarkerSteelBar)
        look.fontColor = Qt::white;
    look.font = MenuBarFont(m_currentMenu);
    look.greyDisabled = false;
    return look;
}

void TsuiMDIForm::dockBars()
{
    if (!m_form)
        return;
    // From the top: title bar, menu panel, the client. Docking sorts top-aligned controls by
    // their top, so both are put just above where they belong.
    m_titleBar->setTop(-2);
    if (m_menuPanel)
        m_menuPanel->setTop(TitleBarVisible() ? m_titleBar->height() - 1 : -1);
    AlignLayout::dock(m_form);
}

// Control buttons
// -------------------------------------------------------------------------------------

void TsuiMDIForm::placeControlButtons()
{
    if (!m_menuPanel)
        return;
    const int width = m_menuPanel->width();
    // Close stands rightmost, restore and minimize one button further left each.
    for (int which = Minimize; which <= Close; ++which) {
        const int k = Close - which + 1;
        m_controlButtons[which]->setBounds(QRect(width - kButtonRightInset - kButtonSize * (k - 1),
            kButtonTop, kButtonSize, kButtonSize));
    }
    // The menu's buttons wrap before the control buttons rather than under them.
    m_menuPanel->setContentsMargins(
        0, 0, m_controlButtonsShown ? kButtonRightInset + 2 * kButtonSize : 0, 0);
}

void TsuiMDIForm::ShowControlButtons()
{
    if (!m_menuPanel)
        return;
    TsuiForm* frame = GetActiveChildSUIForm();
    bool shown[3] = { false, false, false };
    if (frame) {
        TsuiTitleBarButtons* buttons = frame->TitleBarButtons();
        for (int i = 0; i < buttons->Count(); ++i) {
            switch (buttons->Button(i)->ButtonType()) {
            case TsuiTitleBarBtnType::suiMin:
                shown[Minimize] = true;
                break;
            case TsuiTitleBarBtnType::suiMax:
                shown[Restore] = true;
                break;
            case TsuiTitleBarBtnType::suiClose:
                shown[Close] = true;
                break;
            default:
                break;
            }
        }
    }
    m_controlButtonsShown = shown[0] || shown[1] || shown[2];
    placeControlButtons();
    for (int which = Minimize; which <= Close; ++which) {
        m_controlButtons[which]->setVisible(shown[which]);
        if (shown[which])
            m_controlButtons[which]->raise();
    }
    // A maximized child has no caption buttons of its own: its buttons need the panel.
    if (m_controlButtonsShown)
        UpdateMenu();
}

void TsuiMDIForm::HideControlButtons()
{
    if (!m_menuPanel)
        return;
    const bool wasShown = m_controlButtonsShown;
    m_controlButtonsShown = false;
    for (TsuiToolBarSpeedButton* button : m_controlButtons)
        button->hide();
    placeControlButtons();
    if (wasShown)
        UpdateMenu();
}

void TsuiMDIForm::OnControlButtonClick(ControlButton which)
{
    QMdiSubWindow* child = activeChild();
    if (!child)
        return;
    switch (which) {
    case Minimize:
        child->showMinimized();
        break;
    case Restore:
        child->showNormal();
        break;
    case Close:
        // Gone from the frame's view at once, though the window itself goes a moment later.
        child->setProperty("suiMdiClosing", true);
        if (!child->close())
            child->setProperty("suiMdiClosing", false);
        break;
    }
    childrenChanged();
}

// Layouts
// ---------------------------------------------------------------------------------------------

QList<QRect> TsuiMDIForm::TileRects(int n, QSize client, int roomHeight, Qt::Orientation tileMode)
{
    QList<QRect> rects;
    if (n <= 0)
        return rects;
    if (tileMode == Qt::Vertical) {
        const int w = client.width() / n;
        int x = 0;
        for (int i = 0; i < n; ++i) {
            rects.append(QRect(x, 0, w - 2, roomHeight - 4));
            x += w - 2;
        }
    } else {
        const int h = roomHeight / n;
        int y = 0;
        for (int i = 0; i < n; ++i) {
            rects.append(QRect(0, y, client.width() - 4, h - 2));
            y += h - 2;
        }
    }
    return rects;
}

QList<QRect> TsuiMDIForm::CascadeRects(int n, QSize client)
{
    QList<QRect> rects;
    // 80 % and 60 %, truncated.
    const int width = client.width() * 8 / 10;
    const int height = client.height() * 6 / 10;
    for (int i = 0; i < n; ++i)
        rects.append(QRect(kCascadeStep * i, kCascadeStep * i, width, height));
    return rects;
}

int TsuiMDIForm::roomHeight() const
{
    int room = m_form->contentsRect().height();
    for (QObject* object : m_form->children()) {
        auto* control = qobject_cast<QWidget*>(object);
        if (!control || control->isWindow() || control->isHidden())
            continue;
        const ControlTypes::TAlign align = AlignLayout::alignOf(control);
        if (align == ControlTypes::TAlign::alTop || align == ControlTypes::TAlign::alBottom)
            room -= control->height();
    }
    return room;
}

void TsuiMDIForm::Tile(Qt::Orientation tileMode)
{
    if (!m_client || !m_form)
        return;
    m_client->tileSubWindows();
    QList<QMdiSubWindow*> placed;
    bool someMinimized = false;
    for (QMdiSubWindow* child : children()) {
        if (child->isMinimized())
            someMinimized = true;
        else if (child->isVisible())
            placed.append(child);
    }
    if (placed.isEmpty())
        return;
    const int room = roomHeight() - (someMinimized ? kMinimizedRow : 0);
    const QList<QRect> rects
        = TileRects(int(placed.size()), m_form->contentsRect().size(), room, tileMode);
    for (int i = 0; i < placed.size(); ++i)
        placed[i]->setGeometry(rects[i]);
}

void TsuiMDIForm::Cascade()
{
    if (!m_client || !m_form)
        return;
    m_client->cascadeSubWindows();
    QList<QMdiSubWindow*> placed;
    for (QMdiSubWindow* child : children())
        if (!child->isMinimized() && child->isVisible())
            placed.append(child);
    const QList<QRect> rects = CascadeRects(int(placed.size()), m_form->contentsRect().size());
    for (int i = 0; i < placed.size(); ++i)
        placed[i]->setGeometry(rects[i]);
}

// Keys
// ------------------------------------------------------------------------------------------------

int TsuiMDIForm::ProcessKeyPress(const QKeyEvent* event)
{
    if (m_destroying || !m_currentMenu)
        return 0;
    return MenuRunsShortCut(m_currentMenu, event) ? 1 : 0;
}

bool TsuiMDIForm::applicationKey(QKeyEvent* event)
{
    return ProcessKeyPress(event) == 1;
}

int TsuiMDIForm::GetTitleBarHeight() const
{
    int height = TitleBarVisible() ? m_titleBar->height() : 0;
    if (m_menuPanel && !m_menuPanel->isHidden())
        height += m_menuPanel->height();
    return height;
}

// Painting and the window
// -----------------------------------------------------------------------------

FormBorderLook TsuiMDIForm::BorderLook() const
{
    FormBorderLook look;
    look.size = m_form ? m_form->size() : QSize();
    look.sideBand = TitleBarMetrics::kMDIFrameBand;
    look.borderWidth = m_borderWidth;
    look.borderColor = m_borderColor;
    // The inner strips are the menu bar's colour; everything else inside is covered by the
    // title bar, the menu panel and the client.
    look.color = m_menuBarColor;
    look.fillInterior = true;
    look.titleBarVisible = TitleBarVisible();
    look.titleBarHeight = m_titleBar->height();
    look.titleBarCanPaint = m_titleBar->CanPaint();
    if (look.titleBarCanPaint) {
        look.leftImage = m_titleBar->GetLeftImage();
        look.rightImage = m_titleBar->GetRightImage();
        look.centerImage = m_titleBar->GetCenterImage();
    }
    look.menuBarVisible = m_menuBar && m_menuPanel && !m_menuPanel->isHidden();
    look.menuBarHeight = m_menuBar ? m_menuBar->height() : 0;
    look.menuBarColor = m_menuBarColor;
    look.roundCorner = TitleBarVisible() ? m_roundCorner : 0;
    return look;
}

void TsuiMDIForm::PaintBorder()
{
    if (m_destroying || !m_form || m_form->isMinimized())
        return;
    const QMargins band = frameBand();
    const QRect inside = m_form->rect().marginsRemoved(band);
    m_form->update(QRegion(m_form->rect()).subtracted(inside));
}

void TsuiMDIForm::RegionWindow()
{
    if (m_destroying || !m_form)
        return;
    m_takeover.setRegion(TitleBarVisible() ? m_roundCorner : 0);
}

bool TsuiMDIForm::eventFilter(QObject* watched, QEvent* event)
{
    if (m_destroying)
        return QObject::eventFilter(watched, event);
    if (m_clientViewport && watched == m_clientViewport) {
        if (event->type() == QEvent::ChildAdded) {
            auto* child = static_cast<QChildEvent*>(event)->child();
            if (auto* window = qobject_cast<QMdiSubWindow*>(child))
                watchSubWindow(window);
        }
        return QObject::eventFilter(watched, event);
    }
    if (watched == m_menuBar && event->type() == QEvent::Resize) {
        if (m_menuPanel && m_menuPanel->height() != m_menuBar->height()) {
            m_menuPanel->setMinimumHeight(m_menuBar->height());
            m_menuPanel->setHeight(m_menuBar->height());
        }
        return QObject::eventFilter(watched, event);
    }
    if (watched == m_menuPanel && event->type() == QEvent::Resize) {
        placeControlButtons();
        return QObject::eventFilter(watched, event);
    }
    if (auto* window = qobject_cast<QMdiSubWindow*>(watched)) {
        if (event->type() == QEvent::WindowTitleChange && window == activeChild())
            refreshCaption();
        return QObject::eventFilter(watched, event);
    }
    if (watched != m_form)
        return QObject::eventFilter(watched, event);

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
        if (!m_takeover.placing()) {
            m_takeover.placeMaximized();
            PaintBorder();
            m_titleBar->ProcessMaxBtn();
            RegionWindow();
        }
        break;
    case QEvent::Show:
        m_takeover.shown(TitleBarVisible() ? m_roundCorner : 0);
        if (auto* tform = qobject_cast<TForm*>(form); tform && tform->Menu())
            tform->setMenu(nullptr);
        break;
    case QEvent::ActivationChange:
        m_titleBar->SetActive(form->isActiveWindow());
        break;
    case QEvent::WindowTitleChange:
        // The window's text changed from outside: the title bar follows it.
        if (!m_settingText) {
            m_caption = form->windowTitle();
            m_titleBar->SetCaption(m_caption);
        }
        break;
    case QEvent::ChildAdded:
        // Anything put on the form lies below the bars.
        if (static_cast<QChildEvent*>(event)->child()->isWidgetType())
            QMetaObject::invokeMethod(
                this, [this] { dockBars(); }, Qt::QueuedConnection);
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
    return QObject::eventFilter(watched, event);
}

// Components
// ------------------------------------------------------------------------------------------

void TsuiMDIForm::Notification(QObject* component, Operation operation)
{
    Component::Notification(component, operation);
    if (operation == Operation::opInsert) {
        // The frame's own parts arrive while it is being built.
        if (!m_destroying && m_titleBar && m_menuPanel && m_client)
            dockBars();
        return;
    }
    if (m_menu && component == static_cast<QObject*>(m_menu.data())) {
        m_menu = nullptr;
        UpdateMenu();
    }
}
