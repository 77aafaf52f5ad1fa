#include "xbase/expr/string_compare.h"

#include <algorithm>
#include <cstring>

namespace xbase::expr {

namespace {

int compareBytes(std::string_view a, std::string_view b, std::size_t n)
{
    return n == 0 ? 0 : std::memcmp(a.data(), b.data(), n);
}

// The rest of the longer side against the blanks the shorter side is padded with.
int compareWithBlanks(std::string_view rest)
{
    for (char c : rest) {
        const auto u = static_cast<unsigned char>(c);
        if (u != ' ')
            return u < ' ' ? -1 : 1;
    }
    return 0;
}

} // namespace

int compareCharacter(std::string_view left, std::string_view right, bool exact)
{
    const std::size_t common = std::min(left.size(), right.size());
    const int c = compareBytes(left, right, common);
    if (c != 0)
        return c;
    if (!exact)
        return left.size() >= right.size() ? 0 : -1;
    if (left.size() >= right.size())
        return compareWithBlanks(left.substr(common));
    return -compareWithBlanks(right.substr(common));
}

bool containsText(std::string_view needle, std::string_view haystack)
{
    return haystack.find(needle) != std::string_view::npos;
}

} // namespace xbase::expr
