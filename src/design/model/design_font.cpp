#include "design/model/design_font.h"

#include <cmath>

namespace design {

namespace {

// a * b / c rounded half away from zero, as the platform's MulDiv does.
int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return 0;
    return static_cast<int>(std::llround(static_cast<double>(a) * b / c));
}

} // namespace

int TGFont::HeightForPoints(int points, int pixelsPerInch) { return -MulDiv(points, pixelsPerInch, 72); }

int TGFont::PointSize(int pixelsPerInch) const { return -MulDiv(Height, 72, pixelsPerInch); }

TGFont TGFont::Make(const QString& name, int points, int pixelsPerInch, TColor color)
{
    TGFont font;
    font.Color = color;
    font.Height = HeightForPoints(points, pixelsPerInch);
    font.Name = name;
    return font;
}

} // namespace design
