#pragma once

#include <string>
#include <string_view>

namespace xbase::expr {

// The number at the start of a text as VAL reads it: leading blanks, a sign,
// digits and decimals; reading stops at the first other character, and a
// text without digits is 0. N and F fields are read the same way.
double parseNumber(std::string_view text);

// STR: the number right-aligned in `length` characters with `decimals`
// decimals, rounded half away from zero. Decimals that do not fit are
// dropped; a number whose whole part does not fit shows as asterisks.
void appendStr(double value, int length, int decimals, std::string& out);

} // namespace xbase::expr
