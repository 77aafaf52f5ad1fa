#include "xbase/expr/key_analysis.h"

#include "xbase/expr/canonical.h"

namespace xbase::expr {

namespace {

void collectParts(const Node& n, std::vector<Expression::Part>& parts)
{
    if (n.kind == NodeKind::Binary && n.op == Op::Add && n.type == ValueType::Character) {
        collectParts(n.child(0), parts);
        collectParts(n.child(1), parts);
        return;
    }
    parts.push_back({canonicalText(n), n.width});
}

void collectConjuncts(const Node& n, std::vector<const Node*>& out)
{
    if (n.kind == NodeKind::Binary && n.op == Op::And) {
        collectConjuncts(n.child(0), out);
        collectConjuncts(n.child(1), out);
        return;
    }
    out.push_back(&n);
}

// True when the value depends on the record's fields and on nothing else,
// which is what an index key over the same expression holds.
bool readsFieldsOnly(const Node& n, bool* sawField)
{
    if (n.kind == NodeKind::Field)
        *sawField = true;
    if (n.kind == NodeKind::Call && (n.func == Func::Recno || n.func == Func::Deleted))
        return false;
    for (const auto& c : n.children)
        if (!readsFieldsOnly(*c, sawField))
            return false;
    return true;
}

bool isKeyExpression(const Node& n)
{
    bool sawField = false;
    return n.type == ValueType::Character && readsFieldsOnly(n, &sawField) && sawField;
}

// With exact off, "literal" = expr asks whether the literal begins with the
// value, which no prefix range answers; only "==" reads the same both ways.
bool termOf(const Node& n, Expression::PrefixTerm* term)
{
    if (n.kind != NodeKind::Binary || (n.op != Op::Equal && n.op != Op::ExactEqual))
        return false;
    const Node* key = &n.child(0);
    const Node* literal = &n.child(1);
    if (literal->kind != NodeKind::String && n.op == Op::ExactEqual)
        std::swap(key, literal);
    if (literal->kind != NodeKind::String || !isKeyExpression(*key))
        return false;
    *term = {canonicalText(*key), key->width, literal->text, n.op == Op::ExactEqual};
    return true;
}

} // namespace

std::vector<Expression::Part> concatenationParts(const Node& root)
{
    std::vector<Expression::Part> parts;
    collectParts(root, parts);
    return parts;
}

std::vector<Expression::PrefixTerm> prefixTerms(const Node& root)
{
    std::vector<const Node*> conjuncts;
    collectConjuncts(root, conjuncts);
    std::vector<Expression::PrefixTerm> terms;
    for (const Node* c : conjuncts) {
        Expression::PrefixTerm term;
        if (termOf(*c, &term))
            terms.push_back(std::move(term));
    }
    return terms;
}

} // namespace xbase::expr
