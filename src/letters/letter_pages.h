#pragma once

#include "letters/letter_page.h"

#include <QPoint>
#include <QRect>

class QPainter;
class QPaintDevice;
class QTextDocument;

namespace letters {

// Where a letter's text goes on a device, in its pixels, relative to the
// printable area's corner (where a printer's painter starts): the margins at
// the device's resolution, less the border the device cannot print on.
// Integer arithmetic, truncating, as every device of the program lays out
// letters alike.
QRect PrintableRect(const TLetterPage& page, int pixelsPerInchX, int pixelsPerInchY, QPoint unprintableOffset);

// A letter laid out for one device: the document's pages at the printable
// rectangle, laid out at 96 dpi and drawn scaled to the device, so that the
// designer's preview, the printer and the PDF break their pages alike. The document is
// laid out in place (its page size, margin and paint device are set) and
// must outlive the layout.
class TLetterPages {
public:
    TLetterPages(QTextDocument& document, const TLetterPage& page, QPaintDevice& device, QPoint unprintableOffset);

    // Empty when the margins leave no room on this device; nothing is drawn.
    QRect Rect() const { return rect_; }
    bool Usable() const { return !rect_.isEmpty(); }
    int PageCount() const;
    // Draws page `index` (0-based) into the printable rectangle, clipped to
    // it; the painter's state is left as it was.
    void DrawPage(QPainter& painter, int index) const;

private:
    QTextDocument& document_;
    QRect rect_;
    // Device pixels per layout pixel.
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
};

} // namespace letters
