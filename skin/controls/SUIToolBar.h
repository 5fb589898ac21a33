// The flat themed tool bar: a button under the mouse, pressed or checked is painted by the bar as
// a rectangle in the theme's tool-bar colours with its image and caption; other buttons are
// Qt's flat tool buttons.
#pragma once

#include "framework/TControl.h"
#include "skin/styles/SuiThemedControl.h"

#include <QPointer>
#include <QToolBar>

class QToolButton;

class TsuiToolBar : public TControlBase<QToolBar> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(QColor ButtonColor READ ButtonColor WRITE SetButtonColor)
    Q_PROPERTY(QColor ButtonBorderColor READ ButtonBorderColor WRITE SetButtonBorderColor)
    Q_PROPERTY(QColor ButtonDownColor READ ButtonDownColor WRITE SetButtonDownColor)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool List READ List WRITE SetList)
    Q_PROPERTY(bool ShowCaptions READ ShowCaptions WRITE SetShowCaptions)
public:
    // The part of a drop-down button that holds its arrow, at the right.
    static constexpr int DropDownWidth = 14;

    explicit TsuiToolBar(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style) { m_theme.setUIStyle(style); }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { m_theme.setFileTheme(theme); }
    QColor ButtonColor() const { return m_buttonColor; }
    void SetButtonColor(const QColor& color);
    QColor ButtonBorderColor() const { return m_buttonBorderColor; }
    void SetButtonBorderColor(const QColor& color);
    QColor ButtonDownColor() const { return m_buttonDownColor; }
    void SetButtonDownColor(const QColor& color);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    // Captions beside the images rather than below them.
    bool List() const { return m_list; }
    void SetList(bool list);
    bool ShowCaptions() const { return m_showCaptions; }
    void SetShowCaptions(bool show);

    // A button for `action`; a drop-down button opens `menu` from its arrow part.
    QToolButton* AddButton(QAction* action, QMenu* menu = nullptr);

    // Draws `button` as the bar does when it is hot, pressed or checked; false (nothing drawn)
    // in any other state, where the button draws itself.
    bool PaintButton(QPainter& painter, const QToolButton* button) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void actionEvent(QActionEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void reloadTheme();
    void applyButtonStyle();
    void paintFace(QPainter& painter, const QToolButton* button, bool down) const;

    QColor m_buttonColor;
    QColor m_buttonBorderColor;
    QColor m_buttonDownColor;
    bool m_transparent = false;
    bool m_list = false;
    bool m_showCaptions = false;
    QPointer<QToolButton> m_hotButton;
    SuiThemedControl m_theme;
};
