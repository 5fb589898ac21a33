#include "tools/gallery/Screenshot.h"

#include "skin/windows/SUIForm.h"
#include "tools/gallery/GalleryWindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMenu>
#include <QPainter>

namespace {

void settle()
{
    // Shows, layouts and the drop-down's popup are delivered through the event loop, and a
    // control that sizes itself while painting asks for its new size through it too. Counted
    // rounds as well as time: on a loaded machine 100 ms may pass before the first paint.
    QDeadlineTimer deadline(100);
    for (int round = 0; round < 20 || !deadline.hasExpired(); ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

} // namespace

QImage GrabShaped(QWidget* window)
{
    QImage shot = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRegion mask = window->mask();
    if (mask.isEmpty())
        return shot;
    // The region is in logical pixels; each device pixel asks for the logical one it lies in.
    const qreal ratio = shot.devicePixelRatio();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (!mask.contains(QPoint(int(x / ratio), int(y / ratio))))
                shot.setPixel(x, y, 0);
    return shot;
}

QSize LogicalSize(const QImage& shot)
{
    return shot.deviceIndependentSize().toSize();
}

QImage GalleryScreenshot(GalleryWindow& window)
{
    TForm* form = window.form.get();
    form->move(40, 40);
    form->show();
    settle();
    FormMenuBar* bar = window.frame->MenuBarWidget();
    if (bar)
        bar->openButton(0);
    settle();

    QImage shot = GrabShaped(form);
    QMenu* menu = bar ? bar->openMenu() : nullptr;
    if (!menu || !menu->isVisible())
        return shot;
    const QImage dropDown = menu->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint at = menu->pos() - form->pos();
    const QRect all
        = QRect(QPoint(0, 0), LogicalSize(shot)).united(QRect(at, LogicalSize(dropDown)));
    QImage canvas(all.size() * shot.devicePixelRatio(), QImage::Format_ARGB32);
    canvas.setDevicePixelRatio(shot.devicePixelRatio());
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.drawImage(-all.topLeft(), shot);
    painter.drawImage(at - all.topLeft(), dropDown);
    painter.end();
    bar->closeMenu();
    return canvas;
}
