#include "design/windows1252.h"

#include <array>

namespace design {

namespace {

// Unicode code points of the bytes 0x80 to 0x9F; undefined bytes keep their
// own value so that they survive a round trip.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> encodeChar(char16_t unicode)
{
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return static_cast<char>(unicode);
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == unicode)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

QString fromWindows1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const char16_t unicode = (byte >= 0x80 && byte < 0xA0) ? kHighControlRange[byte - 0x80] : char16_t(byte);
        text.append(QChar(unicode));
    }
    return text;
}

std::optional<QByteArray> toWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const auto encoded = encodeChar(c.unicode());
        if (!encoded)
            return std::nullopt;
        bytes.append(*encoded);
    }
    return bytes;
}

} // namespace design
