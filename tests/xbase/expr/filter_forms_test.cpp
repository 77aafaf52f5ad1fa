// The filter expressions the program builds, run over a handful of records,
// and the index-usable terms found in them.

#include "memory_record.h"

#include <gtest/gtest.h>

#include <set>

using expr_test::compiled;
using expr_test::MemoryRecord;

namespace {

struct Person {
    const char* lname;
    const char* city;
    const char* state;
    const char* date;
    const char* codes;
    const char* tag;
    const char* prefix;
    bool isdel;
};

// Record numbers are the positions in this list, from 1.
const Person kPeople[] = {
    {"Jones", "Boston", "MA", "19970428", "AC", "T1", "Ms.", false},
    {"Johanesson", "Springfield", "IL", "19970101", "B", "", "Mr.", false},
    {"Baker", "Boston", "MA", "19961231", "c", "T1", "Dr.", true},
    {"Smith", "Bostonia", "CA", "", "", "", "deleted", false},
    {"JONESY", "Austin", "TX", "19980101", "AB", "T2", "", false},
};

class FilterFormsTest : public ::testing::Test {
protected:
    std::set<int> matches(const std::string& filter, bool exact = false)
    {
        MemoryRecord rec(expr_test::addressSchema());
        const auto e = compiled(filter, rec.schema());
        std::set<int> found;
        for (std::size_t i = 0; i < std::size(kPeople); ++i) {
            const Person& p = kPeople[i];
            rec.clear();
            rec.set("LNAME", p.lname).set("CITY", p.city).set("STATE", p.state).set("DATE", p.date);
            rec.set("CODES", p.codes).set("TAG", p.tag).set("PREFIX", p.prefix).set("ISDEL", p.isdel ? "T" : "F");
            rec.setDeleted(p.isdel).setRecordNumber(static_cast<std::uint32_t>(i + 1));
            if (e->isTrue(rec, xbase::EvalOptions{exact}))
                found.insert(static_cast<int>(i + 1));
        }
        return found;
    }
};

TEST_F(FilterFormsTest, FilterDialogConditions)
{
    struct Case {
        std::string filter;
        std::set<int> records;
    };
    const std::string bostonMa = "BOSTON" + std::string(24, ' ') + "MA";
    const Case cases[] = {
        // A box value is a prefix; the query adds ".and. !ISDEL".
        {R"(UPPER(LNAME)="JO".and. !ISDEL)", {1, 2, 5}},
        {R"(UPPER(LNAME)="JO")", {1, 2, 5}},
        {R"("C"$UPPER(CODES))", {1, 3}},
        {R"("C"$UPPER(CODES).and. !ISDEL)", {1}},
        // JONES;BAKER, then A;B+C, then a trailing ";" that adds an empty alternative.
        {R"(((UPPER(LNAME)="JONES").or.(UPPER(LNAME)="BAKER")))", {1, 3, 5}},
        {R"(((UPPER(LNAME)="J").or.(((UPPER(LNAME)="JO").and.(UPPER(LNAME)="JONES")))))", {1, 2, 5}},
        {R"(((UPPER(LNAME)="JONES").or.(UPPER(LNAME)="")))", {1, 2, 3, 4, 5}},
        // "^" joins with ".and..not.".
        {R"(((UPPER(LNAME)="JO").and..not.(UPPER(LNAME)="JONES")))", {2}},
        // Ordering operators compare over the value's length, so a record dated
        // exactly 19970101 is not after 19970101.
        {R"(UPPER(DATE)>"19970101")", {1, 5}},
        {R"(UPPER(DATE)>="19970101")", {1, 2, 5}},
        {R"(UPPER(DATE)<"19970101")", {3, 4}},
        {R"(UPPER(DATE)<="19970101")", {2, 3, 4}},
        {R"(UPPER(CITY+STATE)="BOSTON")", {1, 3, 4}},
        {R"(UPPER(CITY+STATE)=")" + bostonMa + "\"", {1, 3}},
        {R"(UPPER(LNAME)="JO" and UPPER(CITY+STATE)="BOS")", {1}},
        {R"((UPPER(TAG)="T1"))", {1, 3}},
        {R"(UPPER(LNAME)="JO" and (UPPER(TAG)="T1").and. !ISDEL)", {1}},
        {R"((!((UPPER(TAG)="T1"))).and. !ISDEL)", {2, 4, 5}},
        {R"(.not.(UPPER(LNAME)="JO"))", {3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(matches(c.filter), c.records);
    }
}

TEST_F(FilterFormsTest, ExactSettingTurnsPrefixesIntoWholeValues)
{
    EXPECT_EQ(matches(R"(UPPER(LNAME)="JONES")", false), (std::set<int>{1, 5}));
    EXPECT_EQ(matches(R"(UPPER(LNAME)="JONES")", true), (std::set<int>{1}));
}

TEST_F(FilterFormsTest, ConditionsOfTheOtherWindows)
{
    struct Case {
        const char* filter;
        std::set<int> records;
    };
    const Case cases[] = {
        {"NOT ISDEL", {1, 2, 4, 5}},
        {"not DELETED()", {1, 2, 4, 5}},
        {"Recno()=2", {2}},
        {R"(UPPER(PREFIX)<>"DELETED")", {1, 2, 3, 5}},
        {"EMPTY(DATE)", {4}},
        {R"("Bos"$CITY)", {1, 3, 4}},
        {R"(upper("BOS")$upper(CITY))", {1, 3, 4}},
        {R"(LEFT(ZIP,3)="" .and. LTRIM(STR(RECNO()))="5")", {5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(matches(c.filter), c.records);
    }
}

TEST(LabelCatalogueFilterTest, ClausesWithTheirOwnBlanks)
{
    xbase::Schema schema;
    for (const char* name : {"DESCRIPT", "MANUFAC", "PRINTER", "PRODTYPE", "PAPERSIZE"}) {
        xbase::FieldInfo f;
        f.name = name;
        f.width = 30;
        schema.push_back(f);
    }
    MemoryRecord rec(schema);
    rec.set("MANUFAC", "Avery").set("PRINTER", "lj").set("PRODTYPE", "Address/Shipping Labels").set("PAPERSIZE", "a4l");
    const char* filter = R"( UPPER(manufac)="AVERY"  and  UPPER(printer)="LJ"  and  UPPER(PRODTYPE)="ADDRESS/SHIPPING LABELS" )";
    const char* european = R"( ("A4"$UPPER(PAPERSIZE) OR "A5"$UPPER(PAPERSIZE)))";
    EXPECT_TRUE(compiled(filter, rec.schema())->isTrue(rec));
    EXPECT_TRUE(compiled(european, rec.schema())->isTrue(rec));
    rec.set("PAPERSIZE", "Letter");
    EXPECT_FALSE(compiled(european, rec.schema())->isTrue(rec));
    rec.set("PRINTER", "IJ");
    EXPECT_FALSE(compiled(filter, rec.schema())->isTrue(rec));
}

TEST(PrefixTermsTest, TermsAnIndexCanAnswer)
{
    struct Term {
        std::string key;
        int width;
        std::string literal;
        bool exactMatch;
    };
    struct Case {
        const char* filter;
        std::vector<Term> terms;
    };
    const Case cases[] = {
        {R"(UPPER(LNAME)="JO".and. !ISDEL)", {{"UPPER(LNAME)", 30, "JO", false}}},
        {R"((UPPER(LNAME)="JO") and (UPPER(CITY+STATE)="BOS").and. !ISDEL)",
         {{"UPPER(LNAME)", 30, "JO", false}, {"UPPER(CITY+STATE)", 50, "BOS", false}}},
        {R"(upper(lname) = 'Jo' AND UPPER(TAG)=="T1")",
         {{"UPPER(LNAME)", 30, "Jo", false}, {"UPPER(TAG)", 8, "T1", true}}},
        {R"("T1"==UPPER(TAG))", {{"UPPER(TAG)", 8, "T1", true}}},
        {R"(UPPER(LNAME)="")", {{"UPPER(LNAME)", 30, "", false}}},
        {R"(LNAME+FNAME="SMITH")", {{"LNAME+FNAME", 60, "SMITH", false}}},
        // "literal" = expression asks whether the literal begins with the value.
        {R"("JO"=UPPER(LNAME))", {}},
        {R"(((UPPER(LNAME)="JONES").or.(UPPER(LNAME)="BAKER")))", {}},
        {R"((!((UPPER(TAG)="T1"))).and. !ISDEL)", {}},
        {R"(UPPER(LNAME)>"JO")", {}},
        {R"("C"$UPPER(CODES))", {}},
        {R"(LTRIM(STR(RECNO()))="5")", {}},
        {R"("A"="A")", {}},
        {"Recno()=2", {}},
    };
    const xbase::Schema schema = expr_test::addressSchema();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        const auto terms = compiled(c.filter, schema)->prefixTerms();
        ASSERT_EQ(terms.size(), c.terms.size());
        for (std::size_t i = 0; i < terms.size(); ++i) {
            EXPECT_EQ(terms[i].keyCanonical, c.terms[i].key);
            EXPECT_EQ(terms[i].keyWidth, c.terms[i].width);
            EXPECT_EQ(terms[i].literal, c.terms[i].literal);
            EXPECT_EQ(terms[i].exactMatch, c.terms[i].exactMatch);
        }
    }
}

} // namespace
