#include "xbase/cdx/index_cursor.h"

#include "xbase/cdx/tag_tree.h"

#include <algorithm>

namespace xbase {

using cdx::NodeEntry;

namespace {

// Empty leaves are only left by damage (updates free them); a run of them
// longer than this is a loop in the sibling chain.
constexpr int kMaxEmptyLeaves = 64;

} // namespace

IndexCursor::IndexCursor(std::shared_ptr<cdx::TagTree> tree) : tree_(std::move(tree)) {}

IndexCursor::~IndexCursor() = default;

std::string_view IndexCursor::key() const { return valid_ ? std::string_view(leaf_.entries[pos_].key) : std::string_view(); }

std::uint32_t IndexCursor::recno() const { return valid_ ? leaf_.entries[pos_].recno : 0; }

bool IndexCursor::fail(Status s)
{
    status_ = std::move(s);
    valid_ = false;
    return false;
}

bool IndexCursor::usable()
{
    if (tree_->removed())
        return fail(Status::invalidArgument("the tag of this cursor was removed"));
    status_ = Status::ok();
    return true;
}

bool IndexCursor::stale() const { return valid_ && generation_ != tree_->generation(); }

// Remembers the current entry (or that there is none) after a move.
bool IndexCursor::settle()
{
    generation_ = tree_->generation();
    valid_ = pos_ < leaf_.entries.size();
    if (valid_) {
        key_ = leaf_.entries[pos_].key;
        recno_ = leaf_.entries[pos_].recno;
    }
    return valid_;
}

// Moves to the neighbouring leaf, skipping empty ones, and checks that the
// entries keep rising: a sibling chain that loops cannot.
bool IndexCursor::enterLeaf(bool toRight)
{
    for (int hops = 0; hops < kMaxEmptyLeaves; ++hops) {
        if ((toRight ? leaf_.right : leaf_.left) == cdx::kNoPage) {
            valid_ = false;
            return false;
        }
        std::uint32_t offset = 0;
        cdx::Node next;
        if (Status s = tree_->loadLeafSibling(leafOffset_, leaf_, toRight, &offset, &next); !s)
            return fail(s);
        const bool hadEntry = !leaf_.entries.empty();
        const NodeEntry edge = hadEntry ? (toRight ? leaf_.entries.back() : leaf_.entries.front()) : NodeEntry{};
        leafOffset_ = offset;
        leaf_ = std::move(next);
        if (leaf_.entries.empty())
            continue;
        const NodeEntry& near = toRight ? leaf_.entries.front() : leaf_.entries.back();
        const int order = cdx::compareEntry(near.key, near.recno, edge.key, edge.recno);
        if (hadEntry && (toRight ? order <= 0 : order >= 0))
            return fail(Status::corruption(tree_->fileName() + ": keys out of order at node " + std::to_string(offset)));
        pos_ = toRight ? 0 : leaf_.entries.size() - 1;
        return settle();
    }
    return fail(Status::corruption(tree_->fileName() + ": sibling chain of empty nodes loops"));
}

bool IndexCursor::ascFirst()
{
    if (Status s = tree_->edgeLeaf(false, &leafOffset_, &leaf_); !s)
        return fail(s);
    pos_ = 0;
    if (leaf_.entries.empty())
        return enterLeaf(true);
    return settle();
}

bool IndexCursor::ascLast()
{
    if (Status s = tree_->edgeLeaf(true, &leafOffset_, &leaf_); !s)
        return fail(s);
    if (leaf_.entries.empty())
        return enterLeaf(false);
    pos_ = leaf_.entries.size() - 1;
    return settle();
}

bool IndexCursor::ascNext()
{
    if (pos_ + 1 < leaf_.entries.size()) {
        ++pos_;
        return settle();
    }
    return enterLeaf(true);
}

bool IndexCursor::ascPrev()
{
    if (pos_ > 0 && pos_ <= leaf_.entries.size()) {
        --pos_;
        return settle();
    }
    return enterLeaf(false);
}

bool IndexCursor::ascLowerBound(const std::function<bool(const NodeEntry&)>& atOrAfter)
{
    std::vector<cdx::PathStep> path;
    if (Status s = tree_->descend(atOrAfter, &path); !s)
        return fail(s);
    leafOffset_ = path.back().offset;
    leaf_ = std::move(path.back().node);
    pos_ = path.back().index;
    if (pos_ < leaf_.entries.size())
        return settle();
    // Nothing here: the next leaf starts with the entry looked for, if any.
    while (enterLeaf(true)) {
        const auto& entries = leaf_.entries;
        const auto found = std::find_if(entries.begin(), entries.end(), atOrAfter);
        pos_ = static_cast<std::size_t>(found - entries.begin());
        if (found != entries.end())
            return settle();
        pos_ = entries.size() - 1;
    }
    return false;
}

bool IndexCursor::stepForward()
{
    if (!valid_)
        return false;
    if (stale()) {
        const std::string key = key_;
        const std::uint32_t recno = recno_;
        // The entry after the old place is the first one at or after it,
        // unless the old entry is still there.
        if (!ascLowerBound([&](const NodeEntry& e) { return cdx::compareEntry(e.key, e.recno, key, recno) >= 0; }))
            return false;
        if (leaf_.entries[pos_].recno != recno || leaf_.entries[pos_].key != key)
            return true;
    }
    return ascNext();
}

bool IndexCursor::stepBackward()
{
    if (!valid_)
        return false;
    if (stale()) {
        const std::string key = key_;
        const std::uint32_t recno = recno_;
        if (!ascLowerBound([&](const NodeEntry& e) { return cdx::compareEntry(e.key, e.recno, key, recno) >= 0; }))
            return status_.isOk() && ascLast();
    }
    return ascPrev();
}

bool IndexCursor::first() { return usable() && (tree_->header().descending ? ascLast() : ascFirst()); }

bool IndexCursor::last() { return usable() && (tree_->header().descending ? ascFirst() : ascLast()); }

bool IndexCursor::next() { return usable() && (tree_->header().descending ? stepBackward() : stepForward()); }

bool IndexCursor::prev() { return usable() && (tree_->header().descending ? stepForward() : stepBackward()); }

bool IndexCursor::matches(const std::string& key, bool prefix) const
{
    if (!valid_)
        return false;
    const std::string_view current = leaf_.entries[pos_].key;
    return prefix ? current.substr(0, key.size()) == key : current == key;
}

// Ascending: the first entry whose first key.size() bytes are >= key (or
// > key when `after`).
bool IndexCursor::prefixSeekAsc(const std::string& key, bool after)
{
    return ascLowerBound([&key, after](const NodeEntry& e) {
        const int c = std::string_view(e.key).substr(0, key.size()).compare(key);
        return after ? c > 0 : c >= 0;
    });
}

bool IndexCursor::seek(std::string_view keyIn, bool prefix)
{
    if (!usable())
        return false;
    std::string key;
    if (prefix)
        key.assign(keyIn.substr(0, static_cast<std::size_t>(tree_->header().keyLength)));
    else if (Status s = tree_->fullKey(keyIn, &key); !s)
        return fail(s);
    if (!tree_->header().descending) {
        prefixSeekAsc(key, false);
        return matches(key, prefix);
    }
    // Walking backwards, the first entry at or "after" the key in walking
    // order is the last one whose prefix is <= key.
    if (prefixSeekAsc(key, true))
        ascPrev();
    else if (status_.isOk())
        ascLast();
    return matches(key, prefix);
}

bool IndexCursor::seekEntry(std::string_view keyIn, std::uint32_t recno)
{
    if (!usable())
        return false;
    std::string key;
    if (Status s = tree_->fullKey(keyIn, &key); !s)
        return fail(s);
    ascLowerBound([&](const NodeEntry& e) { return cdx::compareEntry(e.key, e.recno, key, recno) >= 0; });
    return valid_ && leaf_.entries[pos_].recno == recno && leaf_.entries[pos_].key == key;
}

} // namespace xbase
