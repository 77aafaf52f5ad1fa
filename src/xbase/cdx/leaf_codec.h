#pragma once

#include "xbase/cdx/node.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace xbase::cdx {

// A leaf entry by reference, so that index builds pack millions of keys
// without copying them.
struct LeafItem {
    std::string_view key;
    std::uint32_t recno = 0;
};

// Bytes after the 24-byte leaf header that entries and keys share.
constexpr int kLeafSpace = static_cast<int>(kPageSize) - 24;

// Adds entries to a leaf one at a time and tells when the next one would not
// fit, choosing the bit widths the compact layout allows.
class LeafPacker {
public:
    explicit LeafPacker(const KeyFormat& fmt);
    // Adds the item when it fits; false (and nothing added) when it does not.
    bool tryAdd(const LeafItem& item);
    const std::vector<LeafItem>& items() const { return items_; }
    void clear();
    // Writes the leaf; the packer must hold what tryAdd accepted.
    void encode(std::uint16_t attributes, std::uint32_t left, std::uint32_t right, unsigned char* page) const;

private:
    KeyFormat fmt_;
    std::vector<LeafItem> items_;
    // Per item, the bytes shared with the previous key and the fill bytes
    // dropped from its end.
    std::vector<std::uint8_t> dup_;
    std::vector<std::uint8_t> trail_;
    std::uint32_t maxRecno_ = 0;
    int keyBytes_ = 0;
};

// Leaf encoding and decoding, used through encodeNode / decodeNode.
bool encodeLeaf(const Node& node, const KeyFormat& fmt, unsigned char* page);
bool leafFits(const Node& node, const KeyFormat& fmt);
Status decodeLeaf(const unsigned char* page, const KeyFormat& fmt, std::uint32_t offset, Node* node);

} // namespace xbase::cdx
