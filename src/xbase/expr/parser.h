#pragma once

#include "xbase/core/status.h"
#include "xbase/expr/ast.h"

#include <memory>
#include <string_view>

namespace xbase::expr {

// Nesting beyond these limits is refused, so that neither parsing nor
// evaluating a hostile expression can exhaust the stack.
inline constexpr int kMaxNesting = 64;   // parentheses, function calls and prefix operators
inline constexpr int kMaxTreeDepth = 256;

// Builds the syntax tree of an expression (names are not resolved yet).
Status parse(std::string_view text, std::unique_ptr<Node>* root);

} // namespace xbase::expr
