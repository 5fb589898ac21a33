#include "skin/styles/Suipublic.h"

#include "framework/BitmapOps.h"
#include "framework/FrameRect.h"
#include "framework/ImageList.h"
#include "framework/PainterStateGuard.h"
#include "skin/styles/TsuiFileTheme.h"

#include <QApplication>
#include <QtMath>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaObject>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTransform>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// A rectangle by its edges, right and bottom exclusive, as the nine-slice rules are stated.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool hasArea() const { return width() > 0 && height() > 0; }
    QRect rect() const { return QRect(left, top, width(), height()); }
};

struct Piece {
    Box source;
    Box target;
    std::optional<QRgb> key;
};

int clampedMin(int sourceLength, int slotLength)
{
    return std::max(0, std::min(sourceLength, slotLength));
}

// Work area the pieces are composed in before one draw onto the painter. Kept between calls so a
// repaint does not allocate; pieces are either opaque or keyed out, so composing them first and
// drawing the result once looks exactly like drawing them one after another.
QImage composeBuffer(const QSize& size)
{
    thread_local QImage buffer;
    if (buffer.width() < size.width() || buffer.height() < size.height())
        buffer = QImage(std::max(buffer.width(), size.width()),
            std::max(buffer.height(), size.height()), QImage::Format_ARGB32_Premultiplied);
    uchar* bits = buffer.bits();
    const qsizetype stride = buffer.bytesPerLine();
    for (int y = 0; y < size.height(); ++y)
        std::memset(bits + y * stride, 0, size_t(size.width()) * 4);
    // A view of the used corner only; the painter reads it before the next call can write.
    return QImage(bits, size.width(), size.height(), stride, QImage::Format_ARGB32_Premultiplied);
}

// The part of `area` the painter can actually change, so a partial repaint composes no more.
QRect visiblePart(const QPainter& canvas, const QRect& area)
{
    QRect visible = area;
    if (canvas.hasClipping())
        visible &= canvas.clipBoundingRect().toAlignedRect();
    const QTransform& transform = canvas.worldTransform();
    if (canvas.device() && transform.type() <= QTransform::TxTranslate) {
        // One pixel of slack on each side for fractional origins. The device's size in logical
        // pixels, as the painter's coordinates are.
        const qreal ratio = std::max(1.0, canvas.device()->devicePixelRatioF());
        const QRect device(0, 0, qCeil(canvas.device()->width() / ratio),
            qCeil(canvas.device()->height() / ratio));
        visible &= device.translated(-qFloor(transform.dx()), -qFloor(transform.dy()))
                       .adjusted(-1, -1, 1, 1);
    }
    return visible;
}

// Pieces are in logical pixels; they are composed at the source's scale, so a picture drawn for
// a high-density screen keeps its pixels.
void drawPieces(QPainter& canvas, const QImage& source, const Piece* pieces, size_t count)
{
    const int s = BitmapOps::pictureScale(source);
    QRect area;
    for (size_t i = 0; i < count; ++i)
        area |= pieces[i].target.rect();
    const QRect visible = visiblePart(canvas, area);
    if (visible.isEmpty())
        return;
    // Only the raster engine is done with an image when drawImage returns; recording or
    // printing engines may keep it, so they get an image of their own.
    const bool raster
        = canvas.paintEngine() && canvas.paintEngine()->type() == QPaintEngine::Raster;
    QImage buffer = raster ? composeBuffer(visible.size() * s)
                           : QImage(visible.size() * s, QImage::Format_ARGB32_Premultiplied);
    if (!raster)
        buffer.fill(Qt::transparent);
    const QPoint offset = -visible.topLeft();
    auto scaled = [s](const QRect& r) { return QRect(r.topLeft() * s, r.size() * s); };
    for (size_t i = 0; i < count; ++i)
        BitmapOps::stretchBlt(buffer, scaled(pieces[i].target.rect().translated(offset)), source,
            scaled(pieces[i].source.rect()), pieces[i].key);
    buffer.setDevicePixelRatio(s);
    canvas.drawImage(visible.topLeft(), buffer);
}

QImage rotatedQuarter(const QImage& bitmap, qreal degrees)
{
    // Quarter turns are exact pixel permutations in QImage, no resampling.
    return bitmap.transformed(QTransform().rotate(degrees));
}

// A form's own active state. A form inside an MDI frame shares the frame's top-level window, so
// it is active only while it is the frame's active child.
bool isFormActive(const QWidget* form)
{
    if (!form)
        return false;
    const QMdiSubWindow* sub = qobject_cast<const QMdiSubWindow*>(form);
    if (!sub)
        sub = qobject_cast<const QMdiSubWindow*>(form->parentWidget());
    if (sub && sub->mdiArea())
        return sub->mdiArea()->activeSubWindow() == sub && sub->isActiveWindow();
    return form->isActiveWindow();
}

QPointer<QWidget>& mainFormSlot()
{
    static QPointer<QWidget> form;
    return form;
}

} // namespace

void SpitBitmap(const QImage& source, QImage& destination, int count, int index)
{
    if (count < 1) {
        destination = QImage();
        return;
    }
    const QSize logical = BitmapOps::logicalSize(source);
    destination = BitmapOps::stripFrame(
        source, QSize(logical.width() / count, logical.height()), index - 1);
}

void SpitDraw(const QImage& bitmap, QPainter& canvas, const QRect& r, bool transparent)
{
    if (bitmap.isNull() || r.width() <= 0 || r.height() <= 0)
        return;
    const QImage source = BitmapOps::readable(bitmap);
    // The rules run in logical pixels; drawPieces cuts a high-density picture to match.
    const int Wb = BitmapOps::logicalSize(source).width();
    const int Hb = BitmapOps::logicalSize(source).height();
    const int wb = Wb / 2;
    const int hb = Hb / 2;
    const int hw = r.width() / 2;
    const int hh = r.height() / 2;
    const int right = r.x() + r.width();
    const int bottom = r.y() + r.height();
    const std::optional<QRgb> cornerKey
        = transparent ? std::optional<QRgb>(BitmapOps::MagentaKey) : std::nullopt;
    const std::optional<QRgb> magenta = BitmapOps::MagentaKey;

    // Corners: cut to the slot, keeping the outer part, and copied unscaled.
    const int tlW = clampedMin(wb, hw);
    const int tlH = clampedMin(hb, hh);
    const Box tl { 0, 0, tlW, tlH };
    const int blW = clampedMin(wb, hw);
    const int blH = clampedMin(Hb - (Hb - hb + 1), hh - 1);
    const Box bl { 0, bottom - blH, blW, bottom };
    const int trW = clampedMin(Wb - (Wb - wb + 1), hw - 1);
    const int trH = clampedMin(hb, hh);
    const Box tr { right - trW, 0, right, trH };
    const int brW = clampedMin(Wb - (Wb - wb + 1), hw - 1);
    const int brH = clampedMin(Hb - (Hb - hb + 1), hh - 1);
    const Box br { right - brW, bottom - brH, right, bottom };

    // Edges and centre: the stretchable middle row and column, cut where the target is thinner.
    Box leftSource { 0, hb, wb, Hb - hb };
    const Box leftTarget { 0, tl.bottom, tl.right, bl.top };
    if (leftTarget.width() < leftSource.width())
        leftSource.right = leftSource.left + leftTarget.width();
    Box rightSource { Wb - wb + 1, Hb - hb, Wb, hb + 2 };
    const Box rightTarget { tr.left, tr.bottom, tr.right, br.top };
    if (rightTarget.width() < rightSource.width())
        rightSource.left = rightSource.right - rightTarget.width();
    Box topSource { wb, 0, Wb - wb + 1, hb };
    const Box topTarget { tl.right, 0, tr.left, tl.bottom };
    if (topTarget.height() < topSource.height())
        topSource.bottom = topSource.top + topTarget.height();
    const Box centreSource { wb, hb, Wb - wb + 1, Hb - hb };
    const Box centreTarget { tl.right, tl.bottom, tr.left, br.top - 1 };
    Box bottomSource { wb, Hb - hb, Wb - wb + 1, Hb };
    const Box bottomTarget { tl.right - 1, bl.top - 1, br.left, br.bottom };
    if (bottomTarget.height() < bottomSource.height())
        bottomSource.top = bottomSource.bottom - bottomTarget.height();

    // In drawing order; later pieces cover earlier ones where they overlap.
    std::array<Piece, 9> pieces;
    size_t count = 0;
    auto add = [&](const Box& source, const Box& target, std::optional<QRgb> key) {
        if (target.hasArea())
            pieces[count++] = Piece { source, target, key };
    };
    add(Box { 0, 0, tlW, tlH }, tl, cornerKey);
    add(Box { 0, Hb - blH, blW, Hb }, bl, cornerKey);
    add(leftSource, leftTarget, magenta);
    add(Box { Wb - trW, 0, Wb, trH }, tr, cornerKey);
    add(Box { Wb - brW, Hb - brH, Wb, Hb }, br, cornerKey);
    add(rightSource, rightTarget, magenta);
    add(topSource, topTarget, magenta);
    add(centreSource, centreTarget, magenta);
    add(bottomSource, bottomTarget, magenta);
    drawPieces(canvas, source, pieces.data(), count);
}

void SpitDrawHorizontal(const QImage& bitmap, QPainter& canvas, const QRect& r, bool keyFromCorner)
{
    const QSize logical = BitmapOps::logicalSize(bitmap);
    const int frameWidth = logical.width() / 3;
    if (frameWidth <= 0 || logical.height() <= 0)
        return;
    const QImage source = BitmapOps::readable(bitmap);
    const QRgb key = keyFromCorner ? source.pixel(0, 0) : BitmapOps::MagentaKey;
    ImageList frames(frameWidth, logical.height());
    frames.addMasked(source, key);
    const int right = r.x() + r.width();
    frames.draw(canvas, QPoint(r.x(), r.y()), 0);
    frames.draw(canvas, QPoint(right - frameWidth, r.y()), 2);
    const QImage middle = frames.image(1);
    BitmapOps::drawStretched(canvas,
        QRect(r.x() + frameWidth, r.y(), r.width() - 2 * frameWidth, r.height()), middle,
        middle.rect());
}

void TileDraw(QPainter& canvas, const QImage& picture, const QRect& r)
{
    const int pw = BitmapOps::logicalSize(picture).width();
    const int ph = BitmapOps::logicalSize(picture).height();
    if (pw <= 0 || ph <= 0)
        return;
    for (int x = 0; x < r.width() + pw; x += pw)
        for (int y = 0; y < r.height() + ph; y += ph)
            canvas.drawImage(x, y, picture);
}

void RoundPicture(QImage& bitmap)
{
    if (!bitmap.isNull())
        bitmap = rotatedQuarter(bitmap, -90);
}

void RoundPicture3(QImage& bitmap)
{
    if (!bitmap.isNull())
        bitmap = rotatedQuarter(bitmap, 90);
}

void RoundPicture2(QImage& bitmap)
{
    if (bitmap.isNull())
        return;
    const QImage source = BitmapOps::readable(bitmap);
    const int W = source.width();
    const int H = source.height();
    QImage work(H, W, source.format());
    work.fill(QColor(Qt::black));
    // work(i, W - 1 - j) := source(i, j); on a bitmap that is not square some of those source
    // pixels do not exist and are not read.
    for (int j = 0; j < std::min(W, H); ++j) {
        const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(j));
        QRgb* to = reinterpret_cast<QRgb*>(work.scanLine(W - 1 - j));
        for (int i = 0; i < std::min(W, H); ++i)
            to[i] = from[i];
    }
    work.setDevicePixelRatio(source.devicePixelRatio());
    bitmap = work.convertToFormat(bitmap.format());
}

void DoTrans(QPainter& canvas, QWidget* control)
{
    if (!control || !control->parentWidget())
        return;
    QWidget* parent = control->parentWidget();
    // Only the part of the parent under the control can show; the parent paints itself and its
    // background but no children, so the control never paints into itself.
    const QRegion beneath = QRegion(control->geometry()) & parent->rect();
    if (beneath.isEmpty())
        return;
    PainterStateGuard guard(canvas);
    if (const auto* backdrop = dynamic_cast<const SuiBackdrop*>(parent)) {
        canvas.translate(-control->pos());
        backdrop->PaintBackdrop(canvas);
        return;
    }
    parent->render(&canvas, beneath.boundingRect().topLeft() - control->pos(), beneath,
        QWidget::DrawWindowBackground);
}

void SetWinControlTransparent(QWidget* control)
{
    if (!control)
        return;
    control->setAutoFillBackground(false);
    control->setAttribute(Qt::WA_OpaquePaintEvent, false);
    control->setAttribute(Qt::WA_TranslucentBackground, true);
}

void DrawControlBorder(
    QPainter& canvas, const QWidget* control, TColor borderColor, TColor innerColor, bool drawInner)
{
    if (!control)
        return;
    const QRect whole(0, 0, control->width(), control->height());
    FrameRect(canvas, whole, borderColor.toQColor());
    if (drawInner)
        FrameRect(canvas, whole.adjusted(1, 1, -1, -1), innerColor.toQColor());
}

QRegion BitmapWindowRegion(const QImage& bitmap, QRgb transparent)
{
    if (bitmap.isNull())
        return {};
    const QImage source = BitmapOps::readable(bitmap);
    // A window is shaped in logical pixels: a high-density picture is read on its logical grid.
    const int scale = BitmapOps::pictureScale(source);
    const int width = BitmapOps::logicalSize(source).width();
    const int height = BitmapOps::logicalSize(source).height();

    // Rows with the same runs one under another merge into one band, the form QRegion keeps.
    std::vector<QRect> rects;
    std::vector<std::pair<int, int>> band;
    std::vector<std::pair<int, int>> row;
    int bandTop = 0;
    auto flush = [&](int bandBottom) {
        for (const auto& [start, end] : band)
            rects.emplace_back(start, bandTop, end - start + 1, bandBottom - bandTop);
        band.clear();
    };
    for (int y = 0; y < height; ++y) {
        row.clear();
        const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y * scale));
        int start = -1;
        int end = -1;
        for (int x = 0; x < width; ++x) {
            // The last column closes the run without joining it.
            if (BitmapOps::isKey(line[x * scale], transparent) || x == width - 1) {
                if (start >= 0)
                    row.emplace_back(start, end);
                start = -1;
                continue;
            }
            if (start < 0)
                start = x;
            end = x;
        }
        if (row != band) {
            flush(y);
            band = row;
            bandTop = y;
        }
    }
    flush(height);

    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), int(rects.size()));
    return region;
}

void SetBitmapWindow(QWidget* window, const QImage& bitmap, TColor transparent)
{
    if (!window)
        return;
    const QRegion region = BitmapWindowRegion(bitmap, transparent.toRgb());
    // An empty mask means "no mask" to Qt, which would show the whole window; a pixel outside
    // the window keeps every pixel of it hidden instead.
    window->setMask(region.isEmpty() ? QRegion(-1, -1, 1, 1) : region);
}

bool InRect(const QPoint& point, const QRect& r)
{
    return InRect(point.x(), point.y(), r);
}

bool InRect(int x, int y, const QRect& r)
{
    return r.x() <= x && x <= r.x() + r.width() && r.y() <= y && y <= r.y() + r.height();
}

void PlaceControl(QWidget* control, const QPoint& point)
{
    if (!control)
        return;
    control->move(point.x(), control->y());
    control->move(point.x(), point.y());
}

void PlaceControl(QWidget* control, const QRect& r)
{
    if (!control)
        return;
    control->move(r.x(), control->y());
    control->move(r.x(), r.y());
    control->resize(r.width(), control->height());
    control->resize(r.width(), r.height());
}

QRect GetWorkAreaRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void SetMainForm(QWidget* form)
{
    mainFormSlot() = form;
}

QWidget* MainForm()
{
    return mainFormSlot().data();
}

bool FormHasFocus(QWidget* form)
{
    QWidget* mainForm = MainForm();
    if (!mainForm)
        return isFormActive(form);
    QMdiArea* mdiClient = mainForm->findChild<QMdiArea*>();
    if (mdiClient && form == mainForm)
        return true;
    if (!QApplication::activeWindow())
        return false;
    if (!form || form == mainForm)
        return true;
    if (mdiClient) {
        const QMdiSubWindow* active = mdiClient->activeSubWindow();
        if (active && (active == form || active->widget() == form))
            return true;
    }
    return isFormActive(form);
}

bool IsHasProperty(const QObject* component, const char* name)
{
    return component && name && component->metaObject()->indexOfProperty(name) >= 0;
}

void ContainerApplyUIStyle(QWidget* container, TsuiUIStyle style, TsuiFileTheme* fileTheme)
{
    if (!container)
        return;
    // Guarded copies: a property writer may create or delete children of the container.
    std::vector<QPointer<QObject>> children;
    for (QObject* child : container->children())
        children.emplace_back(child);
    for (const QPointer<QObject>& child : children) {
        if (!child || !child->isWidgetType())
            continue;
        if (!IsHasProperty(child, "FileTheme") || !IsHasProperty(child, "UIStyle"))
            continue;
        child->setProperty("FileTheme", QVariant::fromValue(fileTheme));
        child->setProperty("UIStyle", QVariant::fromValue(style));
    }
}

QString PCharToStr(const char* text)
{
    return text ? QString::fromLocal8Bit(text) : QString();
}

// The flags tell apart two old families of one desktop system; no system this program runs on is
// either, so they are constant.
bool IsWin95()
{
    return false;
}

bool IsWinXP()
{
    return false;
}
