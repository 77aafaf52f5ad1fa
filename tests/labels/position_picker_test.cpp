// The position picker's one-fifth picture: each length is scaled and
// truncated on its own, so the rectangles are what the user sees drawn;
// and the run options of "Print Labels" and how they hang together.
#include "labels/label_position_picker.h"
#include "labels/label_setup_options.h"

#include <gtest/gtest.h>

namespace {

using labels::TLabelGeometry;

TLabelGeometry TenByThirty()
{
    TLabelGeometry sheet;
    sheet.across = 10;
    sheet.down = 30;
    sheet.height = 0.3;
    sheet.width = 0.5;
    sheet.horizPitch = 0.8;
    sheet.vertPitch = 0.35;
    sheet.leftMargin = 0.25;
    sheet.topMargin = 0.3;
    return sheet;
}

TLabelGeometry WithMiddleGap()
{
    TLabelGeometry sheet;
    sheet.midExtraX = 0.125;
    return sheet;
}

struct PickerCase {
    const char* name;
    TLabelGeometry sheet;
    int index;
    QRect expected; // at 96 pixels per inch: 19.2 pixels to the inch
};

TEST(PositionPicker, RectanglesTruncateEachLengthSeparately)
{
    const PickerCase cases[] = {
        { "5160 first", TLabelGeometry {}, 0, QRect(13, 19, 50, 19) },
        { "5160 second row, middle column", TLabelGeometry {}, 4, QRect(66, 38, 50, 19) },
        { "middle gap moves column 1", WithMiddleGap(), 1, QRect(68, 19, 50, 19) },
        { "middle gap leaves column 0", WithMiddleGap(), 3, QRect(13, 38, 50, 19) },
        { "10 x 30, position 250", TenByThirty(), 249, QRect(149, 159, 9, 5) },
        { "10 x 30, position 300", TenByThirty(), 299, QRect(149, 189, 9, 5) },
        { "beyond the sheet", TLabelGeometry {}, 30, QRect() },
    };
    for (const PickerCase& c : cases) {
        EXPECT_EQ(labels::PickerPositionRect(c.sheet, c.index, 96), c.expected) << c.name;
        if (!c.expected.isEmpty()) {
            EXPECT_EQ(labels::PickerPositionAt(c.sheet, c.expected.center(), 96), c.index) << c.name;
        }
    }
    EXPECT_EQ(labels::PickerPageRect(TLabelGeometry {}, 96), QRect(10, 10, 163, 211));
}

TEST(PositionPicker, StartPositionStaysOnTheSheet)
{
    EXPECT_EQ(labels::ClampedStartPosition(0, TLabelGeometry {}), 1);
    EXPECT_EQ(labels::ClampedStartPosition(31, TLabelGeometry {}), 30);
    EXPECT_EQ(labels::ClampedStartPosition(300, TenByThirty()), 300);
}

TEST(LabelSetupOptions, OnlyCurrentRecordTakesPresortAwayAndEveryChangeMakesItStale)
{
    labels::TLabelSetupOptions options;
    options.SetPresort(true);
    options.MarkPresortDone();
    options.Choose(labels::rcAllRecords);
    EXPECT_TRUE(options.Presort());
    EXPECT_FALSE(options.PresortDone());

    options.MarkPresortDone();
    options.SetStartFromCurrent(true);
    EXPECT_FALSE(options.PresortDone());

    options.Choose(labels::rcOnlyCurrent);
    EXPECT_FALSE(options.Presort());
    EXPECT_FALSE(options.PresortAllowed());
    options.SetPresort(true);
    EXPECT_FALSE(options.Presort());

    options.Choose(labels::rcMatchingFilter);
    EXPECT_TRUE(options.PresortAllowed());
    EXPECT_FALSE(options.Presort()) << "the box stays as it was left";
}

} // namespace
