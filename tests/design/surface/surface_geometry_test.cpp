// The selection frame's arithmetic: where it lies, which part is grabbed,
// where a drag takes it and where the marks are drawn.

#include "design/surface/handle_geometry.h"

#include <gtest/gtest.h>

using design::TGBounds;
using design::frame::TGZone;
namespace frame = design::frame;

TEST(FrameGeometry, CoversTheSelectionTwoPixelsOut)
{
    const TGBounds a{10, 20, 100, 50};
    const TGBounds b{200, 5, 30, 30};
    EXPECT_EQ(frame::AroundFirst(a), (TGBounds{8, 18, 105, 55}));
    // Adding b: left stays, top goes to 3, right edge 230, bottom edge 70.
    EXPECT_EQ(frame::Adding(frame::AroundFirst(a), b), (TGBounds{8, 3, 225, 70}));
    EXPECT_EQ(frame::AroundRemaining({a}), (TGBounds{8, 18, 103, 53}));
    EXPECT_EQ(frame::AroundRemaining({}), (TGBounds{0, 0, 24, 24}));
    EXPECT_EQ(frame::Refit({a, b}), (TGBounds{8, 3, 226, 71}));
}

TEST(FrameGeometry, ZoneUnderThePointer)
{
    const QSize frameSize(105, 55);
    const struct {
        QPoint point;
        TGZone zone;
    } cases[] = {
        {{0, 0}, TGZone::TopLeft},       {{104, 54}, TGZone::BottomRight}, {{100, 3}, TGZone::TopRight},
        {{3, 50}, TGZone::BottomLeft},   {{52, 2}, TGZone::Top},           {{52, 53}, TGZone::Bottom},
        {{2, 27}, TGZone::Left},         {{103, 27}, TGZone::Right},       {{52, 27}, TGZone::Move},
        {{30, 10}, TGZone::Move},        {{-7, -7}, TGZone::TopLeft},      {{8, 0}, TGZone::Move},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frame::ZoneAt(c.point, frameSize), c.zone) << c.point.x() << "," << c.point.y();
}

TEST(FrameGeometry, SmallFrameLetsTheLaterZoneWin)
{
    // On a 10 x 10 frame every corner test matches at the centre; the edge
    // middles come last and win.
    EXPECT_EQ(frame::ZoneAt(QPoint(5, 5), QSize(10, 10)), TGZone::Right);
}

TEST(FrameGeometry, DragBoundsPerZone)
{
    const TGBounds f{20, 30, 105, 55};
    const QPoint start(50, 40);
    const QPoint to(57, 33); // 7 right, 7 up
    const struct {
        TGZone zone;
        int grid;
        TGBounds expected;
    } cases[] = {
        {TGZone::Move, 1, {27, 23, 105, 55}},
        {TGZone::Move, 4, {24, 20, 105, 55}},
        {TGZone::Move, 8, {24, 16, 105, 55}},
        {TGZone::TopLeft, 1, {27, 23, 98, 62}},
        {TGZone::TopRight, 1, {20, 23, 111, 62}},
        {TGZone::BottomLeft, 1, {27, 30, 98, 47}},
        {TGZone::BottomRight, 1, {20, 30, 111, 47}},
        {TGZone::BottomRight, 5, {20, 30, 109, 44}},
        {TGZone::Top, 1, {20, 23, 105, 62}},
        {TGZone::Left, 1, {27, 30, 98, 55}},
        {TGZone::Bottom, 1, {20, 30, 105, 47}},
        {TGZone::Right, 1, {20, 30, 111, 55}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(frame::Dragged(f, c.zone, start, to, c.grid, c.grid), c.expected)
            << "zone " << static_cast<int>(c.zone) << " grid " << c.grid;
    }
}

TEST(FrameGeometry, DragNeverShrinksBelowFivePixels)
{
    const TGBounds f{20, 30, 105, 55};
    const TGBounds shrunk = frame::Dragged(f, TGZone::BottomRight, QPoint(100, 50), QPoint(0, 0), 1, 1);
    EXPECT_EQ(shrunk, (TGBounds{20, 30, 5, 5}));
    const TGBounds pastTheEdge = frame::Dragged(f, TGZone::TopLeft, QPoint(0, 0), QPoint(200, 200), 1, 1);
    EXPECT_EQ(pastTheEdge.Width, 5);
    EXPECT_EQ(pastTheEdge.Height, 5);
}

TEST(FrameGeometry, DragPointKeepsTheFrameOnTheSurface)
{
    const TGBounds f{20, 30, 105, 55};
    const QSize surface(300, 200);
    EXPECT_EQ(frame::ClampDragPoint(QPoint(-50, -50), f, surface), QPoint(-20, -30));
    EXPECT_EQ(frame::ClampDragPoint(QPoint(500, 500), f, surface), QPoint(280, 170));
    EXPECT_EQ(frame::ClampDragPoint(QPoint(10, 10), f, surface), QPoint(10, 10));
}

TEST(FrameGeometry, ObjectsFollowTheFrame)
{
    const TGBounds oldFrame{8, 18, 105, 55};
    const TGBounds newFrame{12, 10, 115, 60};
    EXPECT_EQ(frame::FollowFrame(TGBounds{10, 20, 100, 50}, oldFrame, newFrame), (TGBounds{14, 12, 110, 55}));
}

TEST(FrameGeometry, FeedbackOutlineRoundTripsToTheFrame)
{
    const TGBounds f{8, 18, 105, 55};
    const QRect outline = frame::FeedbackOutline(f);
    EXPECT_EQ(outline.left(), 10);
    EXPECT_EQ(outline.top(), 20);
    EXPECT_EQ(outline.right(), 110);
    EXPECT_EQ(outline.bottom(), 70);
    EXPECT_EQ(frame::FromFeedbackOutline(outline), f);
}

TEST(FrameGeometry, SelectionMarks)
{
    const TGBounds object{10, 20, 100, 50};
    const auto several = frame::SelectionMarks(object, false);
    ASSERT_EQ(several.size(), 4u);
    EXPECT_EQ(several[0], QRect(8, 18, 5, 5));
    EXPECT_EQ(several[1], QRect(107, 18, 5, 5));
    EXPECT_EQ(several[2], QRect(107, 67, 5, 5));
    EXPECT_EQ(several[3], QRect(8, 67, 5, 5));

    const auto one = frame::SelectionMarks(object, true);
    ASSERT_EQ(one.size(), 8u);
    EXPECT_EQ(one[4], QRect(58, 18, 5, 5)); // top middle: 8 + 52 - 2
    EXPECT_EQ(one[5], QRect(58, 67, 5, 5));
    EXPECT_EQ(one[6], QRect(8, 43, 5, 5)); // left middle: 18 + 27 - 2
    EXPECT_EQ(one[7], QRect(107, 43, 5, 5));
}
