// What a skinned frame does to the window it takes over, shared by the form frame and the MDI
// frame: no native frame, a band kept free around the client, the shaped region, resizing from
// the band, and the maximized window kept off the work area's last pixel row.
#pragma once

#include "skin/windows/FormBorderResizer.h"

#include <QMargins>
#include <QPointer>
#include <QSize>
#include <QWidget>

class QEvent;

class FormTakeover {
public:
    // Makes `form` frameless with `band` kept free inside its edges; the form gets mouse moves
    // for the band's resize cursors. `form` must be a window.
    void takeOver(QWidget* form, const QMargins& band);
    // Puts back the flags, margins and attributes the form had.
    void giveBack();
    QWidget* form() const { return m_form; }
    bool active() const { return m_form && m_taken; }

    // Qt puts a native frame back on a window that asks for caption buttons: strip it again.
    void makeFrameless();
    // On every show: frameless again if needed, the band's margins, the region recomputed.
    void shown(int roundCorner);

    // Sets the rounded-top region for the form's size; computed only when size or corner
    // changed since the last time (or after forgetRegion).
    void setRegion(int roundCorner);
    void forgetRegion() { m_maskSize = QSize(); }
    // How many regions were computed, process-wide (for tests and benchmarks).
    static int regionComputations();

    // A maximized top-level form covers the work area except its last pixel row. True while the
    // placement's own resize events arrive (they are not a restore).
    void placeMaximized();
    bool placing() const { return m_placing; }

    // The band's mouse handling; true when it used the event.
    bool mouseEvent(QEvent* event);

private:
    QPointer<QWidget> m_form;
    QMargins m_band;
    Qt::WindowFlags m_savedFlags;
    FormBorderDrag m_drag;
    QSize m_maskSize;
    int m_maskCorner = -1;
    bool m_formWasOpaque = false;
    bool m_placing = false;
    bool m_taken = false;
};
