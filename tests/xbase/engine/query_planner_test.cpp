// The query planner must never change an answer: every filter gives the
// same records, in every order, whether read through a tag's key range or
// by a scan of the whole table.
#include "engine_fixture.h"

#include <algorithm>

using namespace engine_test;

namespace {

struct PlanCase {
    const char* filter;
    const char* tag; // the tag whose key range holds the matches; "" for none
    bool complete;   // the tags alone decide it: counting reads no record
};

const PlanCase kCases[] = {
    {"UPPER(LNAME)=\"JO\" .and. !ISDEL", "LNAME", true},
    {"UPPER(LNAME)=\"JOHNSON\" .and. UPPER(FNAME)=\"M\"", "LNAME", false},
    {"!ISDEL .and. (UPPER(CITY+STATE)=\"SPRINGFIELD\")", "CITY", true},
    {"UPPER(LNAME-FNAME)=\"SMITHJ\"", "NAME", true},
    {"UPPER(ZIP)=\"6\" .and. UPPER(CODES)=\"A\"", "ZIP", false},
    {"UPPER(LNAME)=\"\" .and. !ISDEL", "LNAME", true},
    {"TRIM(UPPER(LNAME))=\"JONES \"", "", false},
    {"UPPER(LNAME)=\"JONES \" .and. !ISDEL", "LNAME", false}, // trailing blank: the records decide
    {"!ISDEL", "", true},
    {"ISDEL .and. UPPER(STATE)=\"IL\"", "STATE", true},
    {"UPPER(STATE)=\"IL\" .or. UPPER(STATE)=\"TX\"", "", false},
    {"UPPER(LNAME)>=\"W\"", "", false},
    {"UPPER(MIDDLE)=\"AB\"", "", false}, // longer than MIDDLE: no key range can hold it
    {"\"C\"$UPPER(CODES) .and. !ISDEL", "", false},
    {".not. (UPPER(LNAME)=\"JO\")", "", false},
};

class PlannerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new testing_support::TempDir;
        path_ = createAddressTable(*dir_, 600);
    }
    static void TearDownTestSuite() { delete dir_; }

    std::vector<std::uint32_t> selected(xbase::WorkArea& area, const std::string& filter, bool optimize,
                                        const char* order, std::uint32_t* count)
    {
        area.settings().optimizeQueries = optimize;
        EXPECT_OK(area.setOrder(order[0] ? area.findOrder(order) : -1));
        EXPECT_OK(area.setQuery(filter));
        EXPECT_OK(area.queryRecCount(count));
        return recnosDown(area);
    }

    static testing_support::TempDir* dir_;
    static std::string path_;
};

testing_support::TempDir* PlannerTest::dir_ = nullptr;
std::string PlannerTest::path_;

TEST_F(PlannerTest, SameRecordsAsAScanInEveryOrder)
{
    auto area = openArea(path_);
    ASSERT_TRUE(area);
    // Some deleted records, so that the deleted setting takes part.
    for (std::uint32_t recno : {3u, 50u, 51u, 400u}) {
        ASSERT_OK(area->go(recno));
        ASSERT_OK(area->deleteRecord());
    }
    for (const PlanCase& c : kCases) {
        for (const char* order : {"", "LNAME", "CITY", "ZIP"}) {
            std::uint32_t planned = 0, scanned = 0;
            const auto viaPlan = selected(*area, c.filter, true, order, &planned);
            EXPECT_EQ(area->queryPlan().complete, c.complete) << c.filter;
            const int rangeOrder = area->queryPlan().order;
            const std::string planTag = rangeOrder >= 0 ? area->orderInfo(rangeOrder).name : "";
            const auto viaScan = selected(*area, c.filter, false, order, &scanned);
            EXPECT_EQ(viaPlan, viaScan) << c.filter << " in order " << order;
            EXPECT_EQ(planned, scanned) << c.filter;
            EXPECT_EQ(planned, viaPlan.size()) << c.filter;
            EXPECT_EQ(planTag, c.tag) << c.filter;
        }
    }
}

TEST_F(PlannerTest, SelectiveFiltersMatchSomethingButNotEverything)
{
    auto area = openArea(path_, {}, xbase::OpenMode::ReadOnly);
    ASSERT_TRUE(area);
    ASSERT_OK(area->setQuery(kCases[0].filter));
    std::uint32_t count = 0;
    ASSERT_OK(area->queryRecCount(&count));
    EXPECT_GT(count, 0u);
    EXPECT_LT(count, area->recCount() / 4);
}

TEST_F(PlannerTest, RecordsEditedIntoOrOutOfTheRangeFollowTheQuery)
{
    testing_support::TempDir dir;
    auto area = openArea(createAddressTable(dir, 60));
    ASSERT_TRUE(area);
    ASSERT_OK(area->setQuery("UPPER(LNAME)=\"QUILL\""));
    EXPECT_TRUE(recnosDown(*area).empty());
    const int lname = xbase::findField(area->schema(), "LNAME");
    ASSERT_OK(area->go(10));
    ASSERT_OK(area->replace(lname, "Quill"));
    ASSERT_OK(area->appendBlank());
    ASSERT_OK(area->replace(lname, "Quillon"));
    ASSERT_OK(area->commit());
    for (const char* order : {"", "LNAME", "CITY"}) {
        ASSERT_OK(area->setOrder(order[0] ? area->findOrder(order) : -1));
        std::vector<std::uint32_t> found = recnosDown(*area);
        std::sort(found.begin(), found.end()); // the new record's blank CITY sorts first
        EXPECT_EQ(found, (std::vector<std::uint32_t>{10, 61})) << order;
    }
    ASSERT_OK(area->go(61));
    ASSERT_OK(area->replace(lname, "Smith"));
    ASSERT_OK(area->commit());
    EXPECT_EQ(recnosDown(*area), (std::vector<std::uint32_t>{10}));
    // Counting from the tags alone stays right through edits and deletions.
    ASSERT_OK(area->setQuery("UPPER(LNAME)=\"QUILL\" .and. !ISDEL"));
    ASSERT_TRUE(area->queryPlan().complete);
    std::uint32_t count = 0;
    ASSERT_OK(area->queryRecCount(&count));
    EXPECT_EQ(count, 1u);
    ASSERT_OK(area->go(10));
    ASSERT_OK(area->replace(xbase::findField(area->schema(), "ISDEL"), "T"));
    ASSERT_OK(area->commit());
    ASSERT_OK(area->queryRecCount(&count));
    EXPECT_EQ(count, 0u);
    ASSERT_OK(area->replace(xbase::findField(area->schema(), "ISDEL"), "F"));
    ASSERT_OK(area->deleteRecord());
    ASSERT_OK(area->queryRecCount(&count));
    EXPECT_EQ(count, 0u);
    area->settings().deleted = false;
    ASSERT_OK(area->queryRecCount(&count));
    EXPECT_EQ(count, 1u);
}

} // namespace
