// Every kind of malformed expression is refused with a message that names
// the problem and where it is; none crashes or compiles into something wrong.

#include "memory_record.h"

#include <gtest/gtest.h>

using expr_test::compileError;

namespace {

TEST(ErrorsTest, MessagesNameTheProblemAndItsPosition)
{
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"", "Empty expression"},
        {"   ", "Empty expression"},
        {"XYZ", "Unknown field XYZ at position 1"},
        {"UPPER(xyz) = \"A\"", "Unknown field XYZ at position 7"},
        {"FOO(LNAME)", "Unknown function FOO at position 1"},
        {"FOO(XYZ)", "Unknown function FOO at position 1"},
        {"\"1\" + 2", "Type mismatch for +: character and numeric at position 5"},
        {"ISDEL + 1", "Type mismatch for +: logical and numeric at position 7"},
        {"LNAME * 2", "Type mismatch for *: character and numeric at position 7"},
        {"LNAME $ 1", "Type mismatch for $: character and numeric at position 7"},
        {"1 $ 2", "Type mismatch for $: numeric and numeric at position 3"},
        {".T. < .F.", "Type mismatch for <: logical and logical at position 5"},
        {"LNAME .AND. ISDEL", "Type mismatch for .AND.: character and logical at position 7"},
        {"!LNAME", "Type mismatch for .NOT.: character at position 1"},
        {"-LNAME", "Type mismatch for -: character at position 1"},
        {"CTOD(DATE) + CTOD(DATE)", "Type mismatch for +: date and date at position 12"},
        {"LEFT(LNAME)", "LEFT expects 2 arguments, not 1 at position 1"},
        {"SUBSTR(LNAME, 1, 2, 3)", "SUBSTR expects 2 to 3 arguments, not 4 at position 1"},
        {"UPPER()", "UPPER expects 1 argument, not 0 at position 1"},
        {"DELETED(1)", "DELETED expects 0 arguments, not 1 at position 1"},
        {"UPPER(1)", "Argument 1 of UPPER must be character, not numeric at position 7"},
        {"LEFT(LNAME, \"3\")", "Argument 2 of LEFT must be numeric, not character at position 13"},
        {"DTOS(DATE)", "Argument 1 of DTOS must be date, not character at position 6"},
        {"IIF(LNAME, 1, 2)", "Argument 1 of IIF must be logical, not character at position 5"},
        {"IIF(ISDEL, 1, \"a\")", "Both choices of IIF must have the same type, not numeric and character at position 15"},
        {"\"abc", "Unterminated string at position 1"},
        {"LNAME = 'abc", "Unterminated string at position 9"},
        {"[abc", "Unterminated string at position 1"},
        {"LNAME = ", "Unexpected end of expression at position 9"},
        {"(LNAME", "Expected ')' but found end of expression at position 7"},
        {"LNAME)", "Unexpected ')' at position 6"},
        {"LNAME FNAME", "Unexpected 'FNAME' at position 7"},
        {"UPPER(LNAME,)", "Expected a value but found ')' at position 13"},
        {"UPPER(LNAME FNAME)", "Expected ',' or ')' but found 'FNAME' at position 13"},
        {"LNAME @ 1", "Unexpected character '@' at position 7"},
        {"LNAME = \"a\" .xor. ISDEL", "Unexpected character '.' at position 13"},
        {std::string("LNAME") + '\x01', "Unexpected character code 1 at position 6"},
        {std::string(400, '9'), "Number out of range at position 1"},
        {"* 2", "Expected a value but found '*' at position 1"},
    };
    const xbase::Schema schema = expr_test::addressSchema();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(compileError(c.text, schema), c.message);
    }
}

TEST(ErrorsTest, FieldsOfTypesExpressionsCannotRead)
{
    EXPECT_EQ(compileError("PIC", expr_test::mixedSchema()), "Field PIC of type G cannot be used in an expression at position 1");
}

TEST(ErrorsTest, DeepNestingIsRefusedWithoutExhaustingTheStack)
{
    const xbase::Schema schema = expr_test::addressSchema();
    const std::size_t n = 100000;
    std::string chain = "1";
    for (std::size_t i = 0; i < n; ++i)
        chain += "+1";
    const std::string inputs[] = {
        std::string(n, '(') + "1" + std::string(n, ')'),
        std::string(n, '!') + "ISDEL",
        std::string(n, '-') + "1",
        chain,
        [&] { std::string s; for (std::size_t i = 0; i < n; ++i) s += "UPPER("; return s + "LNAME" + std::string(n, ')'); }(),
    };
    for (const std::string& text : inputs) {
        SCOPED_TRACE(text.substr(0, 20));
        EXPECT_NE(compileError(text, schema).find("Expression is nested too deeply"), std::string::npos);
    }
}

TEST(ErrorsTest, ModerateNestingIsAccepted)
{
    const xbase::Schema schema = expr_test::addressSchema();
    std::string chain = "((UPPER(LNAME)=\"A\")";
    for (int i = 0; i < 100; ++i)
        chain += ".or.(UPPER(LNAME)=\"A\")";
    chain += ")";
    EXPECT_EQ(compileError(chain, schema), "compiled");
    EXPECT_EQ(compileError(std::string(40, '(') + "ISDEL" + std::string(40, ')'), schema), "compiled");
}

} // namespace
