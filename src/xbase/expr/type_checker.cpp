#include "xbase/expr/type_checker.h"

#include "xbase/expr/functions.h"
#include "xbase/expr/lexer.h"

#include <cctype>
#include <string>

namespace xbase::expr {

namespace {

std::string upperAscii(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

Status mismatch(const Node& op, const std::string& types)
{
    return syntaxError(std::string("Type mismatch for ") + operatorText(op.op) + ": " + types, op.position);
}

Status mismatch(const Node& op, ValueType a, ValueType b)
{
    return mismatch(op, std::string(typeName(a)) + " and " + typeName(b));
}

// The type of a field as expressions read it.
bool fieldType(char dbfType, ValueType* type)
{
    switch (dbfType) {
    case 'C': case 'M': *type = ValueType::Character; return true;
    case 'N': case 'F': case 'I': case 'B': case 'Y': *type = ValueType::Numeric; return true;
    case 'D': case 'T': *type = ValueType::Date; return true;
    case 'L': *type = ValueType::Logical; return true;
    default: return false;
    }
}

int widthOf(ValueType type, int characterWidth)
{
    switch (type) {
    case ValueType::Character: return characterWidth;
    case ValueType::Logical: return 1;
    default: return 8;
    }
}

Status resolveField(Node& n, const Schema& schema)
{
    const int index = findField(schema, n.text);
    if (index < 0)
        return syntaxError("Unknown field " + upperAscii(n.text), n.position);
    n.fieldIndex = index;
    n.field = schema[static_cast<std::size_t>(index)];
    if (!fieldType(n.field.type, &n.type))
        return syntaxError("Field " + n.field.name + " of type " + std::string(1, n.field.type)
                               + " cannot be used in an expression",
                           n.position);
    n.width = widthOf(n.type, cappedWidth(n.field.width));
    return Status::ok();
}

Status checkUnary(Node& n)
{
    const ValueType t = n.child(0).type;
    const ValueType wanted = n.op == Op::Not ? ValueType::Logical : ValueType::Numeric;
    if (t != wanted)
        return mismatch(n, typeName(t));
    n.type = wanted;
    n.width = widthOf(wanted, 0);
    return Status::ok();
}

// "+" and "-": character joins, numbers, and a date moved by days; "-" of two
// dates is the number of days between them.
Status checkAdditive(Node& n, ValueType a, ValueType b)
{
    using VT = ValueType;
    if (a == VT::Character && b == VT::Character) {
        n.type = VT::Character;
        n.width = cappedWidth(static_cast<double>(n.child(0).width) + n.child(1).width);
        return Status::ok();
    }
    if (a == VT::Numeric && b == VT::Numeric)
        n.type = VT::Numeric;
    else if (a == VT::Date && b == VT::Numeric)
        n.type = VT::Date;
    else if (n.op == Op::Add && a == VT::Numeric && b == VT::Date)
        n.type = VT::Date;
    else if (n.op == Op::Subtract && a == VT::Date && b == VT::Date)
        n.type = VT::Numeric;
    else
        return mismatch(n, a, b);
    n.width = 8;
    return Status::ok();
}

Status checkComparison(Node& n, ValueType a, ValueType b)
{
    if (a != b)
        return mismatch(n, a, b);
    const bool ordering = n.op == Op::Less || n.op == Op::LessEqual || n.op == Op::Greater || n.op == Op::GreaterEqual;
    if ((n.op == Op::Contains && a != ValueType::Character) || (ordering && a == ValueType::Logical))
        return mismatch(n, a, b);
    n.type = ValueType::Logical;
    n.width = 1;
    return Status::ok();
}

Status checkBinary(Node& n)
{
    const ValueType a = n.child(0).type;
    const ValueType b = n.child(1).type;
    switch (n.op) {
    case Op::Add: case Op::Subtract:
        return checkAdditive(n, a, b);
    case Op::Multiply: case Op::Divide:
        if (a != ValueType::Numeric || b != ValueType::Numeric)
            return mismatch(n, a, b);
        n.type = ValueType::Numeric;
        n.width = 8;
        return Status::ok();
    case Op::And: case Op::Or:
        if (a != ValueType::Logical || b != ValueType::Logical)
            return mismatch(n, a, b);
        n.type = ValueType::Logical;
        n.width = 1;
        return Status::ok();
    default:
        return checkComparison(n, a, b);
    }
}

// Names the function before its arguments are looked at, so that the
// leftmost problem is the one reported.
Status resolveFunctionName(Node& n)
{
    const FunctionInfo* info = findFunction(n.text);
    if (!info)
        return syntaxError("Unknown function " + upperAscii(n.text), n.position);
    n.func = info->func;
    return Status::ok();
}

Status check(Node& n, const Schema& schema)
{
    if (n.kind == NodeKind::Call) {
        const Status s = resolveFunctionName(n);
        if (!s)
            return s;
    }
    for (auto& c : n.children) {
        const Status s = check(*c, schema);
        if (!s)
            return s;
    }
    switch (n.kind) {
    case NodeKind::Field: return resolveField(n, schema);
    case NodeKind::String:
        n.type = ValueType::Character;
        n.width = cappedWidth(static_cast<double>(n.text.size()));
        return Status::ok();
    case NodeKind::Number: n.type = ValueType::Numeric; n.width = 8; return Status::ok();
    case NodeKind::Logical: n.type = ValueType::Logical; n.width = 1; return Status::ok();
    case NodeKind::Unary: return checkUnary(n);
    case NodeKind::Binary: return checkBinary(n);
    case NodeKind::Call: return checkCall(n);
    }
    return Status::ok();
}

} // namespace

Status typeCheck(Node& root, const Schema& schema)
{
    return check(root, schema);
}

} // namespace xbase::expr
