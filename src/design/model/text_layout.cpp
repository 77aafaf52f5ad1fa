#include "design/model/text_layout.h"

#include <algorithm>
#include <cmath>

namespace design {

namespace {

int NegativePart(int value) { return value < 0 ? -value : 0; }

int Trunc12(int value) { return static_cast<int>(std::trunc(1.2 * value)); }

// The object hugs its text across the line: between f and 1.2 f, where f is
// the height the text needs with its effects.
void FitSize(const TLabelLayoutInput& in, int needed, TLabelLayout& out)
{
    out.Width = in.Width;
    out.Height = in.Height;
    if (in.Angle == 0 || in.Angle == 180) {
        if (in.Angle == 180 && 2 * in.TextWidth < out.Width)
            out.Width = 2 * in.TextWidth;
        if (out.Width <= 5)
            out.Width = in.TextWidth;
        if (1.2 * needed < out.Height)
            out.Height = Trunc12(needed);
        if (out.Height < needed)
            out.Height = needed;
    } else {
        if (1.2 * in.TextWidth < out.Height)
            out.Height = Trunc12(in.TextWidth);
        if (out.Height < 5)
            out.Height = in.TextWidth;
        if (1.2 * needed < out.Width)
            out.Width = Trunc12(needed);
        if (out.Width < needed)
            out.Width = needed;
    }
}

// An offset given for upright text, turned with the text.
TTextPoint Turned(int angle, TTextPoint offset)
{
    switch (angle) {
    case 90: return {offset.Y, -offset.X};
    case 180: return {-offset.X, -offset.Y};
    case 270: return {-offset.Y, offset.X};
    default: return offset;
    }
}

TTextPoint OriginOf(int angle, const TTextRect& rect)
{
    switch (angle) {
    case 90: return {rect.Left, rect.Bottom};
    case 180: return {rect.Right, rect.Bottom};
    case 270: return {rect.Right, rect.Top};
    default: return {rect.Left, rect.Top};
    }
}

TTextRect MainRect(const TLabelLayoutInput& in, const TLabelLayout& out)
{
    if (in.Angle == 0 || in.Angle == 180) {
        TTextRect rect{out.PadX, out.PadY, out.Width, out.PadY + in.LineHeight};
        if (in.Angle == 180)
            rect = rect.Moved(out.Width + rect.Left - rect.Right - in.Shadow.Y - 1, 0);
        return rect;
    }
    TTextRect rect{out.PadY, out.PadX, out.PadY + in.LineHeight, out.Height - out.PadY};
    if (in.Angle == 90)
        rect = rect.Moved(0, out.Height + rect.Top + in.Highlight.X - rect.Bottom - 1);
    return rect;
}

void AlignHorizontally(const TLabelLayoutInput& in, TLabelLayout& out)
{
    int x = out.Main.Left;
    if (in.Alignment == TAlignment::taRightJustify)
        x = out.Main.Right - in.TextWidth;
    else if (in.Alignment == TAlignment::taCenter)
        x = (out.Main.Right - out.Main.Left) / 2 - in.TextWidth / 2;
    out.MainOrigin.X = x;
    out.HighlightOrigin.X = x + in.Highlight.X;
    out.ShadowOrigin.X = x + in.Shadow.X;
}

} // namespace

TTextPoint ShadowOffset(TShadowDirection direction, int depth)
{
    switch (direction) {
    case TShadowDirection::sdNone: return {0, 0};
    case TShadowDirection::sdRight: return {depth, 0};
    case TShadowDirection::sdLeft: return {-depth, 0};
    case TShadowDirection::sdDownRight: return {depth, depth};
    case TShadowDirection::sdDownLeft: return {-depth, depth};
    case TShadowDirection::sdDown: return {0, depth};
    }
    return {0, 0};
}

TTextPoint HighlightOffset(THighlightDirection direction, int depth)
{
    switch (direction) {
    case THighlightDirection::hdNone: return {0, 0};
    case THighlightDirection::hdright: return {depth, 0};
    case THighlightDirection::hdLeft: return {-depth, 0};
    case THighlightDirection::hdUpRight: return {depth, -depth};
    case THighlightDirection::hdUpLeft: return {-depth, -depth};
    case THighlightDirection::hdUp: return {0, -depth};
    }
    return {0, 0};
}

TLabelLayout LayoutLabel(const TLabelLayoutInput& in)
{
    TLabelLayout out;
    out.PadX = std::max(NegativePart(in.Shadow.X), NegativePart(in.Highlight.X));
    out.PadY = std::max(NegativePart(in.Shadow.Y), NegativePart(in.Highlight.Y));
    FitSize(in, in.LineHeight + in.Shadow.Y - in.Highlight.Y, out);
    out.Main = MainRect(in, out);
    const TTextPoint shadow = Turned(in.Angle, in.Shadow);
    const TTextPoint highlight = Turned(in.Angle, in.Highlight);
    out.Shadow = out.Main.Moved(shadow.X, shadow.Y);
    out.Highlight = out.Main.Moved(highlight.X, highlight.Y);
    out.MainOrigin = OriginOf(in.Angle, out.Main);
    out.ShadowOrigin = OriginOf(in.Angle, out.Shadow);
    out.HighlightOrigin = OriginOf(in.Angle, out.Highlight);
    if (in.Angle == 0)
        AlignHorizontally(in, out);
    return out;
}

TTextPoint GrowToFitSize(const TLabelLayout& layout, const TGrowInput& input)
{
    const int left = std::max({layout.Main.Left, layout.Shadow.Left, layout.Highlight.Left});
    const int top = std::max({layout.Main.Top, layout.Shadow.Top, layout.Highlight.Top});
    return {std::max(input.Width, left + input.WidthWithBlanks), std::max(input.Height, top + input.TextHeight)};
}

} // namespace design
