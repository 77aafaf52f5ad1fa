#include "xbase/expr/expression.h"

#include "xbase/expr/ast.h"
#include "xbase/expr/canonical.h"
#include "xbase/expr/evaluator.h"
#include "xbase/expr/key_analysis.h"
#include "xbase/expr/parser.h"
#include "xbase/expr/type_checker.h"

#include <cstring>

namespace xbase {

Status Expression::compile(std::string_view text, const Schema& schema, std::unique_ptr<Expression>* out)
{
    std::unique_ptr<expr::Node> root;
    Status s = expr::parse(text, &root);
    if (s)
        s = expr::typeCheck(*root, schema);
    if (!s)
        return s;
    out->reset(new Expression(std::string(text), std::move(root)));
    return Status::ok();
}

Expression::Expression(std::string text, std::unique_ptr<expr::Node> root)
    : text_(std::move(text)), root_(std::move(root))
{
}

Expression::~Expression() = default;

const std::string& Expression::text() const { return text_; }
ValueType Expression::type() const { return root_->type; }
int Expression::width() const { return root_->width; }

Value Expression::evaluate(const RecordSource& rec, const EvalOptions& opt) const
{
    const expr::EvalContext ctx{rec, rec.recordBuffer(), opt.exact};
    Value v;
    v.type = type();
    switch (v.type) {
    case ValueType::Character: expr::appendText(*root_, ctx, v.str); break;
    case ValueType::Logical: v.logical = expr::logicalOf(*root_, ctx); break;
    default: v.num = expr::numberOf(*root_, ctx); break;
    }
    return v;
}

bool Expression::isTrue(const RecordSource& rec, const EvalOptions& opt) const
{
    if (type() != ValueType::Logical)
        return false;
    return expr::logicalOf(*root_, {rec, rec.recordBuffer(), opt.exact});
}

void Expression::evaluateKey(const RecordSource& rec, std::string* out, const EvalOptions& opt) const
{
    const expr::EvalContext ctx{rec, rec.recordBuffer(), opt.exact};
    out->clear();
    switch (type()) {
    case ValueType::Character:
        expr::appendText(*root_, ctx, *out);
        out->resize(static_cast<std::size_t>(width()), ' ');
        return;
    case ValueType::Logical:
        out->push_back(expr::logicalOf(*root_, ctx) ? 'T' : 'F');
        return;
    default: {
        const double v = expr::numberOf(*root_, ctx);
        char bytes[sizeof v];
        std::memcpy(bytes, &v, sizeof v);
        out->append(bytes, sizeof bytes);
        return;
    }
    }
}

std::string Expression::canonical() const { return expr::canonicalText(*root_); }

std::vector<Expression::Part> Expression::concatenationParts() const { return expr::concatenationParts(*root_); }

std::vector<Expression::PrefixTerm> Expression::prefixTerms() const { return expr::prefixTerms(*root_); }

} // namespace xbase
