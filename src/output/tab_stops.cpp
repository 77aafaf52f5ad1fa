#include "output/tab_stops.h"

#include <algorithm>

namespace output {

void TTabStops::add(double position, TTabJustify justify, double width, double margin, int lines, int shade,
                    double areaLeft)
{
    if (position < 0.0)
        position = stops_.empty() ? areaLeft : stops_.back().position + stops_.back().width;
    stops_.push_back({position, justify, width, margin, lines, shade});
}

void TTabStops::restore()
{
    if (saved_.empty())
        return;
    stops_ = std::move(saved_.back());
    saved_.pop_back();
}

double CellTextLeft(const TTabStop& stop, double textWidth)
{
    switch (stop.justify) {
    case tjCenter: return stop.position + (stop.width - textWidth) / 2.0;
    case tjRight: return stop.textRight() - textWidth;
    case tjLeft:
    case tjBlock: break;
    }
    return stop.textLeft();
}

QRgb ShadeColor(QRgb color, int percent)
{
    const int strength = std::clamp(percent, 0, 100);
    const auto lighten = [strength](int c) { return c + (100 - strength) * (255 - c) / 100; };
    return qRgb(lighten(qRed(color)), lighten(qGreen(color)), lighten(qBlue(color)));
}

} // namespace output
