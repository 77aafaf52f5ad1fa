#pragma once

#include <QRect>
#include <QString>

namespace quorvel {

class TIniFile;

// A window's remembered place: the four sides of its normal-state rectangle
// (right and bottom exclusive, as stored) and whether it was maximized.
struct TPlacement {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool maximized = false;

    // "Bottom" 0 means nothing was stored: the window is centred. So is one
    // whose sides are crossed, which only a damaged file holds.
    bool hasRectangle() const { return bottom != 0 && right > left && bottom > top; }
    QRect rect() const { return QRect(left, top, right - left, bottom - top); }
    static TPlacement fromRect(const QRect& rect, bool maximized);

    bool operator==(const TPlacement&) const = default;
};

// The screen as placement sees it: the size of the desktop (the edges a
// window must not pass), the area a window is centred on, and the pixels
// per inch.
struct TScreenMetrics {
    QSize desktop;
    QRect screen;
    int dpi = 96;
};

// Class name + "_Placement", followed by the pixels per inch above 96, so
// that a placement made at one resolution is not applied at another.
QString placementSection(const QString& className, int dpi);

TPlacement readPlacement(const TIniFile& ini, const QString& section, bool designedMaximized);
bool writePlacement(TIniFile& ini, const QString& section, const TPlacement& placement);

// A rectangle that passes the right or bottom edge of a smaller desktop is
// moved back by the excess, keeping its size. One larger than the desktop is
// then held at 0 and cut to the desktop, so the title bar stays reachable.
TPlacement fitToDesktop(TPlacement placement, const QSize& desktop);

} // namespace quorvel
