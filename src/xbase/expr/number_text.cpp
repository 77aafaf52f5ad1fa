#include "xbase/expr/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace xbase::expr {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Rounds half away from zero. The tiny nudge keeps values such as 2.675,
// stored in binary just below the half, rounding the way they read.
double roundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    const double nudge = std::fabs(scaled) * 1e-12;
    const double r = std::round(scaled + (scaled < 0 ? -nudge : nudge)) / scale;
    return r == 0 ? 0.0 : r; // no "-0"
}

// The text of a rounded number in at most `length` characters; false when
// even without decimals it is too long.
bool formatFitting(double value, int length, int decimals, char* buf, std::size_t bufSize, int* written)
{
    for (int d = decimals; d >= 0; --d) {
        const int n = std::snprintf(buf, bufSize, "%.*f", d, roundTo(value, d));
        if (n > 0 && n <= length) {
            *written = n;
            return true;
        }
    }
    return false;
}

} // namespace

double parseNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
    }
    double value = 0;
    const std::string_view digits = text.substr(start, i - start);
    if (digits.empty() || digits == ".")
        return 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc())
        return 0;
    return negative ? -value : value;
}

void appendStr(double value, int length, int decimals, std::string& out)
{
    length = std::max(length, 1);
    decimals = std::clamp(decimals, 0, std::max(length - 2, 0));
    char buf[320];
    int written = 0;
    // Beyond 1e300 "%f" would not fit the buffer; no field holds such a number.
    const bool fits = std::isfinite(value) && std::fabs(value) < 1e300
        && formatFitting(value, length, decimals, buf, sizeof buf, &written);
    if (!fits) {
        out.append(static_cast<std::size_t>(length), '*');
        return;
    }
    out.append(static_cast<std::size_t>(length - written), ' ');
    out.append(buf, static_cast<std::size_t>(written));
}

} // namespace xbase::expr
