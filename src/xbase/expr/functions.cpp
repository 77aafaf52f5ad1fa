#include "xbase/expr/functions.h"

#include "xbase/expr/lexer.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace xbase::expr {

namespace {

constexpr FunctionInfo kFunctions[] = {
    {"UPPER", Func::Upper, 1, 1},   {"LOWER", Func::Lower, 1, 1},     {"LEFT", Func::Left, 2, 2},
    {"RIGHT", Func::Right, 2, 2},   {"SUBSTR", Func::Substr, 2, 3},   {"LTRIM", Func::Ltrim, 1, 1},
    {"RTRIM", Func::Rtrim, 1, 1},   {"TRIM", Func::Trim, 1, 1},       {"ALLTRIM", Func::Alltrim, 1, 1},
    {"STR", Func::Str, 1, 3},       {"VAL", Func::Val, 1, 1},         {"DTOS", Func::Dtos, 1, 1},
    {"DTOC", Func::Dtoc, 1, 1},     {"CTOD", Func::Ctod, 1, 1},       {"EMPTY", Func::Empty, 1, 1},
    {"LEN", Func::Len, 1, 1},       {"IIF", Func::Iif, 3, 3},         {"DELETED", Func::Deleted, 0, 0},
    {"RECNO", Func::Recno, 0, 0},
};

Status argumentCountError(const Node& call, const FunctionInfo& info)
{
    const std::string expected = info.minArgs == info.maxArgs
        ? std::to_string(info.minArgs)
        : std::to_string(info.minArgs) + " to " + std::to_string(info.maxArgs);
    return syntaxError(std::string(info.name) + " expects " + expected + " argument"
                           + (info.maxArgs == 1 ? "" : "s") + ", not " + std::to_string(call.children.size()),
                       call.position);
}

// Every argument whose expected type is given must have it.
Status expectTypes(const Node& call, std::initializer_list<ValueType> types)
{
    std::size_t i = 0;
    for (ValueType t : types) {
        if (i >= call.children.size())
            break;
        const Node& arg = call.child(i);
        if (arg.type != t) {
            return syntaxError("Argument " + std::to_string(i + 1) + " of " + std::string(functionInfo(call.func).name)
                                   + " must be " + typeName(t) + ", not " + typeName(arg.type),
                               arg.position);
        }
        ++i;
    }
    return Status::ok();
}

// The width of LEFT, RIGHT and SUBSTR: a constant length gives that length,
// anything else the width of the text taken from.
int substringWidth(const Node& call)
{
    const int textWidth = call.child(0).width;
    double n = 0;
    if (call.func == Func::Substr) {
        if (call.children.size() == 3)
            return constantNumber(call.child(2), &n) ? cappedWidth(n) : textWidth;
        return constantNumber(call.child(1), &n) ? cappedWidth(textWidth - std::max(n, 1.0) + 1) : textWidth;
    }
    return constantNumber(call.child(1), &n) ? cappedWidth(n) : textWidth;
}

int strWidth(const Node& call)
{
    double n = 0;
    if (call.children.size() >= 2 && constantNumber(call.child(1), &n))
        return std::clamp(cappedWidth(n), 1, kMaxStrLength);
    return kDefaultStrLength;
}

void setResult(Node& call, ValueType type, int width)
{
    call.type = type;
    call.width = width;
}

Status typeCall(Node& call)
{
    using VT = ValueType;
    switch (call.func) {
    case Func::Upper: case Func::Lower: case Func::Ltrim: case Func::Rtrim: case Func::Trim: case Func::Alltrim:
        setResult(call, VT::Character, call.child(0).width);
        return expectTypes(call, {VT::Character});
    case Func::Left: case Func::Right: case Func::Substr:
        setResult(call, VT::Character, substringWidth(call));
        return expectTypes(call, {VT::Character, VT::Numeric, VT::Numeric});
    case Func::Str:
        setResult(call, VT::Character, strWidth(call));
        return expectTypes(call, {VT::Numeric, VT::Numeric, VT::Numeric});
    case Func::Val: case Func::Len:
        setResult(call, VT::Numeric, 8);
        return expectTypes(call, {VT::Character});
    case Func::Dtos: case Func::Dtoc:
        setResult(call, VT::Character, call.func == Func::Dtos ? 8 : 10);
        return expectTypes(call, {VT::Date});
    case Func::Ctod:
        setResult(call, VT::Date, 8);
        return expectTypes(call, {VT::Character});
    case Func::Empty: case Func::Deleted:
        setResult(call, VT::Logical, 1);
        return Status::ok();
    case Func::Recno:
        setResult(call, VT::Numeric, 8);
        return Status::ok();
    case Func::Iif:
        break;
    }
    const Node& yes = call.child(1);
    const Node& no = call.child(2);
    setResult(call, yes.type, yes.type == VT::Character ? std::max(yes.width, no.width) : yes.width);
    if (yes.type != no.type)
        return syntaxError(std::string("Both choices of IIF must have the same type, not ") + typeName(yes.type)
                               + " and " + typeName(no.type), no.position);
    return expectTypes(call, {VT::Logical});
}

} // namespace

const FunctionInfo* findFunction(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const FunctionInfo& f : kFunctions)
        if (f.name == upper)
            return &f;
    return nullptr;
}

const FunctionInfo& functionInfo(Func func)
{
    for (const FunctionInfo& f : kFunctions)
        if (f.func == func)
            return f;
    return kFunctions[0];
}

Status checkCall(Node& call)
{
    const FunctionInfo& info = functionInfo(call.func);
    const int count = static_cast<int>(call.children.size());
    if (count < info.minArgs || count > info.maxArgs)
        return argumentCountError(call, info);
    return typeCall(call);
}

} // namespace xbase::expr
