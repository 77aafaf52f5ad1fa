#pragma once

#include "xbase/cdx/index_header.h"
#include "xbase/cdx/node.h"
#include "xbase/cdx/page_store.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace xbase::cdx {

// A node on the way from the root down, with the entry taken there.
struct PathStep {
    std::uint32_t offset = 0;
    Node node;
    std::size_t index = 0;
};

// True for entries at or after what is looked for; entries are sorted, so
// it is false for a prefix of them and true for the rest.
using AtOrAfter = std::function<bool(const NodeEntry&)>;

// The B-tree of one tag (or of the tag directory): lookups for cursors and
// the updates that keep it valid. Interior entries carry the last key and
// record of their child, so a descent compares whole entries.
class TagTree {
public:
    TagTree(PageStore& store, std::uint32_t headerOffset, const IndexHeader& header);

    const IndexHeader& header() const { return header_; }
    std::uint32_t headerOffset() const { return headerOffset_; }
    KeyFormat format() const { return {header_.keyLength, trailingFill(header_.keyType)}; }
    bool unique() const { return (header_.options & kOptionUnique) != 0; }
    void setKeyType(KeyType t) { header_.keyType = t; }
    // Kept in the header so that rewriting it keeps the mark; written on its
    // own by IndexFile::setStaleMark.
    void setStaleMark(bool on) { header_.staleMark = on; }
    // Changes with every update, so cursors know to find their place again.
    std::uint64_t generation() const { return generation_; }
    bool removed() const { return removed_; }
    void markRemoved() { removed_ = true; }
    const std::string& fileName() const { return store_.name(); }

    // Pads a short key with the fill byte; InvalidArgument for a long one.
    Status fullKey(std::string_view key, std::string* out) const;

    Status loadNode(std::uint32_t offset, Node* node);
    Status loadLeafSibling(std::uint32_t fromOffset, const Node& from, bool toRight, std::uint32_t* offset, Node* node);
    Status descend(const AtOrAfter& atOrAfter, std::vector<PathStep>* path);
    Status edgeLeaf(bool rightmost, std::uint32_t* offset, Node* node);
    // Every node of the tree, for giving them back when the tag goes.
    Status collectNodes(std::vector<std::uint32_t>* offsets);

    Status insert(std::string_view key, std::uint32_t recno);
    Status remove(std::string_view key, std::uint32_t recno);
    Status containsKey(const std::string& key, bool* found);
    // Replaces the whole tree by one built elsewhere.
    void replaceRoot(std::uint32_t root, const IndexHeader& header);
    Status writeHeaderIfDirty();

private:
    Status storeNode(std::uint32_t offset, const Node& node);
    Status storeUpward(std::vector<PathStep>& path, std::size_t level);
    Status split(PathStep& step, NodeEntry* leftEntry);
    std::size_t splitPoint(const Node& node) const;
    Status growRoot(const PathStep& old, const NodeEntry& leftEntry);
    Status removeUpward(std::vector<PathStep>& path, std::size_t level);
    Status unlink(const Node& node);
    Status shrinkRoot(PathStep& root);
    void setRoot(std::uint32_t root);

    PageStore& store_;
    std::uint32_t headerOffset_;
    IndexHeader header_;
    bool headerDirty_ = false;
    bool removed_ = false;
    std::uint64_t generation_ = 0;
};

} // namespace xbase::cdx
