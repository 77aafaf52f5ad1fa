// The designer's page area: where the strips and bands go, and the rule
// that keeps header, detail and footer on the page inside its margins.
#include "reports/report_page_area.h"

#include <gtest/gtest.h>

using reports::TReportSettings;

namespace {

TEST(ReportPageArea, NewReportStacksCaptionsBandsAndSizers)
{
    const TReportSettings settings = reports::NewReportSettings(96);
    const reports::TPageAreaLayout layout = reports::LayoutPageArea(settings, reports::MemoBandHeight(settings), 96);
    // 8.5 inches less two half-inch margins less a quarter inch.
    EXPECT_EQ(layout.bandWidth, 816 - 48 - 48 - 24);
    EXPECT_EQ(layout.areaHeight, 1056 - 96 + 100);

    struct Expected {
        reports::TReportBand band;
        int captionTop, bandTop, bandHeight, sizerTop;
        bool sizerEnabled;
    } expected[] = {
        {reports::rbHeader, 0, 20, 33, 53, true},
        {reports::rbDetail, 58, 78, 33, 111, true},
        {reports::rbMemo, 116, 136, 0, 136, false},
        {reports::rbFooter, 141, 161, 0, 161, false},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.band);
        EXPECT_EQ(layout.captions[e.band].top, e.captionTop);
        EXPECT_EQ(layout.captions[e.band].height, 20);
        EXPECT_EQ(layout.bands[e.band].top, e.bandTop);
        EXPECT_EQ(layout.bands[e.band].height, e.bandHeight);
        EXPECT_EQ(layout.sizers[e.band].top, e.sizerTop);
        EXPECT_EQ(layout.sizers[e.band].height, 5);
        EXPECT_EQ(layout.sizerEnabled[e.band], e.sizerEnabled);
    }
}

TEST(ReportPageArea, MemoBandIs33PixelsWhileInUse)
{
    TReportSettings settings = reports::NewReportSettings(96);
    reports::SwitchBand(settings, reports::rbMemo, true, 0, 96);
    ASSERT_EQ(reports::MemoBandHeight(settings), 33);
    const reports::TPageAreaLayout layout = reports::LayoutPageArea(settings, 33, 96);
    EXPECT_EQ(layout.bands[reports::rbMemo].height, 33);
    EXPECT_EQ(layout.captions[reports::rbFooter].top, 141 + 33);
    EXPECT_EQ(layout.areaHeight, 1060 + 33);
    // The memo band's height is not the user's to drag.
    EXPECT_FALSE(layout.sizerEnabled[reports::rbMemo]);
}

// Dragging a sizer far down stops where header, detail and footer together
// reach the page's height inside its margins: 960 pixels on Letter at 96.
TEST(ReportPageArea, OverflowCutsTheChangedBand)
{
    struct Case {
        const char* name;
        bool footer;
        bool memo;
        int wanted;
        int fitted;
    } cases[] = {
        {"fits", false, false, 500, 500},
        {"header beside", false, false, 5000, 960 - 33},
        {"header and footer beside", true, false, 5000, 960 - 33 - 33},
        {"memo takes no page height", true, true, 5000, 960 - 33 - 33},
        {"exactly full", true, false, 894, 894},
        {"dragged above the band's top", false, false, -40, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TReportSettings settings = reports::NewReportSettings(96);
        if (c.footer)
            reports::SwitchBand(settings, reports::rbFooter, true, 0, 96);
        settings.footerHeight = c.footer ? 33 : 0;
        settings.useMemo = c.memo;
        const int memo = reports::MemoBandHeight(settings);
        const int fitted = reports::FitBandHeight(settings, reports::rbDetail, c.wanted, memo, 96);
        EXPECT_EQ(fitted, c.fitted);
        settings.detailHeight = fitted;
        EXPECT_LE(settings.headerHeight + settings.detailHeight + settings.footerHeight, 960);
    }
}

TEST(ReportPageArea, SwitchingBandsOnAndOff)
{
    TReportSettings settings = reports::NewReportSettings(96);

    reports::SwitchBand(settings, reports::rbHeader, false, 0, 96);
    EXPECT_FALSE(settings.useHeader);
    EXPECT_EQ(settings.headerHeight, 0);
    EXPECT_FALSE(reports::LayoutPageArea(settings, 0, 96).sizerEnabled[reports::rbHeader]);

    reports::SwitchBand(settings, reports::rbHeader, true, 0, 96);
    EXPECT_TRUE(settings.useHeader);
    EXPECT_EQ(settings.headerHeight, 20);
    EXPECT_TRUE(reports::LayoutPageArea(settings, 0, 96).sizerEnabled[reports::rbHeader]);

    // With the detail band filling the page, a band switched on gets what
    // is left.
    settings.detailHeight = reports::FitBandHeight(settings, reports::rbDetail, 2000, 0, 96);
    ASSERT_EQ(settings.detailHeight, 940);
    reports::SwitchBand(settings, reports::rbFooter, true, 0, 96);
    EXPECT_TRUE(settings.useFooter);
    EXPECT_EQ(settings.footerHeight, 0);
    settings.detailHeight = 930;
    reports::SwitchBand(settings, reports::rbFooter, true, 0, 96);
    EXPECT_EQ(settings.footerHeight, 10);
}

} // namespace
