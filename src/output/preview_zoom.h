#pragma once

namespace output {

enum TMarginMethod { mmScaled, mmFixed };

inline constexpr double kMinZoom = 10.0;
inline constexpr double kMaxZoom = 200.0;

// What the fitting zooms depend on: the visible area of the scroll box in
// pixels, the page in inches, the screen's resolution and the grey border.
struct TZoomFit {
    double viewportWidth = 0.0;
    double viewportHeight = 0.0;
    double pageWidth = 8.5;
    double pageHeight = 11.0;
    double pixelsPerInchX = 96.0;
    double pixelsPerInchY = 96.0;
    double marginPercent = 0.0; // of the page width, on every side
    TMarginMethod marginMethod = mmFixed;
    int shadowDepth = 0;
    int scrollBarExtent = 0; // width a vertical scroll bar takes when it appears
};

// Zoom percents outside 10 ... 200 are brought to the nearer limit.
double ClampZoom(double zoom);

// A requested zoom of -1.9 or less asks for the page width, one between
// -1.9 and 0 for the whole page; anything else is a percent.
double ResolveZoom(double requested, const TZoomFit& fit);

double PageWidthZoom(const TZoomFit& fit);
double WholePageZoom(const TZoomFit& fit);

// The grey border around the page in pixels at the given zoom.
double BorderPixels(const TZoomFit& fit, double zoom);

} // namespace output
