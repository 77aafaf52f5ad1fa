#pragma once

#include "design/surface/surface_types.h"

#include <span>

namespace reports {

// A creation tool of the report designer: its button, the hint the button
// shows, and the band state it sets.
struct TReportDesignTool {
    const char* buttonName;
    const char* hint;
    design::TRPanelState state;
};

// The eleven tools in the order of the tool bar; the first is selection.
std::span<const TReportDesignTool> ReportDesignTools();

// Whether a band takes objects of the tool: the bands a tool may not be
// used on are switched off while it is chosen, so a click there only beeps.
bool ToolWorksOn(design::TRPanelState tool, design::TRPanelKind band);

} // namespace reports
