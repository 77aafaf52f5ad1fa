#pragma once

#include "xbase/cdx/leaf_codec.h"
#include "xbase/cdx/node.h"
#include "xbase/cdx/page_store.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace xbase::cdx {


// Reports progress as percent of a range and carries the caller's answer
// (false cancels).
class Progress {
public:
    Progress(const std::function<bool(int)>& callback, int from, int to, std::size_t total);
    // False when the caller cancelled.
    bool step(std::size_t done);

private:
    const std::function<bool(int)>& callback_;
    int from_;
    int to_;
    std::size_t total_;
    int last_ = -1;
};

// Writes a tree for sorted, distinct entries at the end of the file, leaves
// first and then each interior level, all nodes filled; returns the root.
// False from `progress` stops it with *cancelled set.
Status buildTree(PageStore& store, const KeyFormat& fmt, const std::vector<LeafItem>& sorted, Progress& progress,
                 std::uint32_t* root, bool* cancelled);

} // namespace xbase::cdx
