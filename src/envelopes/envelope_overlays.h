#pragma once

#include <QMarginsF>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <array>

namespace envelopes {

// The printer's page as the envelope surface shows it: the unprintable
// borders and the paper, in screen pixels at 100 % zoom.
struct TPrinterArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int paperWidth = 0;
    int paperHeight = 0;
};

// A box drawn over the surface. Its right and bottom edges lie just outside
// it, as the far corner of a rectangle handed to the screen's drawing does.
struct TOverlayBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    QString caption;

    QRect Area() const { return QRect(left, top, right - left, bottom - top); }
    QPoint CaptionAt() const { return QPoint(left + 2, top + 2); }
};

// The surface of an envelope of that size in inches: rounded, halves to even.
QSize EnvelopeSurfaceSize(QSizeF envelopeInches, int pixelsPerInch);

// The device's borders and paper in inches, truncated to whole pixels.
TPrinterArea PrinterAreaInPixels(const QMarginsF& unprintableInches, QSizeF paperInches, int pixelsPerInch);

// The printable part of the page at the zoom, each coordinate truncated.
TOverlayBox PrinterMarginBox(const TPrinterArea& area, double zoom);

// The four zones of the postal automation template on a surface of that
// size (pixels, already zoomed): return address, barcode clear zone, address
// and FIM, in that order, with their captions.
std::array<TOverlayBox, 4> AutomationTemplateBoxes(QSize surface, double zoom, int pixelsPerInch);

} // namespace envelopes
