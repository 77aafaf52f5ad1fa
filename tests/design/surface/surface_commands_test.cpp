// Surface commands that are arithmetic on objects: aligning, keeping
// objects on a shrunk surface, and what a creation tool's rectangle becomes.

#include "design/surface/surface_background.h"
#include "design/surface/surface_commands.h"
#include "surface_test_objects.h"

#include <gtest/gtest.h>

using design::TGBounds;
namespace surface = design::surface;

namespace {

std::vector<TGBounds> BoundsOf(const std::vector<design::TGGraphicControl*>& objects)
{
    std::vector<TGBounds> bounds;
    for (const auto* object : objects)
        bounds.push_back(object->Bounds());
    return bounds;
}

} // namespace

TEST(SurfaceCommands, AlignLinesUpEveryObjectLockedOnesToo)
{
    using Align = void (*)(const std::vector<design::TGGraphicControl*>&);
    const struct {
        const char* what;
        Align align;
        std::vector<TGBounds> expected;
    } cases[] = {
        {"left", [](const auto& o) { surface::AlignLeft(o, 300); }, {{10, 20, 100, 50}, {10, 80, 40, 30}}},
        {"right", [](const auto& o) { surface::AlignRight(o); }, {{110, 20, 100, 50}, {170, 80, 40, 30}}},
        {"tops", [](const auto& o) { surface::AlignTops(o, 300); }, {{10, 20, 100, 50}, {170, 20, 40, 30}}},
        {"bottoms", [](const auto& o) { surface::AlignBottoms(o); }, {{10, 60, 100, 50}, {170, 80, 40, 30}}},
    };
    for (const auto& c : cases) {
        surface_test::TObjects objects;
        objects.Make({10, 20, 100, 50});
        objects.Make({170, 80, 40, 30}, true);
        c.align(objects.All());
        EXPECT_EQ(BoundsOf(objects.All()), c.expected) << c.what;
    }
}

TEST(SurfaceCommands, AlignRightLeavesALoneObjectWhereItIs)
{
    surface_test::TObjects objects;
    objects.Make({40, 20, 100, 50});
    surface::AlignRight(objects.All());
    EXPECT_EQ(objects.All().front()->Bounds(), (TGBounds{40, 20, 100, 50}));
}

TEST(SurfaceCommands, KeepObjectsInsidePullsBackOnlyWhatStraysOff)
{
    surface_test::TObjects objects;
    objects.Make({250, 150, 30, 20});
    objects.Make({50, 50, 30, 20});
    surface::KeepObjectsInside(objects.All(), QSize(200, 100), {});
    EXPECT_EQ(BoundsOf(objects.All()), (std::vector<TGBounds>{{180, 90, 30, 20}, {50, 50, 30, 20}}));
    surface::KeepObjectsInside(objects.All(), QSize(100, 60), {0, 0});
    EXPECT_EQ(BoundsOf(objects.All()), (std::vector<TGBounds>{{100, 60, 30, 20}, {50, 50, 30, 20}}));
}

TEST(SurfaceCommands, ObjectsOutside)
{
    surface_test::TObjects objects;
    auto* below = objects.Make({10, 95, 30, 20});
    auto* right = objects.Make({195, 10, 30, 20});
    auto* flat = objects.Make({10, 10, 30, 0});
    auto* inside = objects.Make({10, 90, 30, 20});
    (void)inside;
    const QSize size(200, 100);
    EXPECT_EQ(surface::ObjectsOutside(objects.All(), size, {}),
              (std::vector<design::TGGraphicControl*>{below, right, flat}));
    // A report band allows objects up to 10 pixels beyond its edges.
    EXPECT_TRUE(surface::ObjectsOutside(objects.All(), size, {10, 10, false}).empty());
}

TEST(SurfaceCommands, BandTouchesObjectsAndClicksHitTheFrontmost)
{
    surface_test::TObjects objects;
    auto* back = objects.Make({10, 10, 50, 50});
    auto* front = objects.Make({40, 40, 50, 50});
    auto* hidden = objects.Make({0, 0, 200, 200}, false, true);
    (void)hidden;
    EXPECT_EQ(surface::ObjectsInBand(objects.All(), QRect(55, 55, 0, 0)),
              (std::vector<design::TGGraphicControl*>{back, front}));
    EXPECT_EQ(surface::ObjectsInBand(objects.All(), QRect(70, 70, 5, 5)),
              (std::vector<design::TGGraphicControl*>{front}));
    EXPECT_EQ(surface::ObjectAt(objects.All(), QPoint(45, 45)), objects.All().back());
    EXPECT_EQ(surface::ObjectAt({back, front}, QPoint(45, 45)), front);
    EXPECT_EQ(surface::ObjectAt({back, front}, QPoint(150, 5)), nullptr);
}

TEST(SurfaceCommands, ToolRectangleAndPlacedSize)
{
    const struct {
        QRect dragged;
        TGBounds placed;
    } cases[] = {
        {QRect(10, 20, 3, 3), {10, 20, 50, 15}},    // a click still gives a usable object
        {QRect(10, 20, 24, 40), {10, 20, 50, 40}},  // narrow: widened
        {QRect(10, 20, 25, 14), {10, 20, 25, 15}},  // low: heightened
        {QRect(10, 20, 120, 60), {10, 20, 120, 60}}, // big enough: kept
    };
    for (const auto& c : cases)
        EXPECT_EQ(surface::PlacedBounds(surface::WidenedToolRect(c.dragged)), c.placed);
}

TEST(SurfaceCommands, ZoomRoundsHalvesToEven)
{
    EXPECT_EQ(surface::Zoomed(QSize(300, 201), 1.5f), QSize(450, 302)); // 301.5 -> 302
    EXPECT_EQ(surface::Zoomed(QSize(5, 7), 0.5f), QSize(2, 4));          // 2.5 -> 2, 3.5 -> 4
}

TEST(SurfaceBackground, GridDotsEveryStepStartingAtTwo)
{
    using design::TGridSize;
    EXPECT_TRUE(design::IsGridDot(2, 2, TGridSize::gs4x4));
    EXPECT_TRUE(design::IsGridDot(6, 10, TGridSize::gs4x4));
    EXPECT_FALSE(design::IsGridDot(4, 2, TGridSize::gs4x4));
    EXPECT_TRUE(design::IsGridDot(10, 18, TGridSize::gs8x8));
    EXPECT_FALSE(design::IsGridDot(6, 2, TGridSize::gs8x8));
}
