#pragma once

#include "xbase/core/record.h"
#include "xbase/expr/value.h"

#include <memory>
#include <string>
#include <vector>

namespace xbase::expr {

enum class NodeKind : unsigned char { Field, String, Number, Logical, Unary, Binary, Call };

enum class Op : unsigned char {
    None,
    Add, Subtract, Multiply, Divide,
    Equal, ExactEqual, NotEqual, Less, LessEqual, Greater, GreaterEqual, Contains,
    And, Or,
    Not, Negate, Plus
};

enum class Func : unsigned char {
    Upper, Lower, Left, Right, Substr, Ltrim, Rtrim, Trim, Alltrim,
    Str, Val, Dtos, Dtoc, Ctod, Empty, Len, Iif, Deleted, Recno
};

// One node of a compiled expression. The parser fills the syntax part; the
// type checker resolves names and adds type, width and the field to read.
struct Node {
    NodeKind kind = NodeKind::String;
    Op op = Op::None;
    Func func = Func::Upper;
    int position = 1;         // 1-based offset of the node's token in the text
    std::string text;         // name as written, literal contents, or number as written
    double number = 0;
    bool logical = false;
    std::vector<std::unique_ptr<Node>> children;

    ValueType type = ValueType::Character;
    int width = 0;
    int depth = 1;            // longest path to a leaf, counting this node
    int fieldIndex = -1;
    FieldInfo field;          // Field nodes: the field as the schema had it

    const Node& child(std::size_t i) const { return *children[i]; }
};

// Widths are capped so that sums of long parts cannot overflow and a key
// buffer stays a sane size.
inline constexpr int kMaxWidth = 65535;
int cappedWidth(double width);

bool isComparison(Op op);
const char* typeName(ValueType type); // "character", "numeric", ...
// The value of a number literal, possibly signed; false for anything else.
bool constantNumber(const Node& node, double* value);
const char* operatorText(Op op); // canonical spelling

} // namespace xbase::expr
