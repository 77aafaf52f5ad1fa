#pragma once

#include "xbase/cdx/leaf_codec.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace xbase::cdx {

// Puts a bulk build's keys into index order: key bytes (unsigned), then
// record number. The keys must all have the same length; the result refers
// to them, so they must outlive it. With `unique`, only the first record of
// each key stays; exact repeats of an entry always go.
std::vector<LeafItem> sortKeys(const std::vector<std::pair<std::string, std::uint32_t>>& keys, bool unique);

} // namespace xbase::cdx
