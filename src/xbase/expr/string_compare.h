#pragma once

#include <string_view>

namespace xbase::expr {

// Orders two character values the xBase way, as unsigned bytes:
// - exact off: only as much of the left side as the right side is long
//   counts, so "SMITHSON" equals "SMITH" and anything equals "";
//   a left side shorter than the right is less when it is a prefix of it;
// - exact on: the shorter side is padded with blanks first.
// Returns <0, 0 or >0.
int compareCharacter(std::string_view left, std::string_view right, bool exact);

// "$": the left side occurs somewhere in the right side.
bool containsText(std::string_view needle, std::string_view haystack);

} // namespace xbase::expr
