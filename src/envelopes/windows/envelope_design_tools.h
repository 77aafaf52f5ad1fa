#pragma once

#include "envelopes/windows/envelope_panel.h"

#include <span>

namespace envelopes {

// A creation tool of the envelope design screen: its button, the hint the
// button shows, and the surface state it sets.
struct TEnvelopeDesignTool {
    const char* buttonName;
    const char* hint;
    TEPanelState state;
};

// The twelve tools in the order of the tool bar; the first is selection.
std::span<const TEnvelopeDesignTool> EnvelopeDesignTools();

} // namespace envelopes
