#pragma once

#include "labels/label_geometry.h"

#include <QSize>

namespace design {
class TGDesignOwner;
class TGGraphicControl;
class TGSurfaceObjects;
struct TGFont;
} // namespace design

namespace labels {

// The design surface of one label at 100 %: its height and width in inches
// times the screen's pixels per inch, rounded (halves to even).
QSize LabelSizeInPixels(const TLabelGeometry& geometry, int pixelsPerInch);

// What a new label starts with: an address block from (5, 5) to (width -
// 10, height - 10) of the label surface, in the font new objects get, named
// as a placed object. It keeps that size whatever record is shown, so an
// address with more lines than the screen's record still prints whole.
design::TGGraphicControl* AddNewLabelAddressBlock(design::TGDesignOwner& owner, design::TGSurfaceObjects& surface,
                                                  QSize labelSize, const design::TGFont& font);

} // namespace labels
