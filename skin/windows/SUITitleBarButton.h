// One caption button of the title bar, and the collection holding them.
#pragma once

#include "framework/TCollection.h"
#include "framework/TPopupMenu.h"
#include "skin/styles/SUIThemes.h"
#include "skin/windows/SUITitleBarTypes.h"

#include <QImage>
#include <QObject>
#include <QPointer>

class TsuiTitleBar;
class TsuiTitleBarButtons;

class TsuiTitleBarButton : public QObject {
    Q_OBJECT
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(SuiTitleBarTypes::TsuiTitleBarBtnType ButtonType READ ButtonType WRITE SetButtonType)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(TPopupMenu* ControlBoxMenu READ ControlBoxMenu WRITE SetControlBoxMenu)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(QImage PicNormal READ PicNormal WRITE SetPicNormal)
    Q_PROPERTY(QImage PicMouseOn READ PicMouseOn WRITE SetPicMouseOn)
    Q_PROPERTY(QImage PicMouseDown READ PicMouseDown WRITE SetPicMouseDown)
public:
    Q_INVOKABLE explicit TsuiTitleBarButton(QObject* collection = nullptr);

    TsuiUIStyle UIStyle() const { return m_style; }
    // Loads the style's pictures for the button's type.
    void SetUIStyle(TsuiUIStyle style);
    TsuiTitleBarBtnType ButtonType() const { return m_type; }
    // A second suiControlBox is refused with an error box; otherwise loads the type's pictures.
    void SetButtonType(TsuiTitleBarBtnType type);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    int Top() const { return m_top; }
    void SetTop(int top);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    // A pop-up menu of the form's that the control box shows instead of the built-in window menu.
    TPopupMenu* ControlBoxMenu() const { return m_controlBoxMenu; }
    void SetControlBoxMenu(TPopupMenu* menu);
    const QImage& PicNormal() const { return m_picNormal; }
    void SetPicNormal(const QImage& picture);
    const QImage& PicMouseOn() const { return m_picMouseOn; }
    void SetPicMouseOn(const QImage& picture);
    const QImage& PicMouseDown() const { return m_picMouseDown; }
    void SetPicMouseDown(const QImage& picture);

    // The window action of the button (maximize, minimize, close, own control-box menu).
    void DoClick();
    // A maximize button shows its restore pictures while the form is maximized.
    void ProcessMaxBtn();
    void UpdateUIStyle();
    void Assign(const TsuiTitleBarButton* source);

    TsuiTitleBar* TitleBar() const;

Q_SIGNALS:
    void changed();

private:
    // Frames `first`..`first + 2` of the style's 18-frame strip become the three pictures.
    void loadFrames(int first);
    void loadPicture(QImage& target, int frame) const;

    bool m_visible = true;
    TsuiTitleBarBtnType m_type = TsuiTitleBarBtnType::suiCustom;
    bool m_transparent = false;
    int m_top = 2;
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    QImage m_picNormal;
    QImage m_picMouseOn;
    QImage m_picMouseDown;
    QPointer<TPopupMenu> m_controlBoxMenu;
};

class TsuiTitleBarButtons : public TCollection {
    Q_OBJECT
public:
    explicit TsuiTitleBarButtons(TsuiTitleBar* titleBar);

    TsuiTitleBar* TitleBar() const;
    TsuiTitleBarButton* AddButton() { return static_cast<TsuiTitleBarButton*>(Add()); }
    TsuiTitleBarButton* Button(int index) const { return at<TsuiTitleBarButton>(index); }
    // Replaces the items with copies of `source`'s.
    void Assign(const TCollection* source);
};
