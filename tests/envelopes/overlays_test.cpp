// The envelope surface's size and the rectangles of its two overlays, worked
// out by hand at 96 pixels per inch.
#include "envelopes/envelope_overlays.h"

#include <gtest/gtest.h>

namespace {

using envelopes::TOverlayBox;

struct Edges {
    int left, top, right, bottom;
};

Edges EdgesOf(const TOverlayBox& box) { return {box.left, box.top, box.right, box.bottom}; }

bool operator==(const Edges& a, const Edges& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void PrintTo(const Edges& e, std::ostream* os) { *os << "(" << e.left << ", " << e.top << ", " << e.right << ", " << e.bottom << ")"; }

TEST(EnvelopeOverlaysTest, SurfaceSizeRoundsHalvesToEven)
{
    EXPECT_EQ(envelopes::EnvelopeSurfaceSize(QSizeF(9.5, 4.125), 96), QSize(912, 396));
    EXPECT_EQ(envelopes::EnvelopeSurfaceSize(QSizeF(14.12, 10), 96), QSize(1356, 960));
    // 192.5 and 97.5 pixels.
    EXPECT_EQ(envelopes::EnvelopeSurfaceSize(QSizeF(2.0 + 1.0 / 192, 1.0 + 3.0 / 192), 96), QSize(192, 98));
}

TEST(EnvelopeOverlaysTest, PrinterAreaIsTruncatedToWholePixels)
{
    const envelopes::TPrinterArea area
        = envelopes::PrinterAreaInPixels(QMarginsF(0.25, 0.166, 0.2, 0.5), QSizeF(8.5, 11), 96);
    EXPECT_EQ(area.left, 24);
    EXPECT_EQ(area.top, 15); // 15.9
    EXPECT_EQ(area.right, 19); // 19.2
    EXPECT_EQ(area.bottom, 48);
    EXPECT_EQ(area.paperWidth, 816);
    EXPECT_EQ(area.paperHeight, 1056);
}

TEST(EnvelopeOverlaysTest, PrinterMarginBoxIsThePrintableAreaTimesTheZoomTruncated)
{
    const envelopes::TPrinterArea letter {24, 24, 24, 24, 816, 1056};
    EXPECT_EQ(EdgesOf(envelopes::PrinterMarginBox(letter, 1.0)), (Edges{24, 24, 792, 1032}));
    // 16.8, 554.4 and 722.4 pixels.
    EXPECT_EQ(EdgesOf(envelopes::PrinterMarginBox(letter, 0.7)), (Edges{16, 16, 554, 722}));
    EXPECT_EQ(EdgesOf(envelopes::PrinterMarginBox({}, 1.0)), (Edges{0, 0, 0, 0})) << "no device: nothing to show";
}

TEST(EnvelopeOverlaysTest, TemplateBoxesOfANumber10Envelope)
{
    struct Case {
        double zoom;
        QSize surface;
        Edges returnAddress, clearZone, address, fim;
    };
    const Case cases[] = {
        // 912 x 396: 2.75 in = 264, 0.625 in = 60, 0.5 in = 48, 4 in = 384.
        {1.0, {912, 396}, {1, 1, 456, 132}, {528, 336, 864, 395}, {48, 132, 864, 336}, {624, 1, 720, 60}},
        // 1368 x 594: 396, 90, 72, 576, 432, 288 pixels.
        {1.5, {1368, 594}, {1, 1, 684, 198}, {792, 504, 1296, 593}, {72, 198, 1296, 504}, {936, 1, 1080, 90}},
    };
    for (const Case& c : cases) {
        const auto boxes = envelopes::AutomationTemplateBoxes(c.surface, c.zoom, 96);
        EXPECT_EQ(EdgesOf(boxes[0]), c.returnAddress) << c.zoom;
        EXPECT_EQ(EdgesOf(boxes[1]), c.clearZone) << c.zoom;
        EXPECT_EQ(EdgesOf(boxes[2]), c.address) << c.zoom;
        EXPECT_EQ(EdgesOf(boxes[3]), c.fim) << c.zoom;
    }
}

TEST(EnvelopeOverlaysTest, TheAddressBoxOfAWideEnvelopeStandsNineAndThreeQuarterInchesFromItsRightEdge)
{
    // B4, 14.12 x 10 in: 1356 x 960 pixels; 9.75 in = 936.
    const auto actual = envelopes::AutomationTemplateBoxes(QSize(1356, 960), 1.0, 96);
    EXPECT_EQ(actual[2].left, 1356 - 936);
    const auto zoomedOut = envelopes::AutomationTemplateBoxes(QSize(678, 480), 0.5, 96);
    EXPECT_EQ(zoomedOut[2].left, 678 - 468);
    // #12, 11 in wide, is addressed from the right as well; #11 (10.375 in)
    // too, #10 not (above).
    EXPECT_EQ(envelopes::AutomationTemplateBoxes(QSize(1056, 456), 1.0, 96)[2].left, 1056 - 936);
    EXPECT_EQ(envelopes::AutomationTemplateBoxes(QSize(996, 432), 1.0, 96)[2].left, 996 - 936);
}

TEST(EnvelopeOverlaysTest, TheReturnAddressBoxEndsAboveTheAddressAreaAndAtAThirdOfTheHeight)
{
    // B4: a third of 960 is above 960 - 264.
    EXPECT_EQ(envelopes::AutomationTemplateBoxes(QSize(1356, 960), 1.0, 96)[0].bottom, 320);
    // 6 3/4, 624 x 348: 348 - 264 = 84 is above a third (116).
    const auto boxes = envelopes::AutomationTemplateBoxes(QSize(624, 348), 1.0, 96);
    EXPECT_EQ(boxes[0].bottom, 84);
    EXPECT_EQ(boxes[0].CaptionAt(), QPoint(3, 3));
    EXPECT_EQ(boxes[0].caption, QStringLiteral("[Return Address Area]"));
    EXPECT_EQ(boxes[1].caption, QStringLiteral("[Barcode Clear Zone]"));
    EXPECT_EQ(boxes[2].caption, QStringLiteral("[Address Area]"));
    EXPECT_EQ(boxes[3].caption, QStringLiteral("[FIM Area]"));
}

} // namespace
