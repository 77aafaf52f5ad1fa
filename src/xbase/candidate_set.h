#pragma once

#include <cstdint>
#include <vector>

namespace xbase {

// The record numbers an index range offers as possible query matches, as a
// bitmap over the table (one bit a record, 125 KB for a million records).
// Walking it in record number order keeps natural order while touching only
// the candidates.
class CandidateSet {
public:
    // Empty, or holding every record when `all`.
    explicit CandidateSet(std::uint32_t recordCount, bool all = false);
    // Grows the set for records appended since it was built.
    void add(std::uint32_t recno);
    void remove(std::uint32_t recno);
    std::uint32_t count() const;
    bool contains(std::uint32_t recno) const;
    // The first candidate after `recno` (0 for the very first), or 0 when none.
    std::uint32_t nextAfter(std::uint32_t recno) const;
    // The last candidate before `recno` (recordCount + 1 for the very last), or 0.
    std::uint32_t previousBefore(std::uint32_t recno) const;
    std::uint32_t recordCount() const { return recordCount_; }

private:
    std::uint32_t recordCount_;
    std::vector<std::uint64_t> bits_;
};

} // namespace xbase
