#pragma once

#include "xbase/cdx/node.h"
#include "xbase/core/status.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace xbase {

namespace cdx {
class TagTree;
}

// A position in one tag, walking the leaves through their sibling links.
// Descending tags are stored ascending and walked backwards. A cursor finds
// its place again after the tag changed under it; it must not outlive the
// IndexFile that made it.
class IndexCursor {
public:
    explicit IndexCursor(std::shared_ptr<cdx::TagTree> tree);
    ~IndexCursor();

    bool first();
    bool last();
    bool next();
    bool prev();
    // Positions at the first entry whose key >= key (compared over key.size()
    // bytes when prefix is true); returns whether that entry matches.
    bool seek(std::string_view key, bool prefix);
    bool seekEntry(std::string_view key, std::uint32_t recno); // exactly that entry
    bool valid() const { return valid_; }
    std::string_view key() const;
    std::uint32_t recno() const;
    Status status() const { return status_; } // Corruption met while walking

private:
    bool ascFirst();
    bool ascLast();
    bool ascNext();
    bool ascPrev();
    bool ascLowerBound(const std::function<bool(const cdx::NodeEntry&)>& atOrAfter);
    bool stepForward();
    bool stepBackward();
    bool stale() const;
    bool usable();
    bool fail(Status s);
    bool settle();
    bool enterLeaf(bool toRight);
    bool prefixSeekAsc(const std::string& key, bool after);
    bool matches(const std::string& key, bool prefix) const;

    std::shared_ptr<cdx::TagTree> tree_;
    std::uint32_t leafOffset_ = 0;
    cdx::Node leaf_;
    std::size_t pos_ = 0;
    bool valid_ = false;
    Status status_;
    std::uint64_t generation_ = 0;
    std::string key_;   // the current entry, to find it again after changes
    std::uint32_t recno_ = 0;
};

} // namespace xbase
