#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <bitset>

namespace labels {

// The most labels a sheet can have: the user-defined layout dialog allows
// 10 across and 30 down, and every one of those positions can be printed.
inline constexpr int kMaxAcross = 10;
inline constexpr int kMaxDown = 30;
inline constexpr int kMaxPositions = kMaxAcross * kMaxDown;

// Which positions of a sheet a run uses, numbered across first, then down.
using TPositionMask = std::bitset<kMaxPositions>;

// One sheet of labels as a layout row and the stock catalogue describe it.
// All lengths are inches from the sheet's top-left corner, as the sheet is
// printed (a landscape paper code means SHEETWIDTH is the long side).
struct TLabelGeometry {
    double height = 1.0;       // LBLHEIGHT
    double width = 2.625;      // LBLWIDTH
    int across = 3;            // NBRACROSS
    int down = 10;             // NBRDOWN
    double topMargin = 0.5;    // TOPMARG
    double leftMargin = 0.188; // LEFTMARG
    double horizPitch = 2.765; // HORIZPITCH
    double vertPitch = 1.01;   // VERTPITCH
    double sheetWidth = 8.5;   // SHEETWIDTH
    double sheetDepth = 11.0;  // SHEETDEPTH
    double midExtraX = 0.0;    // MIDEXTRAX, a gap between the column halves
    double midExtraY = 0.0;    // MIDEXTRAY, a gap between the row halves
    QString paperSize = QStringLiteral("LTR"); // PAPERSIZE
    QString shape = QStringLiteral("RR");      // LBLSHAPE

    // The positions of one sheet; 0 for counts outside 1..10 and 1..30.
    int PositionCount() const;
    // Whether positions 0..PositionCount()-1 fit the mask's flags.
    bool HasValidCounts() const;
    // The top-left corner of position `index` (column index % across, row
    // index / across). The middle gaps move the right half of the columns
    // (c >= across / 2) and the lower half of the rows; with one column or
    // one row that half is all of them.
    QPointF PositionOrigin(int index) const;
    // The label at position `index`: its origin and its width and height.
    QRectF PositionRect(int index) const;
};

// Whether a paper code is printed in landscape: "LTRL", "A4L", "USERL".
bool IsLandscapePaper(const QString& paperSize);

} // namespace labels
