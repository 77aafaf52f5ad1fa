// Editing through a work area: the record on disk and every order's keys
// must agree after each change, pack, zap and rebuild.
#include "engine_fixture.h"

#include <filesystem>
#include <fstream>

using namespace engine_test;
using Names = std::vector<std::string>;
using xbase::Status;

namespace {

class EditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = createPeople(dir_, {{"Carol", "Boston", 40, false, "first note"}, {"alice", "Denver", 30},
                                    {"Bob", "Austin", 25}, {"dave", "Boston", 35}});
        area_ = openArea(path_);
        ASSERT_TRUE(area_);
    }
    void reopen()
    {
        ASSERT_OK(area_->close());
        area_ = openArea(path_);
        ASSERT_TRUE(area_);
    }
    void replace(const char* field, const std::string& value)
    {
        ASSERT_OK(area_->replace(xbase::findField(area_->schema(), field), value));
    }
    Names namesIn(const char* tag)
    {
        EXPECT_OK(area_->setOrder(area_->findOrder(tag)));
        return namesDown(*area_);
    }

    testing_support::TempDir dir_;
    std::string path_;
    std::unique_ptr<xbase::WorkArea> area_;
};

TEST_F(EditTest, ReplaceMovesTheRecordInEveryOrder)
{
    ASSERT_OK(area_->go(1));
    replace("NAME", "Zed");
    replace("CITY", "Aspen");
    replace("AGE", "7");
    ASSERT_OK(area_->commit());
    EXPECT_OK(area_->checkIndexes());
    EXPECT_EQ(namesIn("NAME"), (Names{"alice", "Bob", "dave", "Zed"}));
    EXPECT_EQ(namesIn("CITY"), (Names{"Zed", "Bob", "dave", "alice"}));
    EXPECT_EQ(namesIn("AGE"), (Names{"Zed", "Bob", "alice", "dave"}));
}

TEST_F(EditTest, MovingWritesAPendingEdit)
{
    ASSERT_OK(area_->go(2));
    replace("NAME", "Alicia");
    ASSERT_OK(area_->skip(1));
    reopen();
    ASSERT_OK(area_->go(2));
    EXPECT_EQ(fieldOf(*area_, "NAME"), "Alicia");
    EXPECT_OK(area_->checkIndexes());
}

TEST_F(EditTest, AppendedRecordJoinsEveryOrder)
{
    ASSERT_OK(area_->appendBlank());
    EXPECT_EQ(area_->recNo(), 5u);
    replace("NAME", "Aaron");
    replace("NOTES", "appended note");
    ASSERT_OK(area_->commit());
    EXPECT_EQ(area_->recCount(), 5u);
    EXPECT_EQ(namesIn("NAME").front(), "Aaron");
    reopen();
    ASSERT_OK(area_->go(5));
    EXPECT_EQ(fieldOf(*area_, "NOTES"), "appended note");
    EXPECT_OK(area_->checkIndexes());
}

TEST_F(EditTest, MemoTextsAreKeptAndReplaced)
{
    ASSERT_OK(area_->go(1));
    EXPECT_EQ(fieldOf(*area_, "NOTES"), "first note");
    replace("NOTES", std::string(3000, 'x'));
    EXPECT_EQ(fieldOf(*area_, "NOTES").size(), 3000u); // readable before the commit
    ASSERT_OK(area_->commit());
    reopen();
    ASSERT_OK(area_->go(1));
    EXPECT_EQ(fieldOf(*area_, "NOTES"), std::string(3000, 'x'));
}

TEST_F(EditTest, DeleteAndRecallSetTheFlagDurably)
{
    ASSERT_OK(area_->go(3));
    ASSERT_OK(area_->deleteRecord());
    EXPECT_TRUE(area_->deleted());
    reopen();
    EXPECT_EQ(namesDown(*area_), (Names{"Carol", "alice", "dave"}));
    area_->settings().deleted = false;
    ASSERT_OK(area_->go(3));
    EXPECT_TRUE(area_->deleted());
    ASSERT_OK(area_->recall());
    area_->settings().deleted = true;
    EXPECT_EQ(namesDown(*area_).size(), 4u);
}

TEST_F(EditTest, PackRemovesFlaggedRecordsAndRebuildsTheOrders)
{
    std::vector<int> reports;
    area_->setProgressHook([&reports](int percent) {
        reports.push_back(percent);
        return true;
    });
    // ISDEL alone does not remove a record: only the deletion flag does.
    ASSERT_OK(area_->go(2));
    replace("ISDEL", "T");
    ASSERT_OK(area_->go(3));
    ASSERT_OK(area_->deleteRecord());
    ASSERT_OK(area_->pack());
    EXPECT_EQ(area_->recCount(), 3u);
    EXPECT_EQ(namesIn("NAME"), (Names{"alice", "Carol", "dave"}));
    EXPECT_OK(area_->checkIndexes());
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), 100);
    ASSERT_OK(area_->go(1));
    EXPECT_EQ(fieldOf(*area_, "NOTES"), "first note");
}

TEST_F(EditTest, ZapEmptiesTableAndOrders)
{
    ASSERT_OK(area_->zap());
    EXPECT_EQ(area_->recCount(), 0u);
    EXPECT_TRUE(area_->eof());
    EXPECT_TRUE(area_->bof());
    EXPECT_OK(area_->checkIndexes());
    ASSERT_OK(area_->appendBlank());
    replace("NAME", "Fresh");
    ASSERT_OK(area_->commit());
    EXPECT_EQ(namesIn("NAME"), (Names{"Fresh"}));
}

TEST_F(EditTest, ReindexRebuildsEveryTagWithProgressPerTag)
{
    std::vector<int> reports;
    area_->setProgressHook([&reports](int percent) {
        reports.push_back(percent);
        return true;
    });
    ASSERT_OK(area_->reindex());
    EXPECT_EQ(std::count(reports.begin(), reports.end(), 100), 3); // one climb per tag
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.begin() + 3));
    EXPECT_EQ(namesIn("NAME"), (Names{"alice", "Bob", "Carol", "dave"}));
    EXPECT_OK(area_->checkIndexes());
}

TEST_F(EditTest, NewTagReplacesOneOfTheSameNameAndBecomesTheOrder)
{
    ASSERT_OK(area_->indexTag("name", "UPPER(CITY)"));
    EXPECT_EQ(area_->orderCount(), 3);
    EXPECT_EQ(area_->orderInfo(area_->order()).name, "NAME");
    EXPECT_EQ(area_->orderInfo(area_->order()).keyExpression, "UPPER(CITY)");
    EXPECT_EQ(fieldOf(*area_, "NAME"), "Bob"); // at the top of the new order
    EXPECT_EQ(area_->indexTag("BAD", "UPPER(NOFIELD)").code(), Status::Code::InvalidArgument);
    EXPECT_EQ(area_->indexTag("BAD", "AGE", "AGE + 1").code(), Status::Code::InvalidArgument);
}

TEST_F(EditTest, SingleOrderFileIsKeptCurrentToo)
{
    const std::string idx = dir_.file("byage.idx");
    ASSERT_OK(area_->createIndexFile(idx, "AGE"));
    EXPECT_EQ(area_->orderInfo(area_->order()).name, "BYAGE");
    EXPECT_EQ(namesDown(*area_), (Names{"Bob", "alice", "dave", "Carol"}));
    ASSERT_OK(area_->go(4));
    replace("AGE", "10");
    ASSERT_OK(area_->commit());
    EXPECT_OK(area_->checkIndexes());
    ASSERT_OK(area_->setOrder(area_->findOrder("BYAGE")));
    EXPECT_EQ(namesDown(*area_).front(), "dave");
}

TEST_F(EditTest, ReadOnlyTableRefusesChanges)
{
    ASSERT_OK(area_->close());
    area_ = openArea(path_, {}, xbase::OpenMode::ReadOnly);
    ASSERT_OK(area_->go(1));
    EXPECT_EQ(area_->replace(0, "X").code(), Status::Code::InvalidArgument);
    EXPECT_FALSE(area_->appendBlank().isOk());
    EXPECT_FALSE(area_->deleteRecord().isOk());
    EXPECT_FALSE(area_->pack().isOk());
}

TEST_F(EditTest, StructuralIndexIsFoundWhateverTheLetterCase)
{
    ASSERT_OK(area_->close());
    std::filesystem::rename(dir_.file("people.cdx"), dir_.file("PEOPLE.Cdx"));
    area_ = openArea(path_);
    EXPECT_EQ(area_->orderCount(), 3);
}

TEST_F(EditTest, DamagedOrMissingIndexStillOpensTheTable)
{
    ASSERT_OK(area_->close());
    {
        std::ofstream garbage(dir_.file("people.cdx"), std::ios::binary | std::ios::trunc);
        garbage << std::string(1000, '\x7f');
    }
    area_ = openArea(path_);
    ASSERT_TRUE(area_);
    EXPECT_EQ(area_->orderCount(), 0);
    EXPECT_EQ(area_->indexProblem().code(), Status::Code::Corruption);
    EXPECT_EQ(namesDown(*area_).size(), 4u);
    ASSERT_OK(area_->removeStructuralIndex());
    EXPECT_FALSE(std::filesystem::exists(dir_.file("people.cdx")));
    ASSERT_OK(area_->indexTag("NAME", "UPPER(NAME)"));
    EXPECT_OK(area_->checkIndexes());
}

} // namespace
