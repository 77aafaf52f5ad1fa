// The key expressions the address file and the system tables index on.

#include "memory_record.h"

#include <gtest/gtest.h>

using expr_test::compiled;
using expr_test::MemoryRecord;
using xbase::ValueType;

namespace {

std::string padded(const std::string& text, std::size_t width)
{
    std::string s = text;
    s.resize(width, ' ');
    return s;
}

MemoryRecord addressRecord()
{
    MemoryRecord rec(expr_test::addressSchema());
    rec.set("LNAME", "O'Brien").set("FNAME", "\xC9lodie").set("MIDDLE", "k").set("PREFIX", "Ms.");
    rec.set("TITLE", "Director").set("ORG", "St. Mary's").set("STREET", "12 Elm St");
    rec.set("STREET2", "Suite 4").set("CITY", "Boston").set("STATE", "ma").set("ZIP", "02110-1234");
    rec.set("COUNTRY", "USA").set("DATE", "19970428").set("PHONE", "555-0100").set("PHONE2", "555-0101");
    rec.set("FAX", "555-0102").set("EMAIL", "obrien@example.org").set("CODES", "abc").set("USER1", "first");
    rec.set("USER2", "second").set("ISDEL", "F").set("TAG", "1xyz").set("MEMO", "notes");
    return rec;
}

TEST(KeyExpressionsTest, TheTwentySixAddressKeys)
{
    struct Case {
        const char* expression;
        ValueType type;
        std::string key;
    };
    const Case cases[] = {
        {"UPPER(LNAME-FNAME)", ValueType::Character, padded("O'BRIEN\xC9LODIE", 60)},
        {"UPPER(LNAME)+UPPER(FNAME)", ValueType::Character, padded("O'BRIEN", 30) + padded("\xC9LODIE", 30)},
        {"UPPER(FNAME)", ValueType::Character, padded("\xC9LODIE", 30)},
        {"UPPER(TITLE)", ValueType::Character, padded("DIRECTOR", 30)},
        {"UPPER(ORG)", ValueType::Character, padded("ST. MARY'S", 30)},
        {"UPPER(STREET)", ValueType::Character, padded("12 ELM ST", 40)},
        {"UPPER(STREET2)", ValueType::Character, padded("SUITE 4", 40)},
        {"UPPER(CITY+STATE)", ValueType::Character, padded("BOSTON", 30) + padded("MA", 20)},
        {"UPPER(STATE)", ValueType::Character, padded("MA", 20)},
        {"UPPER(ZIP)", ValueType::Character, "02110-1234"},
        {"UPPER(COUNTRY)", ValueType::Character, padded("USA", 30)},
        {"UPPER(PHONE)", ValueType::Character, padded("555-0100", 30)},
        {"UPPER(PHONE2)", ValueType::Character, padded("555-0101", 30)},
        {"UPPER(EMAIL)", ValueType::Character, padded("OBRIEN@EXAMPLE.ORG", 40)},
        {"UPPER(FAX)", ValueType::Character, padded("555-0102", 40)},
        {"UPPER(USER1)", ValueType::Character, padded("FIRST", 40)},
        {"UPPER(USER2)", ValueType::Character, padded("SECOND", 40)},
        {"UPPER(DATE)", ValueType::Character, padded("19970428", 15)},
        {"UPPER(TAG)", ValueType::Character, "1XYZ    "},
        {"UPPER(CODES)", ValueType::Character, padded("ABC", 30)},
        {"UPPER(PREFIX)", ValueType::Character, padded("MS.", 12)},
        {"UPPER(MIDDLE)", ValueType::Character, "K"},
        {"DELETED()", ValueType::Logical, "F"},
        {"UPPER(STATE-ZIP)", ValueType::Character, padded("MA02110-1234", 30)},
        {"ISDEL", ValueType::Logical, "F"},
        {"!ISDEL", ValueType::Logical, "T"},
    };
    const MemoryRecord rec = addressRecord();
    std::string key;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        const auto e = compiled(c.expression, rec.schema());
        EXPECT_EQ(e->type(), c.type);
        EXPECT_EQ(e->width(), static_cast<int>(c.key.size()));
        e->evaluateKey(rec, &key);
        EXPECT_EQ(key, c.key);
    }
}

TEST(KeyExpressionsTest, NameKeyOfAnEmptyLastNameStartsWithTheFirstName)
{
    MemoryRecord rec(expr_test::addressSchema());
    rec.set("FNAME", "Ann");
    std::string key;
    compiled("UPPER(LNAME-FNAME)", rec.schema())->evaluateKey(rec, &key);
    EXPECT_EQ(key, padded("ANN", 60));
}

TEST(KeyExpressionsTest, SystemTableKeysIgnoreTheCaseOfFieldNames)
{
    xbase::FieldInfo descript;
    descript.name = "DESCRIPT";
    descript.width = 40;
    MemoryRecord rec({descript});
    rec.set("DESCRIPT", "Avery 5160");
    for (const char* text : {"UPPER(descript)", "UPPER(DESCRIPT)", "upper(Descript)"}) {
        const auto e = compiled(text, rec.schema());
        EXPECT_EQ(e->canonical(), "UPPER(DESCRIPT)");
        EXPECT_EQ(e->evaluate(rec).str, padded("AVERY 5160", 40));
    }
}

TEST(KeyExpressionsTest, ConcatenationParts)
{
    struct Case {
        const char* expression;
        std::vector<std::pair<std::string, int>> parts;
    };
    const Case cases[] = {
        {"UPPER(LNAME)+UPPER(FNAME)", {{"UPPER(LNAME)", 30}, {"UPPER(FNAME)", 30}}},
        {"upper(lname) + upper(fname)", {{"UPPER(LNAME)", 30}, {"UPPER(FNAME)", 30}}},
        {"LNAME+(FNAME+MIDDLE)", {{"LNAME", 30}, {"FNAME", 30}, {"MIDDLE", 1}}},
        {"UPPER(CITY+STATE)", {{"UPPER(CITY+STATE)", 50}}},
        {"UPPER(LNAME-FNAME)", {{"UPPER(LNAME-FNAME)", 60}}},
        {"LEFT(ZIP,5)+UPPER(LNAME)", {{"LEFT(ZIP,5)", 5}, {"UPPER(LNAME)", 30}}},
        {"DELETED()", {{"DELETED()", 1}}},
        {"RECNO()+1", {{"RECNO()+1", 8}}}, // a sum of numbers is no concatenation
    };
    const xbase::Schema schema = expr_test::addressSchema();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        const auto parts = compiled(c.expression, schema)->concatenationParts();
        ASSERT_EQ(parts.size(), c.parts.size());
        for (std::size_t i = 0; i < parts.size(); ++i) {
            EXPECT_EQ(parts[i].canonical, c.parts[i].first);
            EXPECT_EQ(parts[i].width, c.parts[i].second);
        }
    }
}

TEST(KeyExpressionsTest, CaseTableOfWindows1252)
{
    // Each pair is lower case, upper case.
    const std::pair<unsigned char, unsigned char> pairs[] = {
        {'a', 'A'}, {'z', 'Z'}, {0xE0, 0xC0}, {0xE9, 0xC9}, {0xF6, 0xD6}, {0xF8, 0xD8}, {0xFE, 0xDE},
        {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F},
    };
    // Characters with no partner: digits, signs around the letters, the
    // multiplication and division signs, sharp s, micro sign.
    const unsigned char alone[] = {'0', '@', '[', '`', '{', 0xD7, 0xF7, 0xDF, 0xB5, 0x80, 0xA0};
    xbase::FieldInfo text;
    text.name = "TEXT";
    text.width = 1;
    MemoryRecord rec({text});
    const auto upper = compiled("UPPER(TEXT)", rec.schema());
    const auto lower = compiled("LOWER(TEXT)", rec.schema());
    const auto caseOf = [&](const xbase::Expression& e, unsigned char c) {
        rec.set("TEXT", std::string(1, static_cast<char>(c)));
        return static_cast<unsigned char>(e.evaluate(rec).str.at(0));
    };
    for (const auto& [small, capital] : pairs) {
        SCOPED_TRACE(static_cast<int>(small));
        EXPECT_EQ(caseOf(*upper, small), capital);
        EXPECT_EQ(caseOf(*lower, capital), small);
        EXPECT_EQ(caseOf(*upper, capital), capital);
        EXPECT_EQ(caseOf(*lower, small), small);
    }
    for (unsigned char c : alone) {
        SCOPED_TRACE(static_cast<int>(c));
        EXPECT_EQ(caseOf(*upper, c), c);
        EXPECT_EQ(caseOf(*lower, c), c);
    }
    int changedByUpper = 0;
    for (int c = 0; c < 256; ++c)
        changedByUpper += caseOf(*upper, static_cast<unsigned char>(c)) != c;
    EXPECT_EQ(changedByUpper, 26 + 30 + 4); // ASCII, Latin-1 and the four code page additions
}

} // namespace
