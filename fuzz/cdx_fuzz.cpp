// Fuzz target: a compound or single-order index from outside. Opens the
// bytes as an index, lists the tags, walks each tag both ways with a step
// limit, seeks a few keys, and then inserts and removes a key, as the work
// area does with a file it has just opened.

#include "xbase/cdx/index_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The input held in memory: the index reads and writes it like a file.
class MemoryFile final : public xbase::File {
public:
    MemoryFile(const std::uint8_t* data, std::size_t size) : bytes_(data, data + size) {}

    xbase::Status readAt(std::uint64_t offset, void* buf, std::size_t n, std::size_t* got) override
    {
        *got = offset >= bytes_.size() ? 0 : std::min<std::uint64_t>(n, bytes_.size() - offset);
        if (*got)
            std::memcpy(buf, bytes_.data() + offset, *got);
        return xbase::Status::ok();
    }
    xbase::Status writeAt(std::uint64_t offset, const void* buf, std::size_t n) override
    {
        if (offset + n > kLimit)
            return xbase::Status::ioError("memory file full");
        if (bytes_.size() < offset + n)
            bytes_.resize(offset + n);
        std::memcpy(bytes_.data() + offset, buf, n);
        return xbase::Status::ok();
    }
    xbase::Status sync() override { return xbase::Status::ok(); }
    xbase::Status size(std::uint64_t* out) override
    {
        *out = bytes_.size();
        return xbase::Status::ok();
    }
    xbase::Status truncate(std::uint64_t length) override
    {
        if (length > kLimit)
            return xbase::Status::ioError("memory file full");
        bytes_.resize(length);
        return xbase::Status::ok();
    }
    xbase::Status lockRange(std::uint64_t, std::uint64_t) override { return xbase::Status::ok(); }
    xbase::Status unlockRange(std::uint64_t, std::uint64_t) override { return xbase::Status::ok(); }

private:
    static constexpr std::uint64_t kLimit = 64u << 20;
    std::vector<unsigned char> bytes_;
};

constexpr int kMaxSteps = 20000;

void walk(xbase::IndexFile& index, int tag)
{
    auto cursor = index.cursor(tag);
    int steps = 0;
    for (bool ok = cursor->first(); ok && steps < kMaxSteps; ok = cursor->next())
        steps += static_cast<int>(cursor->key().size() > 0);
    for (bool ok = cursor->last(); ok && steps < 2 * kMaxSteps; ok = cursor->prev())
        ++steps;
    for (const char* key : {"", "A", "M", "SMITH", "\xFF"}) {
        cursor->seek(key, true);
        cursor->seek(key, false);
    }
    cursor->seekEntry("A", 1);
}

void update(xbase::IndexFile& index, int tag)
{
    const int keyLength = index.tags()[static_cast<std::size_t>(tag)].keyLength;
    const std::string key(static_cast<std::size_t>(keyLength), 'M');
    if (index.insertKey(tag, key, 7).isOk())
        index.removeKey(tag, key, 7);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::unique_ptr<xbase::IndexFile> index;
    auto file = std::make_unique<MemoryFile>(data, size);
    if (!xbase::IndexFile::open(std::move(file), "input.cdx", xbase::OpenMode::Exclusive, &index).isOk())
        return 0;
    for (const auto& tag : index->tags())
        index->findTag(tag.name);
    const int tags = std::min<int>(static_cast<int>(index->tags().size()), 64);
    for (int t = 0; t < tags; ++t) {
        walk(*index, t);
        update(*index, t);
    }
    index->flush();
    return 0;
}
