// Tags: toggling one record, clearing them all with a new id, and tagging
// every filter match as a run.
#include "filter_fixture.h"
#include "store/settings.h"
#include "store/tagging_run.h"
#include "store/tagging_tags.h"

#include <gtest/gtest.h>

using namespace quorvel;
using filter_test::AddressTable;
using filter_test::kTagId;

namespace {

using Names = std::vector<std::string>;

class TaggingTest : public ::testing::Test {
protected:
    TFilterOutcome applyTaggedOnly(bool reverse = false)
    {
        state_.ClearQueryVars();
        state_.taggedOnly = true;
        state_.reverse = reverse;
        return ApplyFilter(file_.table(), state_, kTagId);
    }

    testing_support::TempDir dir_;
    AddressTable file_{dir_, {
        {{"LNAME", "Jones"}, {"TAG", "VK0GYQV"}},
        {{"LNAME", "Baker"}},
        {{"LNAME", "Clark"}, {"TAG", "OLD"}},
        {{"LNAME", "Davis"}},
        {{"LNAME", "Evans"}, {"ISDEL", "T"}},
    }};
    TFilterState state_;
};

TEST(TagValue, TogglesBetweenTheIdAndEmpty)
{
    EXPECT_EQ(toggledTagValue(QString(), kTagId), kTagId);
    EXPECT_EQ(toggledTagValue(QStringLiteral("OLD"), kTagId), kTagId);
    EXPECT_EQ(toggledTagValue(kTagId, kTagId), QString());
}

TEST_F(TaggingTest, ToggleTagWritesTheRecord)
{
    file_.goToName("Baker");
    TToggleOutcome outcome = ToggleTag(file_.table(), state_, kTagId);
    EXPECT_TRUE(outcome.ok);
    EXPECT_TRUE(outcome.tagged);
    EXPECT_FALSE(outcome.refiltered);
    EXPECT_EQ(applyTaggedOnly().count, 2u);
    EXPECT_EQ(file_.lastNames(), (Names{"Jones", "Baker"}));

    file_.goToName("Jones");
    outcome = ToggleTag(file_.table(), state_, kTagId);
    EXPECT_FALSE(outcome.tagged);
    EXPECT_FALSE(outcome.refiltered);
    EXPECT_EQ(file_.field("TAG"), "");
}

TEST_F(TaggingTest, UntaggingTheLastTaggedRecordDropsATaggedOnlyFilter)
{
    ASSERT_EQ(applyTaggedOnly().count, 1u);
    file_.table().sx_GoTop();
    const TToggleOutcome outcome = ToggleTag(file_.table(), state_, kTagId);
    EXPECT_TRUE(outcome.ok);
    EXPECT_TRUE(outcome.refiltered);
    EXPECT_EQ(outcome.filter.count, 0u);
    EXPECT_FALSE(state_.isSet());
    EXPECT_EQ(file_.table().sx_DBFilter(), "!ISDEL");
}

TEST_F(TaggingTest, ClearTagsUntagsEveryRecordAndDropsATaggedOnlyFilter)
{
    TSettings settings(QString::fromStdString(dir_.file("QUORVL.ini")));
    const QDateTime now(QDate(2026, 12, 10), QTime(11, 50, 47));
    ASSERT_TRUE(settings.ini().writeString(QStringLiteral("Misc"), QStringLiteral("GlobalTagId"), kTagId));
    state_.taggedOnly = true;
    const TClearTagsOutcome outcome = ClearTags(settings, file_.table(), state_, now);
    ASSERT_TRUE(outcome.tagId);
    EXPECT_NE(*outcome.tagId, kTagId);
    EXPECT_EQ(settings.globalTagId(), *outcome.tagId);
    EXPECT_EQ(outcome.filter.count, 0u);
    EXPECT_FALSE(state_.isSet());
    // The old ids stay in the records.
    file_.goToName("Jones");
    EXPECT_EQ(file_.field("TAG"), "VK0GYQV");
}

TEST_F(TaggingTest, TagAllTagsEveryMatchEvenAsTheyLeaveTheFilter)
{
    // The untagged records: tagging each takes it out of the filter.
    ASSERT_EQ(applyTaggedOnly(true).count, 3u);
    file_.setOrder("TAG");
    std::vector<quint32> counts;
    const TTaggingResult result = RunTagging(file_.table(), kTagId, [&](quint32 n) {
        counts.push_back(n);
        return true;
    });
    EXPECT_EQ(result.tagged, 3u);
    EXPECT_FALSE(result.cancelled);
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(counts, (std::vector<quint32>{1, 2, 3}));
    EXPECT_EQ(taggingEndText(result), QStringLiteral("Complete"));
    EXPECT_EQ(applyTaggedOnly().count, 4u);
    file_.goToName("Evans");
    EXPECT_EQ(file_.field("TAG"), "") << "deleted records are not tagged";
}

TEST_F(TaggingTest, CancellingHalfWayKeepsTheRecordsBeforeTheStopTagged)
{
    file_.table().sx_SetOrder(file_.table().sx_TagArea("LNAME"));
    const TTaggingResult result = RunTagging(file_.table(), QStringLiteral("NEW"), [](quint32 n) { return n < 2; });
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.tagged, 2u);
    EXPECT_EQ(taggingCountText(result.tagged), QStringLiteral("2 tagged"));
    EXPECT_EQ(taggingEndText(result), QStringLiteral("Cancelled before completion"));
    std::vector<std::string> tags;
    for (const char* name : {"Baker", "Clark", "Davis", "Jones"}) {
        file_.goToName(name);
        tags.push_back(file_.field("TAG"));
    }
    EXPECT_EQ(tags, (Names{"NEW", "NEW", "", "VK0GYQV"}));
}

} // namespace
