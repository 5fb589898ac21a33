#include "skin/controls/SUISpinButtons.h"

#include <QKeyEvent>

TsuiSpinButtons::TsuiSpinButtons(QWidget* parent)
    : TControlBase<QWidget>(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    auto makeButton = [this](TsuiArrowButton::TsuiArrowButtonType arrow, Event<>& target) {
        auto* button = new TsuiArrowButton(this);
        button->SetArrow(arrow);
        button->setTabStop(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->SetMouseContinuouslyDownInterval(RepeatInterval);
        auto fire = [this, &target](QObject*) { target(this); };
        button->OnClick = fire;
        button->OnMouseContinuouslyDown = fire;
        button->show();
        return button;
    };
    m_up = makeButton(TsuiArrowButton::suiUp, OnUpClick);
    m_down = makeButton(TsuiArrowButton::suiDown, OnDownClick);
    setBounds(QRect(x(), y(), 20, 25));
    layoutButtons();
}

TsuiUIStyle TsuiSpinButtons::UIStyle() const
{
    return m_up ? m_up->UIStyle() : TsuiUIStyle::DeepBlue;
}

void TsuiSpinButtons::SetUIStyle(TsuiUIStyle style)
{
    m_up->SetUIStyle(style);
    m_down->SetUIStyle(style);
}

TsuiFileTheme* TsuiSpinButtons::FileTheme() const
{
    return m_up ? m_up->FileTheme() : nullptr;
}

void TsuiSpinButtons::SetFileTheme(TsuiFileTheme* theme)
{
    m_up->SetFileTheme(theme);
    m_down->SetFileTheme(theme);
    SetUIStyle(UIStyle());
}

void TsuiSpinButtons::Loaded()
{
    TControlBase<QWidget>::Loaded();
    layoutButtons();
}

void TsuiSpinButtons::resized()
{
    TControlBase<QWidget>::resized();
    layoutButtons();
}

void TsuiSpinButtons::layoutButtons()
{
    if (!m_up || !m_down || IsLoading())
        return;
    const int w = std::max(width(), MinimumWidth);
    const int h = height();
    if (w != width()) {
        // The resize comes back here with the widened size.
        setBounds(QRect(x(), y(), w, h));
        return;
    }
    const int upHeight = h / 2 + 1;
    m_up->setGeometry(0, 0, w, upHeight);
    m_down->setGeometry(0, upHeight - 1, w, h - upHeight + 1);
}

void TsuiSpinButtons::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up)
        m_up->Click();
    else if (event->key() == Qt::Key_Down)
        m_down->Click();
    else
        TControlBase<QWidget>::keyPressEvent(event);
}
