#include "Paint.h"

namespace resgen {

namespace {
// Asking for an item of another kind is a slip in the generator: stop the build there.
const SuiThemes::TsuiBuiltinValue& builtin(Style style, int item, TsuiType kind)
{
    // resgen's styles run MacOS..BlueGlass from 0; the skin's from 1.
    const auto* value = SuiThemes::BuiltinValue(TsuiUIStyle(int(style) + 1), item);
    if (!value || SuiThemes::kThemeItems[size_t(item - 1)].kind != kind)
        qFatal("resgen: theme item %d is not of the kind asked for", item);
    return *value;
}
} // namespace

QColor itemColor(Style style, int item)
{
    const auto bgr = uint32_t(builtin(style, item, TsuiType::Color).number);
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

int itemInt(Style style, int item)
{
    return builtin(style, item, TsuiType::Int).number;
}

bool itemFlag(Style style, int item)
{
    return builtin(style, item, TsuiType::Bool).number != 0;
}

QString itemImage(Style style, int item)
{
    const std::string_view name = builtin(style, item, TsuiType::Str).image;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

const Look& look(Style style)
{
    static const Look looks[] = {
        { "MacOS", itemColor(Style::MacOS, SuiItem::FormBackgroundColor), QColor(0x7F, 0x7F, 0x7F),
            QColor(0xFD, 0xFD, 0xFD), QColor(0xD2, 0xD2, 0xD2), QColor(0x39, 0x73, 0xC4),
            QColor(0x9C, 0xC4, 0xF2), QColor(0x1F, 0x4F, 0x96), QColor(0xC9, 0xC9, 0xC9),
            QColor(0x30, 0x30, 0x30) },
        { "WinXP", itemColor(Style::WinXP, SuiItem::FormBackgroundColor), QColor(0x00, 0x3C, 0x74),
            QColor(0xFF, 0xFF, 0xFF), QColor(0xE3, 0xE0, 0xD2), QColor(0x00, 0x54, 0xE3),
            QColor(0x3D, 0x95, 0xFF), QColor(0x00, 0x2C, 0xC8), QColor(0xF4, 0xF1, 0xE6),
            QColor(0x21, 0xA1, 0x21) },
        { "DeepBlue", itemColor(Style::DeepBlue, SuiItem::FormBackgroundColor),
            QColor(0x00, 0x00, 0x00), QColor(0xEE, 0xF1, 0xF8), QColor(0xB9, 0xC3, 0xDC),
            QColor(0x1B, 0x27, 0x5E), QColor(0x44, 0x4A, 0xA0), QColor(0x0B, 0x12, 0x38),
            QColor(0xD0, 0xD4, 0xE0), QColor(0x10, 0x18, 0x48) },
        { "Protein", itemColor(Style::Protein, SuiItem::FormBackgroundColor),
            QColor(0x2B, 0x2B, 0x2B), QColor(0xF6, 0xF6, 0xF6), QColor(0xBE, 0xC0, 0xC3),
            QColor(0x4A, 0x4D, 0x52), QColor(0x8E, 0x93, 0x9A), QColor(0x24, 0x25, 0x28),
            QColor(0xDC, 0xDD, 0xDF), QColor(0x2B, 0x2B, 0x2B) },
        { "BlueGlass", itemColor(Style::BlueGlass, SuiItem::FormBackgroundColor),
            QColor(0x1E, 0x3C, 0x82), QColor(0xDD, 0xEC, 0xFF), QColor(0x7F, 0xAE, 0xEE),
            QColor(0x2A, 0x5C, 0xD6), QColor(0x8C, 0xC0, 0xFF), QColor(0x12, 0x2E, 0x86),
            QColor(0xD6, 0xE2, 0xF4), QColor(0x13, 0x2C, 0x70) },
    };
    return looks[int(style)];
}

namespace {
int& scaleSlot()
{
    static int scale = 1;
    return scale;
}

int scaleOf(const QImage& image)
{
    return std::max(1, qRound(image.devicePixelRatio()));
}

// `rect` (logical) in the image's device pixels, clipped to the image.
QRect deviceRect(const QImage& image, const QRect& rect)
{
    const int s = scaleOf(image);
    return QRect(rect.x() * s, rect.y() * s, rect.width() * s, rect.height() * s) & image.rect();
}
} // namespace

int drawScale()
{
    return scaleSlot();
}

ScaleScope::ScaleScope(int scale)
    : m_previous(scaleSlot())
{
    scaleSlot() = std::max(1, scale);
}

ScaleScope::~ScaleScope()
{
    scaleSlot() = m_previous;
}

QImage blank(int width, int height, const QColor& fill)
{
    const int s = drawScale();
    QImage image(width * s, height * s, QImage::Format_RGB32);
    image.setDevicePixelRatio(s);
    image.fill(fill);
    return image;
}

QSize logicalSize(const QImage& image)
{
    const int s = scaleOf(image);
    return QSize(image.width() / s, image.height() / s);
}

void setLogicalPixel(QImage& image, int x, int y, const QColor& color)
{
    const QRect r = deviceRect(image, QRect(x, y, 1, 1));
    for (int dy = r.top(); dy <= r.bottom(); ++dy)
        for (int dx = r.left(); dx <= r.right(); ++dx)
            image.setPixelColor(dx, dy, color);
}

QImage copyLogical(const QImage& image, const QRect& rect)
{
    return image.copy(deviceRect(image, rect));
}

QImage hstrip(const std::vector<QImage>& frames)
{
    int width = 0, height = 0;
    for (const auto& f : frames) {
        width += logicalSize(f).width();
        height = std::max(height, logicalSize(f).height());
    }
    QImage strip = blank(width, height, kKey);
    QPainter p(&strip);
    int x = 0;
    for (const auto& f : frames) {
        p.drawImage(x, 0, f);
        x += logicalSize(f).width();
    }
    return strip;
}

void keyOutside(QImage& image, const QPainterPath& inside, const QRect& rect)
{
    const qreal s = scaleOf(image);
    const QRect r = deviceRect(image, rect);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (!inside.contains(QPointF((x + 0.5) / s, (y + 0.5) / s)))
                image.setPixelColor(x, y, kKey);
}

void keyOutside(QImage& image, const QPainterPath& inside)
{
    keyOutside(image, inside, QRect(QPoint(0, 0), logicalSize(image)));
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
        a.greenF() + (b.greenF() - a.greenF()) * t, a.blueF() + (b.blueF() - a.blueF()) * t);
}

QLinearGradient vertical(const QRectF& r, std::initializer_list<std::pair<qreal, QColor>> stops)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    for (const auto& [at, c] : stops)
        g.setColorAt(at, c);
    return g;
}

QLinearGradient horizontal(const QRectF& r, std::initializer_list<std::pair<qreal, QColor>> stops)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    for (const auto& [at, c] : stops)
        g.setColorAt(at, c);
    return g;
}

QPainterPath roundedRect(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void drawArrow(QPainter& p, const QRectF& r, Arrow direction, qreal size, const QColor& color)
{
    const QPointF c = r.center();
    const qreal h = size / 2.0; // half the base; the tip stands `size / 2` from the centre line
    QPolygonF tri;
    switch (direction) {
    case Arrow::Up:
        tri << QPointF(c.x() - size, c.y() + h) << QPointF(c.x() + size, c.y() + h)
            << QPointF(c.x(), c.y() - h);
        break;
    case Arrow::Down:
        tri << QPointF(c.x() - size, c.y() - h) << QPointF(c.x() + size, c.y() - h)
            << QPointF(c.x(), c.y() + h);
        break;
    case Arrow::Left:
        tri << QPointF(c.x() + h, c.y() - size) << QPointF(c.x() + h, c.y() + size)
            << QPointF(c.x() - h, c.y());
        break;
    case Arrow::Right:
        tri << QPointF(c.x() - h, c.y() - size) << QPointF(c.x() - h, c.y() + size)
            << QPointF(c.x() + h, c.y());
        break;
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(tri);
    p.restore();
}

void drawPixelArrow(QPainter& p, const QRect& cell, Arrow direction, int base, const QColor& color)
{
    const int depth = (base + 1) / 2;
    const bool upright = direction == Arrow::Up || direction == Arrow::Down;
    const int across = upright ? cell.width() : cell.height();
    const int along = upright ? cell.height() : cell.width();
    const int a0 = (across - base) / 2, d0 = (along - depth) / 2;
    for (int i = 0; i < depth; ++i) {
        // Row i counted from the base; the tip is one pixel.
        const bool tipFirst = direction == Arrow::Up || direction == Arrow::Left;
        const int d = d0 + (tipFirst ? depth - 1 - i : i);
        const int from = a0 + i, length = base - 2 * i;
        const QRect run = upright ? QRect(cell.left() + from, cell.top() + d, length, 1)
                                  : QRect(cell.left() + d, cell.top() + from, 1, length);
        p.fillRect(run, color);
    }
}

void drawTick(QPainter& p, const QRectF& r, const QColor& color, qreal width)
{
    p.save();
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF tick;
    tick << QPointF(r.left(), r.top() + r.height() * 0.55)
         << QPointF(r.left() + r.width() * 0.38, r.bottom()) << QPointF(r.right(), r.top());
    p.drawPolyline(tick);
    p.restore();
}

void drawCross(QPainter& p, const QRectF& r, const QColor& color, qreal width)
{
    p.save();
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
    p.restore();
}

} // namespace resgen

#include "Registry.h"

namespace resgen {

void fillOutside(QImage& image, const QPainterPath& inside, const QRect& rect, const QColor& color)
{
    const qreal s = scaleOf(image);
    const QRect r = deviceRect(image, rect);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (!inside.contains(QPointF((x + 0.5) / s, (y + 0.5) / s)))
                image.setPixelColor(x, y, color);
}

Picture skinPicture(const QString& name, const QString& family, QImage (*draw)())
{
    Picture picture { name, QStringLiteral("skin"), family, FileFormat::Bmp, draw };
    picture.twice = true;
    return picture;
}

Picture itemPicture(Style style, int item, QImage (*draw)())
{
    return skinPicture(itemImage(style, item), look(style).family, draw);
}

} // namespace resgen
