// How the filter form turns typed box values into an expression.
#include "store/filter_condition.h"
#include "store/filter_state.h"

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

QString q(const char* text) { return QString::fromUtf8(text); }

TEST(FilterCondition, OneBoxGivesTheConditionOfItsParts)
{
    const struct {
        const char* text;
        const char* condition;
    } cases[] = {
        {"", ""},
        {"   ", ""},
        {"jo", R"(UPPER(LNAME)="JO")"},
        {" jo ", R"(UPPER(LNAME)=" JO ")"},
        {">=b", R"(UPPER(LNAME)>="B")"},
        {">b", R"(UPPER(LNAME)>"B")"},
        {"<=b", R"(UPPER(LNAME)<="B")"},
        {"<b", R"(UPPER(LNAME)<"B")"},
        {"<>b", R"(UPPER(LNAME)<">B")"},
        {"$c", R"("C"$UPPER(LNAME))"},
        {"=b", R"(UPPER(LNAME)="=B")"},
        {"jones;baker", R"(((UPPER(LNAME)="JONES").or.(UPPER(LNAME)="BAKER")))"},
        {"a;b+c", R"(((UPPER(LNAME)="A").or.(((UPPER(LNAME)="B").and.(UPPER(LNAME)="C")))))"},
        {"a+b^c", R"(((UPPER(LNAME)="A").and.(((UPPER(LNAME)="B").and..not.(UPPER(LNAME)="C")))))"},
        {"a^b^c", R"(((UPPER(LNAME)="A").and..not.(UPPER(LNAME)="B").and..not.(UPPER(LNAME)="C")))"},
        {"jones;", R"(((UPPER(LNAME)="JONES").or.(UPPER(LNAME)="")))"},
        {"^b", R"(((UPPER(LNAME)="").and..not.(UPPER(LNAME)="B")))"},
        {"$a;>=x", R"((("A"$UPPER(LNAME)).or.(UPPER(LNAME)>="X")))"},
        // Windows-1252 letters take their capitals as UPPER() gives them.
        {"müller", "UPPER(LNAME)=\"MÜLLER\""},
        {"šÿ", "UPPER(LNAME)=\"ŠŸ\""},
        // A double quote is taken as typed, in the first delimiter it leaves free.
        {R"(the "inn")", R"(UPPER(LNAME)='THE "INN"')"},
        {R"(o'neil "x")", R"(UPPER(LNAME)=[O'NEIL "X"])"},
        {R"(a"b'c]d)", R"(UPPER(LNAME)="A"+'"'+"B'C]D")"},
        {R"($"q"'])", R"('"'+"Q"+'"'+"']"$UPPER(LNAME))"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuildBoxCondition(QStringLiteral("LNAME"), q(c.text)), q(c.condition)) << c.text;
}

TEST(FilterCondition, ValuesAreCutTo99Characters)
{
    const QString condition = BuildBoxCondition(QStringLiteral("USER1"), QStringLiteral(">") + QString(120, QLatin1Char('x')));
    EXPECT_EQ(condition, QStringLiteral("UPPER(USER1)>\"") + QString(99, QLatin1Char('X')) + QLatin1Char('"'));
}

TEST(FilterCondition, CharactersOutsideWindows1252KeepTheirCase)
{
    EXPECT_EQ(upperAsEngine(q("µāb")), q("µāB"));
}

TEST(FilterExpression, BoxesJoinInTheirOrderWithTheSwitches)
{
    struct Case {
        std::vector<std::pair<TFilterBox, const char*>> boxes;
        bool tagged;
        bool reverse;
        const char* tagId;
        const char* expression;
    };
    using enum TFilterBox;
    const Case cases[] = {
        {{}, false, false, "T1", ""},
        {{}, false, true, "T1", ""},
        {{{fbLName, "jo"}}, false, false, "T1", R"(UPPER(LNAME)="JO")"},
        // The comments come before the date and the codes, the city is
        // compared with the city followed by the state.
        {{{fbCodes, "$c"}, {fbDate, ">19970101"}, {fbUser2, "x"}, {fbCity, "spring"}, {fbLName, "jo"}},
         false, false, "T1",
         R"(UPPER(LNAME)="JO" and UPPER(CITY+STATE)="SPRING" and UPPER(USER2)="X" and )"
         R"(UPPER(DATE)>"19970101" and "C"$UPPER(CODES))"},
        {{{fbState, "ny"}}, true, false, "T1", R"(UPPER(STATE)="NY" and (UPPER(TAG)="T1"))"},
        {{}, true, true, "T1", R"((!((UPPER(TAG)="T1"))))"},
        {{{fbZip, "1"}, {fbEmail, "@"}}, false, true, "T1", R"((!(UPPER(ZIP)="1" and UPPER(EMAIL)="@")))"},
        // No tag id in force: no record is tagged, rather than every one.
        {{}, true, false, "", "(.F.)"},
    };
    for (const Case& c : cases) {
        TFilterState state;
        for (const auto& [box, text] : c.boxes)
            state.value(box) = q(text);
        state.taggedOnly = c.tagged;
        state.reverse = c.reverse;
        EXPECT_EQ(state.BuildQueryString(q(c.tagId)), q(c.expression)) << c.expression;
        EXPECT_EQ(state.expression, q(c.expression));
        EXPECT_EQ(state.isSet(), *c.expression != '\0');
    }
}

TEST(FilterExpression, ClearQueryVarsEmptiesEverything)
{
    TFilterState state;
    state.value(TFilterBox::fbUser2) = QStringLiteral("x");
    state.taggedOnly = state.reverse = true;
    state.BuildQueryString(QStringLiteral("T1"));
    state.ClearQueryVars();
    EXPECT_EQ(state, TFilterState());
}

TEST(FilterExpression, BoxesAreKnownByTheirFieldNames)
{
    EXPECT_EQ(filterBoxNamed(u"street2"), TFilterBox::fbStreet2);
    EXPECT_EQ(filterBoxNamed(u"USER2"), TFilterBox::fbUser2);
    EXPECT_EQ(filterBoxName(TFilterBox::fbDate), QStringLiteral("DATE"));
    EXPECT_FALSE(filterBoxNamed(u"MIDDLE"));
    EXPECT_FALSE(filterBoxNamed(u""));
}

} // namespace
