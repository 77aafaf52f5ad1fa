// The selection and the mouse and keyboard state machines that move it.

#include "design/surface/handle_drag.h"
#include "design/surface/selection_frame.h"
#include "design/surface/surface_rubber_band.h"
#include "surface_test_objects.h"

#include <gtest/gtest.h>

using design::TGBounds;
using design::TGDragTracker;
using design::TGNudge;
using design::TGSelectionFrame;

TEST(SelectionFrame, KeepsOrderAndSkipsUnselectableAndDuplicates)
{
    surface_test::TObjects objects;
    auto* a = objects.Make({10, 20, 100, 50});
    auto* b = objects.Make({200, 5, 30, 30});
    auto* hidden = objects.Make({0, 0, 10, 10}, false, true);
    TGSelectionFrame selection;
    EXPECT_TRUE(selection.Add(b));
    EXPECT_TRUE(selection.Add(a));
    EXPECT_FALSE(selection.Add(a));
    EXPECT_FALSE(selection.Add(hidden));
    EXPECT_EQ(selection.Objects(), (std::vector<design::TGGraphicControl*>{b, a}));

    selection.Toggle(b);
    EXPECT_EQ(selection.Objects(), (std::vector<design::TGGraphicControl*>{a}));
    EXPECT_EQ(selection.Bounds(), (TGBounds{8, 18, 103, 53}));
    selection.Clear();
    EXPECT_TRUE(selection.IsEmpty());
    EXPECT_EQ(selection.Bounds(), (TGBounds{0, 0, 24, 24}));
}

TEST(SelectionFrame, MovingTheFrameLeavesLockedObjectsInPlace)
{
    surface_test::TObjects objects;
    auto* free = objects.Make({10, 20, 100, 50});
    auto* locked = objects.Make({150, 20, 40, 40}, true);
    TGSelectionFrame selection;
    selection.Add(free);
    selection.Add(locked);
    const TGBounds frame = selection.Bounds();
    selection.MoveFrameTo({frame.Left + 6, frame.Top + 4, frame.Width, frame.Height});
    EXPECT_EQ(free->Bounds(), (TGBounds{16, 24, 100, 50}));
    EXPECT_EQ(locked->Bounds(), (TGBounds{150, 20, 40, 40}));
}

TEST(SelectionFrame, SnappingRemembersTheLastSteps)
{
    TGSelectionFrame selection;
    EXPECT_FALSE(selection.SnapToGrid());
    selection.SetSnapToGrid(true);
    EXPECT_EQ(selection.GridX(), 8); // the steps remembered from the start
    selection.SetGridX(4);
    selection.SetGridY(40); // out of range: held at 32
    EXPECT_EQ(selection.GridY(), 32);
    selection.SetSnapToGrid(false);
    EXPECT_EQ(selection.GridX(), 1);
    EXPECT_EQ(selection.GridY(), 1);
    selection.SetSnapToGrid(true);
    EXPECT_EQ(selection.GridX(), 4);
    EXPECT_EQ(selection.GridY(), 32);
}

TEST(DragTracker, ClickVersusDragTiming)
{
    const TGBounds frame{8, 18, 105, 55};
    const QSize surface(300, 200);
    const struct {
        const char* what;
        qint64 releaseAt;
        QPoint releasePoint;
        bool applied;
    } cases[] = {
        {"quick release is a click even when the mouse moved", 149, {60, 30}, false},
        {"slow release moves", 150, {60, 30}, true},
        {"slow release at the start point moves nothing", 400, {50, 25}, false},
    };
    for (const auto& c : cases) {
        TGDragTracker drag;
        drag.PressOnFrame(QPoint(50, 25), 1000);
        drag.Move(QPoint(55, 27), 1005, frame, surface, 1, 1);
        const auto applied = drag.Release(c.releasePoint, 1000 + c.releaseAt, frame, surface, 1, 1);
        EXPECT_EQ(applied.has_value(), c.applied) << c.what;
        EXPECT_FALSE(drag.Dragging()) << c.what;
    }
}

TEST(DragTracker, PressOnAnObjectStartsDraggingAfterTenMilliseconds)
{
    const TGBounds frame{8, 18, 105, 55};
    const QSize surface(300, 200);
    TGDragTracker drag;
    drag.PressSelectedObject(1000);
    EXPECT_FALSE(drag.Move(QPoint(20, 20), 1010, frame, surface, 1, 1).has_value());
    EXPECT_TRUE(drag.Pending());
    // The drag starts here, from this point.
    EXPECT_EQ(drag.Move(QPoint(20, 20), 1011, frame, surface, 1, 1), frame);
    EXPECT_EQ(drag.Move(QPoint(30, 25), 1100, frame, surface, 1, 1), (TGBounds{18, 23, 105, 55}));
    EXPECT_EQ(drag.Release(QPoint(30, 25), 1200, frame, surface, 1, 1), (TGBounds{18, 23, 105, 55}));
}

TEST(Nudge, ArrowKeysMoveAndResizeWithinLimits)
{
    const TGBounds frame{8, 18, 105, 55}; // outline 10,20 .. 110,70
    const QSize surface(120, 80);
    using A = TGNudge::TGArrow;
    const struct {
        const char* what;
        A arrow;
        bool resize;
        int presses;
        TGBounds expected;
    } cases[] = {
        {"left moves one pixel a press", A::Left, false, 3, {5, 18, 105, 55}},
        {"left stops at the surface edge", A::Left, false, 20, {-2, 18, 105, 55}},
        {"up stops at the surface edge", A::Up, false, 30, {8, -2, 105, 55}},
        {"right stops where the outline reaches the far edge", A::Right, false, 30, {18, 18, 105, 55}},
        {"down stops at the far edge", A::Down, false, 30, {8, 28, 105, 55}},
        {"shift left narrows", A::Left, true, 2, {8, 18, 103, 55}},
        {"shift left keeps ten pixels", A::Left, true, 200, {8, 18, 14, 55}},
        {"shift up keeps ten pixels", A::Up, true, 200, {8, 18, 105, 14}},
        {"shift right widens to the edge", A::Right, true, 30, {8, 18, 115, 55}},
    };
    for (const auto& c : cases) {
        TGNudge nudge;
        for (int i = 0; i < c.presses; ++i)
            nudge.Key(c.arrow, c.resize, frame, surface);
        EXPECT_EQ(nudge.Finish(), c.expected) << c.what;
        EXPECT_FALSE(nudge.Active());
    }
}

TEST(RubberBand, NormalizesWhicheverWayItIsDragged)
{
    design::TGRubberBand band;
    band.Start(QPoint(50, 40));
    band.Move(QPoint(10, 60));
    EXPECT_EQ(band.Finish(), QRect(10, 40, 40, 20));
    EXPECT_FALSE(band.Active());
}

TEST(PasteTimer, OnePasteASecond)
{
    design::TGPasteTimer timer;
    EXPECT_TRUE(timer.Allowed(0)); // the first paste always proceeds
    timer.Record(5000);
    EXPECT_FALSE(timer.Allowed(5999));
    EXPECT_TRUE(timer.Allowed(6000));
}
