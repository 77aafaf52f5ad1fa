// Shapes and lines: geometry on the screen and on paper, what prints, and
// the right-click commands.
#include "graphics_test_support.h"

#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/model/shape_geometry.h"
#include "design/model/surface_objects.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace design;
using namespace design::shape_geometry;
using namespace graphics_test;

namespace {

class FakeHost : public TGMenuHost {
public:
    std::optional<TColor> ChooseColor(TColor initial) override
    {
        offered = initial;
        return answer;
    }
    void LoadImageFromDisk(TGImage&) override {}
    int SurfaceWidth() const override { return 384; }
    int SurfaceHeight() const override { return 192; }
    void Repaint() override { ++repaints; }

    std::optional<TColor> answer;
    TColor offered = -1;
    int repaints = 0;
};

const TGMenuItem* Find(const TGMenuItems& items, const QString& caption)
{
    for (const TGMenuItem& item : items)
        if (item.Caption == caption)
            return &item;
    return nullptr;
}

TEST(ShapeGeometry, ScreenPenWidthFollowsTheZoomButNeverVanishes)
{
    const std::tuple<int, float, int> cases[] = {
        {1, 1.0f, 1}, {1, 0.25f, 1}, {3, 1.5f, 4}, {5, 0.5f, 2}, {10, 2.0f, 20}, {0, 1.0f, 0},
    };
    for (const auto& [width, zoom, expected] : cases)
        EXPECT_EQ(ScreenPenWidth(width, zoom), expected) << width << " at " << zoom;
}

TEST(ShapeGeometry, ScreenRectangleKeepsTheWholePenInsideTheObject)
{
    EXPECT_EQ(ShapeScreenRect(100, 40, 1), QRect(QPoint(0, 0), QPoint(100, 40)));
    EXPECT_EQ(ShapeScreenRect(100, 40, 5), QRect(QPoint(2, 2), QPoint(98, 38)));
    EXPECT_EQ(ShapeScreenRect(25, 25, 4), QRect(QPoint(2, 2), QPoint(24, 24)));
    EXPECT_EQ(RoundCornerPixels(25, 100, 40), 25);
    EXPECT_EQ(RoundCornerPixels(25, 40, 100), 25);
    EXPECT_EQ(RoundCornerPixels(30, 33, 10), 9);
}

TEST(ShapeGeometry, PrintedPenIsHundredthsOfAnInchPerScreenPixel)
{
    EXPECT_EQ(ShapePenHundredths(10, 96), 10);
    EXPECT_EQ(ShapePenHundredths(10, 120), 8);
    EXPECT_EQ(ShapePenHundredths(1, 120), 0);
    EXPECT_EQ(EnginePenWidth(8), -8);
    EXPECT_EQ(EnginePenWidth(0), 1); // never thinner than one device dot
}

TEST(ShapePainting, RectangleOutlineCoversTheFirstAndLastPixels)
{
    TGDesignOwner owner{96};
    TGLabelShapes shape{owner};
    shape.SetBrush(TGBrush{ColorValue(0x0000FF00), TBrushStyle::bsSolid});
    QImage canvas(25, 25, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    shape.Paint(painter);
    painter.end();
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(24, 24), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(12, 12), qRgb(0, 255, 0));
}

TEST(ShapePrinting, KindsPrintTheirOperationInThePageRectangle)
{
    TGDesignOwner owner{96};
    TGLabelShapes shape{owner};
    shape.SetBounds(96, 48, 192, 96);
    shape.SetPen(TGPen{ColorValue(0x000000FF), TPenMode::pmCopy, TPenStyle::psDash, 10});
    const std::pair<TShapeType, output::TShapeKind> kinds[] = {
        {TShapeType::stRectangle, output::skRectangle}, {TShapeType::stSquare, output::skRectangle},
        {TShapeType::stRoundRect, output::skRoundRect}, {TShapeType::stRoundSquare, output::skRoundRect},
        {TShapeType::stEllipse, output::skEllipse},     {TShapeType::stCircle, output::skEllipse},
    };
    for (const auto& [type, kind] : kinds) {
        shape.SetShape(type);
        const auto shapes = Shapes(PrintObject(shape, 0.5, 0.25));
        ASSERT_EQ(shapes.size(), 1u);
        EXPECT_EQ(shapes[0].kind, kind);
        EXPECT_EQ(shapes[0].rect, QRectF(QPointF(1.5, 0.75), QPointF(3.5, 1.75)));
        EXPECT_EQ(shapes[0].pen, (output::TPenSpec{qRgb(255, 0, 0), output::psDash, -10, output::pmCopy}));
        if (kind == output::skRoundRect) { // 25 % of the longer side, as on the screen
            EXPECT_EQ(shapes[0].corner, QSizeF(0.5, 0.5));
        }
    }
}

TEST(ShapeCommands, TransparentPrintsOnlyTheOutlineUntilABackgroundIsChosen)
{
    TGDesignOwner owner{120};
    TGLabelShapes shape{owner};
    FakeHost host;
    Find(shape.MenuItems(host), QStringLiteral("Transparent"))->Action();
    EXPECT_TRUE(shape.Transparent());
    auto shapes = Shapes(PrintObject(shape, 0, 0));
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].brush.style, output::bsClear);
    EXPECT_EQ(shapes[0].pen.width, 1); // width 1 at 120 ppi truncates to no hundredths

    host.answer = ColorValue(0x00FF0000);
    const TGMenuItems items = shape.MenuItems(host);
    EXPECT_TRUE(Find(items, QStringLiteral("Transparent"))->Checked);
    Find(items, QStringLiteral("Background Color"))->Action();
    EXPECT_EQ(host.offered, clWhite);
    EXPECT_FALSE(shape.Transparent());
    shapes = Shapes(PrintObject(shape, 0, 0));
    EXPECT_EQ(shapes[0].brush.style, output::bsSolid);
    EXPECT_EQ(shapes[0].brush.color, qRgb(0, 0, 255));
    EXPECT_EQ(host.repaints, 1);
}

TEST(ShapeCommands, ThicknessAndRoundingMenusOfferTheirSteps)
{
    TGDesignOwner owner{96};
    TGLabelShapes shape{owner};
    FakeHost host;
    EXPECT_EQ(Find(shape.MenuItems(host), QStringLiteral("Degree of Rounding")), nullptr);

    shape.SetShape(TShapeType::stRoundSquare);
    TGMenuItems items = shape.MenuItems(host);
    const TGMenuItem* thickness = Find(items, QStringLiteral("Line Thickness"));
    ASSERT_NE(thickness, nullptr);
    ASSERT_EQ(thickness->Items.size(), 10u);
    EXPECT_EQ(thickness->Items[0].Caption, QStringLiteral("1 Point"));
    EXPECT_TRUE(thickness->Items[0].Checked);
    EXPECT_EQ(thickness->Items[9].Caption, QStringLiteral("10 Point"));
    thickness->Items[6].Action();
    EXPECT_EQ(shape.Pen().Width, 7);

    const TGMenuItem* rounding = Find(items, QStringLiteral("Degree of Rounding"));
    ASSERT_NE(rounding, nullptr);
    ASSERT_EQ(rounding->Items.size(), 7u);
    EXPECT_EQ(rounding->Items[0].Caption, QStringLiteral("20 %"));
    EXPECT_EQ(rounding->Items[6].Caption, QStringLiteral("80 %"));
    rounding->Items[2].Action();
    EXPECT_EQ(shape.RoundPerc(), 40);
}

TEST(LineGeometry, ScreenLinesStartInsideTheObjectByHalfThePen)
{
    EXPECT_EQ(LineScreenPoints(TLineStyle::stHorizontal, 100, 10, 5), QLine(2, 2, 98, 2));
    EXPECT_EQ(LineScreenPoints(TLineStyle::stVertical, 10, 100, 5), QLine(2, 2, 2, 98));
    EXPECT_EQ(LineScreenPoints(TLineStyle::stAngleSlopingUp, 40, 30, 5), QLine(40, 0, 0, 30));
    EXPECT_EQ(LineScreenPoints(TLineStyle::stAngleSlopingDown, 40, 30, 5), QLine(0, 0, 40, 30));
}

TEST(LinePrinting, PenWidthIsHundredthsOfAnInchAndEndsFollowTheStyle)
{
    TGDesignOwner owner{96};
    TGLineShape line{owner};
    line.SetBounds(96, 96, 192, 96);
    line.SetPen(TGPen{clBlack, TPenMode::pmXor, TPenStyle::psSolid, 5});
    const std::pair<TLineStyle, QLineF> cases[] = {
        {TLineStyle::stHorizontal, QLineF(1.0, 1.0 + 2 / 96.0, 3.0, 1.0 + 2 / 96.0)},
        {TLineStyle::stVertical, QLineF(1.0, 1.0 + 2 / 96.0, 1.0, 2.0 + 2 / 96.0)},
        {TLineStyle::stAngleSlopingUp, QLineF(1.0, 2.0 + 2 / 96.0, 3.0, 1.0 + 2 / 96.0)},
        {TLineStyle::stAngleSlopingDown, QLineF(1.0, 1.0 + 2 / 96.0, 3.0, 2.0 + 2 / 96.0)},
    };
    for (const auto& [style, expected] : cases) {
        line.SetLineStyle(style);
        const auto shapes = Shapes(PrintObject(line, 0.0, 0.0));
        ASSERT_EQ(shapes.size(), 1u);
        EXPECT_EQ(shapes[0].kind, output::skLine);
        EXPECT_NEAR(shapes[0].rect.left(), expected.x1(), 1e-12);
        EXPECT_NEAR(shapes[0].rect.top(), expected.y1(), 1e-12);
        EXPECT_NEAR(shapes[0].rect.right(), expected.x2(), 1e-12);
        EXPECT_NEAR(shapes[0].rect.bottom(), expected.y2(), 1e-12);
        // 0.05 inch; lines always print in copy mode.
        EXPECT_EQ(shapes[0].pen, (output::TPenSpec{qRgb(0, 0, 0), output::psSolid, -5, output::pmCopy}));
    }
}

TEST(LineCommands, StretchToEdgesSpansTheSurfaceForStraightLinesOnly)
{
    TGDesignOwner owner{96};
    TGLineShape line{owner};
    FakeHost host;
    const std::pair<TLineStyle, TGBounds> cases[] = {
        {TLineStyle::stHorizontal, {0, 20, 384, 10}},
        {TLineStyle::stVertical, {30, 0, 40, 192}},
        {TLineStyle::stAngleSlopingUp, {30, 20, 40, 10}},
        {TLineStyle::stAngleSlopingDown, {30, 20, 40, 10}},
    };
    for (const auto& [style, expected] : cases) {
        line.SetBounds(30, 20, 40, 10);
        line.SetLineStyle(style);
        Find(line.MenuItems(host), QStringLiteral("Stretch To Edges"))->Action();
        EXPECT_EQ(line.Bounds(), expected);
    }
}

TEST(LineCommands, StyleMenuChecksTheCurrentStyleAndSetsAnother)
{
    TGDesignOwner owner{96};
    TGLineShape line{owner};
    FakeHost host;
    const TGMenuItems items = line.MenuItems(host);
    const TGMenuItem* style = Find(items, QStringLiteral("Style"));
    ASSERT_NE(style, nullptr);
    ASSERT_EQ(style->Items.size(), 4u);
    EXPECT_EQ(style->Items[2].Caption, QStringLiteral("Angled Sloping Up"));
    EXPECT_TRUE(style->Items[0].Checked);
    style->Items[3].Action();
    EXPECT_EQ(line.LineStyle(), TLineStyle::stAngleSlopingDown);

    host.answer = ColorValue(0x00008000);
    Find(items, QStringLiteral("Color"))->Action();
    EXPECT_EQ(line.Pen().Color, ColorValue(0x00008000));
}

} // namespace
