#include "xbase/cdx/leaf_codec.h"

#include "xbase/core/bytes.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace xbase::cdx {
namespace {

constexpr int kEntriesAt = 24;

// The widths of one leaf's packed entries: record number in the low bits,
// then the duplicate count, then the trailing count.
struct LeafWidths {
    int recBits = 0;
    int dupBits = 0;
    int trailBits = 0;
    int bytes = 0;
};

LeafWidths widthsFor(int keyLength, std::uint32_t maxRecno)
{
    LeafWidths w;
    w.dupBits = w.trailBits = std::bit_width(static_cast<unsigned>(keyLength));
    const int recNeeded = std::max(1, static_cast<int>(std::bit_width(maxRecno)));
    w.bytes = (recNeeded + w.dupBits + w.trailBits + 7) / 8;
    // Record bits take whatever the bytes leave, so later inserts of higher
    // record numbers fit without repacking; the mask field holds 32 bits.
    w.recBits = std::min(32, w.bytes * 8 - w.dupBits - w.trailBits);
    return w;
}

int trailingCount(std::string_view key, unsigned char fill)
{
    int n = 0;
    for (auto it = key.rbegin(); it != key.rend() && static_cast<unsigned char>(*it) == fill; ++it)
        ++n;
    return n;
}

// The duplicate count may not reach into the bytes the previous key left
// out: some readers rebuild those as zero bytes whatever the fill.
int duplicateCount(std::string_view prev, int prevTrail, std::string_view key, int trail)
{
    const int limit = std::min(static_cast<int>(key.size()) - trail, static_cast<int>(prev.size()) - prevTrail);
    int n = 0;
    while (n < limit && prev[static_cast<std::size_t>(n)] == key[static_cast<std::size_t>(n)])
        ++n;
    return n;
}

std::uint32_t lowMask(int bits) { return bits >= 32 ? 0xFFFFFFFFu : ((std::uint32_t{1} << bits) - 1); }

void putPacked(unsigned char* p, int bytes, std::uint64_t v)
{
    for (int i = 0; i < bytes; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

std::uint64_t getPacked(const unsigned char* p, int bytes)
{
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

} // namespace

LeafPacker::LeafPacker(const KeyFormat& fmt) : fmt_(fmt) {}

void LeafPacker::clear()
{
    items_.clear();
    dup_.clear();
    trail_.clear();
    maxRecno_ = 0;
    keyBytes_ = 0;
}

bool LeafPacker::tryAdd(const LeafItem& item)
{
    const int trail = trailingCount(item.key, fmt_.fill);
    int dup = 0;
    if (!items_.empty()) {
        dup = duplicateCount(items_.back().key, trail_.back(), item.key, trail);
    }
    const int stored = fmt_.keyLength - dup - trail;
    const std::uint32_t maxRecno = std::max(maxRecno_, item.recno);
    const LeafWidths w = widthsFor(fmt_.keyLength, maxRecno);
    const int needed = static_cast<int>(items_.size() + 1) * w.bytes + keyBytes_ + stored;
    if (needed > kLeafSpace)
        return false;
    items_.push_back(item);
    dup_.push_back(static_cast<std::uint8_t>(dup));
    trail_.push_back(static_cast<std::uint8_t>(trail));
    maxRecno_ = maxRecno;
    keyBytes_ += stored;
    return true;
}

void LeafPacker::encode(std::uint16_t attributes, std::uint32_t left, std::uint32_t right, unsigned char* page) const
{
    using namespace bytes;
    std::memset(page, 0, kPageSize);
    const LeafWidths w = widthsFor(fmt_.keyLength, maxRecno_);
    putLe16(page, attributes);
    putLe16(page + 2, static_cast<std::uint16_t>(items_.size()));
    putLe32(page + 4, left);
    putLe32(page + 8, right);
    putLe16(page + 12, static_cast<std::uint16_t>(kLeafSpace - static_cast<int>(items_.size()) * w.bytes - keyBytes_));
    putLe32(page + 14, lowMask(w.recBits));
    page[18] = static_cast<unsigned char>(lowMask(w.dupBits));
    page[19] = static_cast<unsigned char>(lowMask(w.trailBits));
    page[20] = static_cast<unsigned char>(w.recBits);
    page[21] = static_cast<unsigned char>(w.dupBits);
    page[22] = static_cast<unsigned char>(w.trailBits);
    page[23] = static_cast<unsigned char>(w.bytes);

    std::size_t keyPos = kPageSize;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const auto& it = items_[i];
        const int dup = dup_[i];
        const int trail = trail_[i];
        const auto stored = static_cast<std::size_t>(fmt_.keyLength - dup - trail);
        keyPos -= stored;
        std::memcpy(page + keyPos, it.key.data() + dup, stored);
        const std::uint64_t packed = it.recno | (std::uint64_t(dup) << w.recBits) |
                                     (std::uint64_t(trail) << (w.recBits + w.dupBits));
        putPacked(page + kEntriesAt + i * static_cast<std::size_t>(w.bytes), w.bytes, packed);
    }
}

namespace {

bool packNode(const Node& node, LeafPacker* packer)
{
    for (const auto& e : node.entries)
        if (!packer->tryAdd({e.key, e.recno}))
            return false;
    return true;
}

Status checkWidths(const unsigned char* page, const std::string& where, LeafWidths* w, std::uint32_t* recMask)
{
    using namespace bytes;
    *recMask = getLe32(page + 14);
    w->recBits = page[20];
    w->dupBits = page[21];
    w->trailBits = page[22];
    w->bytes = page[23];
    const bool sane = w->bytes >= 1 && w->bytes <= 8 && w->recBits <= 32 && w->dupBits <= 8 && w->trailBits <= 8 &&
                      w->recBits + w->dupBits + w->trailBits <= w->bytes * 8 && *recMask <= lowMask(w->recBits) &&
                      page[18] <= lowMask(w->dupBits) && page[19] <= lowMask(w->trailBits);
    if (!sane)
        return Status::corruption(where + " has bit widths that make no sense");
    return Status::ok();
}

} // namespace

bool leafFits(const Node& node, const KeyFormat& fmt)
{
    LeafPacker packer(fmt);
    return packNode(node, &packer);
}

bool encodeLeaf(const Node& node, const KeyFormat& fmt, unsigned char* page)
{
    LeafPacker packer(fmt);
    if (!packNode(node, &packer))
        return false;
    packer.encode(node.attributes, node.left, node.right, page);
    return true;
}

Status decodeLeaf(const unsigned char* page, const KeyFormat& fmt, std::uint32_t offset, Node* node)
{
    using namespace bytes;
    const std::string where = "index node at " + std::to_string(offset);
    LeafWidths w;
    std::uint32_t recMask = 0;
    if (Status s = checkWidths(page, where, &w, &recMask); !s)
        return s;
    const int count = getLe16(page + 2);
    if (count * w.bytes > kLeafSpace)
        return Status::corruption(where + " claims more keys than a node holds");
    const auto keyLength = static_cast<std::size_t>(fmt.keyLength);
    node->entries.resize(static_cast<std::size_t>(count));
    std::size_t keyPos = kPageSize;
    const std::size_t entriesEnd = kEntriesAt + static_cast<std::size_t>(count * w.bytes);
    for (std::size_t i = 0; i < node->entries.size(); ++i) {
        const std::uint64_t packed = getPacked(page + kEntriesAt + i * static_cast<std::size_t>(w.bytes), w.bytes);
        const auto dup = static_cast<std::size_t>((packed >> w.recBits) & page[18]);
        const auto trail = static_cast<std::size_t>((packed >> (w.recBits + w.dupBits)) & page[19]);
        if (dup + trail > keyLength || (i == 0 && dup > 0))
            return Status::corruption(where + " has a key that does not fit the key length");
        const std::size_t stored = keyLength - dup - trail;
        if (keyPos < entriesEnd + stored)
            return Status::corruption(where + " has keys that overlap its entries");
        keyPos -= stored;
        auto& e = node->entries[i];
        e.key.resize(keyLength);
        if (dup > 0)
            std::memcpy(e.key.data(), node->entries[i - 1].key.data(), dup);
        std::memcpy(e.key.data() + dup, page + keyPos, stored);
        std::memset(e.key.data() + dup + stored, fmt.fill, trail);
        e.recno = static_cast<std::uint32_t>(packed) & recMask;
        e.child = 0;
    }
    return Status::ok();
}

} // namespace xbase::cdx
