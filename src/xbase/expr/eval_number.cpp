#include "xbase/expr/dates.h"
#include "xbase/expr/evaluator.h"
#include "xbase/expr/field_read.h"
#include "xbase/expr/number_text.h"
#include "xbase/expr/scratch.h"

#include <cmath>

namespace xbase::expr {

namespace {

// A date moved by a number of whole days; the empty date stays empty.
double shiftDate(double day, double days)
{
    return day == 0 ? 0 : day + std::trunc(days);
}

double arithmetic(const Node& n, const EvalContext& ctx)
{
    const Node& left = n.child(0);
    const Node& right = n.child(1);
    const double a = numberOf(left, ctx);
    const double b = numberOf(right, ctx);
    switch (n.op) {
    case Op::Add:
        if (left.type == ValueType::Date)
            return shiftDate(a, b);
        return right.type == ValueType::Date ? shiftDate(b, a) : a + b;
    case Op::Subtract:
        return left.type == ValueType::Date && right.type == ValueType::Numeric ? shiftDate(a, -b) : a - b;
    case Op::Multiply:
        return a * b;
    case Op::Divide:
        return b == 0 ? 0 : a / b; // a division by zero gives 0 rather than stopping a whole run
    default:
        return 0;
    }
}

double numericFunction(const Node& call, const EvalContext& ctx)
{
    switch (call.func) {
    case Func::Val: case Func::Len: case Func::Ctod: {
        ScratchString scratch;
        const std::string_view text = textOf(call.child(0), ctx, scratch.get());
        if (call.func == Func::Len)
            return static_cast<double>(text.size());
        return call.func == Func::Val ? parseNumber(text) : parseCtod(text);
    }
    case Func::Recno:
        return static_cast<double>(ctx.source.recordNumber());
    case Func::Iif:
        return numberOf(call.child(logicalOf(call.child(0), ctx) ? 1 : 2), ctx);
    default:
        return 0; // not a numeric function
    }
}

} // namespace

double numberOf(const Node& n, const EvalContext& ctx)
{
    switch (n.kind) {
    case NodeKind::Field:
        return n.type == ValueType::Date ? fieldDate(n.field, ctx.record) : fieldNumber(n.field, ctx.record);
    case NodeKind::Number:
        return n.number;
    case NodeKind::Unary: {
        const double v = numberOf(n.child(0), ctx);
        return n.op == Op::Negate ? -v : v;
    }
    case NodeKind::Binary:
        return arithmetic(n, ctx);
    case NodeKind::Call:
        return numericFunction(n, ctx);
    default:
        return 0;
    }
}

} // namespace xbase::expr
