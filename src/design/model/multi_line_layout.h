#pragma once

#include "design/model/design_enums.h"

#include <QStringList>

#include <vector>

// Placement rules of multi-line text, shared by painting and printing.
namespace design {

// The lines the screen shows: the placeholder stands in for no text at all,
// and follows a single blank line so the object never looks empty.
QStringList ScreenLines(const QStringList& lines, const QString& placeholder);

// Left edge of a line on the screen, in object pixels.
int ScreenLineX(TAlignment alignment, int objectWidth, int textWidth);

// Left edge of a printed line from the object's left edge, in inches; one
// screen pixel keeps right-aligned text off the edge as on the screen.
double PrintedLineOffset(TAlignment alignment, double objectWidth, double textWidth, double onePixel);

// The top and bottom (inches) of each printed line: lines start one under
// the other from the object's top, stop once a line would start at or below
// its bottom, and the last one is cut at the bottom.
struct TLineBand {
    double Top = 0.0;
    double Bottom = 0.0;
};
std::vector<TLineBand> PrintedLineBands(int lineCount, double top, double bottom, double lineHeight);

} // namespace design
