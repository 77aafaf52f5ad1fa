#include "xbase/expr/ast.h"

namespace xbase::expr {

int cappedWidth(double width)
{
    if (!(width > 0))
        return 0;
    return width >= kMaxWidth ? kMaxWidth : static_cast<int>(width);
}

const char* typeName(ValueType type)
{
    switch (type) {
    case ValueType::Character: return "character";
    case ValueType::Numeric: return "numeric";
    case ValueType::Date: return "date";
    case ValueType::Logical: return "logical";
    }
    return "";
}

bool constantNumber(const Node& node, double* value)
{
    if (node.kind == NodeKind::Number) {
        *value = node.number;
        return true;
    }
    if (node.kind == NodeKind::Unary && (node.op == Op::Negate || node.op == Op::Plus)
        && constantNumber(node.child(0), value)) {
        if (node.op == Op::Negate)
            *value = -*value;
        return true;
    }
    return false;
}

bool isComparison(Op op)
{
    switch (op) {
    case Op::Equal: case Op::ExactEqual: case Op::NotEqual: case Op::Less:
    case Op::LessEqual: case Op::Greater: case Op::GreaterEqual: case Op::Contains:
        return true;
    default:
        return false;
    }
}

const char* operatorText(Op op)
{
    switch (op) {
    case Op::Add: case Op::Plus: return "+";
    case Op::Subtract: case Op::Negate: return "-";
    case Op::Multiply: return "*";
    case Op::Divide: return "/";
    case Op::Equal: return "=";
    case Op::ExactEqual: return "==";
    case Op::NotEqual: return "<>";
    case Op::Less: return "<";
    case Op::LessEqual: return "<=";
    case Op::Greater: return ">";
    case Op::GreaterEqual: return ">=";
    case Op::Contains: return "$";
    case Op::And: return ".AND.";
    case Op::Or: return ".OR.";
    case Op::Not: return ".NOT.";
    case Op::None: break;
    }
    return "";
}

} // namespace xbase::expr
