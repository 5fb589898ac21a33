#include "skin/windows/frmMSNPop.h"

#include "framework/BitmapOps.h"
#include "skin/accessibility/SkinAccessibility.h"
#include "skin/styles/SUIThemes.h"
#include "skin/styles/Suipublic.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

namespace {

// The stay is checked ten times a second.
constexpr int kStayCheckInterval = 100;
// The default place keeps this far from the work area's right edge.
constexpr int kRightGap = 18;

// Runs a copy: the listener may replace or clear the callback (or free the window) meanwhile.
void tell(const std::function<void()>& callback)
{
    if (const std::function<void()> copy = callback)
        copy();
}

} // namespace

TfrmMSNPopForm::TfrmMSNPopForm(QWidget* owner)
    : TForm(owner)
{
    setObjectName(QStringLiteral("frmMSNPopForm"));
    // It has no themed control that would install the skin's accessible interfaces.
    InstallSkinAccessibility();
    // No caption, no border, no task-bar entry, above other windows, never taking the focus.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
        | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);

    lbl_title = new TLabel(this);
    lbl_title->setObjectName(QStringLiteral("lbl_title"));
    lbl_title->setAutoSize(false);
    lbl_title->setTransparent(true);
    lbl_text = new TLabel(this);
    lbl_text->setObjectName(QStringLiteral("lbl_text"));
    lbl_text->setTextAlignment(ControlTypes::TAlignment::taCenter);
    lbl_text->setAutoSize(false);
    lbl_text->setWordWrap(true);
    lbl_text->setTransparent(true);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kStayCheckInterval);
    connect(Timer1, &QTimer::timeout, this, &TfrmMSNPopForm::Timer1Timer);

    m_slide = new WindowSlide(this);
    lbl_title->OnClick = [this](QObject*) { tell(OnTitleClick); };
    lbl_text->OnClick = [this](QObject*) { tell(OnTextClick); };
    FormCreate();
}

TfrmMSNPopForm::~TfrmMSNPopForm()
{
    // Going away while on screen: nothing further is told to anybody.
    OnHidden = nullptr;
    m_slide->stop();
    Timer1->stop();
}

void TfrmMSNPopForm::FormCreate()
{
    // The notice is a window of its own, shown where the desktop is: the application's scale.
    m_background = GetSkinResource(QStringLiteral("MSNPOPFORM"), SkinPictureScale(nullptr));
    m_closedByCloseBox = false;
    const QSize size
        = m_background.isNull() ? QSize(181, 116) : BitmapOps::logicalSize(m_background);
    setFixedSize(size);
    const QPoint home = AutoHome(GetWorkAreaRect(), size);
    m_slide->setHome(QRect(home, size));
    move(home);
    lbl_title->setBounds(QRect(10, 5, width() - 30, 18));
    lbl_text->setBounds(QRect(10, 40, width() - 20, height() - 50));
}

QPoint TfrmMSNPopForm::AutoHome(const QRect& workArea, const QSize& size)
{
    // QRect's right() and bottom() are the last pixels; the framework's edges lie one beyond.
    const int right = workArea.left() + workArea.width();
    const int bottom = workArea.top() + workArea.height();
    // On a work area smaller than the window the title line and close box stay on it.
    return QPoint(std::max(workArea.left(), right - size.width() - kRightGap),
        std::max(workArea.top(), bottom - size.height()));
}

void TfrmMSNPopForm::SetHome(const QPoint& topLeft)
{
    m_slide->setHome(QRect(topLeft, size()));
    if (m_state == State::Hidden)
        move(topLeft);
}

void TfrmMSNPopForm::SetClock(WindowSlide::Clock clock)
{
    m_slide->setClock(std::move(clock));
}

void TfrmMSNPopForm::ShowNotice()
{
    switch (m_state) {
    case State::SlidingIn:
    case State::Shown:
        // Already showing: the new home is taken (SetHome); the stay goes on.
        if (!Timer1->isActive() && m_state == State::Shown)
            Timer1->start();
        return;
    case State::SlidingOut:
        // The hide that is running ends now, as it would have before anything else ran.
        m_slide->finish();
        break;
    case State::Hidden:
        break;
    }
    FormShow();
}

void TfrmMSNPopForm::FormShow()
{
    m_state = State::SlidingIn;
    m_closedByCloseBox = false;
    raise();
    m_slide->start(WindowSlide::Direction::In, m_animateTime, [this] {
        m_state = State::Shown;
        update();
        // The stay counts from the end of the slide-in.
        m_shownAt = m_slide->now();
        Timer1->start();
    });
}

void TfrmMSNPopForm::Timer1Timer()
{
    if (m_state != State::Shown)
        return;
    const qint64 elapsed = m_slide->now() - m_shownAt;
    if (elapsed >= m_stayTime || elapsed < 0) {
        Timer1->stop();
        HideNotice();
    }
}

void TfrmMSNPopForm::HideNotice()
{
    Timer1->stop();
    if (m_state == State::Hidden || m_state == State::SlidingOut)
        return;
    FormHide();
}

void TfrmMSNPopForm::FormHide()
{
    if (m_closedByCloseBox) {
        m_closedByCloseBox = false;
        m_slide->stop();
        m_state = State::SlidingOut;
        // Straight to the end: nothing shows.
        m_slide->start(WindowSlide::Direction::Out, 0, [this] { hidden(); });
        return;
    }
    m_state = State::SlidingOut;
    raise();
    m_slide->start(WindowSlide::Direction::Out, m_animateTime, [this] { hidden(); });
}

void TfrmMSNPopForm::HideNow()
{
    Timer1->stop();
    if (m_state == State::Hidden)
        return;
    m_closedByCloseBox = true;
    FormHide();
}

void TfrmMSNPopForm::hidden()
{
    m_state = State::Hidden;
    tell(OnHidden);
}

void TfrmMSNPopForm::PaintNotice(QPainter& painter) const
{
    if (m_background.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawImage(0, 0, m_background);
}

void TfrmMSNPopForm::paintEvent(QPaintEvent*)
{
    QImage buffer = BitmapOps::deviceBuffer(size(), devicePixelRatioF(), QImage::Format_RGB32);
    {
        QPainter canvas(&buffer);
        PaintNotice(canvas);
    }
    QPainter screen(this);
    screen.drawImage(0, 0, buffer);
}

void TfrmMSNPopForm::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && CloseBox().contains(at)) {
        // Not a click: the window is gone before the button comes up.
        event->accept();
        HideNow();
        return;
    }
    // A press a label did not take comes here; its release makes the label's click, not ours.
    for (const TLabel* label : { lbl_title, lbl_text })
        if (label->geometry().contains(at)) {
            event->accept();
            return;
        }
    TForm::mousePressEvent(event);
}

void TfrmMSNPopForm::Click()
{
    TForm::Click();
    const bool hides = m_clickHide;
    const QPointer<TfrmMSNPopForm> alive(this);
    tell(OnFormClick);
    // The handler may have freed the notice with its window.
    if (hides && alive)
        HideNotice();
}

void TfrmMSNPopForm::closeEvent(QCloseEvent* event)
{
    // Closed from outside (the window system): the notice goes at once, as through its box.
    event->ignore();
    HideNow();
}
