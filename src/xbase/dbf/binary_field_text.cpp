#include "xbase/dbf/binary_field_text.h"

#include "xbase/core/bytes.h"
#include "xbase/dbf/calendar.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace xbase::dbf {
namespace {

std::uint64_t getLe64(const unsigned char* p)
{
    return static_cast<std::uint64_t>(bytes::getLe32(p)) | (static_cast<std::uint64_t>(bytes::getLe32(p + 4)) << 32);
}

constexpr std::int64_t kMillisPerDay = 86'400'000;

} // namespace

std::string integerText(const unsigned char* p)
{
    return std::to_string(static_cast<std::int32_t>(bytes::getLe32(p)));
}

std::string currencyText(const unsigned char* p)
{
    const auto raw = static_cast<std::int64_t>(getLe64(p));
    const std::uint64_t magnitude = raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    char frac[8];
    std::snprintf(frac, sizeof frac, "%04u", static_cast<unsigned>(magnitude % 10000));
    return (raw < 0 ? "-" : "") + std::to_string(magnitude / 10000) + "." + frac;
}

std::string dateTimeText(const unsigned char* p)
{
    std::int64_t day = static_cast<std::int32_t>(bytes::getLe32(p));
    std::int64_t millis = static_cast<std::int32_t>(bytes::getLe32(p + 4));
    if (day <= 0 || millis < 0 || millis >= kMillisPerDay)
        return {};
    // Stored times are often a millisecond short of the whole second.
    std::int64_t seconds = (millis + 500) / 1000;
    if (seconds == 86'400) {
        seconds = 0;
        ++day;
    }
    const CivilDate d = civilFromJulianDay(day);
    if (d.year < 1 || d.year > 9999)
        return {};
    char buf[24];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", d.year, d.month, d.day, static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return buf;
}

std::string doubleText(const unsigned char* p)
{
    const double value = std::bit_cast<double>(getLe64(p));
    char buf[40];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

std::string hexText(const unsigned char* p, std::size_t n)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        out += kDigits[p[i] >> 4];
        out += kDigits[p[i] & 0x0F];
    }
    return out;
}

} // namespace xbase::dbf
