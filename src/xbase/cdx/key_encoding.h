#pragma once

#include <string>
#include <string_view>

namespace xbase {

enum class KeyType { Character, Numeric, Date, Logical };

// 8 bytes that compare as unsigned bytes in numeric order: the IEEE double,
// big-endian, with the sign bit flipped for values >= 0 and every bit
// inverted for negative ones. Other xBase readers decode numeric keys the
// same way, so the bytes must stay exactly these.
std::string encodeNumericKey(double v);
std::string encodeDateKey(double julianDay);
// "T" or "F".
std::string encodeLogicalKey(bool v);
// The inverse of encodeNumericKey; 0 for a key that is not 8 bytes long.
double decodeNumericKey(std::string_view key);

// The byte that the compact leaf format leaves out at the end of keys:
// blanks for character and logical keys, zero bytes for numbers and dates.
unsigned char trailingFill(KeyType type);

} // namespace xbase
