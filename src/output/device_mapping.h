#pragma once

namespace output {

// Measuring units of a job; every length a caller gives is in these units
// and becomes inches by dividing by the units factor.
enum TUnits { unInch, unMM, unCM, unPoint, unUser };

// Units per inch for the given unit; unUser takes the caller's factor.
double UnitsPerInch(TUnits units, double userFactor);

// How a position on the sheet (inches from its top-left edge) becomes a
// device pixel. Devices cannot print into their unprintable border and put
// their origin at its inner corner, so that border is subtracted; scaling and
// zoom stretch the sheet but not the border.
struct TDeviceMapping {
    double pixelsPerInchX = 96.0;
    double pixelsPerInchY = 96.0;
    double unprintableLeft = 0.0; // inches
    double unprintableTop = 0.0;  // inches
    double scaleX = 100.0;        // percent
    double scaleY = 100.0;        // percent
    double zoom = 100.0;          // percent; 100 for printers

    double factorX() const { return scaleX * zoom / 10000.0; }
    double factorY() const { return scaleY * zoom / 10000.0; }

    double pixelX(double inches) const { return (inches * factorX() - unprintableLeft) * pixelsPerInchX; }
    double pixelY(double inches) const { return (inches * factorY() - unprintableTop) * pixelsPerInchY; }
    int deviceX(double inches) const;
    int deviceY(double inches) const;

    // A length (not a position) in device pixels.
    double lengthX(double inches) const { return inches * factorX() * pixelsPerInchX; }
    double lengthY(double inches) const { return inches * factorY() * pixelsPerInchY; }

    // Pixel height of a font of the given point size on this device.
    double fontPixels(double points) const { return lengthY(points / 72.0); }

    // Pen widths: zero or more is device pixels as given; a negative width is
    // hundredths of an inch, scaled like the page and never under one pixel.
    double penPixels(int width) const;
};

} // namespace output
