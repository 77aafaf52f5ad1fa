#include "labels/label_geometry.h"

namespace labels {

bool TLabelGeometry::HasValidCounts() const
{
    return across >= 1 && across <= kMaxAcross && down >= 1 && down <= kMaxDown;
}

int TLabelGeometry::PositionCount() const { return HasValidCounts() ? across * down : 0; }

QPointF TLabelGeometry::PositionOrigin(int index) const
{
    if (!HasValidCounts())
        return {leftMargin, topMargin};
    const int column = index % across;
    const int row = index / across;
    double x = leftMargin + column * horizPitch;
    double y = topMargin + row * vertPitch;
    if (column >= across / 2 && midExtraX > 0)
        x += midExtraX;
    if (row >= down / 2 && midExtraY > 0)
        y += midExtraY;
    return {x, y};
}

QRectF TLabelGeometry::PositionRect(int index) const { return {PositionOrigin(index), QSizeF(width, height)}; }

bool IsLandscapePaper(const QString& paperSize)
{
    return paperSize == QLatin1String("LTRL") || paperSize == QLatin1String("A4L") ||
           paperSize == QLatin1String("USERL");
}

} // namespace labels
