#include "xbase/expr/parser.h"

#include "xbase/expr/lexer.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>
#include <vector>

namespace xbase::expr {

namespace {

bool isWord(const Token& t, std::string_view word)
{
    if (t.kind != TokenKind::Identifier || t.text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(t.text[i])) != word[i])
            return false;
    return true;
}

bool startsOperand(const Token& t)
{
    switch (t.kind) {
    case TokenKind::Identifier: case TokenKind::String: case TokenKind::Number: case TokenKind::True:
    case TokenKind::False: case TokenKind::Not: case TokenKind::Plus: case TokenKind::Minus:
    case TokenKind::LeftParen:
        return true;
    default:
        return false;
    }
}

Op comparisonOp(TokenKind k)
{
    switch (k) {
    case TokenKind::Equal: return Op::Equal;
    case TokenKind::ExactEqual: return Op::ExactEqual;
    case TokenKind::NotEqual: return Op::NotEqual;
    case TokenKind::Less: return Op::Less;
    case TokenKind::LessEqual: return Op::LessEqual;
    case TokenKind::Greater: return Op::Greater;
    case TokenKind::GreaterEqual: return Op::GreaterEqual;
    case TokenKind::Dollar: return Op::Contains;
    default: return Op::None;
    }
}

std::string describe(const Token& t)
{
    if (t.kind == TokenKind::End)
        return "end of expression";
    if (t.kind == TokenKind::String)
        return "string \"" + std::string(t.text) + "\"";
    if (t.text.empty())
        return "token";
    return "'" + std::string(t.text) + "'";
}

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    Status run(std::unique_ptr<Node>* root)
    {
        if (peek().kind == TokenKind::End)
            return Status::invalidArgument("Empty expression");
        auto tree = parseOr();
        if (tree && peek().kind != TokenKind::End)
            fail("Unexpected " + describe(peek()));
        if (!error_.isOk())
            return error_;
        *root = std::move(tree);
        return Status::ok();
    }

private:
    using NodePtr = std::unique_ptr<Node>;

    const Token& peek() const { return tokens_[pos_]; }
    const Token& peekNext() const { return tokens_[std::min(pos_ + 1, tokens_.size() - 1)]; }
    const Token& take() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }

    NodePtr fail(const std::string& problem, int position = 0)
    {
        if (error_.isOk())
            error_ = syntaxError(problem, position ? position : peek().position);
        return nullptr;
    }

    // Counts one level of nesting for as long as it lives.
    struct NestingGuard {
        explicit NestingGuard(int& level) : level_(level) { ++level_; }
        ~NestingGuard() { --level_; }
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;
        int& level_;
    };

    bool tooDeep()
    {
        if (nesting_ <= kMaxNesting)
            return false;
        fail("Expression is nested too deeply");
        return true;
    }

    static NodePtr makeNode(NodeKind kind, Op op, const Token& at)
    {
        auto n = std::make_unique<Node>();
        n->kind = kind;
        n->op = op;
        n->position = at.position;
        return n;
    }

    NodePtr combine(Op op, const Token& at, NodePtr left, NodePtr right)
    {
        if (!left || !right)
            return nullptr;
        auto n = makeNode(NodeKind::Binary, op, at);
        n->depth = 1 + std::max(left->depth, right->depth);
        n->children.push_back(std::move(left));
        n->children.push_back(std::move(right));
        if (n->depth > kMaxTreeDepth)
            return fail("Expression is nested too deeply", at.position);
        return n;
    }

    bool atWordOrToken(TokenKind kind, std::string_view word) const
    {
        return peek().kind == kind || isWord(peek(), word);
    }

    NodePtr parseOr()
    {
        NodePtr left = parseAnd();
        while (left && atWordOrToken(TokenKind::Or, "OR")) {
            const Token at = take();
            left = combine(Op::Or, at, std::move(left), parseAnd());
        }
        return left;
    }

    NodePtr parseAnd()
    {
        NodePtr left = parseNot();
        while (left && atWordOrToken(TokenKind::And, "AND")) {
            const Token at = take();
            left = combine(Op::And, at, std::move(left), parseNot());
        }
        return left;
    }

    // The bare word NOT is the operator only where an operand follows it;
    // otherwise it may still name a field.
    bool atNot() const
    {
        return peek().kind == TokenKind::Not || (isWord(peek(), "NOT") && startsOperand(peekNext()));
    }

    NodePtr parseNot()
    {
        if (!atNot())
            return parseComparison();
        NestingGuard guard(nesting_);
        if (tooDeep())
            return nullptr;
        const Token at = take();
        return prefix(Op::Not, at, parseNot());
    }

    NodePtr prefix(Op op, const Token& at, NodePtr operand)
    {
        if (!operand)
            return nullptr;
        auto n = makeNode(NodeKind::Unary, op, at);
        n->depth = operand->depth + 1;
        n->children.push_back(std::move(operand));
        return n;
    }

    NodePtr parseComparison()
    {
        NodePtr left = parseAdditive();
        while (left && comparisonOp(peek().kind) != Op::None) {
            const Token at = take();
            left = combine(comparisonOp(at.kind), at, std::move(left), parseAdditive());
        }
        return left;
    }

    NodePtr parseAdditive()
    {
        NodePtr left = parseMultiplicative();
        while (left && (peek().kind == TokenKind::Plus || peek().kind == TokenKind::Minus)) {
            const Token at = take();
            left = combine(at.kind == TokenKind::Plus ? Op::Add : Op::Subtract, at, std::move(left), parseMultiplicative());
        }
        return left;
    }

    NodePtr parseMultiplicative()
    {
        NodePtr left = parseUnary();
        while (left && (peek().kind == TokenKind::Star || peek().kind == TokenKind::Slash)) {
            const Token at = take();
            left = combine(at.kind == TokenKind::Star ? Op::Multiply : Op::Divide, at, std::move(left), parseUnary());
        }
        return left;
    }

    NodePtr parseUnary()
    {
        if (peek().kind != TokenKind::Minus && peek().kind != TokenKind::Plus)
            return parsePrimary();
        NestingGuard guard(nesting_);
        if (tooDeep())
            return nullptr;
        const Token at = take();
        return prefix(at.kind == TokenKind::Minus ? Op::Negate : Op::Plus, at, parseUnary());
    }

    NodePtr parsePrimary()
    {
        const Token& t = peek();
        switch (t.kind) {
        case TokenKind::String: return literal(NodeKind::String);
        case TokenKind::Number: return number();
        case TokenKind::True: case TokenKind::False: return literal(NodeKind::Logical);
        case TokenKind::Identifier: return name();
        case TokenKind::LeftParen: return parenthesised();
        case TokenKind::End: return fail("Unexpected end of expression");
        default: return fail("Expected a value but found " + describe(t));
        }
    }

    NodePtr literal(NodeKind kind)
    {
        const Token t = take();
        auto n = makeNode(kind, Op::None, t);
        n->text = std::string(t.text);
        n->logical = t.kind == TokenKind::True;
        return n;
    }

    NodePtr number()
    {
        const Token t = take();
        auto n = makeNode(NodeKind::Number, Op::None, t);
        n->text = std::string(t.text);
        const auto result = std::from_chars(t.text.data(), t.text.data() + t.text.size(), n->number);
        if (result.ec != std::errc())
            return fail("Number out of range", t.position);
        return n;
    }

    NodePtr name()
    {
        const Token t = take();
        if (peek().kind != TokenKind::LeftParen) {
            auto n = makeNode(NodeKind::Field, Op::None, t);
            n->text = std::string(t.text);
            return n;
        }
        NestingGuard guard(nesting_);
        if (tooDeep())
            return nullptr;
        take(); // "("
        auto call = makeNode(NodeKind::Call, Op::None, t);
        call->text = std::string(t.text);
        if (!arguments(call.get()))
            return nullptr;
        return call;
    }

    bool arguments(Node* call)
    {
        if (peek().kind == TokenKind::RightParen) {
            take();
            return true;
        }
        while (true) {
            NodePtr arg = parseOr();
            if (!arg)
                return false;
            call->depth = std::max(call->depth, arg->depth + 1);
            call->children.push_back(std::move(arg));
            if (peek().kind == TokenKind::Comma) {
                take();
                continue;
            }
            if (peek().kind == TokenKind::RightParen) {
                take();
                return true;
            }
            fail("Expected ',' or ')' but found " + describe(peek()));
            return false;
        }
    }

    NodePtr parenthesised()
    {
        NestingGuard guard(nesting_);
        if (tooDeep())
            return nullptr;
        take(); // "("
        NodePtr inner = parseOr();
        if (!inner)
            return nullptr;
        if (peek().kind != TokenKind::RightParen)
            return fail("Expected ')' but found " + describe(peek()));
        take();
        return inner;
    }

    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    int nesting_ = 0;
    Status error_;
};

} // namespace

Status parse(std::string_view text, std::unique_ptr<Node>* root)
{
    std::vector<Token> tokens;
    const Status s = tokenize(text, &tokens);
    if (!s)
        return s;
    return Parser(std::move(tokens)).run(root);
}

} // namespace xbase::expr
