// The skinned frame's menu bar: one themed button per top-level menu item; a click drops the
// item's submenu down under its button, and while one is open the mouse opens its neighbours.
#pragma once

#include "framework/TControl.h"
#include "framework/TMainMenu.h"
#include "framework/TMenuItem.h"

#include <QColor>
#include <QFont>
#include <QMenu>
#include <QPointer>
#include <functional>

// Colours and font the bar draws with, chosen by the frame (from its menu's style when the menu is
// themed, else its own).
struct MenuBarLook {
    bool macOS = false; // the bar and its hot button are pictures
    QColor barColor;
    QColor selectedBorderColor;
    QColor selectedBackgroundColor;
    QColor selectedFontColor;
    QColor fontColor;
    QFont font;
    // Disabled captions in grey; the MDI frame's bar draws them as the enabled ones.
    bool greyDisabled = true;
};

class FormMenuBar : public TControlBase<QWidget> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
public:
    enum class ButtonState { Normal, Hot, Pressed };
    struct Button {
        QPointer<TMenuItem> item;
        QString caption;
        bool enabled = true;
        QRect rect;
    };
    // Builds the drop-down of a top-level item; the bar deletes it when it is the menu's parent.
    using PopupFactory = std::function<QMenu*(TMenuItem* item, QWidget* parent)>;

    explicit FormMenuBar(QWidget* parent = nullptr);
    ~FormMenuBar() override;

    void setMenu(TMainMenu* menu);
    TMainMenu* menu() const { return m_menu; }
    // One button per visible top-level item, left to right in item order.
    void UpdateMenu();
    // Copies each item's caption and enabled state to its button.
    void UpdateTopMenu();
    void setLook(const MenuBarLook& look);
    const MenuBarLook& look() const { return m_look; }
    // The height of one row of buttons; the bar wraps onto more rows when they do not fit.
    void setButtonHeight(int height);
    int buttonHeight() const { return m_buttonHeight; }
    void setPopupFactory(PopupFactory factory) { m_popupFactory = std::move(factory); }

    const QList<Button>& buttons() const { return m_buttons; }
    int buttonAt(const QPoint& point) const;
    // Drops the button's submenu down under it (a top-level item without one runs at once).
    void openButton(int index);
    QMenu* openMenu() const { return m_openMenu; }
    int openIndex() const { return m_openIndex; }
    void closeMenu();

    // The bar's look, painted into any painter: background, then each button in its state.
    void paintBar(QPainter& painter, const QRect& rect) const;
    static void paintButton(
        QPainter& painter, const MenuBarLook& look, const Button& button, ButtonState state);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resized() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutButtons();
    // Drops the kept picture and schedules a repaint.
    void repaintBar();
    ButtonState stateOf(int index) const;
    void setHot(int index);

    QPointer<TMainMenu> m_menu;
    QList<Button> m_buttons;
    MenuBarLook m_look;
    PopupFactory m_popupFactory;
    QPointer<QMenu> m_openMenu;
    QImage m_picture;
    bool m_pictureDirty = true;
    int m_buttonHeight = 22;
    int m_hotIndex = -1;
    int m_openIndex = -1;
    int m_closedByPressOn = -1;
};
