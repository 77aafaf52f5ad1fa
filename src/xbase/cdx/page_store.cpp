#include "xbase/cdx/page_store.h"

#include "xbase/cdx/index_header.h"

#include <algorithm>

namespace xbase::cdx {
namespace {

// Offsets are 32-bit in the layout; the last node must still be addressable.
constexpr std::uint64_t kMaxFileSize = 0xFFFFFE00u;

} // namespace

PageStore::PageStore(std::unique_ptr<File> file, std::string name, bool writable, std::size_t maxCachedPages)
    : file_(std::move(file)), name_(std::move(name)), writable_(writable), maxCached_(std::max<std::size_t>(maxCachedPages, 16))
{
}

PageStore::~PageStore() = default;

Status PageStore::init() { return file_->size(&end_); }

Status PageStore::requireWritable() const
{
    if (!writable_)
        return Status::invalidArgument(name_ + " is open read-only");
    return Status::ok();
}

Status PageStore::checkNodeOffset(std::uint32_t offset) const
{
    if (offset % kPageSize != 0 || offset < kHeaderSize || std::uint64_t{offset} + kPageSize > end_)
        return Status::corruption(name_ + ": node pointer " + std::to_string(offset) +
                                  " lies outside the file or off the node boundaries");
    return Status::ok();
}

void PageStore::touch(std::list<Cached>::iterator it)
{
    if (it != lru_.begin())
        lru_.splice(lru_.begin(), lru_, it);
}

Status PageStore::evictIfFull()
{
    while (lru_.size() >= maxCached_) {
        Cached& victim = lru_.back();
        if (victim.dirty) {
            if (Status s = file_->writeAt(victim.offset, victim.page.data(), kPageSize); !s)
                return s;
        }
        index_.erase(victim.offset);
        lru_.pop_back();
    }
    return Status::ok();
}

Status PageStore::insertCached(std::uint32_t offset, const Page& page, bool dirty)
{
    if (Status s = evictIfFull(); !s)
        return s;
    lru_.push_front(Cached{offset, page, dirty});
    index_[offset] = lru_.begin();
    return Status::ok();
}

Status PageStore::read(std::uint32_t offset, Page* out)
{
    if (Status s = checkNodeOffset(offset); !s)
        return s;
    if (auto found = index_.find(offset); found != index_.end()) {
        *out = found->second->page;
        touch(found->second);
        return Status::ok();
    }
    if (Status s = file_->readExact(offset, out->data(), kPageSize, "an index node"); !s)
        return s;
    return insertCached(offset, *out, false);
}

Status PageStore::write(std::uint32_t offset, const Page& page)
{
    if (Status s = requireWritable(); !s)
        return s;
    if (Status s = checkNodeOffset(offset); !s)
        return s;
    if (auto found = index_.find(offset); found != index_.end()) {
        found->second->page = page;
        found->second->dirty = true;
        touch(found->second);
        return Status::ok();
    }
    return insertCached(offset, page, true);
}

Status PageStore::allocate(std::size_t count, std::uint32_t* offset)
{
    if (Status s = requireWritable(); !s)
        return s;
    if (count == 1 && !freed_.empty()) {
        *offset = freed_.back();
        freed_.pop_back();
        return Status::ok();
    }
    return allocateAtEnd(count, offset);
}

Status PageStore::allocateAtEnd(std::size_t count, std::uint32_t* offset)
{
    if (Status s = requireWritable(); !s)
        return s;
    // Keep the file a whole number of nodes, whatever wrote it before.
    const std::uint64_t start = (end_ + kPageSize - 1) / kPageSize * kPageSize;
    const std::uint64_t newEnd = start + count * kPageSize;
    if (newEnd > kMaxFileSize)
        return Status::notSupported(name_ + " would grow beyond 4 GB");
    end_ = newEnd;
    *offset = static_cast<std::uint32_t>(start);
    return Status::ok();
}

Status PageStore::release(std::uint32_t offset)
{
    Page blank{};
    if (Status s = write(offset, blank); !s)
        return s;
    freed_.push_back(offset);
    return Status::ok();
}

Status PageStore::readDirect(std::uint64_t offset, unsigned char* buf, std::size_t n, const char* what)
{
    return file_->readExact(offset, buf, n, what);
}

Status PageStore::writeDirect(std::uint64_t offset, const unsigned char* buf, std::size_t n)
{
    if (Status s = requireWritable(); !s)
        return s;
    // Cached copies of what is overwritten would be stale.
    for (std::uint64_t p = offset / kPageSize * kPageSize; p < offset + n; p += kPageSize) {
        if (auto found = index_.find(static_cast<std::uint32_t>(p)); found != index_.end()) {
            lru_.erase(found->second);
            index_.erase(found);
        }
    }
    if (Status s = file_->writeAt(offset, buf, n); !s)
        return s;
    end_ = std::max(end_, offset + n);
    return Status::ok();
}

Status PageStore::truncateTo(std::uint64_t length)
{
    if (Status s = requireWritable(); !s)
        return s;
    for (auto it = lru_.begin(); it != lru_.end();) {
        if (it->offset >= length) {
            index_.erase(it->offset);
            it = lru_.erase(it);
        } else {
            ++it;
        }
    }
    std::erase_if(freed_, [length](std::uint32_t o) { return o >= length; });
    end_ = length;
    return file_->truncate(length);
}

Status PageStore::flush()
{
    if (!writable_)
        return Status::ok();
    std::vector<Cached*> dirty;
    for (auto& c : lru_)
        if (c.dirty)
            dirty.push_back(&c);
    std::sort(dirty.begin(), dirty.end(), [](const Cached* a, const Cached* b) { return a->offset < b->offset; });
    for (Cached* c : dirty) {
        if (Status s = file_->writeAt(c->offset, c->page.data(), kPageSize); !s)
            return s;
        c->dirty = false;
    }
    // Nodes allocated but never written still belong inside the file.
    std::uint64_t size = 0;
    if (Status s = file_->size(&size); !s)
        return s;
    if (size < end_) {
        if (Status s = file_->truncate(end_); !s)
            return s;
    }
    return file_->sync();
}

Status PageStore::syncFile() { return writable_ ? file_->sync() : Status::ok(); }

} // namespace xbase::cdx
