// The normalised text of expressions, and that it means the same.

#include "memory_record.h"

#include <gtest/gtest.h>

using expr_test::compiled;

namespace {

TEST(CanonicalTest, NormalisedSpelling)
{
    struct Case {
        const char* text;
        const char* canonical;
    };
    const Case cases[] = {
        {"upper( lname ) + upper(fname)", "UPPER(LNAME)+UPPER(FNAME)"},
        {"UPPER(LNAME)='jo' and !ISDEL", R"(UPPER(LNAME)="jo".AND..NOT.ISDEL)"},
        {"NOT ISDEL .or. isdel", ".NOT.ISDEL.OR.ISDEL"},
        {"[a b] $ LNAME", R"("a b"$LNAME)"},
        {R"([say "hi"] $ LNAME)", R"('say "hi"'$LNAME)"},
        {R"([it's "x"] $ LNAME)", R"([it's "x"]$LNAME)"},
        {"LNAME # FNAME .and. LNAME != FNAME", "LNAME<>FNAME.AND.LNAME<>FNAME"},
        {"LNAME =< FNAME .or. LNAME => FNAME", "LNAME<=FNAME.OR.LNAME>=FNAME"},
        {"((LNAME))", "LNAME"},
        {"(LNAME - FNAME) - MIDDLE", "LNAME-FNAME-MIDDLE"},
        {"LNAME - (FNAME - MIDDLE)", "LNAME-(FNAME-MIDDLE)"},
        {"(1 + 2) * 3", "(1+2)*3"},
        {"1 - -2", "1--2"},
        {"!(ISDEL .and. ISDEL)", ".NOT.(ISDEL.AND.ISDEL)"},
        {"(.t. .or. .f.) .and. .y.", "(.T..OR..F.).AND..T."},
        {"Recno() = 2", "RECNO()=2"},
        {"substr(lname, 2, 3)", "SUBSTR(LNAME,2,3)"},
    };
    const xbase::Schema schema = expr_test::addressSchema();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(compiled(c.text, schema)->canonical(), c.canonical);
    }
}

TEST(CanonicalTest, CompilingTheCanonicalTextGivesItBack)
{
    const char* texts[] = {
        "UPPER(LNAME-FNAME)", "UPPER(CITY+STATE)", "!ISDEL", "DELETED()",
        R"(((UPPER(LNAME)="J").or.(((UPPER(LNAME)="JO").and.(UPPER(LNAME)="JONES")))).and. !ISDEL)",
        R"((!((UPPER(TAG)="T1"))))", R"(upper("BOS")$upper(CITY))", "LTRIM(STR(RECNO(), 8, 2))",
        R"(IIF(ISDEL, LNAME, FNAME) = "A" .OR. .NOT. EMPTY(ZIP))", "-(1 + 2) * -3 / 4 - 5",
        "DTOS(CTOD(DATE) + 1) >= '19970101'", ".5 + 1.25 = 1.75",
    };
    const xbase::Schema schema = expr_test::addressSchema();
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const std::string once = compiled(text, schema)->canonical();
        EXPECT_EQ(compiled(once, schema)->canonical(), once);
    }
}

TEST(CanonicalTest, AFieldNamedNotStaysAField)
{
    xbase::FieldInfo f;
    f.name = "NOT";
    f.type = 'N';
    f.width = 3;
    const xbase::Schema schema{f};
    const auto e = compiled("(NOT) + 1 = 2", schema);
    EXPECT_EQ(e->canonical(), "(NOT)+1=2");
    EXPECT_EQ(compiled(e->canonical(), schema)->canonical(), "(NOT)+1=2");
}

} // namespace
