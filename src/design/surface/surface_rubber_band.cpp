#include "design/surface/surface_rubber_band.h"

#include <algorithm>
#include <cstdlib>

namespace design {

void TGRubberBand::Start(QPoint point)
{
    active_ = true;
    start_ = point;
    current_ = point;
}

void TGRubberBand::Move(QPoint point)
{
    if (active_)
        current_ = point;
}

QRect TGRubberBand::Current() const
{
    return QRect(std::min(start_.x(), current_.x()), std::min(start_.y(), current_.y()),
                 std::abs(current_.x() - start_.x()), std::abs(current_.y() - start_.y()));
}

QRect TGRubberBand::Finish()
{
    active_ = false;
    return Current();
}

} // namespace design
