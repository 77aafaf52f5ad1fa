#pragma once

#include "xbase/cdx/index_header.h"
#include "xbase/core/status.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xbase::cdx {

// Node attribute bits.
constexpr std::uint16_t kAttrRoot = 0x01;
constexpr std::uint16_t kAttrLeaf = 0x02;

// One entry of a node. In a leaf, recno is the table record; in an interior
// node, key and recno are those of the last entry below `child`.
struct NodeEntry {
    std::string key;
    std::uint32_t recno = 0;
    std::uint32_t child = 0;
};

// A node, decoded. Leaves and interior nodes share this shape; only their
// encodings differ.
struct Node {
    std::uint16_t attributes = kAttrLeaf | kAttrRoot;
    std::uint32_t left = kNoPage;
    std::uint32_t right = kNoPage;
    std::vector<NodeEntry> entries;

    bool isLeaf() const { return (attributes & kAttrLeaf) != 0; }
    bool isRoot() const { return (attributes & kAttrRoot) != 0; }
};

// The shape a tag's nodes are read and written with.
struct KeyFormat {
    int keyLength = 0;
    unsigned char fill = ' ';  // the byte dropped from the ends of keys
};

// How many entries an interior node holds for this key length.
int interiorCapacity(int keyLength);

// Encodes into kPageSize bytes; false when the entries do not fit.
bool encodeNode(const Node& node, const KeyFormat& fmt, unsigned char* page);
bool nodeFits(const Node& node, const KeyFormat& fmt);
// Checks counts, bit widths and key bytes; `offset` names the node.
Status decodeNode(const unsigned char* page, const KeyFormat& fmt, std::uint32_t offset, Node* node);

// Orders entries as the index does: key bytes (unsigned), then record.
inline int compareEntry(std::string_view key, std::uint32_t recno, std::string_view otherKey, std::uint32_t otherRecno)
{
    const int c = key.compare(otherKey);
    if (c != 0)
        return c;
    return recno < otherRecno ? -1 : (recno > otherRecno ? 1 : 0);
}

} // namespace xbase::cdx
