#include "reports/windows/report_design_tools.h"

#include "design/panels/panel_report.h"

#include <array>

namespace reports {

namespace {

using design::TRPanelState;

constexpr std::array<TReportDesignTool, 11> kTools { {
    { "Pointerbutton", "Selection tool", TRPanelState::psPointing },
    { "DrawLabelButton", "Text tool", TRPanelState::psLabel },
    { "DrawLinebutton", "Line Tool", TRPanelState::psLine },
    { "DrawImageButton", "Clip Art Tool", TRPanelState::psImage },
    { "DrawFieldButton", "Database Field tool", TRPanelState::psDataLabel },
    { "DrawDateTimeButton", "Date Time Tool", TRPanelState::psDateTime },
    { "DrawPageNumberButton", "Page Number Tool", TRPanelState::psPageNumber },
    { "DrawSymbolButton", "Symbol tool", TRPanelState::psSymbolLabel },
    { "DrawRectanglebutton", "Rectangle tool", TRPanelState::psRectangle },
    { "DrawEllipseButton", "Ellipse tool", TRPanelState::psEllipse },
    { "DrawRoundrectbutton", "Round Rectangle tool", TRPanelState::psRoundRectangle },
} };

} // namespace

std::span<const TReportDesignTool> ReportDesignTools()
{
    return kTools;
}

bool ToolWorksOn(design::TRPanelState tool, design::TRPanelKind band)
{
    // The bands' own placement rule, asked before the click rather than
    // after it.
    return !design::TReportPanel::RefusalFor(tool, band).has_value();
}

} // namespace reports
