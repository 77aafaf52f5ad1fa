#pragma once

#include "output/page_ops.h"

#include <QImage>

namespace output {

// How a page looks on screen: the sheet at a zoom on a grey surround, with
// an optional drop shadow.
struct TPreviewLook {
    double zoom = 100.0;           // percent
    double pixelsPerInchX = 96.0;  // the screen's
    double pixelsPerInchY = 96.0;
    double border = 0.0;           // grey pixels on every side
    int shadowDepth = 0;
    bool monochrome = false;
};

// Draws the page as the preview shows it. The sheet is drawn whole: a
// preview has no unprintable border.
QImage RenderPreviewPage(const TPage& page, const TPreviewLook& look);

} // namespace output
