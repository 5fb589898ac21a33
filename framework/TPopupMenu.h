// A menu popped up at a screen point; its items are child TMenuItems, in order.
#pragma once

#include "framework/Event.h"
#include "framework/TMenu.h"

#include <QObject>
#include <QMenu>
#include <QPointer>
#include <memory>

class TPopupMenu : public TMenu {
    Q_OBJECT
    Q_PROPERTY(bool AutoPopup READ AutoPopup WRITE setAutoPopup)
    Q_PROPERTY(FormMethod OnPopup READ onPopupHandler WRITE setOnPopupHandler)
public:
    explicit TPopupMenu(QObject* owner = nullptr);
    ~TPopupMenu() override;

    Event<> OnPopup;

    bool AutoPopup() const { return m_autoPopup; }
    void setAutoPopup(bool autoPopup) { m_autoPopup = autoPopup; }

    // Raises OnPopup and shows the menu with its top-left corner at the screen point (X, Y).
    // It returns at once; the menu closes when a choice is made or the user clicks elsewhere.
    virtual void Popup(int X, int Y);
    // The menu the last Popup showed, while it exists.
    QMenu* popupWidget() const;

    FormMethod onPopupHandler() const { return OnPopup.method(); }
    void setOnPopupHandler(const FormMethod& m) { OnPopup.bind(m); }

protected:
    // The menu Popup shows, filled with the current items; owned by this component. Themed
    // menus give their own.
    virtual QMenu* popupMenu();

private:
    std::unique_ptr<QMenu> m_plain;
    QPointer<QMenu> m_shown;
    bool m_autoPopup = true;
};
