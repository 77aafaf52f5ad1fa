#include "xbase/cdx/tag_tree.h"

#include <algorithm>
#include <unordered_set>

namespace xbase::cdx {
namespace {

// Far deeper than any real tree (a million keys need fewer than ten
// levels); a longer descent means the child pointers loop.
constexpr std::size_t kMaxDepth = 32;

} // namespace

TagTree::TagTree(PageStore& store, std::uint32_t headerOffset, const IndexHeader& header)
    : store_(store), headerOffset_(headerOffset), header_(header)
{
}

Status TagTree::fullKey(std::string_view key, std::string* out) const
{
    const auto keyLength = static_cast<std::size_t>(header_.keyLength);
    if (key.size() > keyLength)
        return Status::invalidArgument("key of " + std::to_string(key.size()) + " bytes is longer than the key length " +
                                       std::to_string(keyLength));
    out->assign(key);
    out->resize(keyLength, static_cast<char>(format().fill));
    return Status::ok();
}

Status TagTree::loadNode(std::uint32_t offset, Node* node)
{
    PageStore::Page page;
    if (Status s = store_.read(offset, &page); !s)
        return s;
    return decodeNode(page.data(), format(), offset, node);
}

Status TagTree::loadLeafSibling(std::uint32_t fromOffset, const Node& from, bool toRight, std::uint32_t* offset, Node* node)
{
    *offset = toRight ? from.right : from.left;
    if (Status s = loadNode(*offset, node); !s)
        return s;
    // Siblings point back at each other; anything else is a broken chain
    // (and a loop in it would walk forever).
    const std::uint32_t back = toRight ? node->left : node->right;
    if (!node->isLeaf() || back != fromOffset)
        return Status::corruption(store_.name() + ": sibling chain broken at node " + std::to_string(fromOffset));
    return Status::ok();
}

Status TagTree::descend(const AtOrAfter& atOrAfter, std::vector<PathStep>* path)
{
    path->clear();
    std::uint32_t offset = header_.root;
    for (;;) {
        if (path->size() >= kMaxDepth)
            return Status::corruption(store_.name() + ": child pointers loop below node " + std::to_string(header_.root));
        PathStep step;
        step.offset = offset;
        if (Status s = loadNode(offset, &step.node); !s)
            return s;
        const auto& entries = step.node.entries;
        const auto it = std::find_if(entries.begin(), entries.end(), atOrAfter);
        step.index = static_cast<std::size_t>(it - entries.begin());
        const bool leaf = step.node.isLeaf();
        if (!leaf) {
            if (entries.empty())
                return Status::corruption(store_.name() + ": interior node " + std::to_string(offset) + " is empty");
            // Past every key here: the last child holds the largest keys.
            step.index = std::min(step.index, entries.size() - 1);
            offset = entries[step.index].child;
        }
        path->push_back(std::move(step));
        if (leaf)
            return Status::ok();
    }
}

Status TagTree::edgeLeaf(bool rightmost, std::uint32_t* offset, Node* node)
{
    std::vector<PathStep> path;
    const AtOrAfter pick = [rightmost](const NodeEntry&) { return !rightmost; };
    if (Status s = descend(pick, &path); !s)
        return s;
    *offset = path.back().offset;
    *node = std::move(path.back().node);
    return Status::ok();
}

Status TagTree::collectNodes(std::vector<std::uint32_t>* offsets)
{
    std::vector<std::uint32_t> level{header_.root};
    std::unordered_set<std::uint32_t> seen;
    for (std::size_t depth = 0; !level.empty(); ++depth) {
        if (depth >= kMaxDepth)
            return Status::corruption(store_.name() + ": child pointers loop");
        std::vector<std::uint32_t> below;
        for (std::uint32_t offset : level) {
            if (!seen.insert(offset).second)
                return Status::corruption(store_.name() + ": node " + std::to_string(offset) + " is reached twice");
            Node node;
            if (Status s = loadNode(offset, &node); !s)
                return s;
            offsets->push_back(offset);
            if (!node.isLeaf())
                for (const auto& e : node.entries)
                    below.push_back(e.child);
        }
        level = std::move(below);
    }
    return Status::ok();
}

Status TagTree::containsKey(const std::string& key, bool* found)
{
    std::vector<PathStep> path;
    const AtOrAfter atOrAfter = [&key](const NodeEntry& e) { return e.key >= key; };
    if (Status s = descend(atOrAfter, &path); !s)
        return s;
    const auto& leaf = path.back();
    if (leaf.index < leaf.node.entries.size()) {
        *found = leaf.node.entries[leaf.index].key == key;
        return Status::ok();
    }
    *found = false;
    if (leaf.node.right == kNoPage)
        return Status::ok();
    std::uint32_t offset = 0;
    Node next;
    if (Status s = loadLeafSibling(leaf.offset, leaf.node, true, &offset, &next); !s)
        return s;
    *found = !next.entries.empty() && next.entries.front().key == key;
    return Status::ok();
}

void TagTree::setRoot(std::uint32_t root)
{
    header_.root = root;
    headerDirty_ = true;
}

void TagTree::replaceRoot(std::uint32_t root, const IndexHeader& header)
{
    const bool stale = header_.staleMark;
    header_ = header;
    header_.staleMark = stale;
    setRoot(root);
    ++generation_;
}

Status TagTree::writeHeaderIfDirty()
{
    if (!headerDirty_)
        return Status::ok();
    unsigned char buf[kHeaderSize];
    encodeIndexHeader(header_, buf);
    if (Status s = store_.writeDirect(headerOffset_, buf, kHeaderSize); !s)
        return s;
    headerDirty_ = false;
    return Status::ok();
}

} // namespace xbase::cdx
