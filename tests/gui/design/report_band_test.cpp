// Report bands refuse the objects that do not belong in them.

#include "design/model/design_owner.h"
#include "design/panels/panel_report.h"
#include "support/temp_dir.h"
#include "surface_mouse.h"
#include "ui/scripted_services.h"

#include <gtest/gtest.h>

using design::TRPanelKind;
using design::TRPanelState;

TEST(ReportBand, RefusesToolsOutsideTheirBands)
{
    const struct {
        TRPanelState tool;
        TRPanelKind band;
        const char* message;
    } cases[] = {
        {TRPanelState::psMultiLineDataLabel, TRPanelKind::rpkDetail, "This object may only be used in the memo band"},
        {TRPanelState::psDataLabel, TRPanelKind::rpkHeader, "This object may only be used in the detail band"},
        {TRPanelState::psPageNumber, TRPanelKind::rpkDetail,
         "This object may only be used in the header or footer bands"},
        {TRPanelState::psImage, TRPanelKind::rpkFooter, "This object may only be used in the header band"},
    };
    for (const auto& c : cases) {
        quorvel::TScriptedServices ui;
        testing_support::TempDir home;
        design::TGDesignOwner owner;
        design::TReportPanel band(owner, c.band, QString::fromStdString(home.path()));
        band.resize(400, 80);
        band.SetPanelState(c.tool);
        TSurfaceMouse mouse(band);
        mouse.Press(QPoint(10, 10));
        mouse.Release(QPoint(100, 40));
        EXPECT_EQ(band.Objects().Count(), 0) << c.message;
        EXPECT_EQ(ui.messages.lastText(), QString::fromLatin1(c.message));
        EXPECT_EQ(ui.messages.beeps(), 1) << c.message;
    }
}

TEST(ReportBand, LineToolDrawsAHorizontalLineInAnyBand)
{
    quorvel::TScriptedServices ui;
    testing_support::TempDir home;
    design::TGDesignOwner owner;
    design::TReportPanel band(owner, TRPanelKind::rpkDetail, QString::fromStdString(home.path()));
    band.resize(400, 80);
    band.SetPanelState(TRPanelState::psLine);
    TSurfaceMouse mouse(band);
    mouse.Press(QPoint(10, 10));
    mouse.Release(QPoint(200, 30));
    ASSERT_EQ(band.Objects().Count(), 1);
    EXPECT_EQ(band.Objects().At(0)->ClassName(), QByteArrayLiteral("TGLineShape"));
    EXPECT_TRUE(ui.messages.shown().isEmpty());
}
