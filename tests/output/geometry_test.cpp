// Device-independent geometry: inches to pixels, status templates, tab
// cells and shading, preview zoom limits.
#include "output/device_mapping.h"
#include "output/preview_zoom.h"
#include "output/status_format.h"
#include "output/tab_stops.h"

#include <gtest/gtest.h>

using namespace output;

TEST(DeviceMappingTest, PositionsCountFromTheSheetEdgeNotThePrintableArea)
{
    TDeviceMapping printer;
    printer.pixelsPerInchX = printer.pixelsPerInchY = 600;
    printer.unprintableLeft = 0.25;
    printer.unprintableTop = 0.2;
    // Half an inch from the edge is a quarter inch into the printable area.
    EXPECT_EQ(printer.deviceX(0.5), 150);
    EXPECT_EQ(printer.deviceY(1.0), 480);
    EXPECT_EQ(printer.deviceX(0.0), -150);
}

TEST(DeviceMappingTest, ScaleAndZoomStretchTheSheetButNotTheBorder)
{
    TDeviceMapping mapping;
    mapping.pixelsPerInchX = 100;
    mapping.unprintableLeft = 0.5;
    mapping.scaleX = 50;
    mapping.zoom = 200;
    EXPECT_DOUBLE_EQ(mapping.pixelX(2.0), (2.0 * 50 * 200 / 10000 - 0.5) * 100);
    // Halves go to the even neighbour.
    mapping = TDeviceMapping{};
    mapping.pixelsPerInchX = 1;
    EXPECT_EQ(mapping.deviceX(2.5), 2);
    EXPECT_EQ(mapping.deviceX(3.5), 4);
}

TEST(DeviceMappingTest, PenWidthsInPixelsOrHundredthsOfAnInch)
{
    TDeviceMapping mapping;
    mapping.pixelsPerInchX = 600;
    EXPECT_DOUBLE_EQ(mapping.penPixels(3), 3.0);
    EXPECT_DOUBLE_EQ(mapping.penPixels(-2), 12.0);
    mapping.pixelsPerInchX = 20;
    EXPECT_DOUBLE_EQ(mapping.penPixels(-1), 1.0) << "never thinner than a pixel";
}

TEST(DeviceMappingTest, UnitsPerInch)
{
    EXPECT_DOUBLE_EQ(UnitsPerInch(unInch, 0), 1.0);
    EXPECT_DOUBLE_EQ(UnitsPerInch(unMM, 0), 25.4);
    EXPECT_DOUBLE_EQ(UnitsPerInch(unCM, 0), 2.54);
    EXPECT_DOUBLE_EQ(UnitsPerInch(unPoint, 0), 72.0);
    EXPECT_DOUBLE_EQ(UnitsPerInch(unUser, 300.0), 300.0);
}

TEST(StatusFormatTest, CodesExpand)
{
    TStatusContext context;
    context.lines = {QStringLiteral("Smith"), QStringLiteral("")};
    context.driverName = QStringLiteral("PCL");
    context.printerName = QStringLiteral("Laser");
    context.port = QStringLiteral("LPT1:");
    context.firstPage = 2;
    context.lastPage = 7;
    context.currentPage = 3;
    const struct {
        const char* format;
        const char* expected;
    } cases[] = {
        {"Printing Page %p\r%0\r%1", "Printing Page 3\rSmith\r"},
        {"%P of %f-%L", "3 of 2-7"},
        {"%d %r %t", "PCL Laser LPT1:"},
        {"100%%", "100%"},
        {"%5 and %9", " and "},
        {"%x dropped", " dropped"},
        {"trailing %", "trailing "},
        {"\rLabel Print Completed!", "\rLabel Print Completed!"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandStatusFormat(QString::fromLatin1(c.format), context), QString::fromLatin1(c.expected))
            << c.format;
}

TEST(TabStopsTest, NegativePositionFollowsThePreviousStop)
{
    TTabStops tabs;
    tabs.add(-1, tjLeft, 1.0, 0.02, blNone, 0, 0.5);
    tabs.add(-1, tjRight, 0.625, 0.05, blNone, 0, 0.5);
    tabs.add(3.0, tjCenter, 1.0, 0.0, blNone, 0, 0.5);
    EXPECT_DOUBLE_EQ(tabs.stop(1).position, 0.5);
    EXPECT_DOUBLE_EQ(tabs.stop(2).position, 1.5);
    EXPECT_DOUBLE_EQ(tabs.stop(3).position, 3.0);
}

TEST(TabStopsTest, SaveAndRestore)
{
    TTabStops tabs;
    tabs.add(1.0, tjLeft, 1.0, 0, 0, 0, 0);
    tabs.save();
    tabs.clear();
    tabs.add(2.0, tjLeft, 6.0, 0, 0, 10, 0);
    tabs.restore();
    ASSERT_EQ(tabs.count(), 1);
    EXPECT_DOUBLE_EQ(tabs.stop(1).position, 1.0);
    tabs.restore(); // nothing saved: unchanged
    EXPECT_EQ(tabs.count(), 1);
}

TEST(TabStopsTest, TextPlacementByJustification)
{
    const TTabStop centred{1.0, tjCenter, 2.0, 0.1, 0, 0};
    const TTabStop left{1.0, tjLeft, 2.0, 0.1, 0, 0};
    const TTabStop right{1.0, tjRight, 2.0, 0.1, 0, 0};
    EXPECT_DOUBLE_EQ(CellTextLeft(centred, 0.5), 1.75);
    EXPECT_DOUBLE_EQ(CellTextLeft(left, 0.5), 1.1);
    EXPECT_DOUBLE_EQ(CellTextLeft(right, 0.5), 2.4);
}

TEST(TabStopsTest, ShadeLightensTowardsWhite)
{
    EXPECT_EQ(ShadeColor(qRgb(0, 0, 0), 5), qRgb(242, 242, 242));
    EXPECT_EQ(ShadeColor(qRgb(0, 0, 0), 10), qRgb(229, 229, 229));
    EXPECT_EQ(ShadeColor(qRgb(200, 0, 100), 100), qRgb(200, 0, 100));
    EXPECT_EQ(ShadeColor(qRgb(200, 0, 100), 0), qRgb(255, 255, 255));
}

TEST(PreviewZoomTest, LimitsAndSpecialRequests)
{
    TZoomFit fit;
    fit.viewportWidth = 816 + 2 * 20.4;
    fit.viewportHeight = 600;
    fit.marginPercent = 2.5;
    EXPECT_DOUBLE_EQ(ResolveZoom(15 - 10, fit), 10.0);
    EXPECT_DOUBLE_EQ(ResolveZoom(195 + 10, fit), 200.0);
    EXPECT_DOUBLE_EQ(ResolveZoom(0, fit), 10.0);
    EXPECT_DOUBLE_EQ(ResolveZoom(-2, fit), PageWidthZoom(fit));
    EXPECT_DOUBLE_EQ(ResolveZoom(-1, fit), WholePageZoom(fit));
    EXPECT_NEAR(PageWidthZoom(fit), 100.0, 1e-9) << "page plus its grey border fills the width";
    EXPECT_LT(WholePageZoom(fit), PageWidthZoom(fit)) << "a short window fits the height first";
    fit.scrollBarExtent = 16;
    EXPECT_NEAR(PageWidthZoom(fit), 100.0 * (816 - 16) / 816, 1e-9)
        << "room is left for the scroll bar a tall page brings";
    fit.viewportHeight = 2000;
    EXPECT_NEAR(PageWidthZoom(fit), 100.0, 1e-9) << "no scroll bar when the page fits";
    fit.viewportWidth = 100000;
    EXPECT_DOUBLE_EQ(PageWidthZoom(fit), 200.0);
}
