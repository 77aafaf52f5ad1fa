#include "labels/position_mask.h"

namespace labels {

TPositionMask AllPositions() { return TPositionMask().set(); }

bool MaskSelectsAny(const TPositionMask& mask, const TLabelGeometry& geometry, int first)
{
    for (int position = first < 0 ? 0 : first; position < geometry.PositionCount(); ++position)
        if (mask.test(static_cast<std::size_t>(position)))
            return true;
    return false;
}

} // namespace labels
