// User-defined reports on the recorded pages: where the bands go, their
// shades and frames, page breaks, One Record Per Page, memos, and bands or
// memo lines taller than the page's text area.
#include "report_fixture.h"

#include "design/model/text_labels.h"
#include "output/output_test_support.h"
#include "output/tab_stops.h"
#include "reports/report_design.h"

#include <gtest/gtest.h>

using reports::TReportSettings;
using reports_testing::PrintedText;

namespace {

// A text object at a band's top-left corner prints its first line just
// right of the corner and below it.
::testing::AssertionResult AtBandOrigin(const PrintedText& text, QPointF origin)
{
    const double dx = text.at.x() - origin.x(), dy = text.at.y() - origin.y();
    if (dx >= 0.0 && dx < 0.05 && dy > 0.0 && dy < 0.25)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << text.text.toStdString() << " on page " << text.page << " at ("
                                         << text.at.x() << ", " << text.at.y() << ") for a band at (" << origin.x()
                                         << ", " << origin.y() << ")";
}

// Letter, half-inch margins, header and footer bands of half an inch: the
// text area runs from 1.0 to 10.0 inch, nine inches, and a detail band of
// two inches fits four times.
TReportSettings NineInchArea()
{
    TReportSettings settings = reports::NewReportSettings(96);
    settings.useFooter = true;
    settings.headerHeight = settings.footerHeight = 48;
    settings.detailHeight = 192;
    return settings;
}

class UserReportRunTest : public reports_testing::UserReportRun {};

TEST_F(UserReportRunTest, FourTwoInchDetailsOnANineInchArea)
{
    AddRecords(10);
    RunSample(NineInchArea());
    EXPECT_EQ(records, 10);
    ASSERT_EQ(pages.size(), 3u);
    const QPointF left(0.5 + 0.125, 0.0);
    int record = 0;
    for (const PrintedText& text : Texts()) {
        if (text.text == QStringLiteral("HEAD")) {
            EXPECT_TRUE(AtBandOrigin(text, left + QPointF(0, 0.5)));
        } else if (text.text == QStringLiteral("FOOT")) {
            EXPECT_TRUE(AtBandOrigin(text, left + QPointF(0, 10.0)));
        } else {
            const int slot = record % 4;
            EXPECT_EQ(text.page, record / 4 + 1) << text.text.toStdString();
            EXPECT_EQ(text.text, QStringLiteral("R%1").arg(record + 1, 2, 10, QLatin1Char('0')));
            EXPECT_TRUE(AtBandOrigin(text, left + QPointF(0, 1.0 + 2.0 * slot)));
            ++record;
        }
    }
    EXPECT_EQ(record, 10);
    for (int page = 1; page <= 3; ++page) {
        EXPECT_EQ(TextsOn(page).count(QStringLiteral("HEAD")), 1) << page;
        EXPECT_EQ(TextsOn(page).count(QStringLiteral("FOOT")), 1) << page;
    }
}

TEST_F(UserReportRunTest, OneRecordPerPageStartsEachRecordOnANewPage)
{
    AddRecords(3);
    RunSample(NineInchArea(), true);
    ASSERT_EQ(pages.size(), 3u);
    for (int page = 1; page <= 3; ++page)
        EXPECT_EQ(TextsOn(page), (QStringList{QStringLiteral("HEAD"), QStringLiteral("FOOT"),
                                              QStringLiteral("R0%1").arg(page)}));
}

TEST_F(UserReportRunTest, StopEndsTheReportAfterTheCurrentRecord)
{
    AddRecords(10);
    stopAtEvents = 5;
    RunSample(NineInchArea());
    EXPECT_EQ(records, 5);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(TextsOn(2), (QStringList{QStringLiteral("HEAD"), QStringLiteral("FOOT"), QStringLiteral("R05")}));
}

TEST_F(UserReportRunTest, BandsOffLeaveTheirPlaceToTheTextArea)
{
    AddRecords(2);
    TReportSettings settings = NineInchArea();
    settings.useHeader = false;
    settings.useFooter = false;
    RunSample(settings);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<PrintedText> texts = Texts();
    ASSERT_EQ(texts.size(), 2u) << "no header or footer";
    EXPECT_TRUE(AtBandOrigin(texts[0], {0.625, 0.5}));
    EXPECT_TRUE(AtBandOrigin(texts[1], {0.625, 0.5 + 2.0}));
}

// Each band's shade is its colour lightened by its percent, across the
// frame's width and an inch-hundredth inside its top-left corner.
TEST_F(UserReportRunTest, ShadesTakeTheirBandsColourAndRectangle)
{
    AddRecords(1);
    TReportSettings settings = NineInchArea();
    settings.borders[reports::rbHeader].shadeColor = qRgb(255, 0, 0);
    settings.borders[reports::rbHeader].shadePercent = 20;
    settings.borders[reports::rbDetail].shadeColor = qRgb(0, 0, 255);
    settings.borders[reports::rbDetail].shadePercent = 100;
    settings.borders[reports::rbFooter].shadeColor = qRgb(0, 128, 0);
    settings.borders[reports::rbFooter].shadePercent = 60;
    RunSample(settings);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<output::TShapeOp> shades = Shades(1);
    ASSERT_EQ(shades.size(), 3u);
    const struct {
        QRgb color;
        QRectF rect;
    } expected[] = {
        {qRgb(255, 204, 204), QRectF(QPointF(0.51, 0.51), QPointF(8.0, 1.0))},
        {qRgb(102, 178, 102), QRectF(QPointF(0.51, 10.01), QPointF(8.0, 10.5))},
        {qRgb(0, 0, 255), QRectF(QPointF(0.51, 1.01), QPointF(8.0, 3.0))},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(shades[i].brush.color, expected[i].color);
        EXPECT_EQ(shades[i].pen.style, output::psClear);
        EXPECT_TRUE(reports_testing::Near(shades[i].rect.topLeft(), expected[i].rect.topLeft(), 1e-9));
        EXPECT_TRUE(reports_testing::Near(shades[i].rect.bottomRight(), expected[i].rect.bottomRight(), 1e-9));
    }
}

// Edges of width 1 lie on the band's rectangle; wider ones move inward by
// their width in device pixels so that they stay inside the band.
TEST_F(UserReportRunTest, BordersOfWidthOneAndThree)
{
    AddRecords(1);
    for (int width : {1, 3}) {
        SCOPED_TRACE(width);
        TReportSettings settings = NineInchArea();
        settings.useHeader = settings.useFooter = false;
        settings.borders[reports::rbDetail] = reports::TBandBorder{true, true, true, true, width, 0, qRgb(255, 255, 255)};
        RunSample(settings);
        ASSERT_EQ(pages.size(), 1u);
        const double inset = width >= 2 ? width / 600.0 : 0.0;
        const double left = 0.5 + inset, right = 8.0 - inset, top = 0.5 + inset, bottom = 2.5 - inset;
        const std::vector<output::TShapeOp> lines = Lines(1);
        ASSERT_EQ(lines.size(), 4u);
        const QLineF expected[] = {{left, top, right, top},
                                   {right, top, right, bottom},
                                   {left, bottom, right, bottom},
                                   {left, top, left, bottom}};
        for (std::size_t i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(lines[i].pen.width, -width);
            EXPECT_EQ(lines[i].pen.style, output::psSolid);
            EXPECT_EQ(lines[i].pen.color, qRgb(0, 0, 0));
            EXPECT_TRUE(reports_testing::Near(lines[i].rect.topLeft(), expected[i].p1(), 1e-9));
            EXPECT_TRUE(reports_testing::Near(lines[i].rect.bottomRight(), expected[i].p2(), 1e-9));
        }
    }
}

TEST_F(UserReportRunTest, OnlyTheMemoBandPrintsTheMemosOneAfterTheOther)
{
    AddRecords(3, QStringLiteral("First line\r\nSecond line"));
    TReportSettings settings = reports::NewReportSettings(96);
    settings.useHeader = settings.useDetail = false;
    settings.useMemo = true;
    RunSample(settings);
    EXPECT_EQ(records, 3);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<PrintedText> texts = Texts();
    ASSERT_EQ(texts.size(), 6u);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].text, i % 2 == 0 ? QStringLiteral("First line") : QStringLiteral("Second line"));
        EXPECT_NEAR(texts[i].at.x(), 0.625, 1e-9);
        if (i > 0) {
            EXPECT_GT(texts[i].at.y(), texts[i - 1].at.y());
        }
    }
}

TEST_F(UserReportRunTest, MemoLinesAlignByTheMemoAlignment)
{
    const struct {
        int alignment;
        output::TTextAlign align;
        double x;
    } cases[] = {{0, output::taLeft, 0.625}, {1, output::taRight, 8.5 - 0.625}, {2, output::taCenter, 4.25}};
    AddRecords(1, QStringLiteral("Aligned"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.alignment);
        TReportSettings settings = reports::NewReportSettings(96);
        settings.useHeader = settings.useDetail = false;
        settings.useMemo = true;
        settings.memoAlignment = c.alignment;
        RunSample(settings);
        ASSERT_EQ(pages.size(), 1u);
        const std::vector<output::TTextOp> texts = output_testing::TextsOf(pages[0]);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].align, c.align);
        EXPECT_NEAR(texts[0].position.x(), c.x, 1e-9);
    }
}

// A memo of 100 lines goes on over the following pages, each page showing
// its part of it on the memo's shade, under the detail band it belongs to.
TEST_F(UserReportRunTest, ALongMemoContinuesWithItsShade)
{
    QStringList memo;
    for (int line = 1; line <= 100; ++line)
        memo << QStringLiteral("Line %1").arg(line);
    AddRecords(1, memo.join(QStringLiteral("\r\n")));
    TReportSettings settings = NineInchArea();
    settings.useMemo = true;
    settings.borders[reports::rbMemo].shadePercent = 10;
    settings.borders[reports::rbMemo].shadeColor = qRgb(0, 0, 0);
    RunSample(settings);
    ASSERT_GE(pages.size(), 2u);

    QStringList printed;
    for (const PrintedText& text : Texts())
        if (text.text.startsWith(QStringLiteral("Line ")))
            printed << text.text;
    EXPECT_EQ(printed, memo);
    for (int page = 1; page <= static_cast<int>(pages.size()); ++page) {
        SCOPED_TRACE(page);
        const std::vector<output::TShapeOp> shades = Shades(page);
        ASSERT_EQ(shades.size(), 1u);
        EXPECT_EQ(shades[0].brush.color, output::ShadeColor(qRgb(0, 0, 0), 10));
        EXPECT_GE(shades[0].rect.top(), page == 1 ? 3.0 : 1.0);
        // The block ends the font's descent below its last line.
        EXPECT_LE(shades[0].rect.bottom(), 10.05);
        for (const PrintedText& text : Texts())
            if (text.page == page && text.text.startsWith(QStringLiteral("Line "))) {
                EXPECT_TRUE(shades[0].rect.contains(text.at)) << text.text.toStdString();
            }
    }
}

// Settings from a file may make a band or a memo line taller than the text
// area; every fresh page still takes one, so the report ends.
TEST_F(UserReportRunTest, BandsAndLinesTallerThanTheAreaStillEnd)
{
    // Two lines, each narrower than the page even at 800 points.
    AddRecords(3, QStringLiteral("I\r\nI"));
    TReportSettings settings = NineInchArea();
    settings.detailHeight = 2000;
    RunSample(settings);
    EXPECT_EQ(records, 3);
    EXPECT_EQ(pages.size(), 3u);

    settings = NineInchArea();
    settings.useDetail = false;
    settings.useMemo = true;
    settings.memoFontSize = 800;
    RunSample(settings);
    EXPECT_EQ(records, 3);
    EXPECT_EQ(pages.size(), 6u) << "one line a page";
}

// The name and city lines are fields of the address file while a report
// prints, so a design can show them.
TEST_F(UserReportRunTest, CalculatedFieldsAreReadable)
{
    add({{"LNAME", "Smith"}, {"FNAME", "Ann"}, {"CITY", "Springfield"}, {"STATE", "IL"}});
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
    dataset.SetExtraFields(true);
    design::TGDesignOwner owner(96);
    design::TGSurfaceObjects header(reports::ReportBandClasses()), detail(reports::ReportBandClasses()),
        footer(reports::ReportBandClasses());
    reports_testing::AddField(owner, detail, QStringLiteral("FullName"), QStringLiteral("Full Name"));
    reports_testing::AddField(owner, detail, QStringLiteral("CityStateZip"), QStringLiteral("City, State & Zip"),
                              {0, 20});
    const QString designPath = Path("BIN00002.R");
    ASSERT_TRUE(
        reports::SaveReportDesign(designPath, header, detail, footer, reports::NewReportSettings(96), 96).IsOk());
    RunDesign(designPath);
    ASSERT_EQ(pages.size(), 1u);
    const QStringList texts = TextsOn(1);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("Ann")) && texts[0].contains(QStringLiteral("Smith")))
        << texts[0].toStdString();
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("Springfield"))) << texts[1].toStdString();
}

// The furniture prints when each page starts, so a page number in the
// footer counts the pages.
TEST_F(UserReportRunTest, APageNumberInTheFooterCountsThePages)
{
    AddRecords(9);
    TReportSettings settings = NineInchArea();
    settings.useHeader = false;
    design::TGDesignOwner owner(96);
    design::TGSurfaceObjects header(reports::ReportBandClasses()), detail(reports::ReportBandClasses()),
        footer(reports::ReportBandClasses());
    reports_testing::AddField(owner, detail, QStringLiteral("LNAME"), QStringLiteral("Last Name"));
    auto number = std::make_unique<design::TGPageNumberLabel>(owner);
    number->SetBounds(0, 0, 40, 16);
    footer.Add(std::move(number));
    const QString designPath = Path("BIN00003.R");
    ASSERT_TRUE(reports::SaveReportDesign(designPath, header, detail, footer, settings, 96).IsOk());
    RunDesign(designPath);
    ASSERT_EQ(pages.size(), 3u);
    for (int page = 1; page <= 3; ++page)
        EXPECT_TRUE(TextsOn(page).contains(QString::number(page))) << TextsOn(page).join(u' ').toStdString();
}

} // namespace
