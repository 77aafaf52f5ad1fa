#include "labels/windows/label_design_tools.h"

#include <array>

namespace labels {

namespace {

using design::TLPanelState;

constexpr std::array<TLabelDesignTool, 14> kTools { {
    { "Pointerbutton", "Selection tool", TLPanelState::psPointing },
    { "DrawLabelButton", "Text tool", TLPanelState::psLabel },
    { "DrawMLTextButton", "Multi-line text tool", TLPanelState::psMultiLineLabel },
    { "DrawCounterbutton", "Counter tool", TLPanelState::psCounterLabel },
    { "DrawSymbolButton", "Symbol tool", TLPanelState::psSymbolLabel },
    { "DrawRectanglebutton", "Rectangle tool", TLPanelState::psRectangle },
    { "DrawEllipseButton", "Ellipse tool", TLPanelState::psEllipse },
    { "DrawRoundrectbutton", "Round Rectangle tool", TLPanelState::psRoundRectangle },
    { "DrawLinebutton", "Line Tool", TLPanelState::psLine },
    { "DrawImageButton", "Clip Art Tool", TLPanelState::psImage },
    { "DrawPostNetBarCodeButton", "Postnet Barcode tool", TLPanelState::psPostNetBarCode },
    { "DrawFieldButton", "Database Field tool", TLPanelState::psDataLabel },
    { "DrawMemoFieldButton", "Database Memo Field tool", TLPanelState::psMultiLineDataLabel },
    { "DrawAddressButton", "Database Mailing Address tool", TLPanelState::psAddressLabel },
} };

} // namespace

std::span<const TLabelDesignTool> LabelDesignTools()
{
    return kTools;
}

} // namespace labels
