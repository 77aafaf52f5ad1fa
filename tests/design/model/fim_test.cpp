// FIM A, B and C: the nine bar positions on paper and on the screen, and the
// menu that switches the type.
#include "graphics_test_support.h"

#include "design/model/class_set.h"
#include "design/model/design_owner.h"
#include "design/model/fim_barcode.h"
#include "design/model/fim_pattern.h"
#include "design/model/surface_objects.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace design;
using namespace graphics_test;

namespace {

struct FimCase {
    TFIMBarCodeType type;
    std::vector<int> positions; // 1 to 9
};

const FimCase kFimCases[] = {
    {TFIMBarCodeType::fimTypeA, {1, 2, 5, 8, 9}},
    {TFIMBarCodeType::fimTypeB, {1, 3, 4, 6, 7, 9}},
    {TFIMBarCodeType::fimTypeC, {1, 2, 4, 6, 8, 9}},
};

TEST(FimPrinting, BarsLieAtTheirPositionsAtFullSizeWithAThinBlackPen)
{
    TGDesignOwner owner{96};
    TGFIMBarCode fim{owner};
    fim.SetBounds(48, 96, 60, 60);
    for (const FimCase& c : kFimCases) {
        fim.SetFIMType(c.type);
        // A thick red pen left behind by an earlier object must not widen the bars.
        const auto shapes = Shapes(PrintObject(fim, 0.25, 0.5, [](output::TBaseReport& r) {
            r.SelectPen(qRgb(255, 0, 0), output::psSolid, -10, output::pmCopy);
        }));
        ASSERT_EQ(shapes.size(), c.positions.size());
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            const double left = 0.75 + (c.positions[i] - 1) / 16.0;
            EXPECT_NEAR(shapes[i].rect.left(), left, 1e-12);
            EXPECT_NEAR(shapes[i].rect.right(), left + 1.0 / 32.0, 1e-12);
            EXPECT_NEAR(shapes[i].rect.top(), 1.5, 1e-12);
            EXPECT_NEAR(shapes[i].rect.bottom(), 1.5 + 0.5625, 1e-12);
            EXPECT_EQ(shapes[i].brush.color, qRgb(0, 0, 0));
            EXPECT_EQ(shapes[i].brush.style, output::bsSolid);
            EXPECT_EQ(shapes[i].pen, (output::TPenSpec{qRgb(0, 0, 0), output::psSolid, 1, output::pmCopy}));
        }
    }
}

TEST(FimScreen, MarkIsSquareWithBarsInEveryOtherSlot)
{
    for (const FimCase& c : kFimCases) {
        const auto bars = fim::ScreenBars(c.type, 96, 1.0f);
        ASSERT_EQ(bars.size(), c.positions.size());
        for (std::size_t i = 0; i < bars.size(); ++i)
            EXPECT_EQ(bars[i], QRect(3 * (2 * c.positions[i] - 2), 0, 3, 54));
    }
    EXPECT_EQ(fim::ScreenSide(96, 1.0f), 60);
    EXPECT_EQ(fim::ScreenSide(120, 1.0f), 75);
    EXPECT_EQ(fim::ScreenSide(96, 1.5f), 90);
    EXPECT_EQ(fim::ScreenBars(TFIMBarCodeType::fimTypeA, 96, 2.0f).back(), QRect(96, 0, 6, 108));
}

TEST(FimScreen, ResizedObjectSnapsBackToItsSquareOnPaint)
{
    TGDesignOwner owner{96};
    TGFIMBarCode fim{owner};
    EXPECT_EQ(fim.Bounds(), (TGBounds{0, 0, 60, 54}));
    fim.SetBounds(5, 7, 200, 30);
    QImage canvas(100, 100, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    fim.Paint(painter);
    painter.end();
    EXPECT_EQ(fim.Bounds(), (TGBounds{5, 7, 60, 60}));
    EXPECT_EQ(canvas.pixel(1, 10), qRgb(0, 0, 0));   // position 1
    EXPECT_EQ(canvas.pixel(4, 10), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(13, 10), qRgb(255, 255, 255)); // position 3 is empty in FIM A
    EXPECT_EQ(canvas.pixel(1, 54), qRgb(255, 255, 255));  // below the bars
}

class CountingListener : public TGSurfaceListener {
public:
    void ObjectChanged(TGGraphicControl&) override { ++changes; }
    void ObjectBoundsChanged(TGGraphicControl&) override {}
    int changes = 0;
};

// A host without a surface: the FIM items need none.
class NoSurfaceHost : public TGMenuHost {
public:
    std::optional<TColor> ChooseColor(TColor) override { return std::nullopt; }
    void LoadImageFromDisk(TGImage&) override {}
    int SurfaceWidth() const override { return 0; }
    int SurfaceHeight() const override { return 0; }
    void Repaint() override {}
};

// The class's own items, which follow the common ones.
TGMenuItems FimItems(TGFIMBarCode& fim)
{
    NoSurfaceHost host;
    TGMenuItems items = fim.MenuItems(host);
    return TGMenuItems(items.end() - 4, items.end());
}

TEST(FimMenu, ItemsSwitchTheTypeAndCheckTheCurrentOne)
{
    TGDesignOwner owner{96};
    TGSurfaceObjects surface(TGClassSet::AllClasses());
    CountingListener listener;
    surface.SetListener(&listener);
    auto* fim = static_cast<TGFIMBarCode*>(surface.Add(std::make_unique<TGFIMBarCode>(owner)));
    TGMenuItems items = FimItems(*fim);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].Caption, QStringLiteral("-"));
    EXPECT_EQ(items[1].Caption, QStringLiteral("Set FIM to Type A"));
    EXPECT_EQ(items[2].Caption, QStringLiteral("Set FIM to Type B"));
    EXPECT_EQ(items[3].Caption, QStringLiteral("Set FIM to Type C"));
    EXPECT_TRUE(items[1].Checked);
    EXPECT_FALSE(items[3].Checked);

    const int before = listener.changes;
    items[3].Action();
    EXPECT_EQ(fim->FIMType(), TFIMBarCodeType::fimTypeC);
    EXPECT_GT(listener.changes, before);
    items = FimItems(*fim);
    EXPECT_FALSE(items[1].Checked);
    EXPECT_TRUE(items[3].Checked);
}

} // namespace
