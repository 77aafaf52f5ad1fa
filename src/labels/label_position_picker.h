#pragma once

#include "labels/label_geometry.h"

#include <QRect>
#include <QSize>

// The position picker draws the sheet at one fifth of its size so that a
// whole sheet fits the dialog, and the user clicks the labels to use. The
// rectangles are computed from truncated lengths, each separately, so a
// click lands on the label the user sees drawn.
namespace labels {

// Distance of the page outline from the paint box's corner, in pixels.
inline constexpr int kPickerInset = 10;

// Pixels per inch of the one-fifth picture: 0.2 times the screen's.
double PickerScale(int pixelsPerInch);

// The page outline: from (10, 10) to 10 plus the scaled sheet size.
QRect PickerPageRect(const TLabelGeometry& geometry, int pixelsPerInch);

// The rectangle of position `index` (across first, then down): every
// length scaled and truncated on its own, then put together, plus the
// inset; the middle gaps shift the right and lower halves as on paper.
QRect PickerPositionRect(const TLabelGeometry& geometry, int index, int pixelsPerInch);

// The position under a point of the picture, or -1.
int PickerPositionAt(const TLabelGeometry& geometry, QPoint point, int pixelsPerInch);

// "Start at position" offers 1 up to the positions of one sheet; anything
// outside that is brought back into it.
int ClampedStartPosition(int position, const TLabelGeometry& geometry);

} // namespace labels
