// Functions, arithmetic, dates and result widths.

#include "memory_record.h"

#include <gtest/gtest.h>

#include <cstring>

using expr_test::compiled;
using expr_test::MemoryRecord;
using xbase::ValueType;

namespace {

MemoryRecord sampleRecord()
{
    MemoryRecord rec(expr_test::addressSchema());
    rec.set("LNAME", "Smith").set("FNAME", "John").set("STATE", "MA").set("ZIP", "02110");
    rec.set("DATE", "19970428").set("ISDEL", "F").set("MEMO", "Call about the URGENT order");
    rec.setRecordNumber(42);
    return rec;
}

TEST(FunctionsTest, CharacterResults)
{
    struct Case {
        const char* expression;
        std::string value;
    };
    const Case cases[] = {
        {R"(UPPER("abc"))", "ABC"},
        {"LOWER(\"\xC0" "BC\")", "\xE0" "bc"},
        {R"(LEFT("abcdef", 3))", "abc"},
        {R"(LEFT("ab", 5))", "ab"},
        {R"(LEFT("ab", -1))", ""},
        {R"(RIGHT("abcdef", 2))", "ef"},
        {R"(RIGHT("ab", 5))", "ab"},
        {R"(SUBSTR("abcdef", 2, 3))", "bcd"},
        {R"(SUBSTR("abcdef", 4))", "def"},
        {R"(SUBSTR("abc", 5))", ""},
        {R"(SUBSTR("abc", 0, 2))", "ab"}, // a start before 1 is taken as 1
        {R"(SUBSTR("abc", 2, 9))", "bc"},
        {R"(LTRIM("  a  "))", "a  "},
        {R"(RTRIM("  a  "))", "  a"},
        {R"(TRIM("  a  "))", "  a"},
        {R"(ALLTRIM("  a  "))", "a"},
        {"STR(12.5)", "        13"},          // rounded half away from zero
        {"STR(-12.5)", "       -13"},
        {"STR(3.14159, 6, 2)", "  3.14"},
        {"STR(2.675, 5, 2)", " 2.68"},
        {"STR(12.345, 5, 2)", "12.35"},
        {"STR(123456, 3)", "***"},
        {"STR(0.5, 3, 2)", "0.5"},              // decimals that do not fit are dropped
        {"STR(-0.4)", "         0"},
        {"STR(1, 0)", "1"},
        {"STR(1/3, 8, 4)", "  0.3333"},
        {"STR(RECNO())", "        42"},
        {"LTRIM(STR(RECNO()))", "42"},
        {"DTOS(CTOD(\"04/28/1997\"))", "19970428"},
        {"DTOC(CTOD(\"4/8/97\"))", "04/08/1997"},
        {"DTOS(CTOD(\"02/29/1996\"))", "19960229"},
        {"DTOS(CTOD(\"02/29/1997\"))", "        "}, // no such day: the empty date
        {"DTOS(CTOD(\"13/01/1997\"))", "        "},
        {"DTOS(CTOD(\"\"))", "        "},
        {"DTOC(CTOD(\"\"))", "  /  /    "},
        {"DTOS(CTOD(\"12/31/1999\") + 1)", "20000101"},
        {"DTOS(CTOD(\"03/01/2000\") - 1)", "20000229"},
        {"DTOS(CTOD(\"\") + 5)", "        "},    // the empty date stays empty
        {"DTOS(CTOD(\"12/31/9999\") + 1)", "        "},
        {R"(IIF(ISDEL, "Y", "N"))", "N"},
        {R"(IIF(.T., "long", "s"))", "long"},
        {"UPPER(STATE-ZIP)", "MA02110" + std::string(23, ' ')},
        // "-" and "+" group from the left: the blanks moved by "-" stay in the middle.
        {R"(UPPER(LNAME-", "+FNAME))", "SMITH, " + std::string(25, ' ') + "JOHN" + std::string(26, ' ')},
    };
    const MemoryRecord rec = sampleRecord();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        const auto e = compiled(c.expression, rec.schema());
        ASSERT_EQ(e->type(), ValueType::Character);
        EXPECT_EQ(e->evaluate(rec).str, c.value);
    }
}

TEST(FunctionsTest, NumericAndDateResults)
{
    struct Case {
        const char* expression;
        double value;
    };
    const Case cases[] = {
        {"1 + 2 * 3", 7},
        {"(1 + 2) * 3", 9},
        {"7 / 2", 3.5},
        {"10 - 4 - 3", 3},
        {"1 / 0", 0}, // a division by zero gives 0, not a failed run
        {"-2 * 3", -6},
        {"- -2", 2},
        {"+.5", 0.5},
        {R"(VAL("  12.5abc"))", 12.5},
        {R"(VAL("-3"))", -3},
        {R"(VAL("+7"))", 7},
        {R"(VAL("abc"))", 0},
        {R"(VAL(""))", 0},
        {R"(VAL(".25"))", 0.25},
        {"LEN(LNAME)", 30},
        {"LEN(TRIM(LNAME))", 5},
        {R"(LEN(""))", 0},
        {"LEN(MEMO)", 27},
        {"RECNO()", 42},
        {"RECNO() + 1", 43},
        {"IIF(ISDEL, 1, 2)", 2},
        {R"(CTOD("01/01/2000"))", 2451545}, // Julian day numbers
        {R"(CTOD("04/28/1997") - CTOD("01/01/1997"))", 117},
        {R"(CTOD(""))", 0},
    };
    const MemoryRecord rec = sampleRecord();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        EXPECT_DOUBLE_EQ(compiled(c.expression, rec.schema())->evaluate(rec).num, c.value);
    }
}

TEST(FunctionsTest, LogicalResults)
{
    MemoryRecord rec = sampleRecord();
    const char* trueCases[] = {
        R"(EMPTY("   "))", "EMPTY(0)", "EMPTY(.F.)", "EMPTY(CTOD(\"\"))", "EMPTY(FAX)", "!EMPTY(LNAME)",
        "!DELETED()", "RECNO() = 42", R"("URGENT" $ UPPER(MEMO))", "!ISDEL",
    };
    for (const char* text : trueCases)
        EXPECT_TRUE(compiled(text, rec.schema())->isTrue(rec)) << text;
    rec.setDeleted(true);
    EXPECT_TRUE(compiled("DELETED()", rec.schema())->isTrue(rec));
    EXPECT_FALSE(compiled("LNAME", rec.schema())->isTrue(rec)); // not a logical expression
}

TEST(FunctionsTest, FieldsOfEveryType)
{
    MemoryRecord rec(expr_test::mixedSchema());
    rec.set("NAME", "Ann").setNumber("AMOUNT", -12.25).set("QTY", "").set("BORN", "19970428");
    rec.set("RATE", "   1.500").set("NOTES", "Memo text");
    const auto value = [&](const char* text) { return compiled(text, rec.schema())->evaluate(rec); };
    EXPECT_DOUBLE_EQ(value("AMOUNT * 2").num, -24.5);
    EXPECT_DOUBLE_EQ(value("QTY").num, 0); // a blank number reads as 0
    EXPECT_DOUBLE_EQ(value("RATE + 1").num, 2.5);
    EXPECT_EQ(value("DTOS(BORN + 4)").str, "19970502");
    EXPECT_EQ(value("DTOC(BORN)").str, "04/28/1997");
    EXPECT_DOUBLE_EQ(value("BORN - BORN").num, 0);
    EXPECT_EQ(value("BORN").type, ValueType::Date);
    EXPECT_EQ(value("NOTES + \"!\"").str, "Memo text!");
    rec.set("BORN", "1997AB28");
    EXPECT_DOUBLE_EQ(value("BORN").num, 0); // an unreadable date is the empty date
    EXPECT_TRUE(value("EMPTY(BORN)").logical);
    rec.set("AMOUNT", "**********");
    EXPECT_DOUBLE_EQ(value("AMOUNT").num, 0);
}

TEST(FunctionsTest, TypesAndWidths)
{
    struct Case {
        const char* expression;
        ValueType type;
        int width;
    };
    const Case cases[] = {
        {"LNAME", ValueType::Character, 30},
        {R"("abc")", ValueType::Character, 3},
        {"LNAME + FNAME", ValueType::Character, 60},
        {"LNAME - FNAME", ValueType::Character, 60},
        {"UPPER(LNAME)", ValueType::Character, 30},
        {"ALLTRIM(LNAME)", ValueType::Character, 30},
        {"LEFT(LNAME, 5)", ValueType::Character, 5},
        {"RIGHT(LNAME, 3)", ValueType::Character, 3},
        {"SUBSTR(LNAME, 2, 4)", ValueType::Character, 4},
        {"SUBSTR(LNAME, 5)", ValueType::Character, 26},
        {"LEFT(LNAME, RECNO())", ValueType::Character, 30},
        {"STR(1)", ValueType::Character, 10},
        {"STR(1, 5)", ValueType::Character, 5},
        {"STR(1, 100000)", ValueType::Character, 255},
        {"DTOS(CTOD(DATE))", ValueType::Character, 8},
        {"DTOC(CTOD(DATE))", ValueType::Character, 10},
        {R"(IIF(ISDEL, LNAME, FNAME + "x"))", ValueType::Character, 31},
        {"ISDEL", ValueType::Logical, 1},
        {"DELETED()", ValueType::Logical, 1},
        {"RECNO()", ValueType::Numeric, 8},
        {"VAL(ZIP)", ValueType::Numeric, 8},
        {"CTOD(DATE)", ValueType::Date, 8},
        {"MEMO", ValueType::Character, 10},
    };
    const xbase::Schema schema = expr_test::addressSchema();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        const auto e = compiled(c.expression, schema);
        EXPECT_EQ(e->type(), c.type);
        EXPECT_EQ(e->width(), c.width);
    }
}

TEST(FunctionsTest, KeysArePaddedOrCutToTheWidth)
{
    MemoryRecord rec = sampleRecord();
    std::string key = "left over from the last record";
    compiled("TRIM(LNAME)", rec.schema())->evaluateKey(rec, &key);
    EXPECT_EQ(key, "Smith" + std::string(25, ' '));
    compiled("MEMO", rec.schema())->evaluateKey(rec, &key);
    EXPECT_EQ(key, "Call about");
    compiled("ISDEL", rec.schema())->evaluateKey(rec, &key);
    EXPECT_EQ(key, "F");
    compiled("!ISDEL", rec.schema())->evaluateKey(rec, &key);
    EXPECT_EQ(key, "T");
    compiled("RECNO() / 4", rec.schema())->evaluateKey(rec, &key);
    ASSERT_EQ(key.size(), sizeof(double));
    double number = 0;
    std::memcpy(&number, key.data(), sizeof number);
    EXPECT_DOUBLE_EQ(number, 10.5);
}

} // namespace
