#pragma once

#include "labels/label_geometry.h"

#include <QString>

#include <exception>
#include <span>

namespace labels {

// A geometry the user-defined layout dialog (and the command line) must not
// accept; the message is the text shown to the user.
class EValid : public std::exception {
public:
    explicit EValid(QString message) : message_(std::move(message)), bytes_(message_.toUtf8()) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return bytes_.constData(); }

private:
    QString message_;
    QByteArray bytes_;
};

// A layout row keeps lengths as N(6,3): three decimals, from -9.999 to
// 99.999 inches.
inline constexpr double kMaxStoredLength = 99.999;

// One of the eight lengths the user types, with the caption of its field.
struct TLengthField {
    double TLabelGeometry::*member;
    const char* caption;
};
// Label height and width, the pitches, the margins and the paper size, in
// the order the geometry's own checks name them.
std::span<const TLengthField> EnteredLengths();

// A length as a layout row stores it: rounded to three decimals.
double StoredLength(double inches);

// Checks a geometry in inches and throws EValid at the first failure:
// height at least 0.3, width at least 0.5, the pitches at least the label
// size where there is more than one label across or down, the paper at
// least 0.3 each way. Then, so that nothing is accepted that the layout
// table cannot hold, each entered length as stored must be a number from 0
// to 99.999, and the counts within 1..10 across and 1..30 down. Whether the
// labels fit on the sheet is not checked.
void ValidLabel(const TLabelGeometry& geometry);

} // namespace labels
