#pragma once

#include "output/page_ops.h"

#include <QFont>

class QPaintDevice;

namespace output {

// Makes the fonts that designs name (Arial, Times New Roman, Courier New,
// Wingdings, Symbol, ...) resolve to installed faces with the same metrics,
// so that text measures the same as on the systems the designs came from.
// Safe to call often; the work is done once per application.
void EnsureDesignFonts();

// The Qt font for a font spec, sized so that its em is `pixels` high on
// `device`. Hinting is off so that widths scale exactly with the size: the
// preview, the printer and the measurer then agree at every zoom.
QFont MakeQFont(const TFontSpec& spec, double pixels, const QPaintDevice& device);

} // namespace output
