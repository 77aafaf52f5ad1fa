#include "xbase/dbf/record_cache.h"

#include <cstring>

namespace xbase::dbf {

std::uint32_t RecordCache::fillCount(std::uint32_t recno) const
{
    return recno == lastRead_ + 1 ? static_cast<std::uint32_t>(kBytes / recordLength_) : 1;
}

bool RecordCache::copyOut(std::uint32_t recno, unsigned char* buf)
{
    if (!holds(recno))
        return false;
    lastRead_ = recno;
    std::memcpy(buf, data_.data() + std::size_t{recno - first_} * recordLength_, recordLength_);
    return true;
}

unsigned char* RecordCache::prepare(std::uint32_t first, std::uint32_t count)
{
    data_.resize(std::size_t{count} * recordLength_);
    first_ = first;
    count_ = count;
    return data_.data();
}

void RecordCache::update(std::uint32_t recno, const unsigned char* buf)
{
    if (holds(recno))
        std::memcpy(data_.data() + std::size_t{recno - first_} * recordLength_, buf, recordLength_);
}

} // namespace xbase::dbf
