#pragma once

#include "design/model/design_enums.h"

#include <QRect>
#include <QRectF>

#include <array>
#include <vector>

// The Facing Identification Mark: nine bar positions 1/16 inch apart, each
// bar 1/32 inch wide and 9/16 inch high. Pure geometry.
namespace design::fim {

inline constexpr int kPositions = 9;
inline constexpr double kBarWidth = 1.0 / 32.0;
inline constexpr double kBarPitch = 1.0 / 16.0;
inline constexpr double kBarHeight = 9.0 / 16.0;
// The square the mark takes on the screen.
inline constexpr double kScreenSide = 5.0 / 8.0;

// Which of the nine positions carry a bar (FIM A 110010011, B 101101101,
// C 110101011).
std::array<bool, kPositions> Pattern(TFIMBarCodeType type);

// The bars on paper in inches, the first position's top-left at (x, y).
std::vector<QRectF> PrintBars(TFIMBarCodeType type, double x, double y);

// The side of the square object on the screen, in pixels.
int ScreenSide(int pixelsPerInch, float zoom);
// The bars on the screen in pixels from the object's top-left corner, as
// (left, top) to (right, bottom) with the right and bottom edges excluded.
std::vector<QRect> ScreenBars(TFIMBarCodeType type, int pixelsPerInch, float zoom);

} // namespace design::fim
