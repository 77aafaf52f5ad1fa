// TApollo: the engine's operations under their sx_ names, failing with
// results instead of messages.
#include "engine_fixture.h"

#include <algorithm>

using namespace engine_test;
using xbase::Status;
using xbase::TApollo;

namespace {

class ApolloTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(table_.sx_CreateNew(dir_.file("CLUB.DBF"), 4));
        ASSERT_TRUE(table_.sx_CreateField("DESCRIPT", 'C', 20, 0));
        ASSERT_TRUE(table_.sx_CreateField("DUES", 'N', 7, 2));
        ASSERT_TRUE(table_.sx_CreateField("ACTIVE", 'L', 1, 0));
        ASSERT_TRUE(table_.sx_CreateField("NOTES", 'M', 10, 0));
        ASSERT_TRUE(table_.sx_CreateExec()) << table_.sx_LastError().toString();
        for (const char* name : {"Chess", "archery", "Bowling"}) {
            ASSERT_TRUE(table_.sx_AppendBlank());
            ASSERT_TRUE(table_.sx_Replace("descript", name));
            ASSERT_TRUE(table_.sx_Replace("DUES", "12.5"));
            ASSERT_TRUE(table_.sx_Replace("ACTIVE", "T"));
        }
        ASSERT_TRUE(table_.sx_Commit());
    }

    xbase::TApolloEnv env_;
    TApollo table_{env_};
    testing_support::TempDir dir_;
};

TEST_F(ApolloTest, TagsAreNumberedFromOneAndLookedUpByName)
{
    EXPECT_EQ(table_.sx_IndexTag("DESCRIPT", "UPPER(descript)"), 1);
    EXPECT_EQ(table_.sx_IndexTag("DUES", "DUES"), 2);
    EXPECT_EQ(table_.sx_TagArea("descript"), 1);
    EXPECT_EQ(table_.sx_TagArea("MISSING"), 0);
    EXPECT_EQ(table_.sx_TagName(2), "DUES");
    EXPECT_EQ(table_.sx_TagName(3), "");
    EXPECT_TRUE(table_.sx_SetOrder(1));
    EXPECT_EQ(table_.sx_IndexOrd(), 1);
    EXPECT_TRUE(table_.sx_GoTop());
    EXPECT_EQ(table_.sx_GetString("DESCRIPT"), "archery");
    EXPECT_NE(table_.sx_IndexName().find("CLUB.CDX"), std::string::npos);
}

TEST_F(ApolloTest, SingleOrderFilesOpenAndCloseBesideTheStructuralIndex)
{
    EXPECT_EQ(table_.sx_IndexTag("DESCRIPT", "UPPER(DESCRIPT)"), 1);
    const std::string idx = dir_.file("BYDUES.IDX");
    EXPECT_EQ(table_.sx_Index(idx, "DESCRIPT"), 2);
    EXPECT_TRUE(table_.sx_GoTop());
    EXPECT_EQ(table_.sx_GetString("DESCRIPT"), "Bowling"); // plain byte order: capitals first
    EXPECT_TRUE(table_.sx_IndexClose());
    EXPECT_EQ(table_.sx_IndexOrd(), 0);
    EXPECT_EQ(table_.sx_TagArea("BYDUES"), 0);
    EXPECT_EQ(table_.sx_IndexOpen(idx), 2);
    EXPECT_EQ(table_.sx_TagName(2), "BYDUES");
    EXPECT_EQ(table_.sx_IndexOpen(dir_.file("none.idx")), 0);
}

TEST_F(ApolloTest, SeekUsesTheEnvironmentSettings)
{
    table_.sx_IndexTag("DESCRIPT", "UPPER(DESCRIPT)");
    EXPECT_TRUE(table_.sx_Seek("BOW"));
    EXPECT_EQ(table_.sx_GetString("DESCRIPT"), "Bowling");
    env_.sx_SetExact(true);
    EXPECT_FALSE(table_.sx_Seek("BOW"));
    EXPECT_TRUE(table_.sx_Eof());
    env_.sx_SetSoftSeek(true);
    EXPECT_FALSE(table_.sx_Seek("BOW"));
    EXPECT_EQ(table_.sx_GetString("DESCRIPT"), "Bowling");
}

TEST_F(ApolloTest, RecordsFieldsMemosAndExpressions)
{
    EXPECT_EQ(table_.sx_RecCount(), 3u);
    EXPECT_EQ(table_.sx_FieldCount(), 4);
    EXPECT_EQ(table_.sx_FieldName(2), "DUES");
    EXPECT_EQ(table_.sx_FieldType("dues"), 'N');
    EXPECT_EQ(table_.sx_FieldWidth("DUES"), 7);
    EXPECT_EQ(table_.sx_FieldDecimals("DUES"), 2);
    EXPECT_EQ(table_.sx_FieldOffset("DESCRIPT"), 1);
    ASSERT_TRUE(table_.sx_Go(2));
    EXPECT_TRUE(table_.sx_Replace("NOTES", "Meets on Tuesdays"));
    EXPECT_TRUE(table_.sx_Commit());
    EXPECT_EQ(table_.sx_GetMemo("NOTES"), "Meets on Tuesdays");
    EXPECT_EQ(table_.sx_GetRecord().size(), 1u + 20 + 7 + 1 + 10);
    EXPECT_TRUE(table_.sx_EvalLogical("UPPER(DESCRIPT)=\"ARCH\" .and. ACTIVE"));
    EXPECT_EQ(table_.sx_EvalString("UPPER(DESCRIPT)"), "ARCHERY             ");
    EXPECT_FALSE(table_.sx_Empty("DESCRIPT"));
    ASSERT_TRUE(table_.sx_Go(3));
    EXPECT_TRUE(table_.sx_Empty("NOTES"));
    EXPECT_TRUE(table_.sx_EvalTest("DUES * 2"));
    EXPECT_FALSE(table_.sx_EvalTest("DUES *"));
}

TEST_F(ApolloTest, QueryCountsAndDeletedSetting)
{
    ASSERT_TRUE(table_.sx_Go(1));
    ASSERT_TRUE(table_.sx_Delete());
    EXPECT_TRUE(table_.sx_Deleted());
    EXPECT_TRUE(table_.sx_Query("ACTIVE"));
    EXPECT_EQ(table_.sx_DBFilter(), "ACTIVE");
    EXPECT_EQ(table_.sx_QueryRecCount(), 2u);
    env_.sx_SetDeleted(false);
    EXPECT_EQ(table_.sx_QueryRecCount(), 3u);
    env_.sx_SetDeleted(true);
    EXPECT_TRUE(table_.sx_Pack());
    EXPECT_EQ(table_.sx_RecCount(), 2u);
}

TEST_F(ApolloTest, FailuresAreResultsWithReasons)
{
    EXPECT_FALSE(table_.sx_Replace("NOSUCH", "x"));
    EXPECT_EQ(table_.sx_LastError().code(), Status::Code::InvalidArgument);
    EXPECT_EQ(table_.sx_IndexTag("BAD", "UPPER("), 0);
    EXPECT_FALSE(table_.sx_LastError().message().empty());
    EXPECT_FALSE(table_.sx_Query("DUES >"));
    EXPECT_FALSE(table_.sx_Seek("X")); // no order
    table_.sx_Close();
    EXPECT_FALSE(table_.sx_GoTop());
    EXPECT_EQ(table_.sx_RecCount(), 0u);
    EXPECT_TRUE(table_.sx_Eof());
    EXPECT_FALSE(table_.sx_Use(dir_.file("none.dbf")));
    EXPECT_EQ(table_.sx_LastError().code(), Status::Code::NotFound);
    EXPECT_FALSE(table_.sx_CreateField("X", 'C', 5, 0)); // no sx_CreateNew first
}

TEST_F(ApolloTest, GaugeHookSeesEachTagClimbToOneHundred)
{
    std::vector<int> reports;
    table_.sx_SetGaugeHook([&reports](int percent) {
        reports.push_back(percent);
        return true;
    });
    table_.sx_IndexTag("DESCRIPT", "UPPER(DESCRIPT)");
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front(), 0);
    EXPECT_EQ(reports.back(), 100);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
}

} // namespace
