#pragma once

#include "design/model/design_font.h"

#include <QFont>

namespace design {

// Design fonts keep their size as a pixel height on the designing screen;
// the font dialog speaks in points. These convert between the two with the
// design's pixels per inch.

// The font as a font dialog should start from: family, point size, styles.
QFont DialogFont(const TGFont& font, int pixelsPerInch);

// The font chosen in a dialog as a design font. A dialog knows nothing of
// colour or pitch, so those come from `previous`, the font the choice
// replaces.
TGFont DesignFontFrom(const QFont& chosen, int pixelsPerInch, const TGFont& previous);

} // namespace design
