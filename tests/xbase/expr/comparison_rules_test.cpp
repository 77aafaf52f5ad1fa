// The xBase rules for comparing and joining text, as tables of cases.

#include "memory_record.h"

#include <gtest/gtest.h>

using expr_test::compiled;
using expr_test::MemoryRecord;

namespace {

bool holds(const std::string& text, bool exact, const MemoryRecord& rec)
{
    return compiled(text, rec.schema())->isTrue(rec, xbase::EvalOptions{exact});
}

TEST(ComparisonRulesTest, TextComparisonsFollowTheExactSetting)
{
    struct Case {
        const char* expression;
        bool exactOff;
        bool exactOn;
    };
    const Case cases[] = {
        {R"("abc" = "abc")", true, true},
        {R"("ab" = "abc")", false, false},
        {R"("abc" = "ab")", true, false},      // exact off: the left side begins with the right
        {R"("abc" = "")", true, false},        // an empty right side matches everything
        {R"("" = "abc")", false, false},
        {R"("abc" = "abc  ")", false, true},   // exact on pads the shorter side with blanks
        {R"("abc  " = "abc")", true, true},
        {R"("abc" == "abc")", true, true},
        {R"("abc  " == "abc")", false, false}, // "==" counts every byte, whatever the setting
        {R"("abc" == "ab")", false, false},
        {R"("abc" <> "ab")", false, true},     // "<>", "#" and "!=" are the negation of "="
        {R"("abc" # "ab")", false, true},
        {R"("abc" != "ab")", false, true},
        {R"("ab" <> "abc")", true, true},
        {R"("abc" < "abd")", true, true},
        {R"("ab" < "abc")", true, true},
        {R"("abc" > "ab")", false, true},      // exact off: equal over the right side's length
        {R"("abc" >= "ab")", true, true},
        {R"("abc" <= "ab")", true, false},
        {R"("ABC" < "abc")", true, true},
        {"\"\xE9\" > \"z\"", true, true},      // bytes compare unsigned: e-acute sorts after z
        {R"("a" $ "cat")", true, true},
        {R"("" $ "cat")", true, true},
        {R"("dog" $ "cat")", false, false},
        {R"("CAT" $ "cat")", false, false},    // "$" is case-sensitive
    };
    MemoryRecord rec(expr_test::addressSchema());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        EXPECT_EQ(holds(c.expression, false, rec), c.exactOff);
        EXPECT_EQ(holds(c.expression, true, rec), c.exactOn);
    }
}

TEST(ComparisonRulesTest, FieldsCompareWithTheirTrailingBlanks)
{
    MemoryRecord rec(expr_test::addressSchema());
    rec.set("LNAME", "Jones");
    EXPECT_TRUE(holds(R"(UPPER(LNAME) = "JO")", false, rec));
    EXPECT_FALSE(holds(R"(UPPER(LNAME) = "JO")", true, rec));
    EXPECT_TRUE(holds(R"(UPPER(LNAME) = "JONES")", true, rec));
    EXPECT_FALSE(holds(R"(UPPER(LNAME) == "JONES")", false, rec));
    EXPECT_TRUE(holds(R"(UPPER(TRIM(LNAME)) == "JONES")", false, rec));
    EXPECT_FALSE(holds(R"("JONES" = UPPER(LNAME))", false, rec)); // the field is the longer side
}

TEST(ComparisonRulesTest, JoiningText)
{
    struct Case {
        const char* expression;
        const char* value;
    };
    const Case cases[] = {
        {R"("ab  " + "cd")", "ab  cd"},
        {R"("ab  " - "cd")", "abcd  "}, // "-" moves the left side's trailing blanks to the end
        {R"("ab" - "cd  ")", "abcd  "},
        {R"("  " - "x")", "x  "},
        {R"("a " - "b " - "c")", "abc  "},
        {R"("a" + "b" - "c")", "abc"},
    };
    MemoryRecord rec(expr_test::addressSchema());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        const auto e = compiled(c.expression, rec.schema());
        EXPECT_EQ(e->evaluate(rec).str, c.value);
        EXPECT_EQ(e->width(), static_cast<int>(std::string(c.value).size()));
    }
}

TEST(ComparisonRulesTest, OtherTypesCompareByValue)
{
    MemoryRecord rec(expr_test::mixedSchema());
    rec.setNumber("AMOUNT", 12.5).set("BORN", "19970428").set("ACTIVE", "T");
    const char* trueCases[] = {
        "AMOUNT = 12.5", "AMOUNT > 12", "AMOUNT <> 12", "AMOUNT # 12.49", "AMOUNT == 12.5", "-AMOUNT < 0",
        "BORN = CTOD(\"04/28/1997\")", "BORN > CTOD(\"12/31/1996\")", "BORN <= CTOD(\"4/28/97\")",
        "ACTIVE = .T.", "ACTIVE <> .F.", ".F. == .F.",
    };
    for (const char* text : trueCases) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(holds(text, false, rec));
        EXPECT_FALSE(holds(std::string(".NOT.(") + text + ")", false, rec));
    }
}

TEST(ComparisonRulesTest, LogicalOperatorsAndTheirPrecedence)
{
    struct Case {
        const char* expression;
        bool value;
    };
    const Case cases[] = {
        {".T. .AND. .F.", false},     {".T. .OR. .F.", true},         {".t. .and. .t.", true},
        {".T. and .F.", false},       {".F. or .T.", true},           {".T. AND .F. OR .T.", true},
        {".T. .OR. .F. .AND. .F.", true}, // .AND. binds tighter than .OR.
        {"!.T. .OR. .T.", true},      {"!(.T. .OR. .T.)", false},    {"NOT .T.", false},
        {"not .F. and .T.", true},    {".NOT. 1 = 2", true},          {"!!.T.", true},
        {".Y. .AND. .N.", false},
    };
    MemoryRecord rec(expr_test::addressSchema());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        EXPECT_EQ(holds(c.expression, false, rec), c.value);
    }
}

TEST(ComparisonRulesTest, LogicalFieldReadsTrueFromTtYy)
{
    MemoryRecord rec(expr_test::mixedSchema());
    const auto active = compiled("ACTIVE", rec.schema());
    for (const char* stored : {"T", "t", "Y", "y"}) {
        rec.set("ACTIVE", stored);
        EXPECT_TRUE(active->isTrue(rec)) << stored;
    }
    for (const char* stored : {"F", "f", "N", "n", " ", "?"}) {
        rec.set("ACTIVE", stored);
        EXPECT_FALSE(active->isTrue(rec)) << stored;
    }
}

} // namespace
