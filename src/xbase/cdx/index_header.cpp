#include "xbase/cdx/index_header.h"

#include "xbase/core/bytes.h"

#include <algorithm>
#include <cstring>

namespace xbase::cdx {
namespace {

constexpr std::size_t kKeyTypeAt = 16;
constexpr std::size_t kDescendingAt = 502;
constexpr std::size_t kTotalPoolAt = 504;
constexpr std::size_t kForPoolAt = 506;
constexpr std::size_t kKeyPoolAt = 510;
constexpr std::size_t kPoolAt = 512;
constexpr std::size_t kPoolSize = kHeaderSize - kPoolAt;

char keyTypeMark(KeyType t)
{
    switch (t) {
    case KeyType::Character: return 'C';
    case KeyType::Numeric: return 'N';
    case KeyType::Date: return 'D';
    case KeyType::Logical: return 'L';
    }
    return 'C';
}

KeyType keyTypeFromMark(unsigned char c)
{
    switch (c) {
    case 'N': return KeyType::Numeric;
    case 'D': return KeyType::Date;
    case 'L': return KeyType::Logical;
    default: return KeyType::Character;
    }
}

} // namespace

void encodeIndexHeader(const IndexHeader& h, unsigned char* out)
{
    using namespace bytes;
    std::memset(out, 0, kHeaderSize);
    putLe32(out, h.root);
    putLe32(out + 4, h.freeList);
    putLe32(out + 8, h.version);
    putLe16(out + 12, static_cast<std::uint16_t>(h.keyLength));
    out[14] = h.options;
    out[15] = h.signature;
    out[kKeyTypeAt] = static_cast<unsigned char>(keyTypeMark(h.keyType));
    out[kStaleMarkAt] = h.staleMark ? kStaleMarkSet : 0;
    putLe16(out + kDescendingAt, h.descending ? 1 : 0);
    // The pool holds the key expression and the FOR expression, each ended
    // by a zero byte; the lengths count that byte.
    const std::size_t keyLen = std::min(h.keyExpression.size(), kPoolSize / 2 - 1);
    const std::size_t forLen = std::min(h.forExpression.size(), kPoolSize / 2 - 1);
    std::memcpy(out + kPoolAt, h.keyExpression.data(), keyLen);
    std::memcpy(out + kPoolAt + keyLen + 1, h.forExpression.data(), forLen);
    putLe16(out + kKeyPoolAt, static_cast<std::uint16_t>(keyLen + 1));
    putLe16(out + kForPoolAt, static_cast<std::uint16_t>(forLen + 1));
    putLe16(out + kTotalPoolAt, static_cast<std::uint16_t>(keyLen + forLen + 2));
}

Status decodeIndexHeader(const unsigned char* in, const std::string& what, IndexHeader* h)
{
    using namespace bytes;
    h->root = getLe32(in);
    h->freeList = getLe32(in + 4);
    h->version = getLe32(in + 8);
    h->keyLength = getLe16(in + 12);
    h->options = in[14];
    h->signature = in[15];
    h->keyType = keyTypeFromMark(in[kKeyTypeAt]);
    h->staleMark = in[kStaleMarkAt] == kStaleMarkSet;
    h->descending = getLe16(in + kDescendingAt) != 0;
    if (!(h->options & kOptionCompact))
        return Status::notSupported(what + " is not a compact index");
    if (h->keyLength < 1 || h->keyLength > kMaxKeyLength)
        return Status::corruption(what + " has a key length of " + std::to_string(h->keyLength));
    if (h->root == kNoPage || h->root % kPageSize != 0)
        return Status::corruption(what + " has a root pointer off the node boundaries");
    // Expressions end at their zero byte; a pool without one ends at its end.
    const auto* pool = reinterpret_cast<const char*>(in + kPoolAt);
    const std::size_t keyEnd = strnlen(pool, kPoolSize);
    h->keyExpression.assign(pool, keyEnd);
    h->forExpression.clear();
    if (keyEnd + 1 < kPoolSize)
        h->forExpression.assign(pool + keyEnd + 1, strnlen(pool + keyEnd + 1, kPoolSize - keyEnd - 1));
    return Status::ok();
}

} // namespace xbase::cdx
