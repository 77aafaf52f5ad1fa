#include "envelopes/windows/envelope_design_tools.h"

#include <array>

namespace envelopes {

namespace {

constexpr std::array<TEnvelopeDesignTool, 12> kTools { {
    { "Pointerbutton", "Selection tool", TEPanelState::psPointing },
    { "DrawLabelButton", "Text tool", TEPanelState::psLabel },
    { "DrawMLTextButton", "Multi-line text tool", TEPanelState::psMultiLineLabel },
    { "DrawRectanglebutton", "Rectangle tool", TEPanelState::psRectangle },
    { "DrawEllipseButton", "Ellipse tool", TEPanelState::psEllipse },
    { "DrawRoundrectbutton", "Round Rectangle tool", TEPanelState::psRoundRectangle },
    { "DrawLinebutton", "Line Tool", TEPanelState::psLine },
    { "DrawImageButton", "Clip Art Tool", TEPanelState::psImage },
    { "DrawPostNetBarCodeButton", "Postnet Barcode tool", TEPanelState::psPostNetBarCode },
    { "DrawFieldButton", "Database Field tool", TEPanelState::psDataLabel },
    { "DrawAddressButton", "Database Mailing Address tool", TEPanelState::psAddressLabel },
    { "DrawFIMBarCodeButton", "FIM Barcode tool", TEPanelState::psFIMBarCode },
} };

} // namespace

std::span<const TEnvelopeDesignTool> EnvelopeDesignTools()
{
    return kTools;
}

} // namespace envelopes
