#pragma once

#include "xbase/core/file.h"
#include "xbase/core/status.h"

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace xbase::cdx {

// The index file as 512-byte nodes: a bounded cache keyed by offset with
// dirty tracking, so that opening a large index reads only what is walked.
// Dirty nodes leave the cache by being written; flush() writes the rest and
// makes everything durable.
class PageStore {
public:
    using Page = std::array<unsigned char, 512>;

    PageStore(std::unique_ptr<File> file, std::string name, bool writable, std::size_t maxCachedPages = 8192);
    ~PageStore();
    Status init();

    const std::string& name() const { return name_; }
    bool writable() const { return writable_; }
    std::uint64_t end() const { return end_; }

    // A node offset must lie on a node boundary, past the file header and
    // inside the file; anything else is damage.
    Status checkNodeOffset(std::uint32_t offset) const;
    Status read(std::uint32_t offset, Page* out);
    Status write(std::uint32_t offset, const Page& page);

    // Room for `count` consecutive nodes: a node freed in this session when
    // one is asked for, else the end of the file.
    Status allocate(std::size_t count, std::uint32_t* offset);
    // Room at the end of the file only: consecutive calls give consecutive
    // nodes, which bulk builds rely on for their sibling links.
    Status allocateAtEnd(std::size_t count, std::uint32_t* offset);
    // Freed nodes are reused while the file stays open; the on-disk free
    // list stays empty so that no other program can trip over our layout.
    Status release(std::uint32_t offset);

    // Unbuffered access for headers and whole built trees.
    Status readDirect(std::uint64_t offset, unsigned char* buf, std::size_t n, const char* what);
    Status writeDirect(std::uint64_t offset, const unsigned char* buf, std::size_t n);
    // Gives back everything from `length` on (a cancelled build).
    Status truncateTo(std::uint64_t length);
    Status flush();
    // Makes what was written so far durable, without writing cached nodes.
    Status syncFile();

private:
    struct Cached {
        std::uint32_t offset;
        Page page;
        bool dirty;
    };
    Status requireWritable() const;
    Status insertCached(std::uint32_t offset, const Page& page, bool dirty);
    Status evictIfFull();
    void touch(std::list<Cached>::iterator it);

    std::unique_ptr<File> file_;
    std::string name_;
    bool writable_;
    std::size_t maxCached_;
    std::uint64_t end_ = 0;
    std::list<Cached> lru_;
    std::unordered_map<std::uint32_t, std::list<Cached>::iterator> index_;
    std::vector<std::uint32_t> freed_;
};

} // namespace xbase::cdx
