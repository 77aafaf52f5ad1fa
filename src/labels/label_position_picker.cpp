#include "labels/label_position_picker.h"

#include <algorithm>

namespace labels {

namespace {

constexpr double kPickerFraction = 0.2;

int Scaled(double inches, double scale)
{
    return static_cast<int>(inches * scale);
}

} // namespace

double PickerScale(int pixelsPerInch)
{
    return kPickerFraction * pixelsPerInch;
}

QRect PickerPageRect(const TLabelGeometry& geometry, int pixelsPerInch)
{
    const double k = PickerScale(pixelsPerInch);
    return { kPickerInset, kPickerInset, Scaled(geometry.sheetWidth, k), Scaled(geometry.sheetDepth, k) };
}

QRect PickerPositionRect(const TLabelGeometry& geometry, int index, int pixelsPerInch)
{
    if (!geometry.HasValidCounts() || index < 0 || index >= geometry.PositionCount())
        return {};
    const double k = PickerScale(pixelsPerInch);
    const int column = index % geometry.across;
    const int row = index / geometry.across;
    int left = Scaled(geometry.leftMargin, k) + column * Scaled(geometry.horizPitch, k) + kPickerInset;
    int top = Scaled(geometry.topMargin, k) + row * Scaled(geometry.vertPitch, k) + kPickerInset;
    if (column >= geometry.across / 2 && geometry.midExtraX > 0)
        left += Scaled(geometry.midExtraX, k);
    if (row >= geometry.down / 2 && geometry.midExtraY > 0)
        top += Scaled(geometry.midExtraY, k);
    return { left, top, Scaled(geometry.width, k), Scaled(geometry.height, k) };
}

int PickerPositionAt(const TLabelGeometry& geometry, QPoint point, int pixelsPerInch)
{
    for (int index = 0; index < geometry.PositionCount(); ++index)
        if (PickerPositionRect(geometry, index, pixelsPerInch).contains(point))
            return index;
    return -1;
}

int ClampedStartPosition(int position, const TLabelGeometry& geometry)
{
    return std::clamp(position, 1, std::max(1, geometry.PositionCount()));
}

} // namespace labels
