#pragma once

#include "design/model/design_font.h"
#include "output/page_ops.h"

#include <QBrush>
#include <QPen>

// A design object's pen and brush as the page output engine and the screen
// painter take them.
namespace design {

output::TPenStyle ToOutputPenStyle(TPenStyle style);
// The engine draws in copy, xor and invert modes; the other raster modes of
// old designs print as copy.
output::TPenMode ToOutputPenMode(TPenMode mode);
output::TBrushStyle ToOutputBrushStyle(TBrushStyle style);

// A screen pen of the given width in pixels (0 draws no line).
QPen ToScreenPen(const TGPen& pen, int width);
QBrush ToScreenBrush(const TGBrush& brush);

} // namespace design
