#pragma once

#include "design/model/design_color.h"
#include "design/model/design_font.h"

#include <QFont>
#include <QRgb>
#include <QString>

namespace design {

// The screen font of a design font: its pixel height at the design's pixels
// per inch, with the point size cut to Trunc(points × zoom) when zoomed.
QFont ScreenFont(const TGFont& font, int pixelsPerInch, float zoom);

// The RGB value of a design colour; system colours take the usual
// desktop values (window text black, window white and so on).
QRgb ColorToRgb(TColor color);

// Text measurement in screen pixels, as the text objects lay themselves out.
// The screen's font metrics in the program; fixed metrics in tests, so that
// layouts do not depend on the fonts a machine has.
class TTextMetrics {
public:
    virtual ~TTextMetrics() = default;

    // External leading + internal leading + character height: the internal
    // leading counts twice, as the text objects have always measured it.
    virtual int LineHeight(const QFont& font) const = 0;
    virtual int TextWidth(const QFont& font, const QString& text) const = 0;
    // Ascent + descent of the font.
    virtual int TextHeight(const QFont& font) const = 0;
};

// Metrics of the screen fonts.
const TTextMetrics& ScreenTextMetrics();

} // namespace design
