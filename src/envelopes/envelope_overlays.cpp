#include "envelopes/envelope_overlays.h"

#include <algorithm>
#include <cmath>

namespace envelopes {

namespace {

// Mail that is wider than this is addressed from the right-hand edge.
constexpr double kWideEnvelopeInches = 10.25;

int Truncated(double value) { return static_cast<int>(std::trunc(value)); }

// The default rounding mode sends halves to the even neighbour.
int RoundedEven(double value) { return static_cast<int>(std::nearbyint(value)); }

} // namespace

QSize EnvelopeSurfaceSize(QSizeF envelopeInches, int pixelsPerInch)
{
    return QSize(RoundedEven(envelopeInches.width() * pixelsPerInch),
                 RoundedEven(envelopeInches.height() * pixelsPerInch));
}

TPrinterArea PrinterAreaInPixels(const QMarginsF& unprintableInches, QSizeF paperInches, int pixelsPerInch)
{
    const auto pixels = [pixelsPerInch](double inches) { return Truncated(inches * pixelsPerInch); };
    return {pixels(unprintableInches.left()),  pixels(unprintableInches.top()),
            pixels(unprintableInches.right()), pixels(unprintableInches.bottom()),
            pixels(paperInches.width()),       pixels(paperInches.height())};
}

TOverlayBox PrinterMarginBox(const TPrinterArea& area, double zoom)
{
    const auto zoomed = [zoom](int pixels) { return Truncated(pixels * zoom); };
    return {zoomed(area.left), zoomed(area.top), zoomed(area.paperWidth - area.right),
            zoomed(area.paperHeight - area.bottom), QString()};
}

std::array<TOverlayBox, 4> AutomationTemplateBoxes(QSize surface, double zoom, int pixelsPerInch)
{
    const int w = surface.width();
    const int h = surface.height();
    const auto in = [zoom, pixelsPerInch](double inches) { return Truncated(inches * pixelsPerInch * zoom); };
    const bool wide = w / zoom >= kWideEnvelopeInches * pixelsPerInch;
    const int addressLeft = wide ? w - in(9.75) : in(0.5);
    return {{
        {1, 1, w / 2, std::min(h - in(2.75), h / 3), QStringLiteral("[Return Address Area]")},
        {w - in(4), h - in(0.625), w - in(0.5), h - 1, QStringLiteral("[Barcode Clear Zone]")},
        {addressLeft, h - in(2.75), w - in(0.5), h - in(0.625), QStringLiteral("[Address Area]")},
        {w - in(3), 1, w - in(2), in(0.625), QStringLiteral("[FIM Area]")},
    }};
}

} // namespace envelopes
