#include "framework/TForm.h"

#include "framework/TMainMenu.h"

#include <QCloseEvent>
#include <algorithm>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>

using namespace ControlTypes;

TForm::TForm(QWidget* owner)
    : TControlBase<QWidget>(owner)
    , m_constraints(new TSizeConstraints(this))
{
    setWindowFlag(Qt::Window);
    setBorderIcons(m_borderIcons);
    new AlignLayout(this);
}

TForm::~TForm()
{
    BeforeDestruction();
    if (m_modalLoop)
        m_modalLoop->quit();
    // The components go while the form is still whole, so each removal reaches the others.
    DestroyComponents();
    m_menu = nullptr;
}

void TForm::DoCreate()
{
    if (m_created)
        return;
    m_created = true;
    OnCreate(this);
}

void TForm::BeforeDestruction()
{
    if (m_destroying)
        return;
    m_destroying = true;
    OnDestroy(this);
}

int TForm::ClientWidth() const
{
    return contentsRect().width();
}

void TForm::setClientWidth(int width)
{
    const QMargins m = contentsMargins();
    setBounds(QRect(x(), y(), width + m.left() + m.right(), height()));
}

int TForm::ClientHeight() const
{
    return contentsRect().height();
}

void TForm::setClientHeight(int height)
{
    const QMargins m = contentsMargins();
    setBounds(QRect(x(), y(), width(), height + m.top() + m.bottom()));
}

void TForm::setBorderIcons(TBorderIcons icons)
{
    m_borderIcons = icons;
    const bool wasVisible = isVisible();
    Qt::WindowFlags flags = windowFlags() | Qt::Window | Qt::CustomizeWindowHint
        | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowSystemMenuHint, icons.testFlag(biSystemMenu));
    flags.setFlag(Qt::WindowMinimizeButtonHint, icons.testFlag(biMinimize));
    flags.setFlag(Qt::WindowMaximizeButtonHint, icons.testFlag(biMaximize));
    flags.setFlag(Qt::WindowContextHelpButtonHint, icons.testFlag(biHelp));
    if (flags == windowFlags())
        return;
    setWindowFlags(flags);
    if (wasVisible)
        show();
}

void TForm::setMenu(TMainMenu* menu)
{
    if (m_menu == menu)
        return;
    if (m_menu)
        disconnect(m_menu, nullptr, this, nullptr);
    m_menu = menu;
    if (m_menu) {
        FreeNotification(m_menu);
        connect(m_menu, &TMainMenu::changed, this, &TForm::rebuildMenuBar);
    }
    rebuildMenuBar();
}

void TForm::rebuildMenuBar()
{
    // A form being taken down loses its menu items one by one; rebuilding the bar after each
    // would make closing quadratic in the number of items.
    if (m_destroying)
        return;
    const int oldClientHeight = ClientHeight();
    // Only the bar's own share of the top margin changes: a frame drawn around the client
    // area (a skinned form's border band) keeps its margins.
    QMargins margins = contentsMargins();
    margins.setTop(std::max(0, margins.top() - m_menuBarMargin));
    if (!m_menu) {
        delete m_menuBar;
        m_menuBar = nullptr;
        m_menuBarMargin = 0;
    } else {
        if (!m_menuBar)
            m_menuBar = new QMenuBar(this);
        m_menuBar->clear();
        m_menu->populate(m_menuBar);
        m_menuBarMargin = m_menuBar->sizeHint().height();
    }
    margins.setTop(margins.top() + m_menuBarMargin);
    setContentsMargins(margins);
    // The menu bar takes its height from the window, not from the client area.
    setClientHeight(oldClientHeight);
    placeMenuBar();
    // Placed before it is shown: showing an unplaced bar would measure it once more.
    if (m_menuBar)
        m_menuBar->show();
}

void TForm::placeMenuBar()
{
    if (m_menuBar)
        m_menuBar->setGeometry(0, 0, width(), m_menuBarMargin);
}

void TForm::Notification(QObject* component, Operation operation)
{
    TControlBase<QWidget>::Notification(component, operation);
    if (operation == Operation::opRemove && m_menu && component == static_cast<QObject*>(m_menu)) {
        m_menu = nullptr;
        rebuildMenuBar();
    }
}

void TForm::setModalResult(int result)
{
    m_modalResult = result;
    if (result != mrNone && m_modalLoop)
        m_modalLoop->quit();
}

int TForm::ShowModal()
{
    if (m_modalLoop)
        return m_modalResult;
    m_modalResult = mrNone;
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    m_modalLoop = &loop;
    QPointer<TForm> self(this);
    if (m_modalResult == mrNone)
        loop.exec(QEventLoop::DialogExec);
    if (!self)
        return mrCancel;
    m_modalLoop = nullptr;
    hide();
    setWindowModality(Qt::NonModal);
    return m_modalResult;
}

void TForm::Close()
{
    close();
}

void TForm::Release()
{
    deleteLater();
}

bool TForm::event(QEvent* event)
{
    // A deferred delete reaches the form while it is whole: the right moment for OnDestroy.
    if (event->type() == QEvent::DeferredDelete)
        BeforeDestruction();
    return TControlBase<QWidget>::event(event);
}

void TForm::closeEvent(QCloseEvent* event)
{
    OnClose(this);
    event->accept();
    if (m_modalLoop) {
        if (m_modalResult == mrNone)
            m_modalResult = mrCancel;
        m_modalLoop->quit();
    }
}

void TForm::showEvent(QShowEvent* event)
{
    if (!m_positioned) {
        m_positioned = true;
        if (m_position == TPosition::poScreenCenter || m_position == TPosition::poDesktopCenter
            || m_position == TPosition::poMainFormCenter
            || m_position == TPosition::poOwnerFormCenter) {
            QRect area;
            QWidget* ownerWindow = parentWidget() ? parentWidget()->window() : nullptr;
            if ((m_position == TPosition::poOwnerFormCenter
                    || m_position == TPosition::poMainFormCenter)
                && ownerWindow)
                area = ownerWindow->frameGeometry();
            else if (QScreen* screen = QGuiApplication::primaryScreen())
                area = screen->availableGeometry();
            if (area.isValid()) {
                QRect r = frameGeometry();
                r.moveCenter(area.center());
                move(r.topLeft());
            }
        }
    }
    TControlBase<QWidget>::showEvent(event);
}

void TForm::resized()
{
    placeMenuBar();
    TControlBase<QWidget>::resized();
}
