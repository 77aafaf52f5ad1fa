#include "xbase/expr/evaluator.h"
#include "xbase/expr/field_read.h"
#include "xbase/expr/scratch.h"
#include "xbase/expr/string_compare.h"

namespace xbase::expr {

namespace {

bool holds(Op op, int order)
{
    switch (op) {
    case Op::Equal: case Op::ExactEqual: return order == 0;
    case Op::NotEqual: return order != 0;
    case Op::Less: return order < 0;
    case Op::LessEqual: return order <= 0;
    case Op::Greater: return order > 0;
    case Op::GreaterEqual: return order >= 0;
    default: return false;
    }
}

bool compareText(const Node& n, const EvalContext& ctx)
{
    ScratchString leftBuffer, rightBuffer;
    const std::string_view left = textOf(n.child(0), ctx, leftBuffer.get());
    const std::string_view right = textOf(n.child(1), ctx, rightBuffer.get());
    switch (n.op) {
    case Op::Contains: return containsText(left, right);
    case Op::ExactEqual: return left == right; // every byte counts, trailing blanks too
    default: return holds(n.op, compareCharacter(left, right, ctx.exact));
    }
}

bool compare(const Node& n, const EvalContext& ctx)
{
    switch (n.child(0).type) {
    case ValueType::Character:
        return compareText(n, ctx);
    case ValueType::Logical: {
        const bool same = logicalOf(n.child(0), ctx) == logicalOf(n.child(1), ctx);
        return holds(n.op, same ? 0 : 1);
    }
    default: {
        const double a = numberOf(n.child(0), ctx);
        const double b = numberOf(n.child(1), ctx);
        return holds(n.op, a < b ? -1 : (a > b ? 1 : 0));
    }
    }
}

bool isBlankText(std::string_view text)
{
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    return true;
}

bool isEmptyValue(const Node& arg, const EvalContext& ctx)
{
    switch (arg.type) {
    case ValueType::Character: {
        ScratchString scratch;
        return isBlankText(textOf(arg, ctx, scratch.get()));
    }
    case ValueType::Logical:
        return !logicalOf(arg, ctx);
    default:
        return numberOf(arg, ctx) == 0;
    }
}

bool logicalFunction(const Node& call, const EvalContext& ctx)
{
    switch (call.func) {
    case Func::Empty: return isEmptyValue(call.child(0), ctx);
    case Func::Deleted: return ctx.record[0] == '*';
    case Func::Iif: return logicalOf(call.child(logicalOf(call.child(0), ctx) ? 1 : 2), ctx);
    default: return false;
    }
}

} // namespace

bool logicalOf(const Node& n, const EvalContext& ctx)
{
    switch (n.kind) {
    case NodeKind::Field:
        return fieldLogical(n.field, ctx.record);
    case NodeKind::Logical:
        return n.logical;
    case NodeKind::Unary:
        return !logicalOf(n.child(0), ctx);
    case NodeKind::Binary:
        if (n.op == Op::And)
            return logicalOf(n.child(0), ctx) && logicalOf(n.child(1), ctx);
        if (n.op == Op::Or)
            return logicalOf(n.child(0), ctx) || logicalOf(n.child(1), ctx);
        return compare(n, ctx);
    case NodeKind::Call:
        return logicalFunction(n, ctx);
    default:
        return false;
    }
}

} // namespace xbase::expr
