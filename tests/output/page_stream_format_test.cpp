// The page stream format: every operation survives writing and reading,
// damaged streams are refused without harm, and playback is faithful at any
// zoom.
#include "output/output_error.h"
#include "output/page_stream.h"
#include "output/preview_renderer.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using namespace output;

namespace {

TPage samplePage()
{
    TPage page;
    page.size = QSizeF(8.5, 11.0);
    TTextOp text;
    text.position = QPointF(1.25, 2.5);
    text.text = QStringLiteral("Zoë's café ✓");
    text.font.name = QStringLiteral("Times New Roman");
    text.font.size = 11.5;
    text.font.bold = text.font.underline = true;
    text.font.color = qRgb(10, 20, 30);
    text.font.angle = 90;
    text.align = taRight;
    text.opaque = true;
    text.clip = QRectF(1, 2, 3, 0.5);
    page.ops.emplace_back(text);
    TShapeOp pie;
    pie.kind = skPie;
    pie.rect = QRectF(1, 1, 2, 1);
    pie.start = QPointF(3, 1.5);
    pie.end = QPointF(2, 1);
    pie.pen = TPenSpec{qRgb(255, 0, 0), psDashDot, -3, pmXor};
    pie.brush.style = bsCross;
    page.ops.emplace_back(pie);
    TShapeOp polygon;
    polygon.kind = skPolygon;
    polygon.points = {QPointF(1, 1), QPointF(2, 3), QPointF(0.5, 2)};
    QImage pattern(8, 8, QImage::Format_ARGB32);
    pattern.fill(qRgba(1, 2, 3, 4));
    polygon.brush.pattern = pattern;
    page.ops.emplace_back(polygon);
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(qRgb(9, 8, 7));
    picture.setPixel(2, 1, qRgb(200, 100, 50));
    page.ops.emplace_back(TImageOp{QRectF(4, 4, 1.5, 1), picture});
    return page;
}

QByteArray encode(const std::vector<TPage>& pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TPageStreamWriter writer(buffer);
    writer.writeHeader();
    for (const TPage& page : pages)
        writer.writePage(page);
    return buffer.data();
}

} // namespace

TEST(PageStreamFormatTest, EveryOperationSurvivesTheRoundTrip)
{
    const TPage original = samplePage();
    const QByteArray bytes = encode({original, TPage{QSizeF(11, 8.5), {}}});
    const std::vector<TPage> pages = ReadPageStream(bytes);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].size, QSizeF(11, 8.5));
    ASSERT_EQ(pages[0].ops.size(), original.ops.size());

    const auto& text = std::get<TTextOp>(pages[0].ops[0]);
    const auto& expected = std::get<TTextOp>(original.ops[0]);
    EXPECT_EQ(text.position, expected.position);
    EXPECT_EQ(text.text, expected.text);
    EXPECT_EQ(text.font, expected.font);
    EXPECT_EQ(text.align, expected.align);
    EXPECT_EQ(text.opaque, expected.opaque);
    EXPECT_EQ(text.clip, expected.clip);

    const auto& pie = std::get<TShapeOp>(pages[0].ops[1]);
    EXPECT_EQ(pie.kind, skPie);
    EXPECT_EQ(pie.rect, QRectF(1, 1, 2, 1));
    EXPECT_EQ(pie.end, QPointF(2, 1));
    EXPECT_EQ(pie.pen, (TPenSpec{qRgb(255, 0, 0), psDashDot, -3, pmXor}));
    EXPECT_EQ(pie.brush.style, bsCross);
    EXPECT_EQ(std::get<TShapeOp>(pages[0].ops[2]).points.size(), 3u);
    EXPECT_EQ(std::get<TShapeOp>(pages[0].ops[2]).brush, std::get<TShapeOp>(original.ops[2]).brush);
    const auto& image = std::get<TImageOp>(pages[0].ops[3]);
    EXPECT_EQ(image.target, QRectF(4, 4, 1.5, 1));
    EXPECT_EQ(image.image.pixel(2, 1), qRgb(200, 100, 50));

    EXPECT_EQ(encode(pages), bytes) << "written again, the bytes are the same";
}

TEST(PageStreamFormatTest, EveryTruncationIsRefused)
{
    const QByteArray bytes = encode({samplePage()});
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        if (size == 6)
            continue; // a bare header is a stream without pages
        EXPECT_THROW(ReadPageStream(bytes.left(size)), EReportError) << "cut at " << size;
    }
    EXPECT_TRUE(ReadPageStream(bytes.left(6)).empty());
}

TEST(PageStreamFormatTest, DamagedFieldsAreRefused)
{
    const QByteArray good = encode({samplePage()});
    const auto patched = [&](qsizetype at, const QByteArray& with) {
        QByteArray copy = good;
        copy.replace(at, with.size(), with);
        return copy;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QByteArray nanBytes(8, '\0');
    std::memcpy(nanBytes.data(), &nan, 8);
    // header 6, page tag 1, width 8, height 8, op count 4, op kind 1, x 8
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"magic", patched(0, QByteArrayLiteral("XXXX"))},
        {"version", patched(4, QByteArrayLiteral("\x09\x00"))},
        {"page tag", patched(6, QByteArrayLiteral("Q"))},
        {"huge op count", patched(23, QByteArrayLiteral("\xff\xff\xff\x7f"))},
        {"unknown op", patched(27, QByteArrayLiteral("\x07"))},
        {"not a number", patched(28, nanBytes)},
        {"huge text length", patched(44, QByteArrayLiteral("\xff\xff\xff\xff"))},
        {"trailing garbage", good + QByteArrayLiteral("P")},
    };
    for (const auto& c : cases)
        EXPECT_THROW(ReadPageStream(c.bytes), EReportError) << c.name;
}

TEST(PageStreamFormatTest, PlaybackIsFaithfulAtAnyZoom)
{
    TPage page;
    page.size = QSizeF(4, 4);
    TShapeOp square;
    square.kind = skRectangle;
    square.rect = QRectF(1, 1, 1, 1);
    square.pen.style = psClear;
    square.brush.color = qRgb(0, 0, 0);
    page.ops.emplace_back(square);
    for (double zoom : {25.0, 50.0, 100.0, 200.0}) {
        TPreviewLook look;
        look.zoom = zoom;
        const QImage image = RenderPreviewPage(page, look);
        const double inch = 96.0 * zoom / 100.0;
        ASSERT_EQ(image.width(), qRound(4 * inch));
        EXPECT_EQ(image.pixel(qRound(1.5 * inch), qRound(1.5 * inch)), qRgb(0, 0, 0)) << zoom;
        EXPECT_EQ(image.pixel(qRound(0.9 * inch), qRound(1.5 * inch)), qRgb(255, 255, 255)) << zoom;
        EXPECT_EQ(image.pixel(qRound(2.1 * inch), qRound(2.1 * inch)), qRgb(255, 255, 255)) << zoom;
    }
}
