#include "cli/text_encoding.h"

#include <cstdint>

namespace quorvel::cli {

namespace {

// The code points of bytes 0x80-0x9F; every other byte is its own code
// point (Latin-1). Five bytes are unassigned and pass as the C1 control of
// the same number, so no byte is ever lost.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t codePointOf(unsigned char byte)
{
    return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80] : byte;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool byteFor(char32_t cp, char* out)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        *out = static_cast<char>(cp);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == cp) {
            *out = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

// Decodes one UTF-8 sequence at text[*pos]; false on a malformed one.
bool decodeUtf8(std::string_view text, std::size_t* pos, char32_t* cp)
{
    const auto lead = static_cast<unsigned char>(text[*pos]);
    const int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || *pos + static_cast<std::size_t>(extra) >= text.size())
        return false;
    char32_t value = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[*pos + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80)
            return false;
        value = (value << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[extra])
        return false; // an overlong form hides a character; refuse it
    *pos += static_cast<std::size_t>(extra) + 1;
    *cp = value;
    return true;
}

} // namespace

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

bool utf8ToWindows1252(std::string_view utf8, std::string* out)
{
    out->clear();
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        char byte = 0;
        if (!decodeUtf8(utf8, &pos, &cp) || !byteFor(cp, &byte))
            return false;
        *out += byte;
    }
    return true;
}

} // namespace quorvel::cli
