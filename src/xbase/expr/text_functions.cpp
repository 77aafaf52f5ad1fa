#include "xbase/expr/case_table.h"
#include "xbase/expr/dates.h"
#include "xbase/expr/evaluator.h"
#include "xbase/expr/functions.h"
#include "xbase/expr/number_text.h"

#include <algorithm>
#include <cmath>

namespace xbase::expr {

namespace {

// A count or position argument as a whole number in [low, high]; NaN is low.
std::size_t clampedCount(double v, std::size_t low, std::size_t high)
{
    if (!(v >= static_cast<double>(low)))
        return low;
    if (v >= static_cast<double>(high))
        return high;
    return static_cast<std::size_t>(std::floor(v));
}

constexpr std::size_t kNoLimit = static_cast<std::size_t>(1) << 40;

std::size_t countArg(const Node& call, std::size_t i, const EvalContext& ctx)
{
    return clampedCount(numberOf(call.child(i), ctx), 0, kNoLimit);
}

void trimLeading(std::string& out, std::size_t start)
{
    std::size_t first = start;
    while (first < out.size() && out[first] == ' ')
        ++first;
    out.erase(start, first - start);
}

void trimTrailing(std::string& out, std::size_t start)
{
    std::size_t end = out.size();
    while (end > start && out[end - 1] == ' ')
        --end;
    out.resize(end);
}

// Keeps `length` characters of the text appended since `start`, beginning
// `skip` characters into it.
void keepRange(std::string& out, std::size_t start, std::size_t skip, std::size_t length)
{
    const std::size_t available = out.size() - start;
    skip = std::min(skip, available);
    length = std::min(length, available - skip);
    out.erase(start, skip);
    out.resize(start + length);
}

void appendSubstring(const Node& call, const EvalContext& ctx, std::string& out)
{
    const std::size_t start = out.size();
    appendText(call.child(0), ctx, out);
    const std::size_t have = out.size() - start;
    switch (call.func) {
    case Func::Left:
        keepRange(out, start, 0, countArg(call, 1, ctx));
        return;
    case Func::Right: {
        const std::size_t n = std::min(countArg(call, 1, ctx), have);
        keepRange(out, start, have - n, n);
        return;
    }
    default: { // SUBSTR: positions count from 1; a start before 1 is taken as 1
        const std::size_t from = clampedCount(numberOf(call.child(1), ctx), 1, kNoLimit) - 1;
        const std::size_t length = call.children.size() == 3 ? countArg(call, 2, ctx) : kNoLimit;
        keepRange(out, start, from, length);
        return;
    }
    }
}

void appendStrCall(const Node& call, const EvalContext& ctx, std::string& out)
{
    const double value = numberOf(call.child(0), ctx);
    std::size_t length = kDefaultStrLength;
    if (call.children.size() >= 2)
        length = clampedCount(numberOf(call.child(1), ctx), 1, kMaxStrLength);
    std::size_t decimals = 0;
    if (call.children.size() == 3)
        decimals = clampedCount(numberOf(call.child(2), ctx), 0, kMaxStrLength);
    appendStr(value, static_cast<int>(length), static_cast<int>(decimals), out);
}

void appendCaseMapped(const Node& call, const EvalContext& ctx, std::string& out)
{
    const std::size_t start = out.size();
    appendText(call.child(0), ctx, out);
    if (call.func == Func::Upper)
        upperInPlace(out.data() + start, out.size() - start);
    else
        lowerInPlace(out.data() + start, out.size() - start);
}

void appendTrimmed(const Node& call, const EvalContext& ctx, std::string& out)
{
    const std::size_t start = out.size();
    appendText(call.child(0), ctx, out);
    if (call.func != Func::Ltrim)
        trimTrailing(out, start);
    if (call.func == Func::Ltrim || call.func == Func::Alltrim)
        trimLeading(out, start);
}

} // namespace

void appendFunction(const Node& call, const EvalContext& ctx, std::string& out)
{
    switch (call.func) {
    case Func::Upper: case Func::Lower:
        return appendCaseMapped(call, ctx, out);
    case Func::Ltrim: case Func::Rtrim: case Func::Trim: case Func::Alltrim:
        return appendTrimmed(call, ctx, out);
    case Func::Left: case Func::Right: case Func::Substr:
        return appendSubstring(call, ctx, out);
    case Func::Str:
        return appendStrCall(call, ctx, out);
    case Func::Dtos: {
        char buf[8];
        formatDtos(numberOf(call.child(0), ctx), buf);
        out.append(buf, sizeof buf);
        return;
    }
    case Func::Dtoc: {
        char buf[10];
        formatDtoc(numberOf(call.child(0), ctx), buf);
        out.append(buf, sizeof buf);
        return;
    }
    case Func::Iif:
        return appendText(call.child(logicalOf(call.child(0), ctx) ? 1 : 2), ctx, out);
    default:
        return; // not a character function
    }
}

} // namespace xbase::expr
