// The skinned frame of an MDI parent form: frameless window with the painted band and rounded
// top, the bitmap title bar and a themed menu bar above the MDI client, control buttons for a
// maximized child, the active child's menu, and its own tile and cascade layouts.
#pragma once

#include "framework/Component.h"
#include "framework/TMainMenu.h"
#include "framework/TPanel.h"
#include "skin/styles/SuiThemedControl.h"
#include "skin/windows/FormBorderPainter.h"
#include "skin/windows/FormMenuBar.h"
#include "skin/windows/FormTakeover.h"
#include "skin/windows/SUITitleBar.h"
#include "skin/windows/SuiMenuHost.h"

#include <QMdiArea>
#include <QObject>
#include <QPointer>
#include <array>

class QKeyEvent;
class QMdiSubWindow;
class TsuiForm;
class TsuiToolBarSpeedButton;

class TsuiMDIForm : public QObject, public Component, public SuiMenuHost {
    Q_OBJECT
    Q_MOC_INCLUDE("skin/styles/TsuiFileTheme.h")
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(TMainMenu* Menu READ Menu WRITE SetMenu)
    Q_PROPERTY(QColor MenuBarColor READ MenuBarColor WRITE SetMenuBarColor)
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool TitleBarDrawAppIcon READ TitleBarDrawAppIcon WRITE SetTitleBarDrawAppIcon)
    Q_PROPERTY(bool TitleBarCustom READ TitleBarCustom WRITE SetTitleBarCustom)
    Q_PROPERTY(bool TitleBarVisible READ TitleBarVisible WRITE SetTitleBarVisible)
    Q_PROPERTY(TsuiTitleBarButtons* TitleBarButtons READ TitleBarButtons WRITE SetTitleBarButtons)
    Q_PROPERTY(
        TsuiTitleBarSections* TitleBarSections READ TitleBarSections WRITE SetTitleBarSections)
    Q_PROPERTY(bool TitleBarDrawChildCaptions READ TitleBarDrawChildCaptions WRITE
            SetTitleBarDrawChildCaptions)
    Q_PROPERTY(
        bool TitleBarDrawChildMenus READ TitleBarDrawChildMenus WRITE SetTitleBarDrawChildMenus)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE SetRoundCorner)
public:
    // The control buttons of a maximized child, left to right.
    enum ControlButton { Minimize, Restore, Close };

    // `owner` must be a form (a top-level window); anything else throws.
    explicit TsuiMDIForm(QObject* owner = nullptr);
    ~TsuiMDIForm() override;

    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme);
    TMainMenu* Menu() const { return m_menu; }
    void SetMenu(TMainMenu* menu);
    QColor MenuBarColor() const { return m_menuBarColor; }
    void SetMenuBarColor(const QColor& color);
    QColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(const QColor& color);
    // The form's caption; writing it sets the form's and the title bar's.
    QString Caption() const;
    void SetCaption(const QString& caption);
    bool TitleBarDrawAppIcon() const { return m_titleBar->DrawAppIcon(); }
    void SetTitleBarDrawAppIcon(bool draw) { m_titleBar->SetDrawAppIcon(draw); }
    bool TitleBarCustom() const { return m_titleBar->Custom(); }
    void SetTitleBarCustom(bool custom) { m_titleBar->SetCustom(custom); }
    bool TitleBarVisible() const;
    void SetTitleBarVisible(bool visible);
    TsuiTitleBarButtons* TitleBarButtons() const { return m_titleBar->Buttons(); }
    void SetTitleBarButtons(TsuiTitleBarButtons* buttons) { m_titleBar->SetButtons(buttons); }
    TsuiTitleBarSections* TitleBarSections() const { return m_titleBar->Sections(); }
    void SetTitleBarSections(TsuiTitleBarSections* sections);
    bool TitleBarDrawChildCaptions() const { return m_drawChildCaptions; }
    void SetTitleBarDrawChildCaptions(bool draw) { m_drawChildCaptions = draw; }
    bool TitleBarDrawChildMenus() const { return m_drawChildMenus; }
    void SetTitleBarDrawChildMenus(bool draw);
    int RoundCorner() const { return m_roundCorner; }
    void SetRoundCorner(int corner);

    QWidget* OwnerForm() const { return m_form; }
    QMdiArea* MDIClient() const { return m_client; }
    TsuiTitleBar* TitleBar() const { return m_titleBar; }
    TPanel* MenuPanel() const { return m_menuPanel; }
    FormMenuBar* MenuBarWidget() const { return m_menuBar; }
    TsuiToolBarSpeedButton* ControlButtonWidget(ControlButton which) const;
    // The menu the bar shows now: the own one or the active child's.
    TMainMenu* CurrentMenu() const { return m_currentMenu; }

    // The menu to show: the active child's (its form's native menu, else its TsuiForm's) while
    // TitleBarDrawChildMenus is set and a child is active, else the own Menu.
    TMainMenu* GetMainMenu() const;
    void UpdateMenu() override;
    void UpdateTopMenu() override;
    void RepaintMenuBar() override;
    void ShowMenuBar();
    void HideMenuBar();
    // The buttons the maximized active child's TsuiForm has among minimize, maximize (as
    // restore) and close; none for a child without one.
    void ShowControlButtons();
    void HideControlButtons();
    void OnControlButtonClick(ControlButton which);
    // The first TsuiForm among the active child's controls, or none.
    TsuiForm* GetActiveChildSUIForm() const;
    // Title bar height while it shows, plus the menu panel's while it shows.
    int GetTitleBarHeight() const;

    // The frame's own layouts of the children that are not minimized, last child first.
    void Tile(Qt::Orientation tileMode = Qt::Horizontal);
    void Cascade();
    // The rectangles Tile and Cascade give n children, in placing order (last child first),
    // in a client area of `client` size with `roomHeight` pixels left for them.
    static QList<QRect> TileRects(int n, QSize client, int roomHeight, Qt::Orientation tileMode);
    static QList<QRect> CascadeRects(int n, QSize client);

    // Offers a key press to the shown menu as a shortcut: 1 when it ran an item, else 0.
    int ProcessKeyPress(const QKeyEvent* event);
    void PaintBorder();
    void RegionWindow();
    FormBorderLook BorderLook() const;
    MenuBarLook CurrentMenuBarLook() const;
    bool OwnsApplicationHook() const;

    void Notification(QObject* component, Operation operation) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyStyle();
    void CreateMenuBar();
    void DestroyMenuBar();
    void takeOver();
    void giveBack();
    void dockBars();
    void placeControlButtons();
    void attachClient(QMdiArea* client);
    void watchSubWindow(QMdiSubWindow* window);
    // A child was activated, maximized, restored or closed: menu, buttons and caption follow.
    void childrenChanged();
    void refreshCaption();
    QString platformText() const;
    bool applicationKey(QKeyEvent* event);
    QMdiSubWindow* activeChild() const;
    QList<QMdiSubWindow*> children() const;
    int roomHeight() const;

    SuiThemedControl m_theme;
    FormTakeover m_takeover;
    QPointer<QWidget> m_form;
    QPointer<QMdiArea> m_client;
    // Compared with, never called through: while the client is being destroyed its viewport still
    // reports children, and the client is no longer a QMdiArea to ask.
    QPointer<QWidget> m_clientViewport;
    // Owned here, but widgets of the form: guarded against the form taking them down first.
    QPointer<TsuiTitleBar> m_titleBar;
    QPointer<TPanel> m_menuPanel;
    QPointer<FormMenuBar> m_menuBar;
    std::array<TsuiToolBarSpeedButton*, 3> m_controlButtons {};
    QPointer<TMainMenu> m_menu;
    QPointer<TMainMenu> m_currentMenu;
    QPointer<QMdiSubWindow> m_maximizedChild;
    QString m_caption; // the form's own caption, without a maximized child's
    QColor m_menuBarColor;
    QColor m_borderColor = Qt::black;
    int m_borderWidth = 1;
    int m_roundCorner = 0;
    bool m_drawChildCaptions = true;
    bool m_drawChildMenus = true;
    bool m_destroying = false;
    bool m_settingText = false;
    bool m_controlButtonsShown = false;
};

// Registers the MDI frame and the notice for form descriptions.
void RegisterSuiMDIFormComponents();
