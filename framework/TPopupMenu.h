// A menu popped up at a screen point; its items are child TMenuItems, in order.
#pragma once

#include "framework/Component.h"
#include "framework/Event.h"

#include <QObject>
#include <QMenu>
#include <QPointer>
#include <memory>

class TImageList;
class TMenuItem;

class TPopupMenu : public QObject, public Component {
    Q_OBJECT
    Q_MOC_INCLUDE("framework/TImageList.h")
    Q_PROPERTY(bool AutoPopup READ AutoPopup WRITE setAutoPopup)
    Q_PROPERTY(TImageList* Images READ Images WRITE setImages)
    Q_PROPERTY(FormMethod OnPopup READ onPopupHandler WRITE setOnPopupHandler)
public:
    explicit TPopupMenu(QObject* owner = nullptr);
    ~TPopupMenu() override;

    Event<> OnPopup;

    bool AutoPopup() const { return m_autoPopup; }
    void setAutoPopup(bool autoPopup) { m_autoPopup = autoPopup; }
    TImageList* Images() const { return m_images; }
    void setImages(TImageList* images);

    QList<TMenuItem*> Items() const;
    TMenuItem* FindItem(const QString& name) const;

    // Raises OnPopup and shows the menu with its top-left corner at the screen point (X, Y).
    // It returns at once; the menu closes when a choice is made or the user clicks elsewhere.
    virtual void Popup(int X, int Y);
    // The menu the last Popup showed, while it exists.
    QMenu* popupWidget() const;

    void Notification(QObject* component, Operation operation) override;

    FormMethod onPopupHandler() const { return OnPopup.method(); }
    void setOnPopupHandler(const FormMethod& m) { OnPopup.bind(m); }

Q_SIGNALS:
    void changed();

protected:
    void childEvent(QChildEvent* event) override;
    // The menu Popup shows, filled with the current items; owned by this component. Themed
    // menus give their own.
    virtual QMenu* popupMenu();

private:
    TImageList* m_images = nullptr;
    std::unique_ptr<QMenu> m_plain;
    QPointer<QMenu> m_shown;
    bool m_autoPopup = true;
};
