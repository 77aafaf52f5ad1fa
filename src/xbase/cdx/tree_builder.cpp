#include "xbase/cdx/tree_builder.h"

#include "xbase/cdx/leaf_codec.h"
#include "xbase/core/bytes.h"

#include <string_view>

namespace xbase::cdx {
namespace {

// One entry of the level being built: the last entry of a finished node.
struct Separator {
    std::string_view key;
    std::uint32_t recno;
    std::uint32_t child;
};

// Writes one level's nodes in batches. Each node points right at the next
// one allocated, which is the next node of the level, except the last.
class LevelWriter {
public:
    explicit LevelWriter(PageStore& store) : store_(store) {}

    Status add(PageStore::Page page, std::uint32_t* offset)
    {
        if (Status s = store_.allocateAtEnd(1, offset); !s)
            return s;
        if (pending_.empty())
            firstOffset_ = *offset;
        bytes::putLe32(page.data() + 8, *offset + static_cast<std::uint32_t>(kPageSize));
        pending_.push_back(page);
        ++count_;
        if (pending_.size() >= kBatch)
            return writeAllButLast();
        return Status::ok();
    }

    // Ends the level: the last node gets no right sibling, and the root
    // mark when it is the only node of the level.
    Status finish()
    {
        auto& last = pending_.back();
        bytes::putLe32(last.data() + 8, kNoPage);
        if (count_ == 1)
            bytes::putLe16(last.data(), static_cast<std::uint16_t>(bytes::getLe16(last.data()) | kAttrRoot));
        return writePending(pending_.size());
    }

    std::size_t count() const { return count_; }

private:
    static constexpr std::size_t kBatch = 512;

    Status writeAllButLast() { return writePending(pending_.size() - 1); }

    Status writePending(std::size_t n)
    {
        std::vector<unsigned char> buf(n * kPageSize);
        for (std::size_t i = 0; i < n; ++i)
            std::copy(pending_[i].begin(), pending_[i].end(), buf.begin() + static_cast<std::ptrdiff_t>(i * kPageSize));
        if (Status s = store_.writeDirect(firstOffset_, buf.data(), buf.size()); !s)
            return s;
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n));
        firstOffset_ += static_cast<std::uint32_t>(n * kPageSize);
        return Status::ok();
    }

    PageStore& store_;
    std::vector<PageStore::Page> pending_;
    std::uint32_t firstOffset_ = 0;
    std::size_t count_ = 0;
};

Status buildLeaves(PageStore& store, const KeyFormat& fmt, const std::vector<LeafItem>& sorted, Progress& progress,
                   std::vector<Separator>* up, bool* cancelled)
{
    LevelWriter writer(store);
    LeafPacker packer(fmt);
    std::uint32_t left = kNoPage;
    PageStore::Page page;
    auto emit = [&]() -> Status {
        std::uint32_t offset = 0;
        packer.encode(kAttrLeaf, left, kNoPage, page.data());
        if (Status s = writer.add(page, &offset); !s)
            return s;
        const auto& last = packer.items().back();
        up->push_back({last.key, last.recno, offset});
        left = offset;
        packer.clear();
        return Status::ok();
    };
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const LeafItem& item = sorted[i];
        if (!packer.tryAdd(item)) {
            if (Status s = emit(); !s)
                return s;
            packer.tryAdd(item);
        }
        if ((i & 0xFFF) == 0 && !progress.step(i)) {
            *cancelled = true;
            return Status::ok();
        }
    }
    if (!packer.items().empty() || writer.count() == 0) {
        if (packer.items().empty()) {
            // An empty tag is one empty root leaf.
            packer.encode(kAttrLeaf, kNoPage, kNoPage, page.data());
            std::uint32_t offset = 0;
            if (Status s = writer.add(page, &offset); !s)
                return s;
            up->push_back({{}, 0, offset});
        } else if (Status s = emit(); !s) {
            return s;
        }
    }
    return writer.finish();
}

Status buildInteriorLevel(PageStore& store, const KeyFormat& fmt, const std::vector<Separator>& below,
                          std::vector<Separator>* up)
{
    LevelWriter writer(store);
    const auto capacity = static_cast<std::size_t>(interiorCapacity(fmt.keyLength));
    std::uint32_t left = kNoPage;
    for (std::size_t start = 0; start < below.size(); start += capacity) {
        const std::size_t end = std::min(below.size(), start + capacity);
        Node node;
        node.attributes = 0;
        node.left = left;
        for (std::size_t i = start; i < end; ++i)
            node.entries.push_back(NodeEntry{std::string(below[i].key), below[i].recno, below[i].child});
        PageStore::Page page;
        encodeNode(node, fmt, page.data());
        std::uint32_t offset = 0;
        if (Status s = writer.add(page, &offset); !s)
            return s;
        up->push_back({below[end - 1].key, below[end - 1].recno, offset});
        left = offset;
    }
    return writer.finish();
}

} // namespace

Progress::Progress(const std::function<bool(int)>& callback, int from, int to, std::size_t total)
    : callback_(callback), from_(from), to_(to), total_(total)
{
}

bool Progress::step(std::size_t done)
{
    if (!callback_)
        return true;
    const int percent = from_ + static_cast<int>(total_ == 0 ? 0 : (to_ - from_) * static_cast<double>(done) / total_);
    if (percent == last_)
        return true;
    last_ = percent;
    return callback_(percent);
}

Status buildTree(PageStore& store, const KeyFormat& fmt, const std::vector<LeafItem>& sorted, Progress& progress,
                 std::uint32_t* root, bool* cancelled)
{
    *cancelled = false;
    std::vector<Separator> level;
    if (Status s = buildLeaves(store, fmt, sorted, progress, &level, cancelled); !s || *cancelled)
        return s;
    while (level.size() > 1) {
        std::vector<Separator> up;
        if (Status s = buildInteriorLevel(store, fmt, level, &up); !s)
            return s;
        level = std::move(up);
    }
    *root = level.front().child;
    return Status::ok();
}

} // namespace xbase::cdx
