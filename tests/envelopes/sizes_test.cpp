// The envelope sizes: captions, codes and inches as the size list shows
// them, and every one of them chosen as paper by the PDF printer.
#include "envelopes/envelope_sizes.h"
#include "output/rp_device.h"

#include <QtGlobal>

#include <algorithm>
#include <gtest/gtest.h>

using namespace envelopes;

namespace {

struct ExpectedSize {
    int code;
    const char* caption;
    double width, height;
};

// The list as users see it: C5 ends in a blank, C4, C6, B4, B5 and B6 have
// two blanks after their name; metric sizes are millimetres / 25.
const ExpectedSize kList[] = {
    {19, "Envelope #9 3 7/8 x 8 7/8 inches", 8.875, 3.875},
    {20, "Envelope #10 4 1/8 x 9 1/2 inches", 9.5, 4.125},
    {21, "Envelope #11 4 1/2 x 10 3/8 inches", 10.375, 4.5},
    {22, "Envelope #12 4 3/4 x 11 inches", 11, 4.75},
    {23, "Envelope #14 5 x 11 1/2 inches", 11.5, 5},
    {27, "Envelope DL 110 x 220 mm", 8.8, 4.4},
    {28, "Envelope C5 162 x 229 mm ", 9.16, 6.48},
    {30, "Envelope C4  229 x 324 mm", 12.96, 9.16},
    {31, "Envelope C6  114 x 162 mm", 6.48, 4.56},
    {32, "Envelope C65 114 x 229 mm", 9.16, 4.56},
    {33, "Envelope B4  250 x 353 mm", 14.12, 10},
    {34, "Envelope B5  176 x 250 mm", 10, 7.04},
    {35, "Envelope B6  176 x 125 mm", 5, 7.04},
    {36, "Envelope 110 x 230 mm", 9.2, 4.4},
    {37, "Envelope Monarch 3 7/8 x 7 1/2 inches", 7.5, 3.875},
    {38, "6 3/4 Envelope 3 5/8 x 6 1/2 inches", 6.5, 3.625},
};

bool IsMetric(const TEnvelopeSize& size) { return size.caption.trimmed().endsWith(QLatin1String(" mm")); }

} // namespace

TEST(EnvelopeSizesTest, TheListInOrderWithCaptionsCodesAndInches)
{
    const auto sizes = EnvelopeSizes();
    ASSERT_EQ(sizes.size(), std::size(kList));
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        SCOPED_TRACE(kList[i].caption);
        EXPECT_EQ(sizes[i].code, kList[i].code);
        EXPECT_EQ(sizes[i].caption, QString::fromLatin1(kList[i].caption));
        EXPECT_DOUBLE_EQ(sizes[i].width, kList[i].width);
        EXPECT_DOUBLE_EQ(sizes[i].height, kList[i].height);
        EXPECT_EQ(EnvelopeSizeListIndex(kList[i].code), static_cast<int>(i));
        ASSERT_NE(FindEnvelopeSize(kList[i].code), nullptr);
        EXPECT_EQ(FindEnvelopeSize(kList[i].code)->caption, sizes[i].caption);
    }
}

TEST(EnvelopeSizesTest, AnUnknownCodeIsTheDefaultNumberTen)
{
    for (int code : {-1, 0, 1, 24, 29, 39, 99999}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(FindEnvelopeSize(code), nullptr);
        EXPECT_EQ(EnvelopeSizeOrDefault(code).code, kDefaultEnvelopeCode);
        EXPECT_DOUBLE_EQ(EnvelopeSizeOrDefault(code).width, 9.5);
        EXPECT_DOUBLE_EQ(EnvelopeSizeOrDefault(code).height, 4.125);
        EXPECT_EQ(EnvelopeSizeListIndex(code), 0) << "the chooser starts on the first entry";
    }
    EXPECT_EQ(EnvelopeSizeOrDefault(35).code, 35);
}

// The run chooses the envelope's code as paper; the PDF printer must take
// every one with a page of the envelope's size (the printer's metric sizes
// are true millimetres, the design's are millimetres / 25).
TEST(EnvelopeSizesTest, ThePdfPrinterTakesEveryEnvelopeWithAPageOfItsSize)
{
    output::TRPDevice device(std::make_unique<output::TFixedPrinterCatalog>());
    ASSERT_TRUE(device.IsPdfPrinter());
    for (const TEnvelopeSize& size : EnvelopeSizes()) {
        SCOPED_TRACE(size.caption.toStdString());
        ASSERT_TRUE(device.ChoosePaper(size.code, 0, 0));
        const double scale = IsMetric(size) ? 25.0 / 25.4 : 1.0;
        const double shortSide = std::min(size.width, size.height) * scale;
        const double longSide = std::max(size.width, size.height) * scale;
        EXPECT_NEAR(std::min(device.PaperWidth(), device.PaperHeight()), shortSide, 0.01);
        EXPECT_NEAR(std::max(device.PaperWidth(), device.PaperHeight()), longSide, 0.01);
        EXPECT_TRUE(device.PaperNames().contains(device.Paper().name())) << "a paper the setup dialog lists";
    }
}
