#include "xbase/candidate_set.h"

#include <bit>

namespace xbase {

CandidateSet::CandidateSet(std::uint32_t recordCount, bool all)
    : recordCount_(recordCount), bits_((static_cast<std::size_t>(recordCount) + 64) / 64, all ? ~std::uint64_t{0} : 0)
{
    if (!all)
        return;
    bits_[0] &= ~std::uint64_t{1}; // there is no record 0
    const std::uint32_t used = (recordCount + 1) % 64;
    if (used != 0)
        bits_.back() &= (std::uint64_t{1} << used) - 1;
}

void CandidateSet::remove(std::uint32_t recno)
{
    if (recno >= 1 && recno <= recordCount_)
        bits_[recno / 64] &= ~(std::uint64_t{1} << (recno % 64));
}

std::uint32_t CandidateSet::count() const
{
    std::uint32_t n = 0;
    for (std::uint64_t word : bits_)
        n += static_cast<std::uint32_t>(std::popcount(word));
    return n;
}

void CandidateSet::add(std::uint32_t recno)
{
    if (recno == 0)
        return;
    if (recno > recordCount_) {
        recordCount_ = recno;
        bits_.resize((static_cast<std::size_t>(recno) + 64) / 64);
    }
    bits_[recno / 64] |= std::uint64_t{1} << (recno % 64);
}

bool CandidateSet::contains(std::uint32_t recno) const
{
    return recno >= 1 && recno <= recordCount_ && (bits_[recno / 64] >> (recno % 64)) & 1;
}

std::uint32_t CandidateSet::nextAfter(std::uint32_t recno) const
{
    std::uint64_t from = static_cast<std::uint64_t>(recno) + 1;
    while (from <= recordCount_) {
        const std::uint64_t word = bits_[from / 64] >> (from % 64);
        if (word != 0) {
            const std::uint64_t found = from + static_cast<std::uint64_t>(std::countr_zero(word));
            return found <= recordCount_ ? static_cast<std::uint32_t>(found) : 0;
        }
        from = (from / 64 + 1) * 64;
    }
    return 0;
}

std::uint32_t CandidateSet::previousBefore(std::uint32_t recno) const
{
    if (recno == 0)
        return 0;
    std::int64_t from = static_cast<std::int64_t>(recno > recordCount_ ? recordCount_ : recno - 1);
    while (from >= 1) {
        const int shift = 63 - static_cast<int>(from % 64);
        const std::uint64_t word = bits_[static_cast<std::size_t>(from / 64)] << shift;
        if (word != 0) {
            const std::int64_t found = from - std::countl_zero(word);
            return found >= 1 ? static_cast<std::uint32_t>(found) : 0;
        }
        from = (from / 64) * 64 - 1;
    }
    return 0;
}

} // namespace xbase
