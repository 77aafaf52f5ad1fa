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

    // How many records a fill at `recno` should read: a buffer full when the
    // previous read was the record before (a scan), else just the one, since
    // random access (seeks, walks in key order) would use one record of the
    // buffer and copy the rest for nothing.
    std::uint32_t fillCount(std::uint32_t recno) const;
    // Copies the record out when held, which makes it the last read.
    bool copyOut(std::uint32_t recno, unsigned char* buf);
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
    std::uint32_t lastRead_ = 0;
};

} // namespace xbase::dbf
