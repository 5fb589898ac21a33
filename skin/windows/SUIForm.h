// The skinned form frame: takes over its form (frameless, border band, rounded top corners),
// docks the bitmap title bar and the themed menu bar at its top and holds the window's controls.
#pragma once

#include "framework/TControl.h"
#include "framework/TMainMenu.h"
#include "skin/styles/SuiThemedControl.h"
#include "skin/windows/FormBorderPainter.h"
#include "skin/windows/FormMenuBar.h"
#include "skin/windows/FormTakeover.h"
#include "skin/windows/SUITitleBar.h"
#include "skin/windows/SuiMenuHost.h"

#include <QPointer>

class QKeyEvent;
class QMdiSubWindow;

class TsuiForm : public TControlBase<QWidget>, public SuiMenuHost {
    Q_OBJECT
    Q_MOC_INCLUDE("skin/styles/TsuiFileTheme.h")
    // The control properties, except Font, which is the title bar's.
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(ControlTypes::TAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(bool Visible READ isShownWithParent WRITE setVisible)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)
    Q_PROPERTY(ControlTypes::TCursor Cursor READ cursorKind WRITE setCursorKind)
    Q_PROPERTY(int TabOrder READ tabOrderIndex WRITE setTabOrderIndex)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)
    Q_PROPERTY(FormMethod OnClick READ onClickHandler WRITE setOnClickHandler)
    Q_PROPERTY(FormMethod OnResize READ onResizeHandler WRITE setOnResizeHandler)
    Q_PROPERTY(bool TitleBarCustom READ TitleBarCustom WRITE SetTitleBarCustom)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool UIStyleAutoUpdateSub READ UIStyleAutoUpdateSub WRITE SetUIStyleAutoUpdateSub)
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(bool TitleBarVisible READ TitleBarVisible WRITE SetTitleBarVisible)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QWidget* FormPanel READ FormPanel WRITE SetPanel)
    Q_PROPERTY(TsuiTitleBarButtons* TitleBarButtons READ TitleBarButtons WRITE SetTitleBarButtons)
    Q_PROPERTY(
        TsuiTitleBarSections* TitleBarSections READ TitleBarSections WRITE SetTitleBarSections)
    Q_PROPERTY(bool TitleBarDrawAppIcon READ TitleBarDrawAppIcon WRITE SetTitleBarDrawAppIcon)
    Q_PROPERTY(TFont* Font READ TitleBarFont WRITE AssignTitleBarFont)
    Q_PROPERTY(TMainMenu* Menu READ Menu WRITE SetMenu)
    Q_PROPERTY(QColor MenuBarColor READ MenuBarColor WRITE SetMenuBarColor)
    Q_PROPERTY(int MenuBarHeight READ MenuBarHeight WRITE SetMenuBarHeight)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE SetRoundCorner)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
    Q_PROPERTY(FormMethod OnTitleBarCustomBtnsClick READ onTitleBarCustomBtnsClickHandler WRITE
            setOnTitleBarCustomBtnsClickHandler)
    Q_PROPERTY(FormMethod OnTitleBarHelpBtnClick READ onTitleBarHelpBtnClickHandler WRITE
            setOnTitleBarHelpBtnClickHandler)
public:
    // Takes over `parent` when it is a window; on anything else it is a plain container with a
    // title bar. A second TsuiForm on one form throws.
    explicit TsuiForm(QWidget* parent = nullptr);
    ~TsuiForm() override;

    bool TitleBarCustom() const { return m_titleBar->Custom(); }
    void SetTitleBarCustom(bool custom) { m_titleBar->SetCustom(custom); }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme);
    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style);
    bool UIStyleAutoUpdateSub() const { return m_autoUpdateSub; }
    void SetUIStyleAutoUpdateSub(bool update) { m_autoUpdateSub = update; }
    QColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(const QColor& color);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    bool TitleBarVisible() const;
    void SetTitleBarVisible(bool visible);
    QString Caption() const { return m_titleBar->Caption(); }
    void SetCaption(const QString& caption);
    QWidget* FormPanel() const { return m_formPanel; }
    void SetPanel(QWidget* panel);
    TsuiTitleBarButtons* TitleBarButtons() const { return m_titleBar->Buttons(); }
    void SetTitleBarButtons(TsuiTitleBarButtons* buttons) { m_titleBar->SetButtons(buttons); }
    TsuiTitleBarSections* TitleBarSections() const { return m_titleBar->Sections(); }
    void SetTitleBarSections(TsuiTitleBarSections* sections);
    bool TitleBarDrawAppIcon() const { return m_titleBar->DrawAppIcon(); }
    void SetTitleBarDrawAppIcon(bool draw) { m_titleBar->SetDrawAppIcon(draw); }
    TFont* TitleBarFont() const { return m_titleBar->fontObject(); }
    void AssignTitleBarFont(TFont* font) { m_titleBar->assignFont(font); }
    TMainMenu* Menu() const { return m_menu; }
    void SetMenu(TMainMenu* menu);
    QColor MenuBarColor() const { return m_menuBarColor; }
    void SetMenuBarColor(const QColor& color);
    int MenuBarHeight() const { return m_menuBarHeight; }
    void SetMenuBarHeight(int height);
    // The title bar's corner while it is shown; 0 without it.
    int RoundCorner() const;
    void SetRoundCorner(int corner);
    QString Version() const { return QStringLiteral("5.4"); }
    void SetVersion(const QString&) { }

    TsuiTitleBar* TitleBar() const { return m_titleBar; }
    FormMenuBar* MenuBarWidget() const { return m_menuBar; }
    QWidget* OwnerForm() const { return m_form; }

    // Menu bar management; the menu calls the last three on the frame that shows it.
    void CreateMenuBar();
    void DestroyMenuBar();
    void UpdateMenu() override;
    void UpdateTopMenu() override;
    void RepaintMenuBar() override;

    // Offers a key press to the menu as a shortcut: 1 when the form has the focus, is active and
    // the menu ran an item for it; else 0.
    int ProcessKeyPress(const QKeyEvent* event);
    // Repaints the border band (the window outside this component).
    void PaintFormBorder();
    // Shapes the window: rounded top corners; recomputed only when size or corner changed.
    void RegionWindow();
    // Makes the form frameless again, as after the window was re-created.
    void ReAssign();

    // The band as it would be painted now, for the form's paint and for tests.
    FormBorderLook BorderLook() const;
    MenuBarLook CurrentMenuBarLook() const;
    // How many times a window region was computed, process-wide (for tests and benchmarks).
    static int RegionComputations();
    // Whether this frame holds the application-wide key hook.
    bool OwnsApplicationHook() const;

    void Notification(QObject* component, Operation operation) override;
    void Loaded() override;

    // The title bar's OnCustomBtnsClick and OnHelpBtnClick.
    FormMethod onTitleBarCustomBtnsClickHandler() const;
    void setOnTitleBarCustomBtnsClickHandler(const FormMethod& m);
    FormMethod onTitleBarHelpBtnClickHandler() const;
    void setOnTitleBarHelpBtnClickHandler(const FormMethod& m);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resized() override;

private:
    void applyStyle();
    void takeOver();
    void giveBack();
    void formResized();
    void dockBars();
    void fileThemeGone();
    // An MDI child's frame: the sub-window around it shows no frame of its own while the child
    // is normal or maximized, and the title bar goes while the child is maximized.
    void followSubWindow();
    void subWindowStateChanged();
    QImage clientTile() const;
    bool paintsPlainClient() const;
    // Where the items of the menu bar come from: the themed menu's style when it has one.
    uint32_t menuColor(int index) const;
    bool applicationKey(QKeyEvent* event);

    SuiThemedControl m_theme;
    TsuiTitleBar* m_titleBar = nullptr;
    FormMenuBar* m_menuBar = nullptr;
    QPointer<TMainMenu> m_menu;
    QPointer<QWidget> m_form;
    QPointer<QWidget> m_formPanel;
    QColor m_borderColor = Qt::black;
    QColor m_menuBarColor;
    int m_borderWidth = 1;
    int m_menuBarHeight = 22;
    bool m_autoUpdateSub = false;
    bool m_destroying = false;
    QRect m_savedBounds;
    bool m_startedMaximized = false;
    FormTakeover m_takeover;
    QMetaObject::Connection m_themeGone;
    QPointer<QMdiSubWindow> m_subWindow;
};

// Registers the frame for form descriptions (a program that names it only there calls it once).
void RegisterSuiFormComponents();
