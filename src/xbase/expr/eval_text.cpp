#include "xbase/expr/evaluator.h"
#include "xbase/expr/field_read.h"

namespace xbase::expr {

namespace {

// "-" on text: the left side's trailing blanks move to the end of the result,
// so "SMITH   " - "JOHN  " is "SMITHJOHN     " and keeps the full width.
void appendTrimmedJoin(const Node& n, const EvalContext& ctx, std::string& out)
{
    const std::size_t start = out.size();
    appendText(n.child(0), ctx, out);
    std::size_t end = out.size();
    while (end > start && out[end - 1] == ' ')
        --end;
    const std::size_t blanks = out.size() - end;
    out.resize(end);
    appendText(n.child(1), ctx, out);
    out.append(blanks, ' ');
}

} // namespace

void appendText(const Node& n, const EvalContext& ctx, std::string& out)
{
    switch (n.kind) {
    case NodeKind::Field:
        if (n.field.type == 'M')
            out += ctx.source.memoText(n.fieldIndex);
        else
            out.append(fieldBytes(n.field, ctx.record));
        return;
    case NodeKind::String:
        out += n.text;
        return;
    case NodeKind::Binary:
        if (n.op == Op::Add) {
            appendText(n.child(0), ctx, out);
            appendText(n.child(1), ctx, out);
        } else {
            appendTrimmedJoin(n, ctx, out);
        }
        return;
    case NodeKind::Call:
        appendFunction(n, ctx, out);
        return;
    default:
        return; // no other node is character-typed
    }
}

std::string_view textOf(const Node& n, const EvalContext& ctx, std::string& scratch)
{
    if (n.kind == NodeKind::String)
        return n.text;
    if (n.kind == NodeKind::Field && n.field.type != 'M')
        return fieldBytes(n.field, ctx.record);
    appendText(n, ctx, scratch);
    return scratch;
}

} // namespace xbase::expr
