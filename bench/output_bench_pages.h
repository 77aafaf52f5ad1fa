#pragma once

#include <QString>

#include <vector>

class QPainter;

namespace output {
class TBaseReport;
}

namespace output_bench {

// A dense report page: 56 lines of four columns of text, a shaded box and a
// rule per line, drawn the same way through the engine and straight onto a
// painter.
struct DenseLine {
    double baseline; // inches
    QString cells[4];
};

std::vector<DenseLine> DenseLines(int page);

// Through the engine, in inches.
void DrawDensePage(output::TBaseReport& report, int page);

// Straight onto a painter whose device has `dpi` pixels per inch.
void PaintDensePage(QPainter& painter, double dpi, int page);

inline constexpr double kColumnLeft[4] = {0.5, 2.0, 3.75, 5.5};
inline constexpr double kFontPoints = 9.0;

} // namespace output_bench
