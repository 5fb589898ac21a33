// A form's menu: its top-level items are child TMenuItems; the form shows it as its menu bar.
#pragma once

#include "framework/Component.h"

#include <QObject>

class QMenu;
class QKeyEvent;
class QMenuBar;
class TImageList;
class TMenuItem;

class TMainMenu : public QObject, public Component {
    Q_OBJECT
    Q_MOC_INCLUDE("framework/TImageList.h")
    Q_PROPERTY(TImageList* Images READ Images WRITE setImages)
public:
    explicit TMainMenu(QObject* owner = nullptr);

    TImageList* Images() const { return m_images; }
    void setImages(TImageList* images);

    QList<TMenuItem*> Items() const;
    TMenuItem* FindItem(const QString& name) const;
    // Runs the item whose ShortCut the key press is and says whether there was one.
    bool IsShortCut(const QKeyEvent* event) const;

    // Fills a Qt menu bar (or a menu) with the items; choosing an action clicks its item.
    void populate(QMenuBar* bar) const;
    static void populate(QMenu* menu, const TMenuItem* item);

    void Notification(QObject* component, Operation operation) override;

Q_SIGNALS:
    void changed();

protected:
    void childEvent(QChildEvent* event) override;

private:
    TImageList* m_images = nullptr;
};
