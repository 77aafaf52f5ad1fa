// Searching: a seek on the current order and the memo search.
#include "filter_fixture.h"
#include "store/search_memo.h"
#include "store/search_seek.h"

#include <gtest/gtest.h>

using namespace quorvel;
using filter_test::AddressTable;

namespace {

class SearchTest : public ::testing::Test {
protected:
    testing_support::TempDir dir_;
    AddressTable file_{dir_, {
        {{"LNAME", "Jones"}, {"CITY", "Albany"}, {"MEMO", "Met at the spring fair."}},
        {{"LNAME", "Baker"}, {"CITY", "Denver"}},
        {{"LNAME", "M\xFCller"}, {"CITY", "Boise"}, {"MEMO", "Sends a CARD each spring"}},
        {{"LNAME", "Adams"}, {"CITY", "Austin"}, {"MEMO", "Spring cleaning"}, {"ISDEL", "T"}},
        {{"LNAME", "Carter"}, {"CITY", "Denver"}, {"MEMO", "no plans"}},
    }};
};

TEST_F(SearchTest, FindsTheFirstKeyStartingWithTheText)
{
    const struct {
        const char* order;
        const char* text;
        bool found;
        const char* current; // the record current afterwards
    } cases[] = {
        {"LNAME", "jo", true, "Jones"},
        {"LNAME", "m\xC3\xBC", true, "M\xFC" "ller"},
        {"CITY", "den", true, "Baker"},
        {"LNAME", "adams", false, "Carter"},
        {"LNAME", "zz", false, "Carter"},
        {"LNAME", "", false, "Carter"},
        {"LNAME", "\xC4\x81", false, "Carter"},
    };
    for (const auto& c : cases) {
        file_.goToName("Carter");
        file_.setOrder(c.order);
        EXPECT_EQ(SeekStartingWith(file_.table(), file_.env(), QString::fromUtf8(c.text)), c.found) << c.text;
        EXPECT_EQ(file_.field("LNAME"), c.current) << c.text;
        EXPECT_FALSE(file_.env().sx_GetSoftSeek());
    }
}

TEST_F(SearchTest, WithoutAnOrderNothingMoves)
{
    file_.goToName("Carter");
    EXPECT_FALSE(SeekStartingWith(file_.table(), file_.env(), QStringLiteral("Jones")));
    EXPECT_EQ(file_.field("LNAME"), "Carter");
}

TEST_F(SearchTest, MemoSearchFindsTheFirstThenTheNext)
{
    file_.goToName("Carter");
    const QString text = QStringLiteral("SPRING");
    ASSERT_TRUE(FindTextInMemo(file_.table(), text, TMemoSearchStart::msFirstRecord));
    EXPECT_EQ(file_.field("LNAME"), "Jones");
    ASSERT_TRUE(FindTextInMemo(file_.table(), text, TMemoSearchStart::msNextRecord));
    EXPECT_EQ(file_.field("LNAME"), "M\xFCller");
    // The deleted record's memo is not looked at; at the end the record
    // found last stays current.
    EXPECT_FALSE(FindTextInMemo(file_.table(), text, TMemoSearchStart::msNextRecord));
    EXPECT_EQ(file_.field("LNAME"), "M\xFCller");
}

TEST_F(SearchTest, MemoSearchWithoutAMatchKeepsTheRecord)
{
    for (const char* text : {"winter", "", "\xC4\x81"}) {
        file_.goToName("Baker");
        EXPECT_FALSE(FindTextInMemo(file_.table(), QString::fromUtf8(text), TMemoSearchStart::msFirstRecord)) << text;
        EXPECT_EQ(file_.field("LNAME"), "Baker");
    }
}

TEST_F(SearchTest, MemoSearchStopsWhenCancelled)
{
    file_.goToName("Carter");
    int asked = 0;
    const bool found = FindTextInMemo(file_.table(), QStringLiteral("plans"), TMemoSearchStart::msFirstRecord, [&] {
        return ++asked < 2;
    });
    EXPECT_FALSE(found);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(file_.field("LNAME"), "Carter");
}

} // namespace
