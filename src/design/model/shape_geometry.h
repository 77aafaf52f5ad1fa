#pragma once

#include "design/model/design_enums.h"
#include "design/model/graphic_control.h"

#include <QLine>
#include <QLineF>
#include <QRect>
#include <QRectF>

// Where shapes and lines lie on the screen and on paper. Screen rectangles
// are given as (left, top) to (right, bottom) with the right and bottom
// edges excluded; paper coordinates are inches. Pure functions.
namespace design::shape_geometry {

// A pen width scaled to the zoom, rounded half to even; at least 1 when the
// pen itself has a width.
int ScreenPenWidth(int penWidth, float zoom);

// The rectangle a shape is drawn in so that a pen of width pw stays inside
// the object: (o, o) to (width + o - pw + 1, height + o - pw + 1), o = pw / 2.
QRect ShapeScreenRect(int width, int height, int penWidth);
// The side of a rounded corner's ellipse: RoundPerc percent of the longer side.
int RoundCornerPixels(int roundPercent, int width, int height);

// The object's rectangle on paper.
QRectF PageRect(const TGBounds& bounds, int pixelsPerInch, double xOffset, double yOffset);
// A shape's pen on paper, in hundredths of an inch.
int ShapePenHundredths(int penWidth, int pixelsPerInch);
// The corner of a printed rounded rectangle, in inches.
double PrintCornerInches(int roundPercent, const TGBounds& bounds, const QRectF& pageRect);

// A line on the screen for the style, in the object's pixels.
QLine LineScreenPoints(TLineStyle style, int width, int height, int penWidth);
// A line on paper for the style, in inches.
QLineF LinePagePoints(TLineStyle style, const TGBounds& bounds, int penWidth, int pixelsPerInch, double xOffset,
                      double yOffset);

// The engine's pen width argument for a width in hundredths of an inch:
// negative hundredths, or one device dot when the width rounds to nothing.
int EnginePenWidth(int hundredths);

} // namespace design::shape_geometry
