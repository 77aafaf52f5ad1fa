// The settings of a user-defined report: the value list in its fixed order
// and units, damaged lists, values brought into range, band shades and the
// four papers.
#include "design/file/design_error.h"
#include "design/file/report_data.h"
#include "reports/report_settings.h"

#include <gtest/gtest.h>

using reports::TBandBorder;
using reports::TReportSettings;

namespace {

std::vector<std::int32_t> Integers(const design::TGReportData& data)
{
    std::vector<std::int32_t> integers;
    for (const design::TGStreamValue& value : data)
        if (value.kind == design::TGStreamValue::Kind::Integer)
            integers.push_back(value.integer);
    return integers;
}

// Every setting away from a new report's value.
TReportSettings Unusual(int ppi)
{
    TReportSettings s = reports::NewReportSettings(ppi);
    s.pageWidth = 1100;
    s.pageHeight = 850;
    s.leftMargin = 61;
    s.topMargin = 77;
    s.rightMargin = 93;
    s.bottomMargin = 101;
    s.headerHeight = 1;
    s.detailHeight = 250;
    s.footerHeight = 47;
    s.useHeader = false;
    s.useDetail = false;
    s.useMemo = true;
    s.useFooter = true;
    s.memoFontName = QStringLiteral("Times New Roman");
    s.memoFontSize = 14;
    s.memoBold = true;
    s.memoItalic = true;
    s.memoAlignment = 2;
    s.defaultFontName = QStringLiteral("Courier New");
    s.defaultFontSize = 8;
    s.defaultBold = true;
    s.defaultItalic = true;
    s.borders[reports::rbHeader] = TBandBorder{true, false, false, false, 2, 20, qRgb(255, 0, 0)};
    s.borders[reports::rbDetail] = TBandBorder{false, true, false, false, 3, 40, qRgb(0, 128, 0)};
    s.borders[reports::rbMemo] = TBandBorder{false, false, true, false, 1, 60, qRgb(0, 0, 255)};
    s.borders[reports::rbFooter] = TBandBorder{false, false, false, true, 2, 100, qRgb(12, 34, 56)};
    return s;
}

TEST(ReportSettings, NewReportWritesItsLengthsInThousandthsAt96)
{
    const std::vector<std::int32_t> integers = Integers(reports::ReportDataOf(reports::NewReportSettings(96), 96));
    const std::vector<std::int32_t> lengths(integers.begin(), integers.begin() + 9);
    EXPECT_EQ(lengths, (std::vector<std::int32_t>{8500, 11000, 500, 500, 500, 500, 343, 343, 343}));
}

TEST(ReportSettings, EverySettingRoundTrips)
{
    for (int ppi : {96, 120}) {
        SCOPED_TRACE(ppi);
        const TReportSettings written = Unusual(ppi);
        TReportSettings read = reports::NewReportSettings(ppi);
        EXPECT_EQ(reports::ReadReportData(reports::ReportDataOf(written, ppi), ppi, read), std::nullopt);
        EXPECT_EQ(read, written);
    }
}

// Damaged lists: cut short anywhere, or a value of the wrong kind in any
// place, and the settings stay as they were.
TEST(ReportSettings, DamagedListLeavesSettingsAsTheyWere)
{
    const design::TGReportData full = reports::ReportDataOf(Unusual(96), 96);
    const TReportSettings before = reports::NewReportSettings(96);
    struct Case {
        const char* name;
        design::TGReportData data;
        QString message;
    };
    std::vector<Case> cases{
        {"empty", {}, design::messages::invalidStreamFormat()},
        {"lengths only", design::TGReportData(full.begin(), full.begin() + 9), design::messages::invalidStreamFormat()},
        {"last colour missing", design::TGReportData(full.begin(), full.end() - 1),
         design::messages::invalidStreamFormat()},
    };
    // A value of another kind at a place of each kind: an integer, a
    // Boolean, a string.
    for (std::size_t at : {std::size_t{0}, std::size_t{9}, std::size_t{13}}) {
        design::TGReportData wrong = full;
        wrong[at] = wrong[at].kind == design::TGStreamValue::Kind::Boolean ? design::TGStreamValue::Integer(1)
                                                                           : design::TGStreamValue::Boolean(true);
        cases.push_back({"wrong kind", wrong, design::messages::invalidPropertyValue()});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TReportSettings settings = before;
        EXPECT_EQ(reports::ReadReportData(c.data, 96, settings), std::optional<QString>(c.message));
        EXPECT_EQ(settings, before);
    }
}

// A file from anywhere may hold values no report could have; they come
// into range instead of making endless pages or invisible frames.
TEST(ReportSettings, ReadValuesAreBroughtIntoRange)
{
    TReportSettings wild = reports::NewReportSettings(96);
    wild.borders[reports::rbHeader].lineWidth = 0;
    wild.borders[reports::rbDetail].lineWidth = 9;
    wild.borders[reports::rbMemo].shadePercent = -5;
    wild.borders[reports::rbFooter].shadePercent = 250;
    wild.memoFontSize = 0;
    wild.memoAlignment = 7;
    design::TGReportData data = reports::ReportDataOf(wild, 96);
    data[7] = design::TGStreamValue::Integer(-2000); // DetailHeight
    data[2] = design::TGStreamValue::Integer(-1);    // LeftMargin

    TReportSettings read;
    ASSERT_EQ(reports::ReadReportData(data, 96, read), std::nullopt);
    EXPECT_EQ(read.borders[reports::rbHeader].lineWidth, 1);
    EXPECT_EQ(read.borders[reports::rbDetail].lineWidth, 3);
    EXPECT_EQ(read.borders[reports::rbMemo].shadePercent, 0);
    EXPECT_EQ(read.borders[reports::rbFooter].shadePercent, 100);
    EXPECT_EQ(read.detailHeight, 0);
    EXPECT_EQ(read.leftMargin, 0);
    EXPECT_GE(read.memoFontSize, 1);
    EXPECT_EQ(read.memoAlignment, 0);
}

TEST(ReportSettings, ThousandthsAreReadRoundedAtTheScreensResolution)
{
    design::TGReportData data = reports::ReportDataOf(reports::NewReportSettings(96), 96);
    TReportSettings read;
    // 343 thousandths: 32.93 pixels at 96, 41.16 at 120.
    ASSERT_EQ(reports::ReadReportData(data, 96, read), std::nullopt);
    EXPECT_EQ(read.headerHeight, 33);
    ASSERT_EQ(reports::ReadReportData(data, 120, read), std::nullopt);
    EXPECT_EQ(read.headerHeight, 41);
    EXPECT_EQ(read.pageWidth, 1020);
}

TEST(ReportSettings, BandShadeLightensTheColourByThePercent)
{
    struct Case {
        QRgb color;
        int percent;
        QRgb shade;
    } cases[] = {
        {qRgb(255, 0, 0), 0, qRgb(255, 255, 255)},
        {qRgb(255, 0, 0), 20, qRgb(255, 204, 204)},
        {qRgb(0, 0, 255), 100, qRgb(0, 0, 255)},
        {qRgb(100, 100, 100), 60, qRgb(162, 162, 162)},
    };
    for (const Case& c : cases) {
        TBandBorder border;
        border.shadeColor = c.color;
        border.shadePercent = c.percent;
        EXPECT_EQ(reports::BandShade(border), c.shade) << c.percent;
    }
}

TEST(ReportSettings, FourPapersAreRecognisedByTheirTruncatedPixels)
{
    struct Case {
        reports::TReportPaper paper;
        const char* text;
        int code;
        QSizeF inches;
        bool landscape;
    } cases[] = {
        {reports::rpLetterPortrait, "Letter Size, Portrait", 1, {8.5, 11.0}, false},
        {reports::rpLetterLandscape, "Letter Size, Landscape", 1, {11.0, 8.5}, true},
        {reports::rpA4Portrait, "A4 Size, Portrait", 9, {8.27, 11.68}, false},
        {reports::rpA4Landscape, "A4 Size, Landscape", 9, {11.68, 8.27}, true},
    };
    for (int ppi : {96, 120}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.text << " at " << ppi);
            TReportSettings settings = reports::NewReportSettings(ppi);
            reports::SetPaper(settings, c.paper, ppi);
            EXPECT_EQ(reports::RecognisePaper(settings, ppi), c.paper);
            EXPECT_EQ(reports::LayoutText(c.paper), QString::fromLatin1(c.text));
            const reports::TReportPage page = reports::ReportPage(settings, ppi);
            EXPECT_EQ(page.paperCode, c.code);
            EXPECT_EQ(page.paperInches, c.inches);
            EXPECT_EQ(page.landscape, c.landscape);
        }
    }
    TReportSettings a4 = reports::NewReportSettings(96);
    reports::SetPaper(a4, reports::rpA4Portrait, 96);
    EXPECT_EQ(QSize(a4.pageWidth, a4.pageHeight), QSize(793, 1121));
}

// Another stored size prints on a sheet of its own size, portrait when
// taller than wide.
TEST(ReportSettings, OtherSizesPrintOnCustomPaper)
{
    TReportSettings settings = reports::NewReportSettings(96);
    settings.pageWidth = 720;
    settings.pageHeight = 960;
    EXPECT_EQ(reports::RecognisePaper(settings, 96), reports::rpOtherPaper);
    EXPECT_EQ(reports::LayoutText(reports::rpOtherPaper), QStringLiteral("Custom Size"));
    reports::TReportPage page = reports::ReportPage(settings, 96);
    EXPECT_EQ(page.paperCode, 0);
    EXPECT_EQ(page.paperInches, QSizeF(7.5, 10.0));
    EXPECT_FALSE(page.landscape);

    std::swap(settings.pageWidth, settings.pageHeight);
    page = reports::ReportPage(settings, 96);
    EXPECT_EQ(page.paperInches, QSizeF(10.0, 7.5));
    EXPECT_TRUE(page.landscape);

    reports::SetPaper(settings, reports::rpOtherPaper, 96);
    EXPECT_EQ(QSize(settings.pageWidth, settings.pageHeight), QSize(960, 720));
}

} // namespace
