#pragma once

#include <string>

namespace xbase {

// The four kinds of value an expression yields. Dates travel as Julian day
// numbers so that date arithmetic and comparison are plain number work.
enum class ValueType { Character, Numeric, Date, Logical };

struct Value {
    ValueType type = ValueType::Character;
    std::string str;    // Character
    double num = 0;     // Numeric; Date as Julian day number (0 = empty date)
    bool logical = false;
};

struct EvalOptions {
    bool exact = false; // SET EXACT: "=" compares whole blank-padded strings instead of a leading part
};

} // namespace xbase
