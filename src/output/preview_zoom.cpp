#include "output/preview_zoom.h"

#include <algorithm>

namespace output {

double ClampZoom(double zoom)
{
    return std::clamp(zoom, kMinZoom, kMaxZoom);
}

double BorderPixels(const TZoomFit& fit, double zoom)
{
    const double atFullSize = fit.pageWidth * fit.pixelsPerInchX * fit.marginPercent / 100.0;
    return fit.marginMethod == mmScaled ? atFullSize * zoom / 100.0 : atFullSize;
}

// Solves  page * zoom / 100 + 2 * border(zoom) + shadow = available  for zoom.
static double fitZoom(double available, double pagePixels, const TZoomFit& fit)
{
    if (pagePixels <= 0.0)
        return 100.0;
    const double fixedBorder = fit.marginMethod == mmFixed ? 2.0 * BorderPixels(fit, 100.0) : 0.0;
    const double scaledBorder = fit.marginMethod == mmScaled ? 2.0 * BorderPixels(fit, 100.0) : 0.0;
    const double room = available - fixedBorder - fit.shadowDepth;
    return ClampZoom(room * 100.0 / (pagePixels + scaledBorder));
}

// A page as wide as the window is usually taller than it; the vertical
// scroll bar that then appears must not push the page's edge out of view.
double PageWidthZoom(const TZoomFit& fit)
{
    const double zoom = fitZoom(fit.viewportWidth, fit.pageWidth * fit.pixelsPerInchX, fit);
    const double height = fit.pageHeight * fit.pixelsPerInchY * zoom / 100.0 + 2.0 * BorderPixels(fit, zoom)
                          + fit.shadowDepth;
    if (height <= fit.viewportHeight || fit.scrollBarExtent <= 0)
        return zoom;
    return fitZoom(fit.viewportWidth - fit.scrollBarExtent, fit.pageWidth * fit.pixelsPerInchX, fit);
}

double WholePageZoom(const TZoomFit& fit)
{
    const double byHeight = fitZoom(fit.viewportHeight, fit.pageHeight * fit.pixelsPerInchY, fit);
    return std::min(PageWidthZoom(fit), byHeight);
}

double ResolveZoom(double requested, const TZoomFit& fit)
{
    if (requested <= -1.9)
        return PageWidthZoom(fit);
    if (requested < 0.0)
        return WholePageZoom(fit);
    return ClampZoom(requested);
}

} // namespace output
