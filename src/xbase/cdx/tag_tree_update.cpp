// Inserting and removing entries. Nodes that overflow split in two (the new
// node takes the lower half, so the parent's entry for the old node keeps
// its key); nodes that empty are unlinked and freed; underfull nodes stay
// as they are, which costs a little space and never correctness.

#include "xbase/cdx/tag_tree.h"

#include <algorithm>

namespace xbase::cdx {
namespace {

AtOrAfter entryAtOrAfter(const std::string& key, std::uint32_t recno)
{
    return [&key, recno](const NodeEntry& e) { return compareEntry(e.key, e.recno, key, recno) >= 0; };
}

bool sameEntry(const NodeEntry& a, const NodeEntry& b) { return a.recno == b.recno && a.key == b.key; }

} // namespace

Status TagTree::storeNode(std::uint32_t offset, const Node& node)
{
    PageStore::Page page;
    if (!encodeNode(node, format(), page.data()))
        return Status::corruption(store_.name() + ": node " + std::to_string(offset) + " overflows");
    return store_.write(offset, page);
}

Status TagTree::insert(std::string_view keyIn, std::uint32_t recno)
{
    std::string key;
    if (Status s = fullKey(keyIn, &key); !s)
        return s;
    if (unique()) {
        // A unique tag keeps the first record of each key only.
        bool found = false;
        if (Status s = containsKey(key, &found); !s || found)
            return s;
    }
    std::vector<PathStep> path;
    if (Status s = descend(entryAtOrAfter(key, recno), &path); !s)
        return s;
    PathStep& leaf = path.back();
    auto& entries = leaf.node.entries;
    if (leaf.index < entries.size() && entries[leaf.index].recno == recno && entries[leaf.index].key == key)
        return Status::ok();
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(leaf.index), NodeEntry{key, recno, 0});
    ++generation_;
    return storeUpward(path, path.size() - 1);
}

Status TagTree::storeUpward(std::vector<PathStep>& path, std::size_t level)
{
    for (;; --level) {
        PathStep& step = path[level];
        if (!nodeFits(step.node, format())) {
            NodeEntry leftEntry;
            if (Status s = split(step, &leftEntry); !s)
                return s;
            if (level == 0)
                return growRoot(step, leftEntry);
            auto& parent = path[level - 1];
            const auto& last = step.node.entries.back();
            auto& slot = parent.node.entries[parent.index];
            slot.key = last.key;
            slot.recno = last.recno;
            parent.node.entries.insert(parent.node.entries.begin() + static_cast<std::ptrdiff_t>(parent.index), leftEntry);
            continue;
        }
        if (Status s = storeNode(step.offset, step.node); !s)
            return s;
        if (level == 0)
            return Status::ok();
        // The parent's entry names this node's last entry; fix it when that
        // changed, and stop as soon as nothing above changes.
        auto& slot = path[level - 1].node.entries[path[level - 1].index];
        const auto& last = step.node.entries.back();
        if (slot.key == last.key && slot.recno == last.recno)
            return Status::ok();
        slot.key = last.key;
        slot.recno = last.recno;
    }
}

std::size_t TagTree::splitPoint(const Node& node) const
{
    const std::size_t n = node.entries.size();
    if (!node.isLeaf())
        return n / 2;
    // Compact leaves differ in size per entry: look outward from the middle
    // for a cut where both halves fit.
    for (std::size_t delta = 0; delta < n; ++delta) {
        for (std::size_t cut : {n / 2 + delta, n / 2 - std::min(delta, n / 2)}) {
            if (cut == 0 || cut >= n)
                continue;
            Node lower{node.attributes, 0, 0, {node.entries.begin(), node.entries.begin() + static_cast<std::ptrdiff_t>(cut)}};
            Node upper{node.attributes, 0, 0, {node.entries.begin() + static_cast<std::ptrdiff_t>(cut), node.entries.end()}};
            if (nodeFits(lower, format()) && nodeFits(upper, format()))
                return cut;
        }
    }
    return n / 2;
}

Status TagTree::split(PathStep& step, NodeEntry* leftEntry)
{
    Node& node = step.node;
    const std::size_t cut = splitPoint(node);
    std::uint32_t leftOffset = 0;
    if (Status s = store_.allocate(1, &leftOffset); !s)
        return s;
    Node left;
    left.attributes = static_cast<std::uint16_t>(node.attributes & ~kAttrRoot);
    left.left = node.left;
    left.right = step.offset;
    left.entries.reserve(cut);
    for (std::size_t i = 0; i < cut; ++i)
        left.entries.push_back(std::move(node.entries[i]));
    node.entries.erase(node.entries.begin(), node.entries.begin() + static_cast<std::ptrdiff_t>(cut));
    node.attributes = left.attributes;
    node.left = leftOffset;
    if (left.left != kNoPage) {
        Node outer;
        if (Status s = loadNode(left.left, &outer); !s)
            return s;
        outer.right = leftOffset;
        if (Status s = storeNode(left.left, outer); !s)
            return s;
    }
    if (Status s = storeNode(leftOffset, left); !s)
        return s;
    if (Status s = storeNode(step.offset, node); !s)
        return s;
    const auto& last = left.entries.back();
    *leftEntry = NodeEntry{last.key, last.recno, leftOffset};
    return Status::ok();
}

Status TagTree::growRoot(const PathStep& old, const NodeEntry& leftEntry)
{
    Node root;
    root.attributes = kAttrRoot;
    const auto& last = old.node.entries.back();
    root.entries = {leftEntry, NodeEntry{last.key, last.recno, old.offset}};
    std::uint32_t offset = 0;
    if (Status s = store_.allocate(1, &offset); !s)
        return s;
    if (Status s = storeNode(offset, root); !s)
        return s;
    setRoot(offset);
    return Status::ok();
}

Status TagTree::remove(std::string_view keyIn, std::uint32_t recno)
{
    std::string key;
    if (Status s = fullKey(keyIn, &key); !s)
        return s;
    std::vector<PathStep> path;
    if (Status s = descend(entryAtOrAfter(key, recno), &path); !s)
        return s;
    PathStep& leaf = path.back();
    auto& entries = leaf.node.entries;
    if (leaf.index >= entries.size() || !sameEntry(entries[leaf.index], NodeEntry{key, recno, 0}))
        return Status::notFound("record " + std::to_string(recno) + " is not in the index under that key");
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(leaf.index));
    ++generation_;
    return removeUpward(path, path.size() - 1);
}

Status TagTree::removeUpward(std::vector<PathStep>& path, std::size_t level)
{
    for (;; --level) {
        PathStep& step = path[level];
        if (level == 0)
            return shrinkRoot(step);
        auto& parent = path[level - 1];
        if (step.node.entries.empty()) {
            if (Status s = unlink(step.node); !s)
                return s;
            if (Status s = store_.release(step.offset); !s)
                return s;
            parent.node.entries.erase(parent.node.entries.begin() + static_cast<std::ptrdiff_t>(parent.index));
            continue;
        }
        if (Status s = storeNode(step.offset, step.node); !s)
            return s;
        auto& slot = parent.node.entries[parent.index];
        const auto& last = step.node.entries.back();
        if (slot.key == last.key && slot.recno == last.recno)
            return Status::ok();
        slot.key = last.key;
        slot.recno = last.recno;
    }
}

Status TagTree::unlink(const Node& node)
{
    for (const bool leftSide : {true, false}) {
        const std::uint32_t neighbour = leftSide ? node.left : node.right;
        if (neighbour == kNoPage)
            continue;
        Node other;
        if (Status s = loadNode(neighbour, &other); !s)
            return s;
        (leftSide ? other.right : other.left) = leftSide ? node.right : node.left;
        if (Status s = storeNode(neighbour, other); !s)
            return s;
    }
    return Status::ok();
}

Status TagTree::shrinkRoot(PathStep& root)
{
    // An interior root left with one child hands the root over to it, so
    // the tree gets shallower again as it empties.
    while (!root.node.isLeaf() && root.node.entries.size() == 1) {
        const std::uint32_t child = root.node.entries.front().child;
        Node node;
        if (Status s = loadNode(child, &node); !s)
            return s;
        if (Status s = store_.release(root.offset); !s)
            return s;
        node.attributes |= kAttrRoot;
        node.left = node.right = kNoPage;
        root = PathStep{child, std::move(node), 0};
        setRoot(child);
    }
    if (!root.node.isLeaf() && root.node.entries.empty())
        root.node = Node{};
    return storeNode(root.offset, root.node);
}

} // namespace xbase::cdx
