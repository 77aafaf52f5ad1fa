#include "xbase/dbf/numeric_text.h"

#include <cctype>

namespace xbase::dbf {
namespace {

struct DecimalText {
    bool negative = false;
    std::string intDigits;
    std::string fracDigits;
};

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string_view trimBlanks(std::string_view v)
{
    while (!v.empty() && v.front() == ' ')
        v.remove_prefix(1);
    while (!v.empty() && v.back() == ' ')
        v.remove_suffix(1);
    return v;
}

bool parseDecimal(std::string_view v, DecimalText* out)
{
    if (!v.empty() && (v.front() == '-' || v.front() == '+')) {
        out->negative = v.front() == '-';
        v.remove_prefix(1);
    }
    std::size_t i = 0;
    while (i < v.size() && isDigit(v[i]))
        out->intDigits += v[i++];
    if (i < v.size() && v[i] == '.') {
        ++i;
        while (i < v.size() && isDigit(v[i]))
            out->fracDigits += v[i++];
    }
    return i == v.size() && !(out->intDigits.empty() && out->fracDigits.empty());
}

// Adds one unit in the last place of a string of digits.
void incrementDigits(std::string* digits)
{
    for (auto it = digits->rbegin(); it != digits->rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits->insert(digits->begin(), '1');
}

void roundTo(DecimalText* d, int decimals)
{
    const auto keep = static_cast<std::size_t>(decimals);
    if (d->fracDigits.size() <= keep) {
        d->fracDigits.append(keep - d->fracDigits.size(), '0');
        return;
    }
    const bool roundUp = d->fracDigits[keep] >= '5';
    d->fracDigits.resize(keep);
    if (!roundUp)
        return;
    std::string all = d->intDigits + d->fracDigits;
    incrementDigits(&all);
    d->intDigits = all.substr(0, all.size() - keep);
    d->fracDigits = all.substr(all.size() - keep);
}

std::string compose(DecimalText d)
{
    const auto firstNonZero = d.intDigits.find_first_not_of('0');
    d.intDigits = firstNonZero == std::string::npos ? "0" : d.intDigits.substr(firstNonZero);
    const bool zero = d.intDigits == "0" && d.fracDigits.find_first_not_of('0') == std::string::npos;
    std::string text = (d.negative && !zero) ? "-" : "";
    text += d.intDigits;
    if (!d.fracDigits.empty())
        text += "." + d.fracDigits;
    return text;
}

} // namespace

Status formatNumber(std::string_view value, int width, int decimals, std::string* out)
{
    const std::string_view trimmed = trimBlanks(value);
    DecimalText d;
    if (!parseDecimal(trimmed, &d))
        return Status::invalidArgument("\"" + std::string(trimmed) + "\" is not a number");
    roundTo(&d, decimals);
    const std::string text = compose(std::move(d));
    if (text.size() > static_cast<std::size_t>(width))
        return Status::invalidArgument("the number " + std::string(trimmed) + " does not fit in " +
                                       std::to_string(width) + " characters with " + std::to_string(decimals) +
                                       " decimals");
    *out = std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
    return Status::ok();
}

} // namespace xbase::dbf
