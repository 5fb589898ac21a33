// Docking of aligned controls inside their container, the framework way, as a Qt layout.
#pragma once

#include "framework/ControlTypes.h"

#include <QLayout>
#include <QList>
#include <QRect>
#include <span>

// The layout every container installs (TForm, TPanel, and any widget a control docks in). Its
// items are the container's children whose Align docks them (alTop, alBottom, alLeft, alRight,
// alClient), in child order, which is the stored order of a form description. setGeometry places
// them with alignItems inside the container's contentsRect(): a container reserves borders,
// bevels, a title bar or a menu bar with setContentsMargins.
//
// Docking runs when the container is resized (before the container's own resize handling), when
// a docked child changes its bounds, Align or visibility, and once a form description has been
// read (never while a container is still loading). A docked child that gets a new size hears of
// it at once, on screen or not (TControlBase::resized()), and re-docks its own children first.
//
// Using it for a new docked control:
//     auto* bar = new TPanel(frame);      // any TControlBase
//     bar->setHeight(22);
//     bar->setAlign(TAlign::alTop);       // joins the frame's AlignLayout (installed if missing)
class AlignLayout : public QLayout {
    Q_OBJECT
public:
    struct Item {
        ControlTypes::TAlign align = ControlTypes::TAlign::alNone;
        QRect bounds; // current bounds in, docked bounds out
        bool visible = true;
    };

    // The placement rule: alTop, alBottom, alLeft, alRight, then alClient; each kind in the order
    // of its current position (alTop by top, alBottom by bottom edge from below, alLeft by left,
    // alRight by right edge from the right), list order breaking ties. Each item keeps its size
    // along its docking axis and takes that space from the remaining rectangle. Invisible and
    // unaligned items keep their bounds.
    static void alignItems(QRect client, std::span<Item> items);

    // Installs itself as `container`'s layout; the container must not have one yet.
    explicit AlignLayout(QWidget* container);
    ~AlignLayout() override;

    // The container's AlignLayout; ensure() installs one when the container has no layout at all
    // (null when it has another kind).
    static AlignLayout* of(const QWidget* container);
    static AlignLayout* ensure(QWidget* container);

    // Adds a docked child in child order; an item whose widget is already in the list is dropped.
    // TControlBase passes an item that sets its bounds the framework way.
    void addItem(QLayoutItem* item) override;
    // Docks the items now inside the container's contentsRect() (nothing while it is loading).
    void dock();
    // Docks `container`'s children now if it has an AlignLayout.
    static void dock(QWidget* container);
    // Gives a docked child new bounds through its item, as docking does, without docking the rest.
    void place(QWidget* child, const QRect& bounds);

    // The Align property of any widget that declares one (alNone otherwise).
    static ControlTypes::TAlign alignOf(const QWidget* widget);
    static bool docks(ControlTypes::TAlign align);

    // QLayout
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    // A docking container asks for the size it has: docking never resizes the container.
    QSize sizeHint() const override;
    Qt::Orientations expandingDirections() const override { return {}; }
    void setGeometry(const QRect& rect) override;

private:
    void placeItems(const QRect& client);

    QList<QLayoutItem*> m_items;
    QRect m_againRect;
    bool m_placing = false;
    bool m_again = false;
};
