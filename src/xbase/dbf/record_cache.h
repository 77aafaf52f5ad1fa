#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace xbase::dbf {

// A run of consecutive records read in one go, so that a sequential scan
// costs one read per buffer rather than one per record.
class RecordCache {
public:
    static constexpr std::size_t kBytes = 64 * 1024;

    explicit RecordCache(std::size_t recordLength) : recordLength_(recordLength) {}

    // How many records one fill should read.
    std::uint32_t capacity() const { return static_cast<std::uint32_t>(kBytes / recordLength_); }
    bool copyOut(std::uint32_t recno, unsigned char* buf) const;
    // Makes room for `count` records starting at `first`; the caller reads
    // them into the returned buffer.
    unsigned char* prepare(std::uint32_t first, std::uint32_t count);
    void update(std::uint32_t recno, const unsigned char* buf);
    void clear() { count_ = 0; }

private:
    bool holds(std::uint32_t recno) const { return recno >= first_ && recno - first_ < count_; }

    std::size_t recordLength_;
    std::vector<unsigned char> data_;
    std::uint32_t first_ = 0;
    std::uint32_t count_ = 0;
};

} // namespace xbase::dbf
