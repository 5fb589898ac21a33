#include "skin/windows/FormBorderResizer.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

using namespace FormBorderResizer;

TEST(FormBorderResizer, EdgesAndCornersOfTheBandAndNothingInside)
{
    const QSize size(200, 100);
    EXPECT_EQ(edgesAt(size, QPoint(0, 50)), Qt::LeftEdge);
    EXPECT_EQ(edgesAt(size, QPoint(2, 50)), Qt::LeftEdge);
    EXPECT_EQ(edgesAt(size, QPoint(3, 50)), Qt::Edges());
    EXPECT_EQ(edgesAt(size, QPoint(197, 50)), Qt::RightEdge);
    EXPECT_EQ(edgesAt(size, QPoint(100, 0)), Qt::TopEdge);
    EXPECT_EQ(edgesAt(size, QPoint(100, 99)), Qt::BottomEdge);
    EXPECT_EQ(edgesAt(size, QPoint(100, 96)), Qt::Edges());
    // Near a corner the neighbouring edge joins in along 8 pixels of the band.
    EXPECT_EQ(edgesAt(size, QPoint(1, 1)), Qt::LeftEdge | Qt::TopEdge);
    EXPECT_EQ(edgesAt(size, QPoint(7, 98)), Qt::LeftEdge | Qt::BottomEdge);
    EXPECT_EQ(edgesAt(size, QPoint(8, 98)), Qt::BottomEdge);
    EXPECT_EQ(edgesAt(size, QPoint(198, 92)), Qt::RightEdge | Qt::BottomEdge);
    EXPECT_EQ(edgesAt(size, QPoint(198, 91)), Qt::RightEdge);
    EXPECT_EQ(edgesAt(size, QPoint(-1, 50)), Qt::Edges());
    EXPECT_EQ(edgesAt(size, QPoint(200, 50)), Qt::Edges());
}

TEST(FormBorderResizer, CursorShapesUsersExpect)
{
    EXPECT_EQ(cursorFor(Qt::LeftEdge), Qt::SizeHorCursor);
    EXPECT_EQ(cursorFor(Qt::RightEdge), Qt::SizeHorCursor);
    EXPECT_EQ(cursorFor(Qt::TopEdge), Qt::SizeVerCursor);
    EXPECT_EQ(cursorFor(Qt::BottomEdge), Qt::SizeVerCursor);
    EXPECT_EQ(cursorFor(Qt::LeftEdge | Qt::TopEdge), Qt::SizeFDiagCursor);
    EXPECT_EQ(cursorFor(Qt::RightEdge | Qt::BottomEdge), Qt::SizeFDiagCursor);
    EXPECT_EQ(cursorFor(Qt::RightEdge | Qt::TopEdge), Qt::SizeBDiagCursor);
    EXPECT_EQ(cursorFor(Qt::LeftEdge | Qt::BottomEdge), Qt::SizeBDiagCursor);
    EXPECT_EQ(cursorFor(Qt::Edges()), Qt::ArrowCursor);
}

TEST(FormBorderResizer, GrabbedEdgesFollowWithinTheSizeConstraints)
{
    const QRect start(100, 50, 300, 200);
    const QSize min(125, 50);
    const QSize max(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    EXPECT_EQ(resized(start, Qt::RightEdge, QPoint(40, 99), min, max), QRect(100, 50, 340, 200));
    EXPECT_EQ(resized(start, Qt::LeftEdge | Qt::TopEdge, QPoint(-10, 20), min, max),
        QRect(90, 70, 310, 180));
    // Shrinking stops at the minimum with the opposite edge where it was.
    EXPECT_EQ(resized(start, Qt::LeftEdge, QPoint(500, 0), min, max), QRect(275, 50, 125, 200));
    EXPECT_EQ(resized(start, Qt::BottomEdge, QPoint(0, -400), min, max), QRect(100, 50, 300, 50));
    // And growing at the maximum.
    EXPECT_EQ(resized(start, Qt::TopEdge, QPoint(0, -300), min, QSize(400, 260)),
        QRect(100, -10, 300, 260));
}

} // namespace
