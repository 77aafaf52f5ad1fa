#pragma once

#include "design/model/design_enums.h"

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

// The POSTNET code as the post office reads it: which digits a record
// encodes, the check digit, the bar pattern and where each bar lies on the
// page. Pure functions, so every rule is tested without a device.
namespace design::postnet {

// Inches on paper.
inline constexpr double kBarWidth = 0.015;
inline constexpr double kBarPitch = 0.046;
inline constexpr double kFullBarHeight = 0.125;
inline constexpr double kHalfBarHeight = 0.055;

// The two delivery-point digits of an address line ("123 MAIN ST" -> "23").
QString DeliveryPointDigits(const QString& addressLine);

// The digits to encode, check digit included, or nothing when the ZIP text
// is not a usable ZIP code. Only lengths the post office reads are produced:
// five digits, nine, or nine plus the delivery point (12 with the check).
std::optional<QString> EncodedDigits(const QString& zipText, const QString& addressLine,
                                     TPostNetBarCodeType type);

// The digit that brings the sum of all digits to a multiple of ten.
int CheckDigit(const QString& digits);

// The bars of the whole barcode, left to right: true for a full bar, false
// for a half bar. The frame bars are included.
std::vector<bool> BarPattern(const QString& digitsWithCheck);

// The filled rectangles of the bars with the first bar's top-left corner at
// (x, y), in inches.
std::vector<QRectF> BarRectangles(const std::vector<bool>& pattern, double x, double y);

} // namespace design::postnet
