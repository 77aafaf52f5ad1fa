#include "xbase/expr/canonical.h"

#include "xbase/expr/functions.h"

#include <cctype>

namespace xbase::expr {

namespace {

constexpr int kPrimary = 8;

int precedence(const Node& n)
{
    if (n.kind == NodeKind::Unary)
        return n.op == Op::Not ? 3 : 7;
    if (n.kind != NodeKind::Binary)
        return kPrimary;
    switch (n.op) {
    case Op::Or: return 1;
    case Op::And: return 2;
    case Op::Add: case Op::Subtract: return 5;
    case Op::Multiply: case Op::Divide: return 6;
    default: return 4; // comparisons
    }
}

// Double quotes unless the text holds one; a literal can never hold all
// three kinds of delimiter, since it was written between one of them.
void appendQuoted(const std::string& text, std::string& out)
{
    char open = '"', close = '"';
    if (text.find('"') != std::string::npos) {
        open = close = '\'';
        if (text.find('\'') != std::string::npos) {
            open = '[';
            close = ']';
        }
    }
    out += open;
    out += text;
    out += close;
}

void appendUpper(const std::string& name, std::string& out)
{
    for (char c : name)
        out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

void print(const Node& n, std::string& out);

void printOperand(const Node& n, int minimum, std::string& out)
{
    const bool parens = precedence(n) < minimum;
    if (parens)
        out += '(';
    print(n, out);
    if (parens)
        out += ')';
}

void printField(const Node& n, std::string& out)
{
    // A field named NOT could be read back as the operator.
    const bool parens = n.field.name.size() == 3 && std::toupper(static_cast<unsigned char>(n.field.name[0])) == 'N'
        && std::toupper(static_cast<unsigned char>(n.field.name[1])) == 'O'
        && std::toupper(static_cast<unsigned char>(n.field.name[2])) == 'T';
    if (parens)
        out += '(';
    appendUpper(n.field.name, out);
    if (parens)
        out += ')';
}

void printCall(const Node& n, std::string& out)
{
    out += functionInfo(n.func).name;
    out += '(';
    for (std::size_t i = 0; i < n.children.size(); ++i) {
        if (i > 0)
            out += ',';
        print(n.child(i), out);
    }
    out += ')';
}

void print(const Node& n, std::string& out)
{
    switch (n.kind) {
    case NodeKind::Field: printField(n, out); return;
    case NodeKind::String: appendQuoted(n.text, out); return;
    case NodeKind::Number: out += n.text; return;
    case NodeKind::Logical: out += n.logical ? ".T." : ".F."; return;
    case NodeKind::Unary:
        out += operatorText(n.op);
        printOperand(n.child(0), precedence(n), out);
        return;
    case NodeKind::Binary:
        // Operators group from the left, so a right operand of the same
        // precedence needs parentheses.
        printOperand(n.child(0), precedence(n), out);
        out += operatorText(n.op);
        printOperand(n.child(1), precedence(n) + 1, out);
        return;
    case NodeKind::Call: printCall(n, out); return;
    }
}

} // namespace

std::string canonicalText(const Node& node)
{
    std::string out;
    print(node, out);
    return out;
}

} // namespace xbase::expr
