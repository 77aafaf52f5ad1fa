// Moving through a work area: orders, deleted records, queries, seeks and
// scopes, each with the xBase meaning.
#include "engine_fixture.h"

using namespace engine_test;
using Names = std::vector<std::string>;

namespace {

class MovingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = createPeople(dir_, {{"Carol", "Boston", 40}, {"alice", "Denver", 30}, {"Bob", "Austin", 25},
                                    {"dave", "Boston", 35}, {"Eve", "Austin", 28}});
        area_ = openArea(path_);
        ASSERT_TRUE(area_);
    }
    void order(const char* tag) { ASSERT_OK(area_->setOrder(area_->findOrder(tag))); }
    void deleteNamed(const std::string& name)
    {
        for (expectOk(area_->goTop()); !area_->eof(); expectOk(area_->skip(1)))
            if (fieldOf(*area_, "NAME") == name)
                break;
        ASSERT_OK(area_->deleteRecord());
    }

    testing_support::TempDir dir_;
    std::string path_;
    std::unique_ptr<xbase::WorkArea> area_;
};

TEST_F(MovingTest, NaturalAndTagOrdersBothWays)
{
    EXPECT_EQ(namesDown(*area_), (Names{"Carol", "alice", "Bob", "dave", "Eve"}));
    order("NAME");
    EXPECT_EQ(namesDown(*area_), (Names{"alice", "Bob", "Carol", "dave", "Eve"}));
    EXPECT_EQ(namesUp(*area_), (Names{"Eve", "dave", "Carol", "Bob", "alice"}));
    order("AGE");
    EXPECT_EQ(namesDown(*area_), (Names{"Bob", "Eve", "alice", "dave", "Carol"}));
    order("CITY");
    EXPECT_EQ(namesDown(*area_), (Names{"Bob", "Eve", "Carol", "dave", "alice"}));
}

TEST_F(MovingTest, EndsSetBofAndEofTheXbaseWay)
{
    order("NAME");
    ASSERT_OK(area_->goTop());
    ASSERT_OK(area_->skip(-1));
    EXPECT_TRUE(area_->bof());
    EXPECT_EQ(fieldOf(*area_, "NAME"), "alice"); // stays on the first record
    ASSERT_OK(area_->goBottom());
    ASSERT_OK(area_->skip(1));
    EXPECT_TRUE(area_->eof());
    EXPECT_EQ(area_->recNo(), area_->recCount() + 1);
    EXPECT_EQ(fieldOf(*area_, "NAME"), ""); // the blank record past the end
    ASSERT_OK(area_->skip(-1));
    EXPECT_EQ(fieldOf(*area_, "NAME"), "Eve");
    ASSERT_OK(area_->skip(-3));
    EXPECT_EQ(fieldOf(*area_, "NAME"), "Bob");
}

TEST_F(MovingTest, GoReachesAnyRecordAndRefusesMissingOnes)
{
    order("NAME");
    ASSERT_OK(area_->go(3));
    EXPECT_EQ(fieldOf(*area_, "NAME"), "Bob");
    ASSERT_OK(area_->skip(1)); // continues in NAME order from there
    EXPECT_EQ(fieldOf(*area_, "NAME"), "Carol");
    EXPECT_EQ(area_->go(99).code(), xbase::Status::Code::NotFound);
    EXPECT_TRUE(area_->eof());
}

TEST_F(MovingTest, DeletedRecordsHideOnlyWhileDeletedIsOn)
{
    deleteNamed("Bob");
    order("NAME");
    EXPECT_EQ(namesDown(*area_), (Names{"alice", "Carol", "dave", "Eve"}));
    EXPECT_EQ(namesUp(*area_), (Names{"Eve", "dave", "Carol", "alice"}));
    area_->settings().deleted = false;
    EXPECT_EQ(namesDown(*area_), (Names{"alice", "Bob", "Carol", "dave", "Eve"}));
}

TEST_F(MovingTest, QueryLimitsMovingAndCounting)
{
    order("NAME");
    ASSERT_OK(area_->setQuery("AGE > 29"));
    EXPECT_EQ(namesDown(*area_), (Names{"alice", "Carol", "dave"}));
    EXPECT_EQ(namesUp(*area_), (Names{"dave", "Carol", "alice"}));
    deleteNamed("Carol");
    std::uint32_t count = 0;
    ASSERT_OK(area_->queryRecCount(&count));
    EXPECT_EQ(count, 2u);
    ASSERT_OK(area_->setQuery(""));
    EXPECT_EQ(namesDown(*area_).size(), 4u);
    EXPECT_EQ(area_->setQuery("AGE >").code(), xbase::Status::Code::InvalidArgument);
    EXPECT_EQ(area_->setQuery("NAME").code(), xbase::Status::Code::InvalidArgument); // not a condition
}

TEST_F(MovingTest, EmptySelectionIsBothBofAndEof)
{
    ASSERT_OK(area_->setQuery("AGE > 99"));
    ASSERT_OK(area_->goTop());
    EXPECT_TRUE(area_->eof());
    EXPECT_TRUE(area_->bof());
}

struct SeekCase {
    const char* key;
    bool exact;
    bool softSeek;
    bool found;
    const char* landsOn; // "" for end of file
};

TEST_F(MovingTest, SeekFollowsExactAndSoftSeek)
{
    const SeekCase cases[] = {
        {"CAR", false, false, true, "Carol"},  {"CAR", true, false, false, ""},
        {"CAR", true, true, false, "Carol"},   {"CAROL", true, false, true, "Carol"},
        {"CAT", false, true, false, "dave"},   {"ZZZ", false, true, false, ""},
        {"", false, false, true, "alice"},     {"B", false, false, true, "Bob"},
    };
    order("NAME");
    for (const SeekCase& c : cases) {
        area_->settings().exact = c.exact;
        area_->settings().softSeek = c.softSeek;
        bool found = false;
        ASSERT_OK(area_->seek(c.key, &found));
        EXPECT_EQ(found, c.found) << c.key << " exact " << c.exact << " soft " << c.softSeek;
        EXPECT_EQ(fieldOf(*area_, "NAME"), c.landsOn) << c.key;
        EXPECT_EQ(area_->eof(), std::string(c.landsOn).empty()) << c.key;
    }
}

TEST_F(MovingTest, SeekPassesOverHiddenRecordsAndReadsNumbers)
{
    deleteNamed("Bob");
    order("NAME");
    bool found = true;
    ASSERT_OK(area_->seek("BOB", &found));
    EXPECT_FALSE(found);
    order("AGE");
    ASSERT_OK(area_->seek("35", &found));
    EXPECT_TRUE(found);
    EXPECT_EQ(fieldOf(*area_, "NAME"), "dave");
    EXPECT_EQ(area_->seek("thirty", &found).code(), xbase::Status::Code::InvalidArgument);
    ASSERT_OK(area_->setOrder(-1));
    EXPECT_FALSE(area_->seek("1", &found).isOk()); // record number order has no keys
}

TEST_F(MovingTest, ScopeLimitsTheOrderUntilTheOrderChanges)
{
    order("CITY");
    ASSERT_OK(area_->setScope(std::string("BOSTON"), std::string("BOSTON")));
    EXPECT_EQ(namesDown(*area_), (Names{"Carol", "dave"}));
    EXPECT_EQ(namesUp(*area_), (Names{"dave", "Carol"}));
    ASSERT_OK(area_->setScope(std::string("B"), std::nullopt));
    EXPECT_EQ(namesDown(*area_), (Names{"Carol", "dave", "alice"}));
    ASSERT_OK(area_->setScope(std::nullopt, std::string("AUSTIN")));
    EXPECT_EQ(namesDown(*area_), (Names{"Bob", "Eve"}));
    bool found = true;
    ASSERT_OK(area_->seek("DENVER", &found));
    EXPECT_FALSE(found); // outside the scope
    order("CITY");
    EXPECT_EQ(namesDown(*area_).size(), 5u);
    ASSERT_OK(area_->setOrder(-1));
    EXPECT_FALSE(area_->setScope(std::string("A"), std::string("B")).isOk());
}

} // namespace
