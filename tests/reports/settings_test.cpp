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

} // namespace
