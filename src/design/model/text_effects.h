#pragma once

#include "design/model/design_color.h"
#include "design/model/design_enums.h"

namespace design {

// The 3D look of a single-line text as the "Text 3D Effects" dialog edits it.
struct TTextEffects {
    TShadowDirection DirectionShadow = TShadowDirection::sdDownRight;
    int DepthShadow = 0;
    TColor colorShadow = ColorValue(0x00808080);
    THighlightDirection DirectionHighlight = THighlightDirection::hdUpLeft;
    int DepthHighlight = 0;
    TColor colorHighlight = ColorValue(0x00FFFF00);
    TColor FontColor = clBlack;

    friend bool operator==(const TTextEffects&, const TTextEffects&) = default;
};

} // namespace design
