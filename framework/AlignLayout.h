// Docking of aligned controls inside their container, the framework way.
#pragma once

#include "framework/ControlTypes.h"

#include <QRect>
#include <QSize>
#include <span>

class QWidget;

namespace AlignLayout {

struct Item {
    ControlTypes::TAlign align = ControlTypes::TAlign::alNone;
    QRect bounds; // current bounds in, docked bounds out
    bool visible = true;
};

// Lays out the items inside `client`: alTop, alBottom, alLeft, alRight, then alClient; each kind
// in the order of its current position (alTop by top, alBottom by bottom edge from below, alLeft
// by left, alRight by right edge from the right), list order breaking ties. Each item keeps its
// size along its docking axis and takes that space from the remaining rectangle. Invisible and
// unaligned items keep their bounds.
void alignItems(QRect client, std::span<Item> items);

// Re-docks the aligned child widgets of `container` inside its contentsRect(): a container
// reserves borders, bevels or a title bar with setContentsMargins. Requests arriving while the
// container is being aligned run one more pass afterwards.
void realign(QWidget* container);

// Sets a widget's bounds and delivers the resize at once, even before the widget is shown, so
// that docking and OnResize handlers see the new size synchronously.
void setBounds(QWidget* widget, const QRect& bounds);

// The Align property of any widget that declares one (alNone otherwise).
ControlTypes::TAlign alignOf(const QWidget* widget);

// While one exists, docking waits: a form description being read sets positions and sizes as
// stored, and the reader docks everything once all settings are in.
class Suspend {
public:
    Suspend();
    ~Suspend();
    Suspend(const Suspend&) = delete;
    Suspend& operator=(const Suspend&) = delete;
};
bool suspended();

// Makes `container` re-dock its aligned children whenever it is resized; idempotent.
void watch(QWidget* container);

} // namespace AlignLayout
