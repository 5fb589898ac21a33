// The title bar under the mouse: hot and pressed buttons, clicks, double clicks, moving the form.
#include "skin/windows/SUITitleBar.h"

#include <QWindow>

void TsuiTitleBar::mousePressEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    m_cursor = at;
    m_mousePressed = true;
    const int hot = ButtonAt(at);
    m_pressedButton = hot;
    setHot(hot);
    if (hot >= 0)
        update(ButtonRect(hot));
    const QWidget* form = SUIFormWindow(Form());
    if (form && hot < 0 && !form->isMaximized())
        startMove(event->globalPosition());
}

void TsuiTitleBar::startMove(const QPointF& globalPosition)
{
    m_mousePressed = false;
    m_pressedButton = -1;
    QWidget* form = SUIFormWindow(Form());
    QWindow* window = form->isWindow() ? form->windowHandle() : nullptr;
    if (window && window->startSystemMove())
        return;
    // No move protocol (a bare X server, a window manager without it, an MDI child): follow the
    // mouse until the button comes up.
    m_moving = true;
    m_moveStartGlobal = globalPosition.toPoint();
    m_moveStartPos = form->pos();
}

void TsuiTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mouseMoveEvent(event);
    if (m_moving) {
        if (QWidget* form = SUIFormWindow(Form()))
            form->move(m_moveStartPos + event->globalPosition().toPoint() - m_moveStartGlobal);
        return;
    }
    m_cursor = event->position().toPoint();
    setHot(ButtonAt(*m_cursor));
}

void TsuiTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (m_moving) {
        m_moving = false;
        return;
    }
    if (!m_mousePressed)
        return;
    const QPoint at = event->position().toPoint();
    m_cursor = at;
    const int hot = ButtonAt(at);
    const int pressed = std::exchange(m_pressedButton, -1);
    m_mousePressed = false;
    setHot(hot);
    if (hot >= 0)
        update(ButtonRect(hot));
    if (pressed >= 0 && pressed != hot)
        update(ButtonRect(pressed));
    // A button acts when the mouse comes up on the one it went down on.
    if (hot < 0 || hot != pressed)
        return;
    TsuiTitleBarButton* button = m_buttons->Button(hot);
    if (button->ButtonType() == TsuiTitleBarBtnType::suiControlBox && !button->ControlBoxMenu()) {
        PopupControlBoxMenu();
        return;
    }
    const TsuiTitleBarBtnType type = button->ButtonType();
    const QPointer<TsuiTitleBar> alive(this);
    button->DoClick();
    if (!alive)
        return;
    if (type == TsuiTitleBarBtnType::suiCustom && OnCustomBtnsClick)
        OnCustomBtnsClick(this, hot);
    else if (type == TsuiTitleBarBtnType::suiHelp && OnHelpBtnClick)
        OnHelpBtnClick(this, hot);
}

void TsuiTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Not the inherited handling: a widget's default turns a double click into another press.
    if (event->button() != Qt::LeftButton)
        return;
    m_moving = false;
    m_mousePressed = false;
    m_pressedButton = -1;
    const int hot = ButtonAt(event->position().toPoint());
    if (hot < 0) {
        for (int i = 0; i < m_buttons->Count(); ++i) {
            TsuiTitleBarButton* button = m_buttons->Button(i);
            if (button->Visible() && button->ButtonType() == TsuiTitleBarBtnType::suiMax) {
                button->DoClick();
                return;
            }
        }
        return;
    }
    if (m_buttons->Button(hot)->ButtonType() == TsuiTitleBarBtnType::suiControlBox) {
        if (QWidget* form = SUIFormWindow(Form()))
            form->close();
    }
}

void TsuiTitleBar::leaveEvent(QEvent* event)
{
    TControlBase<QWidget>::leaveEvent(event);
    m_cursor.reset();
    setHot(-1);
}
