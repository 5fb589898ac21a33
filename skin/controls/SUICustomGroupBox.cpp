#include "skin/controls/SUICustomGroupBox.h"

#include "framework/PainterStateGuard.h"
#include "framework/TColor.h"
#include "framework/TextDraw.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

using namespace SuiThemes;

TsuiCustomGroupBox::TsuiCustomGroupBox(QWidget* parent)
    : TsuiCustomPanel(parent)
{
    // A blank panel text keeps the picture panel's own caption drawing out of the way.
    setCaption(QStringLiteral(" "));
    setBounds(QRect(x(), y(), 185, 105));
    SetTransparent(false);
    connect(fontObject(), &TFont::changed, this, [this] {
        updateMargins();
        update();
    });
    updateMargins();
    m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
}

int TsuiCustomGroupBox::FontHeightPixels() const
{
    return qAbs(fontObject()->Height());
}

void TsuiCustomGroupBox::updateMargins()
{
    // Aligned children stay inside the frame and below the caption.
    setContentsMargins(3, FontHeightPixels() + 5, 3, 3);
    AlignLayout::dock(this);
}

QRect TsuiCustomGroupBox::GetClient() const
{
    return rect().adjusted(3, FontHeightPixels(), -2, -2);
}

void TsuiCustomGroupBox::UpdateUIStyle(TsuiUIStyle style, TsuiFileTheme* fileTheme)
{
    ContainerApplyUIStyle(this, style, fileTheme);
    m_borderColor = TColor(m_theme.color(SuiItem::ControlBorderColor)).toQColor();
    fontObject()->setColor(TColor(m_theme.color(SuiItem::ControlFontColor)).toQColor());
    update();
}

void TsuiCustomGroupBox::SetBorderColor(const QColor& color)
{
    m_borderColor = color;
    update();
}

void TsuiCustomGroupBox::SetGroupCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void TsuiCustomGroupBox::PaintGroupBox(QPainter& painter, const QRect& rect) const
{
    if (Transparent()) {
        PaintPicturePanel(painter, rect);
    } else {
        painter.fillRect(rect, Color());
    }
    PainterStateGuard guard(painter);
    painter.translate(rect.topLeft());
    const int l = 0;
    const int r = rect.width();
    const int b = rect.height();
    const int y = FontHeightPixels() / 2 + 1;
    const QFontMetrics metrics(font());

    // The frame as a polyline whose last point stays undrawn: stub (l+2 .. l), left side, bottom,
    // right side, then the top back towards the caption, stopping short of l + W + 6.
    const QColor pen = m_borderColor;
    const auto hline = [&](int x1, int x2, int at) {
        if (x2 >= x1)
            painter.fillRect(QRect(x1, at, x2 - x1 + 1, 1), pen);
    };
    const auto vline = [&](int y1, int y2, int at) {
        if (y2 >= y1)
            painter.fillRect(QRect(at, y1, 1, y2 - y1 + 1), pen);
    };
    hline(l, l + 2, y);
    vline(y, b - 1, l);
    hline(l, r - 1, b - 1);
    vline(y, b - 1, r - 1);
    const int gapEnd = m_caption.isEmpty() ? l : l + metrics.horizontalAdvance(m_caption) + 6;
    hline(gapEnd + 1, r - 1, y);

    painter.setFont(font());
    painter.setPen(isEnabled() ? fontObject()->Color() : QColor(128, 128, 128));
    // Written as it stands, "&" included, from the caption cell's top-left.
    QRect textRect(5, 0, qMax(0, r - 5), metrics.height());
    DrawText(painter, m_caption, textRect, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void TsuiCustomGroupBox::paintEvent(QPaintEvent*)
{
    if (size().isEmpty())
        return;
    QPainter painter(this);
    PaintGroupBox(painter, rect());
}

void TsuiCustomGroupBox::changeEvent(QEvent* event)
{
    TsuiCustomPanel::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    // The contained controls take the box's state as their own, so enabling the box again
    // enables every one of them.
    const bool enabled = isEnabled();
    const QObjectList children = this->children();
    for (QObject* child : children) {
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow())
            w->setEnabled(enabled);
    }
    update();
}
