#include "xbase/cdx/key_sorter.h"

#include <algorithm>
#include <cstring>

namespace xbase::cdx {
namespace {

// Sorting a million strings in place chases a pointer per comparison; this
// keeps the first eight bytes inline, which decide most comparisons.
struct SortKey {
    std::uint64_t head;
    const char* data;
    std::uint32_t size;
    std::uint32_t recno;
};

std::uint64_t headOf(const std::string& key)
{
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < 8; ++i)
        head = (head << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return head;
}

bool keyLess(const SortKey& a, const SortKey& b)
{
    if (a.head != b.head)
        return a.head < b.head;
    if (a.size > 8) {
        const int c = std::memcmp(a.data + 8, b.data + 8, a.size - 8);
        if (c != 0)
            return c < 0;
    }
    return false;
}

bool sameKey(const SortKey& a, const SortKey& b) { return !keyLess(a, b) && !keyLess(b, a); }

} // namespace

std::vector<LeafItem> sortKeys(const std::vector<std::pair<std::string, std::uint32_t>>& keys, bool unique)
{
    std::vector<SortKey> order;
    order.reserve(keys.size());
    for (const auto& [key, recno] : keys)
        order.push_back(SortKey{headOf(key), key.data(), static_cast<std::uint32_t>(key.size()), recno});
    std::sort(order.begin(), order.end(), [](const SortKey& a, const SortKey& b) {
        if (keyLess(a, b))
            return true;
        return !keyLess(b, a) && a.recno < b.recno;
    });
    std::vector<LeafItem> out;
    out.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && sameKey(order[i], order[i - 1]) && (unique || order[i].recno == order[i - 1].recno))
            continue;
        out.push_back(LeafItem{std::string_view(order[i].data, order[i].size), order[i].recno});
    }
    return out;
}

} // namespace xbase::cdx
