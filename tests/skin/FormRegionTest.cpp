#include "skin/windows/FormRegion.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The window region as text: '#' for a pixel of the window, '.' for one cut away.
QStringList maskRows(const QRegion& region, QSize size)
{
    QStringList rows;
    for (int y = 0; y < size.height(); ++y) {
        QString row;
        for (int x = 0; x < size.width(); ++x)
            row += region.contains(QPoint(x, y)) ? QLatin1Char('#') : QLatin1Char('.');
        rows << row;
    }
    return rows;
}

QStringList fullRows(int count, int width)
{
    return QStringList(count, QString(width, QLatin1Char('#')));
}

struct RegionCase {
    const char* name;
    QSize size;
    int roundCorner;
    QStringList top; // the rows drawn by hand; every row below them is whole
};

class FormWindowRegionTest : public testing::TestWithParam<RegionCase> { };

TEST_P(FormWindowRegionTest, MatchesTheHandComputedMask)
{
    const RegionCase& c = GetParam();
    QStringList expected = c.top;
    expected += fullRows(c.size.height() - int(c.top.size()), c.size.width());
    EXPECT_EQ(maskRows(FormWindowRegion(c.size, c.roundCorner), c.size), expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Corners, FormWindowRegionTest,
    testing::Values(
        // Corner 11 (the program's windows): the circle through the pixel centres of an 11x11
        // square cuts 5, 2, 1, 1, 1 pixels from rows 0 to 4 at each end.
        RegionCase { "corner 11", QSize(20, 30), 11,
            { ".....##########.....", "..################..", ".##################.",
                ".##################.", ".##################." } },
        // Corner 5: rows 0 and 1 lose 2 and 1 pixels.
        RegionCase { "corner 5", QSize(12, 14), 5, { "..########..", ".##########." } },
        // Corner 3: only the corner pixel goes.
        RegionCase { "corner 3", QSize(6, 8), 3, { ".####." } },
        // 24 high with corner 11: the bottom squares (2R high) reach up to row 2 and square the
        // corner rows from there on.
        RegionCase { "low form", QSize(30, 24), 11,
            { ".....####################.....", "..##########################.." } },
        // No corner, corner 1, and a corner larger than the form (squared by the bottom squares).
        RegionCase { "no corner", QSize(9, 4), 0, {} },
        RegionCase { "corner 1", QSize(9, 4), 1, {} },
        RegionCase { "corner larger than the form", QSize(8, 6), 40, {} }),
    [](const testing::TestParamInfo<RegionCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(FormWindowRegion, AnEmptyFormHasNoRegion)
{
    EXPECT_TRUE(FormWindowRegion(QSize(0, 40), 11).isEmpty());
    EXPECT_TRUE(FormWindowRegion(QSize(40, -1), 11).isEmpty());
}

TEST(FormCornerArcPixels, OutlineTheCorner11ByHand)
{
    // Circle centre 9.5, radius 10.5: row 0 meets it at columns 4 to 6, row 1 at 3 and 4, and the
    // left side mirrors the top.
    const QList<QPoint> arc = FormCornerArcPixels(40, 11);
    for (const QPoint p : { QPoint(4, 0), QPoint(5, 0), QPoint(6, 0), QPoint(3, 1), QPoint(4, 1),
             QPoint(0, 4), QPoint(0, 5), QPoint(0, 6), QPoint(1, 3), QPoint(1, 4) }) {
        EXPECT_TRUE(arc.contains(p)) << p.x() << "," << p.y();
        EXPECT_TRUE(arc.contains(QPoint(39 - p.x(), p.y()))) << "mirror of " << p.x();
    }
    for (const QPoint p : { QPoint(3, 0), QPoint(7, 0), QPoint(2, 1), QPoint(5, 1), QPoint(0, 3),
             QPoint(0, 7), QPoint(5, 5) })
        EXPECT_FALSE(arc.contains(p)) << p.x() << "," << p.y();
    // The quarter ends at the circle's top and side: nothing beyond column or row 9.
    for (const QPoint& p : arc) {
        EXPECT_TRUE(p.y() <= 9);
        EXPECT_TRUE(p.x() <= 9 || p.x() >= 30);
    }
}

TEST(FormCornerArcPixels, LieOnTheWindowOrJustOutsideTheCutCorner)
{
    // Every arc pixel that the region keeps is an edge pixel of the region: nothing of the window
    // shows outside the outline except where the curves part by less than a pixel.
    const QSize size(60, 40);
    const QRegion region = FormWindowRegion(size, 11);
    int kept = 0;
    for (const QPoint& p : FormCornerArcPixels(size.width(), 11)) {
        if (!region.contains(p))
            continue;
        ++kept;
        const bool edge = !region.contains(p + QPoint(-1, 0)) || !region.contains(p + QPoint(0, -1))
            || !region.contains(p + QPoint(1, 0)) || !region.contains(p + QPoint(-1, -1))
            || !region.contains(p + QPoint(1, -1)) || !region.contains(p + QPoint(-2, 0))
            || !region.contains(p + QPoint(2, 0));
        EXPECT_TRUE(edge) << p.x() << "," << p.y();
    }
    EXPECT_GT(kept, 10);
}

TEST(FormCornerArcPixels, NoneWithoutACorner)
{
    EXPECT_TRUE(FormCornerArcPixels(40, 0).isEmpty());
    EXPECT_TRUE(FormCornerArcPixels(40, 1).isEmpty());
    EXPECT_TRUE(FormCornerArcPixels(0, 11).isEmpty());
}

} // namespace
