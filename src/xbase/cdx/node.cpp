#include "xbase/cdx/node.h"

#include "xbase/cdx/leaf_codec.h"
#include "xbase/core/bytes.h"

#include <cstring>

namespace xbase::cdx {
namespace {

constexpr std::size_t kInteriorEntriesAt = 12;

bool encodeInterior(const Node& node, const KeyFormat& fmt, unsigned char* page)
{
    using namespace bytes;
    if (static_cast<int>(node.entries.size()) > interiorCapacity(fmt.keyLength))
        return false;
    std::memset(page, 0, kPageSize);
    putLe16(page, node.attributes);
    putLe16(page + 2, static_cast<std::uint16_t>(node.entries.size()));
    putLe32(page + 4, node.left);
    putLe32(page + 8, node.right);
    const auto keyLength = static_cast<std::size_t>(fmt.keyLength);
    unsigned char* p = page + kInteriorEntriesAt;
    for (const auto& e : node.entries) {
        std::memset(p, fmt.fill, keyLength);
        std::memcpy(p, e.key.data(), std::min(keyLength, e.key.size()));
        putBe32(p + keyLength, e.recno);
        putBe32(p + keyLength + 4, e.child);
        p += keyLength + 8;
    }
    return true;
}

Status decodeInterior(const unsigned char* page, const KeyFormat& fmt, std::uint32_t offset, Node* node)
{
    using namespace bytes;
    const int count = getLe16(page + 2);
    if (count > interiorCapacity(fmt.keyLength))
        return Status::corruption("index node at " + std::to_string(offset) + " claims more keys than a node holds");
    const auto keyLength = static_cast<std::size_t>(fmt.keyLength);
    node->entries.resize(static_cast<std::size_t>(count));
    const unsigned char* p = page + kInteriorEntriesAt;
    for (auto& e : node->entries) {
        e.key.assign(reinterpret_cast<const char*>(p), keyLength);
        e.recno = getBe32(p + keyLength);
        e.child = getBe32(p + keyLength + 4);
        p += keyLength + 8;
    }
    return Status::ok();
}

} // namespace

int interiorCapacity(int keyLength) { return static_cast<int>(kPageSize - kInteriorEntriesAt) / (keyLength + 8); }

bool encodeNode(const Node& node, const KeyFormat& fmt, unsigned char* page)
{
    return node.isLeaf() ? encodeLeaf(node, fmt, page) : encodeInterior(node, fmt, page);
}

bool nodeFits(const Node& node, const KeyFormat& fmt)
{
    if (node.isLeaf())
        return leafFits(node, fmt);
    return static_cast<int>(node.entries.size()) <= interiorCapacity(fmt.keyLength);
}

Status decodeNode(const unsigned char* page, const KeyFormat& fmt, std::uint32_t offset, Node* node)
{
    using namespace bytes;
    node->attributes = getLe16(page);
    node->left = getLe32(page + 4);
    node->right = getLe32(page + 8);
    if (node->attributes > (kAttrLeaf | kAttrRoot))
        return Status::corruption("index node at " + std::to_string(offset) + " has unknown attributes " +
                                  std::to_string(node->attributes));
    return node->isLeaf() ? decodeLeaf(page, fmt, offset, node) : decodeInterior(page, fmt, offset, node);
}

} // namespace xbase::cdx
