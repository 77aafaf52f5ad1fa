// Where the labels of a sheet lie: across first, then down, with the middle
// gaps moving the right half of the columns and the lower half of the rows.
#include "labels/label_geometry.h"

#include <gtest/gtest.h>

using labels::TLabelGeometry;

namespace {

TLabelGeometry Sheet(int across, int down, double midX, double midY)
{
    TLabelGeometry g;
    g.across = across;
    g.down = down;
    g.leftMargin = 0.25;
    g.topMargin = 0.5;
    g.horizPitch = 2.75;
    g.vertPitch = 1.0;
    g.midExtraX = midX;
    g.midExtraY = midY;
    return g;
}

} // namespace

TEST(LabelPositions, MiddleGapsMoveTheRightAndLowerHalves)
{
    const struct {
        const char* what;
        TLabelGeometry sheet;
        int index;
        double x;
        double y;
    } cases[] = {
        {"3 x 10, column 0 stays", Sheet(3, 10, 0.125, 0), 0, 0.25, 0.5},
        {"3 x 10, column 1 moves", Sheet(3, 10, 0.125, 0), 1, 0.25 + 2.75 + 0.125, 0.5},
        {"3 x 10, column 2 moves", Sheet(3, 10, 0.125, 0), 2, 0.25 + 5.5 + 0.125, 0.5},
        {"3 x 10, row 4 of column 0 stays", Sheet(3, 10, 0.125, 0), 12, 0.25, 4.5},
        {"one column: mx = 0 moves it", Sheet(1, 10, 0.125, 0), 0, 0.375, 0.5},
        {"one row: my = 0 moves it", Sheet(3, 1, 0, 0.2), 1, 3.0, 0.7},
        {"2 x 6, row 3 is in the lower half", Sheet(2, 6, 0, 0.3), 6, 0.25, 3.5 + 0.3},
        {"2 x 6, row 2 is not", Sheet(2, 6, 0, 0.3), 5, 3.0, 2.5},
        {"a negative gap is no gap", Sheet(3, 10, -0.5, -0.5), 29, 5.75, 9.5},
        {"10 x 30, the last position", Sheet(10, 30, 0.1, 0.2), 299, 0.25 + 9 * 2.75 + 0.1, 0.5 + 29 + 0.2},
        {"10 x 30, position 250", Sheet(10, 30, 0, 0), 250, 0.25, 25.5},
    };
    for (const auto& c : cases) {
        const QPointF origin = c.sheet.PositionOrigin(c.index);
        EXPECT_NEAR(origin.x(), c.x, 1e-9) << c.what;
        EXPECT_NEAR(origin.y(), c.y, 1e-9) << c.what;
    }
}

TEST(LabelPositions, CountsOutsideTheSheetLimitsGiveNoPositions)
{
    EXPECT_EQ(Sheet(10, 30, 0, 0).PositionCount(), 300);
    EXPECT_EQ(Sheet(3, 10, 0, 0).PositionCount(), 30);
    for (const auto& [across, down] : {std::pair{0, 10}, {11, 10}, {3, 0}, {3, 31}}) {
        EXPECT_EQ(Sheet(across, down, 0, 0).PositionCount(), 0) << across << " x " << down;
        EXPECT_FALSE(Sheet(across, down, 0, 0).HasValidCounts());
    }
}
