// The window menu of the title bar's control box: minimize, maximize or restore, close.
#pragma once

#include "framework/Component.h"
#include "skin/styles/SUIThemes.h"

#include <QObject>
#include <QMenu>
#include <QPointer>

class TMenuItem;
class TsuiFileTheme;
class TsuiTitleBar;

class TsuiTitleBarPopupMenu : public QObject, public Component {
    Q_OBJECT
public:
    explicit TsuiTitleBarPopupMenu(TsuiTitleBar* titleBar);
    ~TsuiTitleBarPopupMenu() override;

    TsuiTitleBar* TitleBar() const { return m_titleBar; }
    QList<TMenuItem*> Items() const;
    TMenuItem* Item(int index) const { return Items().value(index); }

    void SetUIStyle(TsuiUIStyle style) { m_style = style; }
    TsuiUIStyle UIStyle() const { return m_style; }
    void SetFileTheme(TsuiFileTheme* theme) { m_fileTheme = theme; }

    // Enables the items the bar's visible buttons allow, then shows the menu at the screen point.
    Q_INVOKABLE void Popup(int x, int y);
    // The menu on screen while it is shown.
    QMenu* shownMenu() const { return m_shown; }

    void Minimize();
    void MaximizeRestore();
    void CloseForm();

private:
    TsuiTitleBar* m_titleBar;
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    QPointer<TsuiFileTheme> m_fileTheme;
    QPointer<QMenu> m_shown;
};
