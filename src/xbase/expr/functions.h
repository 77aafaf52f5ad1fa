#pragma once

#include "xbase/core/status.h"
#include "xbase/expr/ast.h"

#include <string_view>

namespace xbase::expr {

// STR() never produces more than this many characters.
inline constexpr int kMaxStrLength = 255;
inline constexpr int kDefaultStrLength = 10;

struct FunctionInfo {
    std::string_view name; // upper case
    Func func;
    int minArgs;
    int maxArgs;
};

// Case-insensitive; nullptr for an unknown name.
const FunctionInfo* findFunction(std::string_view name);
const FunctionInfo& functionInfo(Func func);

// Checks the arguments of a call whose arguments are already typed, and
// gives the call its type and width.
Status checkCall(Node& call);

} // namespace xbase::expr
