#pragma once

#include <cstddef>

namespace xbase::expr {

// Letter case in Windows-1252: ASCII, the accented Latin-1 letters, and the
// four pairs that code page adds in 0x80-0x9F (S and Z with caron, OE, Y with
// diaeresis). Characters without a partner map to themselves.
unsigned char upper1252(unsigned char c);
unsigned char lower1252(unsigned char c);

void upperInPlace(char* text, std::size_t length);
void lowerInPlace(char* text, std::size_t length);

} // namespace xbase::expr
