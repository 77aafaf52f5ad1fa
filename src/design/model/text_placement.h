#pragma once

namespace design {

// Where an object's pixels land on the page: the print driver's offset of
// the surface (inches) plus the pixel position over the pixels per inch.
struct TPagePlacement {
    double XOffset = 0.0;
    double YOffset = 0.0;
    int Left = 0; // the object's position on its surface, in pixels
    int Top = 0;
    int PixelsPerInch = 96;

    // A pixel measured from the object's top-left corner, in page inches.
    double X(double pixel) const { return XOffset + (Left + pixel) / PixelsPerInch; }
    double Y(double pixel) const { return YOffset + (Top + pixel) / PixelsPerInch; }
};

} // namespace design
