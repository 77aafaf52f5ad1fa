#pragma once

#include "design/model/design_enums.h"

namespace design {

// A rectangle by its edges, in object pixels; Right and Bottom lie just
// outside it, as the platform's drawing calls take them.
struct TTextRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    TTextRect Moved(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    friend bool operator==(const TTextRect&, const TTextRect&) = default;
};

struct TTextPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TTextPoint&, const TTextPoint&) = default;
};

TTextPoint ShadowOffset(TShadowDirection direction, int depth);
TTextPoint HighlightOffset(THighlightDirection direction, int depth);

// What the layout of a single-line text needs to know.
struct TLabelLayoutInput {
    int Angle = 0; // 0, 90, 180 or 270
    TAlignment Alignment = TAlignment::taLeftJustify;
    TTextPoint Shadow;    // offset of the shadow text
    TTextPoint Highlight; // offset of the highlight text
    int LineHeight = 0;   // of the font, as TTextMetrics::LineHeight
    int TextWidth = 0;    // of the caption followed by one blank
    int Width = 0;        // current size of the object
    int Height = 0;
};

// Where a single-line text goes inside its object: the size the object takes
// (it hugs its text across the line, between the text's height and 1.2
// times it), the main, shadow and highlight rectangles, and the point each
// text starts at. For rotated text the start is the corner of the text's own
// top-left, wherever the rotation puts it.
struct TLabelLayout {
    int Width = 0;
    int Height = 0;
    int PadX = 0;
    int PadY = 0;
    TTextRect Main, Shadow, Highlight;
    TTextPoint MainOrigin, ShadowOrigin, HighlightOrigin;
};

TLabelLayout LayoutLabel(const TLabelLayoutInput& input);

// The size a horizontal text grows to so that its caption fits: the text
// width plus five blanks from the leftmost start, its height from the
// topmost; never smaller than the current size.
struct TGrowInput {
    int WidthWithBlanks = 0; // caption followed by five blanks
    int TextHeight = 0;
    int Width = 0;
    int Height = 0;
};
TTextPoint GrowToFitSize(const TLabelLayout& layout, const TGrowInput& input);

} // namespace design
