#pragma once

#include <QRgb>

#include <vector>

namespace output {

enum TTabJustify { tjCenter = 0, tjLeft = 1, tjRight = 2, tjBlock = 3 };
enum TBoxLine { blNone = 0, blLeft = 1, blRight = 2, blTop = 4, blBottom = 8, blAll = 15 };

// One column of tabbed output, all lengths in inches.
struct TTabStop {
    double position = 0.0;
    TTabJustify justify = tjLeft;
    double width = 0.0;
    double margin = 0.0; // inner margin on both sides
    int lines = blNone;  // TBoxLine flags
    int shade = 0;       // percent; 0 = none

    double textLeft() const { return position + margin; }
    double textRight() const { return position + width - margin; }
};

// The tab stops of a job with their save stack.
class TTabStops {
public:
    // A negative position places the stop right after the previous one, or
    // at `areaLeft` when it is the first.
    void add(double position, TTabJustify justify, double width, double margin, int lines, int shade,
             double areaLeft);
    void clear() { stops_.clear(); }
    void save() { saved_.push_back(stops_); }
    // Restoring with nothing saved leaves the stops as they are.
    void restore();

    int count() const { return static_cast<int>(stops_.size()); }
    bool empty() const { return stops_.empty(); }
    // 1-based, as callers count columns.
    const TTabStop& stop(int number) const { return stops_.at(static_cast<std::size_t>(number - 1)); }

private:
    std::vector<TTabStop> stops_;
    std::vector<std::vector<TTabStop>> saved_;
};

// Where a text of the given width goes inside a tab cell: the x of its left
// edge. Block-justified cells start at the left margin (the caller spreads).
double CellTextLeft(const TTabStop& stop, double textWidth);

// A colour lightened towards white so that `percent` is its strength:
// c + (100 - percent) * (255 - c) / 100 per channel.
QRgb ShadeColor(QRgb color, int percent);

} // namespace output
