#pragma once

#include "xbase/core/status.h"

#include <string>
#include <string_view>

// Numbers as N fields hold them: decimal text, right-aligned in the field.
// Worked on as digits, never through a double, so that what the user typed
// is stored exactly (rounded only to the field's decimals).
namespace xbase::dbf {

// Formats `value` (optional sign, digits, optional point and digits,
// surrounding blanks allowed) with exactly `decimals` decimals, rounding
// halves away from zero, right-aligned in `width`. InvalidArgument when the
// text is not a number or does not fit.
Status formatNumber(std::string_view value, int width, int decimals, std::string* out);

} // namespace xbase::dbf
