#include "ContactSheet.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <map>

namespace resgen {

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kMargin = 24;
constexpr int kGap = 18;

// Small pictures are enlarged by a whole factor, so every pixel stays a crisp square.
int scaleFor(const QImage& image)
{
    const int byWidth = std::max(1, 1100 / std::max(1, image.width()));
    const int byHeight = std::max(1, 160 / std::max(1, image.height()));
    return std::clamp(std::min(byWidth, byHeight), 1, 8);
}

int familyRank(const QString& family)
{
    static const QStringList order { "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass",
        "Shared" };
    const int at = int(order.indexOf(family));
    return at < 0 ? int(order.size()) : at;
}

QColor familyColor(const QString& family)
{
    if (family == "MacOS")
        return QColor(0x39, 0x73, 0xC4);
    if (family == "WinXP")
        return QColor(0x00, 0x54, 0xE3);
    if (family == "DeepBlue")
        return QColor(0x1B, 0x27, 0x5E);
    if (family == "Protein")
        return QColor(0x4A, 0x4D, 0x52);
    if (family == "BlueGlass")
        return QColor(0x2A, 0x5C, 0xD6);
    return QColor(0x55, 0x60, 0x6E);
}

// Within a family, pictures follow the order of the theme items, then the rest by name.
int pictureRank(const QString& name)
{
    static const QStringList suffixes { "_BUTTON", "_CHECKBOX", "_RADIOBUTTON", "_CHECKLIST",
        "_TITLEBTN", "_TITLE_LEFT", "_TITLE_CLIENT", "_TITLE_RIGHT", "_PROGRESSBAR",
        "_TRACKBAR_BAR", "_TRACKBAR_SLIDER", "_TRACKBAR_SLIDER_V", "_SCROLLBAR_BUTTON",
        "_SCROLLBAR_TRACK", "_SCROLLBUTTON", "_TAB", "_TAB_LINE", "_SIDECHENNEL_HANDLE",
        "_SIDECHENNEL_BAR" };
    for (int i = int(suffixes.size()) - 1; i >= 0; --i)
        if (name.endsWith(suffixes[i]))
            return i;
    return int(suffixes.size());
}

// Pictures one or two pixels wide are shown widened, or they would vanish on the sheet.
int shownWidth(const QImage& image, int scale)
{
    return image.width() < 8 ? std::max(image.width() * scale, 48) : image.width() * scale;
}

struct Tile {
    const Picture* picture;
    const QImage* image;
    int scale;
    QSize box; // picture plus label
};

} // namespace

QImage drawContactSheet(const std::vector<std::pair<const Picture*, QImage>>& pictures)
{
    std::vector<QString> families;
    std::map<QString, std::vector<Tile>> tiles;
    QFont labelFont(QStringLiteral("DejaVu Sans"), 8);
    QFont headFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold);
    const QFontMetrics labelMetrics(labelFont);
    for (const auto& [picture, image] : pictures) {
        if (!tiles.count(picture->family))
            families.push_back(picture->family);
        const int scale = scaleFor(image);
        const QString label = picture->name;
        const int labelWidth = labelMetrics.horizontalAdvance(label) + 4;
        const QSize box(std::max(shownWidth(image, scale), labelWidth) + 12,
            image.height() * scale + 12 + 2 * labelMetrics.height() + 4);
        tiles[picture->family].push_back({ picture, &image, scale, box });
    }
    std::stable_sort(families.begin(), families.end(),
        [](const QString& a, const QString& b) { return familyRank(a) < familyRank(b); });
    for (auto& [family, list] : tiles)
        std::stable_sort(list.begin(), list.end(), [](const Tile& a, const Tile& b) {
            return pictureRank(a.picture->name) < pictureRank(b.picture->name);
        });

    // Lay out first so the sheet is exactly as tall as its content.
    struct Placed {
        const Tile* tile;
        QPoint at;
    };
    std::vector<std::pair<QString, int>> heads;
    std::vector<Placed> placed;
    int y = kMargin;
    for (const QString& family : families) {
        heads.emplace_back(family, y);
        y += 40;
        int x = kMargin, rowHeight = 0;
        for (const Tile& tile : tiles[family]) {
            if (x + tile.box.width() > kSheetWidth - kMargin && x > kMargin) {
                x = kMargin;
                y += rowHeight + kGap;
                rowHeight = 0;
            }
            placed.push_back({ &tile, QPoint(x, y) });
            x += tile.box.width() + kGap;
            rowHeight = std::max(rowHeight, tile.box.height());
        }
        y += rowHeight + kMargin + 10;
    }

    QImage sheet(kSheetWidth, y, QImage::Format_RGB32);
    sheet.fill(QColor(0xF3, 0xF4, 0xF6));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const auto& [family, top] : heads) {
        const QColor c = familyColor(family);
        p.fillRect(QRect(kMargin, top, kSheetWidth - 2 * kMargin, 30), c);
        p.setFont(headFont);
        p.setPen(Qt::white);
        p.drawText(QRect(kMargin + 12, top, 600, 30), Qt::AlignVCenter, family);
    }
    p.setFont(labelFont);
    for (const Placed& at : placed) {
        const Tile& t = *at.tile;
        const QRect card(at.at, t.box);
        p.fillRect(card, Qt::white);
        p.setPen(QColor(0xD5, 0xD8, 0xDD));
        p.drawRect(card.adjusted(0, 0, -1, -1));
        const QRect pic(at.at + QPoint(6, 6),
            QSize(shownWidth(*t.image, t.scale), t.image->height() * t.scale));
        p.drawImage(pic, *t.image); // nearest neighbour: no smooth transform is set
        p.setPen(QColor(0x22, 0x26, 0x2C));
        const int textTop = pic.bottom() + 4;
        p.drawText(QRect(at.at.x() + 6, textTop, t.box.width() - 8, labelMetrics.height()),
            Qt::AlignLeft, t.picture->name);
        p.setPen(QColor(0x70, 0x76, 0x80));
        p.drawText(QRect(at.at.x() + 6, textTop + labelMetrics.height(), t.box.width() - 8,
                       labelMetrics.height()),
            Qt::AlignLeft,
            QStringLiteral("%1 x %2  x%3")
                .arg(t.image->width())
                .arg(t.image->height())
                .arg(t.scale));
    }
    return sheet;
}

} // namespace resgen
