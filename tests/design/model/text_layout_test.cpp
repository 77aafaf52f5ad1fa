// Layout of single-line text: padding for the 3D effects, the text
// rectangles and origins for every rotation, alignment, and the object
// hugging its text.
#include "design/model/text_layout.h"

#include <gtest/gtest.h>

using namespace design;

namespace {

TLabelLayoutInput Horizontal(int width = 142, int height = 33)
{
    TLabelLayoutInput in;
    in.LineHeight = 19;
    in.TextWidth = 30;
    in.Width = width;
    in.Height = height;
    return in;
}

} // namespace

TEST(TextLayout, EffectOffsetsFollowTheirDirections)
{
    EXPECT_EQ(ShadowOffset(TShadowDirection::sdDownRight, 3), (TTextPoint{3, 3}));
    EXPECT_EQ(ShadowOffset(TShadowDirection::sdDownLeft, 3), (TTextPoint{-3, 3}));
    EXPECT_EQ(ShadowOffset(TShadowDirection::sdLeft, 3), (TTextPoint{-3, 0}));
    EXPECT_EQ(ShadowOffset(TShadowDirection::sdNone, 3), (TTextPoint{0, 0}));
    EXPECT_EQ(HighlightOffset(THighlightDirection::hdUpLeft, 2), (TTextPoint{-2, -2}));
    EXPECT_EQ(HighlightOffset(THighlightDirection::hdUpRight, 2), (TTextPoint{2, -2}));
    EXPECT_EQ(HighlightOffset(THighlightDirection::hdUp, 2), (TTextPoint{0, -2}));
}

TEST(TextLayout, ShadowAndHighlightArePaddedInside)
{
    TLabelLayoutInput in = Horizontal();
    in.Shadow = ShadowOffset(TShadowDirection::sdDownRight, 3);
    in.Highlight = HighlightOffset(THighlightDirection::hdUpLeft, 2);
    const TLabelLayout out = LayoutLabel(in);
    EXPECT_EQ(out.PadX, 2);
    EXPECT_EQ(out.PadY, 2);
    EXPECT_EQ(out.MainOrigin, (TTextPoint{2, 2}));
    EXPECT_EQ(out.HighlightOrigin, (TTextPoint{0, 0}));
    EXPECT_EQ(out.ShadowOrigin, (TTextPoint{5, 5}));
    EXPECT_EQ(out.Main, (TTextRect{2, 2, 142, 21}));
    // The text needs 19 + 3 + 2 = 24 pixels; 33 is more than 1.2 times that.
    EXPECT_EQ(out.Height, 28);
}

TEST(TextLayout, HorizontalTextKeepsBetweenItsHeightAndOnePointTwoTimesIt)
{
    struct Case {
        int height;
        int expected;
    };
    for (const Case c : {Case{200, 22}, Case{3, 19}, Case{21, 21}, Case{22, 22}, Case{23, 22}}) {
        const TLabelLayout out = LayoutLabel(Horizontal(142, c.height));
        EXPECT_EQ(out.Height, c.expected) << "from " << c.height;
        EXPECT_EQ(out.Width, 142);
    }
}

TEST(TextLayout, TinyWidthTakesTheTextWidth)
{
    EXPECT_EQ(LayoutLabel(Horizontal(5, 20)).Width, 30);
    EXPECT_EQ(LayoutLabel(Horizontal(6, 20)).Width, 6);
}

TEST(TextLayout, AlignmentMovesAllThreeOriginsAlike)
{
    TLabelLayoutInput in = Horizontal();
    in.Shadow = ShadowOffset(TShadowDirection::sdRight, 2);
    in.Alignment = TAlignment::taRightJustify;
    TLabelLayout out = LayoutLabel(in);
    EXPECT_EQ(out.MainOrigin.X, 142 - 30);
    EXPECT_EQ(out.ShadowOrigin.X, 142 - 30 + 2);
    in.Alignment = TAlignment::taCenter;
    out = LayoutLabel(in);
    EXPECT_EQ(out.MainOrigin.X, 142 / 2 - 30 / 2);
    EXPECT_EQ(out.MainOrigin.X, 56);
    EXPECT_EQ(out.HighlightOrigin.X, 56) << "no highlight depth";
    EXPECT_EQ(out.ShadowOrigin.X, 58);
}

TEST(TextLayout, RotatedTextStartsAtTheTurnedCorner)
{
    struct Case {
        int angle;
        int width, height;
        TTextRect main;
        TTextPoint origin;
    };
    // Line height 19, text width 30, no effects.
    const Case cases[] = {
        // 90: the object hugs the text across (22 = 1.2 x 19) and along
        // (36 = 1.2 x 30); the text reads upward from the bottom row.
        {90, 22, 36, {0, -1, 19, 35}, {0, 35}},
        // 180: at most twice the text wide; upside down from the right.
        {180, 60, 22, {-1, 0, 59, 19}, {59, 19}},
        {270, 22, 36, {0, 0, 19, 36}, {19, 0}},
    };
    for (const Case& c : cases) {
        TLabelLayoutInput in = c.angle == 180 ? Horizontal(142, 33) : Horizontal(33, 142);
        in.Angle = c.angle;
        const TLabelLayout out = LayoutLabel(in);
        EXPECT_EQ(out.Width, c.width) << c.angle;
        EXPECT_EQ(out.Height, c.height) << c.angle;
        EXPECT_EQ(out.Main, c.main) << c.angle;
        EXPECT_EQ(out.MainOrigin, c.origin) << c.angle;
    }
}
