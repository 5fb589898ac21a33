#include "skin/controls/SUIPanel.h"

#include "framework/BitmapOps.h"
#include "framework/OrlendaException.h"
#include "framework/PainterStateGuard.h"
#include "framework/TColor.h"
#include "framework/TextDraw.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QPainter>

using ControlTypes::TAlign;
using namespace SuiThemes;

namespace {

// Collapse, collapse highlighted, expand, expand highlighted.
constexpr int kButtonFrames = 4;
// A title band without height still leaves this much of a pushed panel.
constexpr int kBareTitleHeight = 20;

bool dockedAcross(TAlign align)
{
    return align == TAlign::alClient || align == TAlign::alLeft || align == TAlign::alRight;
}

// File themes mark a dark title band by a ControlFontColor of red 0, green 0, blue 2 to 5.
bool isDarkCaptionMarker(uint32_t color)
{
    return color == 0x020000 || color == 0x030000 || color == 0x040000 || color == 0x050000;
}

} // namespace

TsuiPanel::TsuiPanel(QWidget* parent)
    : TPanel(parent)
{
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setBevelInner(ControlTypes::TBevelCut::bvNone);
    setBevelOuter(ControlTypes::TBevelCut::bvNone);
    m_buttonStrip = GetSkinResource(QStringLiteral("PANEL_BUTTON"));
    m_timer.setInterval(kDefaultStepInterval);
    connect(&m_timer, &QTimer::timeout, this, [this] { AnimateStep(); });
    setBounds(QRect(x(), y(), 100, 100));
    m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
}

void TsuiPanel::SetFileTheme(TsuiFileTheme* theme)
{
    m_assigningTheme = true;
    m_theme.setFileTheme(theme);
    m_assigningTheme = false;
    QObject::disconnect(m_themeRemoval);
    if (theme) {
        // The theme going away takes the panel (SuiThemedControl) and everything on it to DeepBlue.
        m_themeRemoval = connect(theme, &QObject::destroyed, this,
            [this] { ContainerApplyUIStyle(this, TsuiUIStyle::DeepBlue, nullptr); });
    }
}

void TsuiPanel::styleReloaded()
{
    m_buttonStrip = GetSkinResource(QStringLiteral("PANEL_BUTTON"), m_theme.pictureScale());
    // A file theme given to a panel in a built-in style changes nothing until the style asks
    // for the file.
    if (m_assigningTheme && m_theme.uiStyle() != TsuiUIStyle::FromThemeFile)
        return;
    setColor(Qt::white);
    m_title = QImage();
    m_theme.bitmap(SuiItem::SideChannelBarImage, m_title);
    m_borderColor = TColor(m_theme.color(SuiItem::ControlBorderColor)).toQColor();
    if (m_theme.usesFileTheme()) {
        const bool dark = isDarkCaptionMarker(m_theme.color(SuiItem::ControlFontColor));
        m_captionFontColor = dark ? QColor(Qt::black) : QColor(Qt::white);
    } else if (m_theme.effectiveStyle() == TsuiUIStyle::MacOS) {
        m_captionFontColor = Qt::black;
    } else {
        m_captionFontColor = TColor(m_theme.color(SuiItem::MenuSelectedFontColor)).toQColor();
    }
    // Aligned children start below the title band.
    setContentsMargins(3, TitleHeight() + 3, 3, 3);
    AlignLayout::dock(this);
    update();
}

void TsuiPanel::SetBorderColor(const QColor& color)
{
    m_borderColor = color;
    update();
}

void TsuiPanel::SetCaptionFontColor(const QColor& color)
{
    m_captionFontColor = color;
    update();
}

void TsuiPanel::SetShowButton(bool show)
{
    m_showButton = show;
    update();
}

void TsuiPanel::SetStoredHeight(int height)
{
    m_storedHeight = height;
    // While pushed (or while an animation owns the height) only the stored height changes.
    if (m_expanded && !m_animating)
        setCurrentHeight(height);
}

void TsuiPanel::setCurrentHeight(int height)
{
    setBounds(QRect(x(), y(), width(), height));
}

void TsuiPanel::Push()
{
    if (dockedAcross(Align()))
        throw OrlendaException(
            QStringLiteral("Can't push when Align is alClient, alLeft or alRight."));
    m_motion = Motion::Pushing;
    m_animating = true;
    m_timer.start();
}

void TsuiPanel::Pop()
{
    m_motion = Motion::Popping;
    m_animating = true;
    m_timer.start();
}

bool TsuiPanel::AnimateStep()
{
    if (m_motion == Motion::None) {
        m_timer.stop();
        return false;
    }
    const int h = height();
    if (m_motion == Motion::Pushing) {
        const int target = TitleHeight() == 0 ? kBareTitleHeight : TitleHeight();
        if (target < h - kAnimationStep) {
            setCurrentHeight(h - kAnimationStep);
            repaint();
            return true;
        }
        setCurrentHeight(target);
    } else {
        if (h + kAnimationStep < m_storedHeight) {
            setCurrentHeight(h + kAnimationStep);
            repaint();
            return true;
        }
        setCurrentHeight(m_storedHeight);
    }
    finishMotion();
    return true;
}

void TsuiPanel::finishMotion()
{
    const Motion done = m_motion;
    m_motion = Motion::None;
    m_timer.stop();
    m_animating = false;
    m_expanded = done == Motion::Popping;
    update();
    if (done == Motion::Pushing)
        OnPush(this);
    else
        OnPop(this);
}

void TsuiPanel::FinishAnimation()
{
    // Each step moves 15 pixels or ends, so this ends; a handler starting a new motion waits
    // for its own timer.
    const int limit = qAbs(height() - m_storedHeight) / kAnimationStep + 2
        + qMax(height(), m_storedHeight) / kAnimationStep;
    for (int i = 0; i < limit && m_motion != Motion::None; ++i)
        AnimateStep();
}

bool TsuiPanel::buttonShown() const
{
    return m_showButton && !dockedAcross(Align()) && !m_buttonStrip.isNull();
}

QRect TsuiPanel::ButtonHitRect() const
{
    const int bw = BitmapOps::logicalSize(m_buttonStrip).width() / kButtonFrames;
    const int bh = BitmapOps::logicalSize(m_buttonStrip).height();
    const int left = width() - 1 - bw - 4;
    const int top = (TitleHeight() - bh) / 2;
    return QRect(left, top, bw, bh);
}

void TsuiPanel::PaintTitledPanel(QPainter& painter, const QRect& rect) const
{
    PainterStateGuard guard(painter);
    painter.translate(rect.topLeft());
    const int w = rect.width();
    const int h = rect.height();
    const int t = TitleHeight();

    // A one-pixel border round a Color fill.
    painter.fillRect(QRect(0, 0, w, h), m_borderColor);
    painter.fillRect(QRect(1, 1, w - 2, h - 2), Color());
    if (!m_title.isNull() && w > 2)
        BitmapOps::drawStretched(painter, QRect(1, 0, w - 2, t), m_title, m_title.rect());

    painter.setFont(font());
    painter.setPen(m_captionFontColor);
    QRect textRect(QPoint(10, 0), QPoint(w - 2, t - 1));
    DrawText(painter, Caption(), textRect, DT_SINGLELINE | DT_VCENTER);

    if (buttonShown()) {
        const QRect hit = ButtonHitRect();
        const int bw = hit.width();
        int frame = m_expanded ? 1 : 3;
        if (m_buttonHover)
            ++frame;
        QImage picture;
        SpitBitmap(m_buttonStrip, picture, kButtonFrames, frame);
        const int bottom = hit.top() + hit.height();
        painter.drawImage(w - bw - 4, (bottom - hit.height()) / 2 + 2, picture);
    }
}

void TsuiPanel::paintEvent(QPaintEvent*)
{
    m_offscreen.paint(this, [this](QPainter& canvas) { PaintTitledPanel(canvas, rect()); });
}

void TsuiPanel::resized()
{
    TPanel::resized();
    // Sizes passed through while pushed or animating are not the panel's own.
    if (!m_animating && m_expanded)
        m_storedHeight = height();
    update();
}

void TsuiPanel::mouseMoveEvent(QMouseEvent* event)
{
    TPanel::mouseMoveEvent(event);
    // Below the title band the flag is cleared too: left set, a click anywhere on the body
    // would push the panel.
    const bool hover = buttonShown() && event->position().y() <= TitleHeight()
        && InRect(event->position().toPoint(), ButtonHitRect());
    if (hover != m_buttonHover) {
        m_buttonHover = hover;
        update(ButtonHitRect().adjusted(-2, -4, 4, 4));
    }
}

void TsuiPanel::leaveEvent(QEvent* event)
{
    TPanel::leaveEvent(event);
    if (m_buttonHover) {
        m_buttonHover = false;
        update();
    }
}

void TsuiPanel::mouseReleaseEvent(QMouseEvent* event)
{
    TPanel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_buttonHover)
        return;
    // A click while the panel moves turns it round.
    const bool collapse = m_animating ? m_motion == Motion::Popping : m_expanded;
    try {
        if (collapse)
            Push();
        else
            Pop();
    } catch (const OrlendaException&) {
        // The button is not drawn for the refused alignments; nothing to do.
    }
    update();
}
