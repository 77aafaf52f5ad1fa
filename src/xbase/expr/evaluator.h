#pragma once

#include "xbase/core/record.h"
#include "xbase/expr/ast.h"

#include <string>
#include <string_view>

namespace xbase::expr {

// What one evaluation sees: the record and the settings in force.
struct EvalContext {
    const RecordSource& source;
    const unsigned char* record;
    bool exact;
};

// Appends the value of a character node to `out`. Works in place at the end
// of `out`, so a reused buffer is all a key needs.
void appendText(const Node& node, const EvalContext& ctx, std::string& out);
// The value of a character node; fields and literals are returned without
// copying, anything else is built in `scratch`.
std::string_view textOf(const Node& node, const EvalContext& ctx, std::string& scratch);
// Numeric nodes, and date nodes as Julian day numbers.
double numberOf(const Node& node, const EvalContext& ctx);
bool logicalOf(const Node& node, const EvalContext& ctx);

// The character functions, for appendText.
void appendFunction(const Node& call, const EvalContext& ctx, std::string& out);

} // namespace xbase::expr
