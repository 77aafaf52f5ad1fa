#include "store/index_rebuild_gauge.h"

#include <algorithm>

namespace quorvel {

void TRebuildGauge::startPacking()
{
    phase_ = TRebuildPhase::rpPacking;
    lastPercent_ = 0;
}

void TRebuildGauge::startIndexing()
{
    phase_ = TRebuildPhase::rpIndexing;
    lastPercent_ = 0;
    total_ = 0;
}

void TRebuildGauge::reset()
{
    startPacking();
    total_ = 0;
}

int TRebuildGauge::report(int percent)
{
    percent = std::clamp(percent, 0, 100);
    // A report at or below the last one is the next tag starting over: it
    // only moves the mark the next climb is measured from.
    if (phase_ == TRebuildPhase::rpIndexing && percent > lastPercent_)
        total_ += percent - lastPercent_;
    lastPercent_ = percent;
    return position();
}

int TRebuildGauge::position() const
{
    if (phase_ == TRebuildPhase::rpPacking)
        return lastPercent_;
    // total * 100 / 2100 never lies halfway between two whole numbers, so
    // rounding half up is the same as rounding half to even here.
    const int rounded = (total_ * 100 + kIndexingPoints / 2) / kIndexingPoints;
    return std::min(rounded, 100);
}

} // namespace quorvel
