#include "cli/position_list.h"

#include <cctype>
#include <sstream>

namespace quorvel::cli {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Digits only, kept within what a position list can mean; larger numbers
// are held at a value no sheet has, so they read as out of range.
std::optional<int> positionNumber(const std::string& text)
{
    const std::string digits = trimmed(text);
    if (digits.empty())
        return std::nullopt;
    long value = 0;
    for (const char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), 100000L);
    }
    return static_cast<int>(value);
}

} // namespace

std::optional<std::vector<PositionRange>> parsePositionList(const std::string& text, std::string* error)
{
    std::vector<PositionRange> ranges;
    std::istringstream parts(text);
    for (std::string part; std::getline(parts, part, ',');) {
        const auto dash = part.find('-');
        const std::optional<int> first = positionNumber(part.substr(0, dash));
        const std::optional<int> last = dash == std::string::npos ? first : positionNumber(part.substr(dash + 1));
        if (!first || !last || *last < *first) {
            *error = "--positions takes positions and ranges such as 1-3,7,290-300; \"" + trimmed(part) +
                     "\" is not one";
            return std::nullopt;
        }
        ranges.push_back({*first, *last});
    }
    if (ranges.empty() || text.back() == ',') {
        *error = "--positions takes positions and ranges such as 1-3,7,290-300";
        return std::nullopt;
    }
    return ranges;
}

} // namespace quorvel::cli
