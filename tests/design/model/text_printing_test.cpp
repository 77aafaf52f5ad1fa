// Text objects printed into a recorded page stream: where text lands in
// inches, with which font and clip, and what background and border go with it.
#include "text_test_support.h"

#include "output/output_test_support.h"

#include "design/model/address_label.h"
#include "design/model/design_owner.h"
#include "design/model/multi_line_label.h"
#include "design/model/text_labels.h"

#include <gtest/gtest.h>

using namespace design;
using namespace output_testing;

namespace {

class TextPrintingTest : public ::testing::Test {
protected:
    // Prints the object at page offset (1, 2) inches; it sits at pixel
    // (96, 48) of its surface at 96 pixels per inch, so its top-left corner
    // is at (2, 2.5) inches.
    output::TPage Print(TGGraphicControl& object)
    {
        const auto pages = job.Record([&](output::TBaseReport& report) {
            object.PrintTo(report, 1.0, 2.0);
            ascent = report.FontAscent();
        });
        return pages.at(0);
    }

    template <class T> T& Place(T& object)
    {
        object.UseTextMetrics(metrics);
        object.SetBounds(96, 48, object.Width(), object.Height());
        return object;
    }

    TGDesignOwner owner{96};
    design_testing::TFixedTextMetrics metrics;
    RecordingJob job;
    double ascent = 0.0;
};

constexpr double kAllowance = 0.03;

} // namespace

TEST_F(TextPrintingTest, CaptionPrintsAtItsOriginClippedToItsRectangle)
{
    TGPLabel label(owner);
    Place(label).SetCaption(QStringLiteral("Hello"));
    const auto texts = TextsOf(Print(label));
    ASSERT_EQ(texts.size(), 1u) << "no shadow or highlight without depth";
    const output::TTextOp& text = texts[0];
    EXPECT_EQ(text.text, QStringLiteral("Hello"));
    EXPECT_EQ(text.font.name, QStringLiteral("Arial"));
    EXPECT_EQ(text.font.size, 10.0) << "the point size, not the pixel height";
    EXPECT_EQ(text.font.color, qRgb(0, 0, 0));
    EXPECT_DOUBLE_EQ(text.position.x(), 2.0);
    EXPECT_DOUBLE_EQ(text.position.y(), 2.5 + ascent) << "the text's top at the object's top";
    ASSERT_TRUE(text.clip.has_value());
    // The main rectangle is the object's width and one line (19 pixels) high.
    EXPECT_DOUBLE_EQ(text.clip->left(), 2.0 - kAllowance);
    EXPECT_DOUBLE_EQ(text.clip->top(), 2.5 - kAllowance);
    EXPECT_DOUBLE_EQ(text.clip->right(), 2.0 + 142.0 / 96);
    EXPECT_DOUBLE_EQ(text.clip->bottom(), 2.5 + 19.0 / 96);
    EXPECT_EQ(label.Height(), 22) << "printing runs the layout, which fits the height to the text";
}

TEST_F(TextPrintingTest, ShadowHighlightAndTextPrintInThatOrderWithTheirColours)
{
    TGPLabel label(owner);
    Place(label);
    label.SetDepthShadow(3);
    label.SetDepthHighlight(2);
    label.SetColorHighlight(ColorValue(0x000000FF)); // red
    const auto texts = TextsOf(Print(label));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].font.color, qRgb(0x80, 0x80, 0x80));
    EXPECT_DOUBLE_EQ(texts[0].position.x(), 2.0 + 5.0 / 96) << "shadow 3 right of the text at padding 2";
    EXPECT_EQ(texts[1].font.color, qRgb(255, 0, 0));
    EXPECT_DOUBLE_EQ(texts[1].position.x(), 2.0);
    EXPECT_DOUBLE_EQ(texts[2].position.x(), 2.0 + 2.0 / 96);
    EXPECT_DOUBLE_EQ(texts[2].position.y(), 2.5 + 2.0 / 96 + ascent);
}

TEST_F(TextPrintingTest, BackgroundUnderAndBorderOverTheText)
{
    TGPLabel label(owner);
    Place(label);
    label.SetTransparent(false);
    label.SetBackColor(ColorValue(0x0000FFFF)); // yellow
    label.SetBorderStyle(TBorderStyle::bsSingle);
    const output::TPage page = Print(label);
    ASSERT_EQ(page.ops.size(), 3u);
    const auto& background = std::get<output::TShapeOp>(page.ops[0]);
    EXPECT_EQ(background.brush.color, qRgb(255, 255, 0));
    EXPECT_EQ(background.brush.style, output::bsSolid);
    EXPECT_EQ(background.pen.style, output::psClear);
    EXPECT_EQ(background.rect, QRectF(QPointF(2.0, 2.5), QPointF(2.0 + 141.0 / 96, 2.5 + 21.0 / 96)));
    EXPECT_TRUE(std::holds_alternative<output::TTextOp>(page.ops[1]));
    const auto& border = std::get<output::TShapeOp>(page.ops[2]);
    EXPECT_EQ(border.brush.style, output::bsClear);
    EXPECT_EQ(border.pen.color, qRgb(0, 0, 0));
    EXPECT_EQ(border.pen.width, 1);
    EXPECT_EQ(border.rect, QRectF(QPointF(2.0, 2.5), QPointF(2.0 + 142.0 / 96, 2.5 + 22.0 / 96)));
}

TEST_F(TextPrintingTest, StyleAndRotationGoWithTheFont)
{
    TGPLabel label(owner);
    Place(label);
    TGFont font = label.Font();
    font.Style = font.Style.With(TFontStyle::fsBold).With(TFontStyle::fsStrikeOut);
    label.SetFont(font);
    label.SetAngle(90);
    const auto texts = TextsOf(Print(label));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(texts[0].font.bold);
    EXPECT_FALSE(texts[0].font.strikeOut) << "strike-out is not printed";
    EXPECT_EQ(texts[0].font.angle, 90.0);
    // Turned a quarter left, the text reads upward from the bottom-left
    // corner; its baseline lies one ascent to the right of that corner.
    const double bottom = 2.5 + (label.Height() - 1) / 96.0;
    EXPECT_DOUBLE_EQ(texts[0].position.x(), 2.0 + ascent);
    EXPECT_DOUBLE_EQ(texts[0].position.y(), bottom);
}

TEST_F(TextPrintingTest, PageNumberPrintsTheCurrentPage)
{
    TGPageNumberLabel label(owner);
    Place(label);
    const auto texts = TextsOf(Print(label));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, QStringLiteral("1"));
}

TEST_F(TextPrintingTest, MultiLineTextPrintsTheLinesThatStartInsideTheObject)
{
    TGMultiLineLabel text(owner);
    Place(text).SetItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
    // Lines of 10 points are a sixth of an inch (16 pixels); 20 pixels hold
    // the first line and the top of the second.
    text.SetHeight(20);
    const auto texts = TextsOf(Print(text));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, QStringLiteral("one"));
    EXPECT_EQ(texts[0].clip, QRectF(QPointF(2.0, 2.5), QPointF(2.0 + 190.0 / 96, 2.5 + 1.0 / 6)));
    EXPECT_DOUBLE_EQ(texts[0].position.y(), 2.5 + ascent);
    EXPECT_EQ(texts[1].text, QStringLiteral("two"));
    EXPECT_EQ(texts[1].clip, QRectF(QPointF(2.0, 2.5 + 1.0 / 6), QPointF(2.0 + 190.0 / 96, 2.5 + 20.0 / 96)))
        << "the last line is cut at the object's bottom";
}

TEST_F(TextPrintingTest, MultiLineAlignmentOnPaper)
{
    TGMultiLineLabel text(owner);
    Place(text).SetItems({QStringLiteral("right")});
    text.SetAlignment(TAlignment::taRightJustify);
    double width = 0.0;
    const auto pages = job.Record([&](output::TBaseReport& report) {
        text.PrintTo(report, 1.0, 2.0);
        width = report.TextWidth(QStringLiteral("right"));
    });
    const auto texts = TextsOf(pages.at(0));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(texts[0].position.x() + width, 2.0 + 189.0 / 96, 1e-12) << "one pixel in from the right edge";
}

TEST_F(TextPrintingTest, EmptyTextAndPlaceholdersPrintNothing)
{
    TGMultiLineLabel empty(owner);
    Place(empty);
    EXPECT_TRUE(TextsOf(Print(empty)).empty());

    TGDMultiLineAddressLabel address(owner);
    Place(address);
    const design_testing::TMemoryRecord record = design_testing::AnnCole();
    const TGRecordContext printing{&record, false, true};
    address.SetRecordContext(&printing);
    address.SetHeight(200);
    address.ShowData();
    const auto texts = TextsOf(Print(address));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[2].text, QStringLiteral("Springfield  IL 62701"));
}
