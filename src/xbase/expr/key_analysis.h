#pragma once

#include "xbase/expr/ast.h"
#include "xbase/expr/expression.h"

#include <vector>

namespace xbase::expr {

std::vector<Expression::Part> concatenationParts(const Node& root);
std::vector<Expression::PrefixTerm> prefixTerms(const Node& root);

} // namespace xbase::expr
