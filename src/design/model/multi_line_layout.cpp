#include "design/model/multi_line_layout.h"

#include "design/model/graphic_control.h"

#include <algorithm>

namespace design {

QStringList ScreenLines(const QStringList& lines, const QString& placeholder)
{
    QStringList shown = lines;
    if (shown.isEmpty())
        shown.append(placeholder);
    else if (shown.size() == 1 && TGGraphicControl::TrimBlanks(shown.first()).isEmpty())
        shown.append(placeholder);
    return shown;
}

int ScreenLineX(TAlignment alignment, int objectWidth, int textWidth)
{
    switch (alignment) {
    case TAlignment::taRightJustify: return objectWidth - textWidth - 1;
    case TAlignment::taCenter: return objectWidth / 2 - textWidth / 2 + 1;
    case TAlignment::taLeftJustify: break;
    }
    return 0;
}

double PrintedLineOffset(TAlignment alignment, double objectWidth, double textWidth, double onePixel)
{
    switch (alignment) {
    case TAlignment::taRightJustify: return objectWidth - textWidth - onePixel;
    case TAlignment::taCenter: return objectWidth / 2.0 + onePixel - textWidth / 2.0;
    case TAlignment::taLeftJustify: break;
    }
    return 0.0;
}

std::vector<TLineBand> PrintedLineBands(int lineCount, double top, double bottom, double lineHeight)
{
    std::vector<TLineBand> bands;
    double lineTop = top;
    for (int i = 0; i < lineCount && lineTop < bottom && lineHeight > 0.0; ++i) {
        const double lineBottom = std::min(lineTop + lineHeight, bottom);
        bands.push_back({lineTop, lineBottom});
        lineTop += lineHeight;
    }
    return bands;
}

} // namespace design
