#pragma once

#include "xbase/expr/ast.h"

#include <string>

namespace xbase::expr {

// The normalised text of a checked tree: names in upper case, no blanks
// outside literals, literals in double quotes where their text allows,
// one spelling per operator (.AND. .OR. .NOT. <>), and only the
// parentheses the meaning needs. Compiling it gives the same tree.
std::string canonicalText(const Node& node);

} // namespace xbase::expr
