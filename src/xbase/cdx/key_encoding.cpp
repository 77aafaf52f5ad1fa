#include "xbase/cdx/key_encoding.h"

#include <bit>
#include <cstdint>
#include <string_view>

namespace xbase {

std::string encodeNumericKey(double v)
{
    if (v == 0)
        v = 0; // -0.0 and 0.0 are one key
    auto bits = std::bit_cast<std::uint64_t>(v);
    if (bits & (std::uint64_t{1} << 63))
        bits = ~bits;
    else
        bits |= std::uint64_t{1} << 63;
    std::string out(8, '\0');
    for (int i = 0; i < 8; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<char>(bits >> (8 * (7 - i)));
    return out;
}

std::string encodeDateKey(double julianDay) { return encodeNumericKey(julianDay); }

std::string encodeLogicalKey(bool v) { return v ? std::string("T") : std::string("F"); }

double decodeNumericKey(std::string_view key)
{
    if (key.size() != 8)
        return 0;
    std::uint64_t bits = 0;
    for (unsigned char c : key)
        bits = (bits << 8) | c;
    if (bits & (std::uint64_t{1} << 63))
        bits &= ~(std::uint64_t{1} << 63);
    else
        bits = ~bits;
    return std::bit_cast<double>(bits);
}

unsigned char trailingFill(KeyType type)
{
    return (type == KeyType::Numeric || type == KeyType::Date) ? 0 : ' ';
}

} // namespace xbase
