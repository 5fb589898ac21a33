#include "skin/windows/FormTakeover.h"

#include "framework/AlignLayout.h"
#include "skin/styles/Suipublic.h"
#include "skin/windows/FormRegion.h"

#include <QMouseEvent>

namespace {

int g_regionComputations = 0;

bool isMdiChild(const QWidget* form)
{
    return form && form->parentWidget() && form->parentWidget()->inherits("QMdiSubWindow");
}

} // namespace

void FormTakeover::takeOver(QWidget* form, const QMargins& band)
{
    m_form = form;
    m_band = band;
    m_taken = true;
    const bool wasVisible = form->isVisible();
    m_savedFlags = form->windowFlags();
    makeFrameless();
    if (wasVisible)
        form->show();
    form->setContentsMargins(band);
    AlignLayout::dock(form);
    // The band and the frame cover the whole window: nothing beneath needs painting.
    m_formWasOpaque = form->testAttribute(Qt::WA_OpaquePaintEvent);
    form->setAttribute(Qt::WA_OpaquePaintEvent);
    // The band is the form's own area: it needs the mouse moves for its resize cursors.
    form->setMouseTracking(true);
}

void FormTakeover::giveBack()
{
    QWidget* form = m_form;
    m_taken = false;
    if (!form)
        return;
    form->clearMask();
    form->unsetCursor();
    form->setContentsMargins(0, 0, 0, 0);
    AlignLayout::dock(form);
    form->setAttribute(Qt::WA_OpaquePaintEvent, m_formWasOpaque);
    const bool wasVisible = form->isVisible();
    form->setWindowFlags(m_savedFlags);
    if (wasVisible)
        form->show();
}

void FormTakeover::makeFrameless()
{
    if (!m_form)
        return;
    // Qt puts a native frame back on a window that asks for a caption or its buttons, so the
    // frameless window asks for none: the title bar draws its own.
    const Qt::WindowFlags decoration = Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint
        | Qt::WindowFullscreenButtonHint | Qt::CustomizeWindowHint;
    m_form->setWindowFlags((m_form->windowFlags() & ~decoration) | Qt::FramelessWindowHint);
}

void FormTakeover::shown(int roundCorner)
{
    if (!active())
        return;
    if (!(m_form->windowFlags() & Qt::FramelessWindowHint)) {
        makeFrameless();
        m_form->show();
        forgetRegion();
    }
    m_form->setContentsMargins(m_band);
    setRegion(roundCorner);
}

void FormTakeover::setRegion(int roundCorner)
{
    if (!active())
        return;
    const QSize size = m_form->size();
    if (size == m_maskSize && roundCorner == m_maskCorner)
        return;
    m_maskSize = size;
    m_maskCorner = roundCorner;
    ++g_regionComputations;
    m_form->setMask(FormWindowRegion(size, roundCorner));
}

int FormTakeover::regionComputations()
{
    return g_regionComputations;
}

void FormTakeover::placeMaximized()
{
    QWidget* form = m_form;
    if (!active() || !form->isMaximized() || isMdiChild(form))
        return;
    // A maximized skinned window leaves the work area's last pixel row free.
    QRect area = GetWorkAreaRect();
    if (!area.isValid())
        return;
    area.setBottom(area.bottom() - 1);
    if (form->geometry() == area)
        return;
    // Placing a window ends its maximized state in the widget, though the window system keeps
    // it; the state is put back without asking the window system to maximize again.
    const Qt::WindowStates state = form->windowState();
    m_placing = true;
    form->setGeometry(area);
    form->overrideWindowState(state);
    m_placing = false;
}

bool FormTakeover::mouseEvent(QEvent* event)
{
    if (!active())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return m_drag.press(m_form, static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return m_drag.move(m_form, static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return m_drag.release(m_form, static_cast<QMouseEvent*>(event));
    default:
        return false;
    }
}
