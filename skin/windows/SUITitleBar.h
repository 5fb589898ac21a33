// The bitmap caption of a skinned window: three section pictures, caption buttons cut from an
// 18-frame strip, the control box or application icon, and the caption text.
#pragma once

#include "framework/TControl.h"
#include "skin/styles/SuiThemedControl.h"
#include "skin/windows/SUITitleBarButton.h"
#include "skin/windows/SUITitleBarSection.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <optional>

class TsuiTitleBarPopupMenu;

class TsuiTitleBar : public TControlBase<QWidget> {
    Q_OBJECT
    Q_MOC_INCLUDE("skin/windows/SUITitleBarPopupMenu.h")
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(bool Custom READ Custom WRITE SetCustom)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TsuiTitleBarSections* Sections READ Sections WRITE SetSections)
    Q_PROPERTY(TsuiTitleBarButtons* Buttons READ Buttons WRITE SetButtons)
    Q_PROPERTY(int ButtonInterval READ ButtonInterval WRITE SetButtonInterval)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool FormActive READ FormActive WRITE SetActive)
    Q_PROPERTY(int LeftBtnXOffset READ LeftBtnXOffset WRITE SetLeftBtnXOffset)
    Q_PROPERTY(int RightBtnXOffset READ RightBtnXOffset WRITE SetRightBtnXOffset)
    Q_PROPERTY(bool DrawAppIcon READ DrawAppIcon WRITE SetDrawAppIcon)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE SetRoundCorner)
    Q_PROPERTY(FormMethod OnCustomBtnsClick READ onCustomBtnsClickHandler WRITE
            setOnCustomBtnsClickHandler)
    Q_PROPERTY(FormMethod OnHelpBtnClick READ onHelpBtnClickHandler WRITE setOnHelpBtnClickHandler)
public:
    explicit TsuiTitleBar(QWidget* parent = nullptr);
    ~TsuiTitleBar() override;

    // Sender is the bar, the argument the button's index in Buttons.
    Event<int> OnCustomBtnsClick;
    Event<int> OnHelpBtnClick;

    bool Custom() const { return m_custom; }
    void SetCustom(bool custom) { m_custom = custom; }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    // The scale the bar's skin pictures are loaded at; its buttons load theirs at the same.
    int PictureScale() const { return m_theme.pictureScale(); }
    // Re-applies the style with the new theme; the caption colour stays as it is.
    void SetFileTheme(TsuiFileTheme* theme);
    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style);
    bool AutoSize() const { return m_autoSize; }
    // Either value sizes the bar to section 0's picture (3 pixels less inside a frame).
    void SetAutoSize(bool autoSize);
    TsuiTitleBarSections* Sections() const { return m_sections; }
    void SetSections(TsuiTitleBarSections* sections) { m_sections->Assign(sections); }
    TsuiTitleBarButtons* Buttons() const { return m_buttons; }
    void SetButtons(TsuiTitleBarButtons* buttons) { m_buttons->Assign(buttons); }
    int ButtonInterval() const { return m_buttonInterval; }
    void SetButtonInterval(int interval);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool FormActive() const { return m_formActive; }
    void SetActive(bool active);
    int LeftBtnXOffset() const { return m_leftBtnXOffset; }
    void SetLeftBtnXOffset(int offset);
    int RightBtnXOffset() const { return m_rightBtnXOffset; }
    void SetRightBtnXOffset(int offset);
    bool DrawAppIcon() const { return m_drawAppIcon; }
    void SetDrawAppIcon(bool draw);
    int RoundCorner() const { return m_roundCorner; }
    void SetRoundCorner(int corner) { m_roundCorner = corner; }

    // The built-in window menu of the control box (the frame pops it up on Alt+Space).
    TsuiTitleBarPopupMenu* ControlBoxPopupMenu() const { return m_popupMenu; }

    // The window the bar acts on: the nearest form above it; none for a bar without a parent.
    QWidget* Form() const;
    // On a TsuiForm (or owned by a TsuiMDIForm): pictures are drawn 3 pixels up and left so they
    // continue the frame's top band.
    bool InForm() const;
    bool InMDIForm() const;
    // The height AutoSize gives the bar; 0 without sections.
    int PreferredHeight() const;
    // For the frame: the form was activated, deactivated, maximized or restored.
    void FormStateChanged();
    void ProcessMaxBtn();
    // Minimizes the form, as the minimize button and the window menu do.
    void MinimizeForm();
    // Pops the built-in window menu up under the bar's bottom-left corner.
    void PopupControlBoxMenu();

    // The frame paints its top band from these: sections 0, 1 and 2 (null when missing).
    QImage GetLeftImage() const;
    QImage GetRightImage() const;
    QImage GetCenterImage() const;
    bool CanPaint() const;

    // The off-screen image of the bar as the next paint shows it.
    QImage Render();
    void DrawSectionsTo(QImage& bitmap) const;
    // Also refreshes the hot button from the last known cursor position.
    void DrawButtons(QImage& bitmap);

    // Where the buttons stand at the bar's current width.
    struct ButtonPlace {
        int index = -1;
        QRect rect;
    };
    struct ButtonLayout {
        QList<ButtonPlace> right; // in collection order, first one rightmost
        ButtonPlace controlBox; // index -1 when there is none
        int captionX = 0;
        int captionRoom = 0;
    };
    ButtonLayout LayoutButtons() const;
    // Index of the button under `point` (bar coordinates), or -1.
    int ButtonAt(const QPoint& point) const;
    QRect ButtonRect(int index) const;
    int HotButton() const { return m_hotButton; }
    // The style's button top, 3 pixels higher inside a frame.
    int ButtonTop() const;
    int ButtonStripHeight() const { return m_buttonStripHeight; }
    // The caption as drawn into `room` pixels with `metrics`: cut and ended with "..." when it
    // does not fit; empty when not even "..." fits.
    static QString ShortenedCaption(const QString& caption, const QFontMetrics& metrics, int room);

    FormMethod onCustomBtnsClickHandler() const { return OnCustomBtnsClick.method(); }
    void setOnCustomBtnsClickHandler(const FormMethod& m) { OnCustomBtnsClick.bind(m); }
    FormMethod onHelpBtnClickHandler() const { return OnHelpBtnClick.method(); }
    void setOnHelpBtnClickHandler(const FormMethod& m) { OnHelpBtnClick.bind(m); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyStyle();
    void watchForm();
    // Repaints the buttons whose picture changes when the hot button becomes `hot`.
    void setHot(int hot);
    void startMove(const QPointF& globalPosition);
    void drawButtonPicture(QImage& bitmap, const TsuiTitleBarButton* button, const QImage& state,
        const QPoint& at) const;
    const QImage& statePicture(const TsuiTitleBarButton* button, bool hot) const;
    void drawButtonsTo(QImage& bitmap, const ButtonLayout& layout) const;

    // What a picture of the bar was drawn from. A paint whose inputs compare equal reuses the
    // picture; any change of size, style, section or button picture, state or caption gives a
    // different key, so nothing has to remember to invalidate the cache.
    struct SectionsKey {
        QSize size;
        QPoint offset;
        QRgb window = 0;
        QList<qint64> pictures;
        bool operator==(const SectionsKey&) const = default;
    };
    struct BarKey {
        QList<qint64> buttons;
        QString caption;
        QFont font;
        QRgb pen = 0;
        bool operator==(const BarKey&) const = default;
    };
    SectionsKey sectionsKey() const;
    BarKey barKey(const ButtonLayout& layout) const;

    SuiThemedControl m_theme;
    TsuiTitleBarSections* m_sections;
    TsuiTitleBarButtons* m_buttons;
    TsuiTitleBarPopupMenu* m_popupMenu;
    QPointer<QWidget> m_watchedForm;
    QString m_caption;
    int m_buttonInterval = 0;
    int m_leftBtnXOffset = 0;
    int m_rightBtnXOffset = 0;
    int m_roundCorner = 0;
    int m_buttonStripHeight = 0;
    int m_styleButtonTop = 0;
    bool m_wasInForm = false;
    int m_hotButton = -1;
    int m_pressedButton = -1;
    std::optional<QPoint> m_cursor; // last known mouse position on the bar
    bool m_custom = false;
    bool m_autoSize = false;
    bool m_formActive = true;
    bool m_drawAppIcon = false;
    bool m_applyingFileTheme = false;
    bool m_mousePressed = false;
    // Moving the form by following the mouse, where the platform cannot move it itself.
    bool m_moving = false;
    QPoint m_moveStartGlobal;
    QPoint m_moveStartPos;
    // The stretched sections alone, and the whole bar drawn over them.
    QImage m_sectionsImage;
    std::optional<SectionsKey> m_sectionsKey;
    QImage m_barImage;
    std::optional<BarKey> m_barKey;
};
