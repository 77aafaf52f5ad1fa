#pragma once

#include "design/surface/surface_types.h"

#include <span>

namespace labels {

// A creation tool of the label design screen: its button, the hint the
// button shows, and the surface state it sets.
struct TLabelDesignTool {
    const char* buttonName;
    const char* hint;
    design::TLPanelState state;
};

// The fourteen tools in the order of the tool bar; the first is selection.
std::span<const TLabelDesignTool> LabelDesignTools();

} // namespace labels
