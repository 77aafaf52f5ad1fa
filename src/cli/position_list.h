#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvel::cli {

// A run of label positions, 1-based, first <= last.
struct PositionRange {
    int first = 1;
    int last = 1;
};

// "1-3,7,290-300": positions and ranges separated by commas, blanks around
// each part allowed. Nothing, with *error set, for any other text (an empty
// part, a range that runs backwards, a part that is not a number). Whether
// the positions exist on a sheet is for the caller to check.
std::optional<std::vector<PositionRange>> parsePositionList(const std::string& text, std::string* error);

} // namespace quorvel::cli
