#pragma once

#include "labels/label_geometry.h"

namespace labels {

// A mask with every position set: what a new "Print Labels" screen starts with.
TPositionMask AllPositions();

// Whether the mask selects a position of this sheet at or after `first`
// (0-based). Only the sheet's own positions count: a mask kept from a larger
// sheet may have flags set beyond them, and a run on such a mask would
// otherwise turn out blank sheets for ever.
bool MaskSelectsAny(const TPositionMask& mask, const TLabelGeometry& geometry, int first = 0);

} // namespace labels
