#include "ContactSheet.h"

#include <QFont>
#include <QPainter>
#include <map>

namespace resgen {

QImage drawContactSheet(const std::vector<std::pair<const Picture*, QImage>>& pictures)
{
    // Families keep the order in which they were first registered.
    std::vector<QString> order;
    std::map<QString, std::vector<const std::pair<const Picture*, QImage>*>> byFamily;
    for (const auto& entry : pictures) {
        if (!byFamily.count(entry.first->family))
            order.push_back(entry.first->family);
        byFamily[entry.first->family].push_back(&entry);
    }
    const int width = 1400;
    QImage sheet(width, 4000, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    int y = 10;
    for (const QString& family : order) {
        p.drawText(10, y + 14, family);
        y += 24;
        int x = 10, rowHeight = 0;
        for (const auto* entry : byFamily[family]) {
            const QImage& image = entry->second;
            const int scale = image.width() * 2 > 400 ? 1 : 2;
            const QSize size = image.size() * scale;
            if (x + size.width() > width - 10) {
                x = 10;
                y += rowHeight + 24;
                rowHeight = 0;
            }
            p.drawImage(QRect(QPoint(x, y), size), image);
            p.drawText(x, y + size.height() + 12, entry->first->name);
            x += std::max(size.width(), 160) + 12;
            rowHeight = std::max(rowHeight, size.height());
        }
        y += rowHeight + 30;
    }
    p.end();
    return sheet.copy(0, 0, width, std::min(y, sheet.height()));
}

} // namespace resgen
