// The browser's pictures: the banner above the panes, the two tree images and the icons.
#include "Paint.h"
#include "Registry.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kNavy(0x12, 0x2a, 0x5c);
const QColor kBlue(0x1f, 0x5f, 0xb0);
const QColor kSky(0x6f, 0xb8, 0xf0);
const QColor kAmber(0xf2, 0xb1, 0x34);

// The program's mark: a rounded blue tile holding a white "Q" whose tail is an amber key bit,
// a reference of named settings.
void drawMark(QPainter& p, const QRectF& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal radius = r.width() * 0.22;
    QLinearGradient tile(r.topLeft(), r.bottomLeft());
    tile.setColorAt(0, kSky);
    tile.setColorAt(0.55, kBlue);
    tile.setColorAt(1, kNavy);
    p.setPen(QPen(kNavy.darker(140), qMax(1.0, r.width() / 32)));
    p.setBrush(tile);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    const QPointF c = r.center() - QPointF(r.width() * 0.04, r.height() * 0.04);
    const qreal ring = r.width() * 0.27;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, r.width() * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(c, ring, ring);
    p.setPen(QPen(kAmber, r.width() * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(ring * 0.45, ring * 0.45), c + QPointF(ring * 1.25, ring * 1.25));

    // Gloss on the upper half.
    QLinearGradient gloss(r.topLeft(), QPointF(r.left(), r.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(r.adjusted(2, 2, -2, -r.height() / 2), radius * 0.8, radius * 0.8);
    p.restore();
}

QImage drawBanner()
{
    QImage image(800, 50, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 800, 0);
    sky.setColorAt(0, kNavy);
    sky.setColorAt(0.55, kBlue);
    sky.setColorAt(1, QColor(0x3a, 0x8f, 0xd6));
    p.fillRect(image.rect(), sky);

    // A faint field of value names on the right, like rows of a system value list.
    QFont small(QStringLiteral("DejaVu Sans Mono"));
    small.setPixelSize(9);
    p.setFont(small);
    const char* names[] = { "QDATE", "QTIME", "QCCSID", "QSECURITY", "QMAXSIGN", "QSYSLIBL",
        "QCTLSBSD", "QPWDEXPITV", "QLANGID", "QCHRID", "QDATFMT", "QAUDLVL" };
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            const int alpha = 18 + col * 9;
            p.setPen(QColor(255, 255, 255, alpha));
            p.drawText(QPointF(470 + col * 68 + (row % 2) * 20, 11 + row * 12),
                QString::fromLatin1(names[(row * 5 + col) % 12]));
        }
    }

    // A soft light behind the mark.
    QRadialGradient glow(QPointF(30, 25), 60);
    glow.setColorAt(0, QColor(255, 255, 255, 70));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, 0, 120, 50), glow);
    drawMark(p, QRectF(10, 5, 40, 40));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(22);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QPointF(65, 28), QStringLiteral("Orlenda"));
    p.setPen(Qt::white);
    p.drawText(QPointF(64, 27), QStringLiteral("Orlenda"));
    const int titleWidth = QFontMetrics(title).horizontalAdvance(QStringLiteral("Orlenda "));

    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(15);
    p.setFont(sub);
    p.setPen(kAmber);
    p.drawText(QPointF(64 + titleWidth, 27), QStringLiteral("System Value Reference"));

    // Bold: the window shows the banner a little narrower than drawn, and a stretch that drops
    // columns would drop whole one-pixel stems of a regular face.
    QFont line(QStringLiteral("DejaVu Sans"));
    line.setPixelSize(10);
    line.setBold(true);
    p.setFont(line);
    p.setPen(QColor(0xd8, 0xe8, 0xff));
    p.drawText(
        QPointF(65, 42), QStringLiteral("Every IBM i system value, by name and by category"));

    // A thin highlight along the bottom edge separates the banner from the panes.
    p.setPen(QColor(255, 255, 255, 60));
    p.drawLine(0, 49, 799, 49);
    return image;
}

// Group node: a closed folder.
void drawFolder(QPainter& p, int x)
{
    p.setPen(QColor(0x9a, 0x6b, 0x10));
    p.setBrush(QColor(0xf7, 0xc8, 0x4a));
    p.drawRect(x + 1, 4, 13, 9);
    p.setBrush(QColor(0xe8, 0xaf, 0x2a));
    p.drawRect(x + 1, 3, 5, 1);
    p.setPen(QColor(0xfd, 0xe7, 0x9c));
    p.drawLine(x + 2, 5, x + 13, 5);
}

// Value node: a page with a blue "Q" tab, one setting.
void drawValue(QPainter& p, int x)
{
    p.setPen(QColor(0x4a, 0x5a, 0x70));
    p.setBrush(Qt::white);
    p.drawRect(x + 3, 1, 10, 13);
    p.setPen(QColor(0x9a, 0xaa, 0xbe));
    for (int y = 6; y <= 12; y += 2)
        p.drawLine(x + 5, y, x + 11, y);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(x + 5, 2, 7, 3);
}

QImage drawTreeImages()
{
    QImage image(32, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawFolder(p, 0);
    drawValue(p, 16);
    return image;
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawMark(p, QRectF(0, 0, size, size));
    return image;
}

// The title bar's control box: the program's mark as a glass key on the bar, so the window
// menu button names the program. Drawn over the bar's blue first so the anti-aliased rim
// blends into it, then keyed outside the tile.
enum class BoxState { Normal, Hot, Down };

QImage drawControlBox(BoxState state)
{
    const int n = 19;
    QImage image = resgen::blank(n, n, QColor(0x4C, 0x7E, 0xE4));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = state == BoxState::Down ? QRectF(1, 1, n - 1, n - 1) : QRectF(0, 0, n, n);
    drawMark(p, tile);
    if (state != BoxState::Normal) {
        // Lit under the mouse, shaded while pressed: the same cue as the glass buttons beside it.
        const qreal radius = tile.width() * 0.22;
        p.setPen(Qt::NoPen);
        p.setBrush(state == BoxState::Hot ? QColor(255, 255, 255, 60) : QColor(0, 0, 40, 60));
        p.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    }
    p.end();
    QPainterPath shape;
    shape.addRoundedRect(tile, tile.width() * 0.22 + 0.4, tile.width() * 0.22 + 0.4);
    resgen::keyOutside(image, shape);
    // The title bar takes the key from the bottom-left pixel.
    resgen::setLogicalPixel(image, 0, n - 1, resgen::kKey);
    return image;
}

resgen::Picture controlBox(const char* name, BoxState state)
{
    resgen::Picture picture { QString::fromLatin1(name), QStringLiteral("browser"),
        QStringLiteral("Browser"), resgen::FileFormat::Bmp,
        [state] { return drawControlBox(state); } };
    picture.twice = true;
    return picture;
}

const int registered = resgen::registerPictures({
    controlBox("TITLE_CONTROLBOX_NORMAL", BoxState::Normal),
    controlBox("TITLE_CONTROLBOX_MOUSEON", BoxState::Hot),
    controlBox("TITLE_CONTROLBOX_MOUSEDOWN", BoxState::Down),
    { QStringLiteral("BANNER"), QStringLiteral("browser"), QStringLiteral("Browser"),
        resgen::FileFormat::Jpeg, drawBanner, 92 },
    { QStringLiteral("TREE_IMAGES"), QStringLiteral("browser"), QStringLiteral("Browser"),
        resgen::FileFormat::Png, drawTreeImages },
    { QStringLiteral("MAINICON"), QStringLiteral("browser"), QStringLiteral("Browser"),
        resgen::FileFormat::Png, [] { return drawIcon(48); } },
    { QStringLiteral("ABOUT_ICON"), QStringLiteral("browser"), QStringLiteral("Browser"),
        resgen::FileFormat::Png, [] { return drawIcon(32); } },
});

// The desktop's icon theme takes one picture per size, each drawn at that size rather than
// scaled, so the small ones keep a sharp outline.
resgen::Picture desktopIcon(int size)
{
    return { QStringLiteral("orlenda_%1").arg(size), QStringLiteral("icons"),
        QStringLiteral("Desktop icons"), resgen::FileFormat::Png,
        [size] { return drawIcon(size); } };
}

const int registeredIcons = resgen::registerPictures({ desktopIcon(16), desktopIcon(32),
    desktopIcon(48), desktopIcon(64), desktopIcon(128), desktopIcon(256) });

} // namespace
