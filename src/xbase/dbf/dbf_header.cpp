#include "xbase/dbf/dbf_header.h"

#include "xbase/core/bytes.h"

#include <algorithm>

namespace xbase::dbf {
namespace {

unsigned char yearByte(int year)
{
    return static_cast<unsigned char>(std::clamp(year - 1900, 0, 255));
}

} // namespace

std::array<unsigned char, kHeaderSize> encodeHeader(const DbfHeader& h)
{
    std::array<unsigned char, kHeaderSize> out{};
    out[0] = h.version;
    out[1] = yearByte(h.year);
    out[2] = static_cast<unsigned char>(h.month);
    out[3] = static_cast<unsigned char>(h.day);
    bytes::putLe32(&out[4], h.recordCount);
    bytes::putLe16(&out[8], h.headerLength);
    bytes::putLe16(&out[10], h.recordLength);
    out[28] = h.tableFlags;
    out[29] = h.languageDriver;
    return out;
}

DbfHeader decodeHeader(const unsigned char* p)
{
    DbfHeader h;
    h.version = p[0];
    h.year = 1900 + p[1];
    h.month = p[2];
    h.day = p[3];
    h.recordCount = bytes::getLe32(p + 4);
    h.headerLength = bytes::getLe16(p + 8);
    h.recordLength = bytes::getLe16(p + 10);
    h.tableFlags = p[28];
    h.languageDriver = p[29];
    return h;
}

std::array<unsigned char, kDescriptorSize> encodeDescriptor(const FieldDescriptor& d)
{
    std::array<unsigned char, kDescriptorSize> out{};
    std::copy_n(d.name.begin(), std::min<std::size_t>(d.name.size(), 10), out.begin());
    out[11] = static_cast<unsigned char>(d.type);
    bytes::putLe32(&out[12], d.displacement);
    out[16] = d.length;
    out[17] = d.decimals;
    out[18] = d.flags;
    return out;
}

FieldDescriptor decodeDescriptor(const unsigned char* p)
{
    FieldDescriptor d;
    std::size_t nameLength = 0;
    while (nameLength < 11 && p[nameLength] != 0)
        ++nameLength;
    d.name.assign(reinterpret_cast<const char*>(p), nameLength);
    d.type = static_cast<char>(p[11]);
    d.displacement = bytes::getLe32(p + 12);
    d.length = p[16];
    d.decimals = p[17];
    d.flags = p[18];
    return d;
}

} // namespace xbase::dbf
