#pragma once

#include "design/model/design_color.h"

#include <QColor>
#include <QRgb>

namespace design {

// The colour a design colour shows as: $00BBGGRR directly, a system colour
// index as the usual Windows default of that element (window text black,
// window white, button face light grey ...).
QRgb ToQRgb(TColor color);
QColor ToQColor(TColor color);
// An explicit design colour ($00BBGGRR) for a colour chosen on the screen.
TColor FromQColor(const QColor& color);

} // namespace design
