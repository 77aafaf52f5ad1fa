#pragma once

#include "xbase/core/record.h"
#include "xbase/core/status.h"
#include "xbase/expr/ast.h"

namespace xbase::expr {

// Resolves field and function names against the schema and gives every
// node its type and width. Refuses unknown names, type mismatches and wrong
// argument counts with a message naming the problem and its position.
Status typeCheck(Node& root, const Schema& schema);

} // namespace xbase::expr
