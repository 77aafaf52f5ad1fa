#include "xbase/expr/case_table.h"

#include <array>

namespace xbase::expr {

namespace {

struct CaseTables {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
};

constexpr void pair(CaseTables& t, int lowerCase, int upperCase)
{
    t.upper[static_cast<std::size_t>(lowerCase)] = static_cast<unsigned char>(upperCase);
    t.lower[static_cast<std::size_t>(upperCase)] = static_cast<unsigned char>(lowerCase);
}

constexpr CaseTables makeTables()
{
    CaseTables t;
    for (int c = 0; c < 256; ++c) {
        t.upper[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
        t.lower[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
    }
    for (int c = 'a'; c <= 'z'; ++c)
        pair(t, c, c - 0x20);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7) // the division sign sits where a letter would
            pair(t, c, c - 0x20);
    pair(t, 0x9A, 0x8A);
    pair(t, 0x9C, 0x8C);
    pair(t, 0x9E, 0x8E);
    pair(t, 0xFF, 0x9F);
    return t;
}

constexpr CaseTables kTables = makeTables();

} // namespace

unsigned char upper1252(unsigned char c) { return kTables.upper[c]; }
unsigned char lower1252(unsigned char c) { return kTables.lower[c]; }

void upperInPlace(char* text, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>(kTables.upper[static_cast<unsigned char>(text[i])]);
}

void lowerInPlace(char* text, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>(kTables.lower[static_cast<unsigned char>(text[i])]);
}

} // namespace xbase::expr
