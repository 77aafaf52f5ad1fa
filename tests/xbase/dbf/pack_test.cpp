#include "table_fixture.h"

#include "xbase/dbf/field_codec.h"

#include <gtest/gtest.h>

using namespace dbf_test;
using xbase::DbfTable;
using xbase::OpenMode;
using Rows = std::vector<std::vector<std::string>>;

namespace {

void markDeleted(DbfTable& table, std::uint32_t recno)
{
    std::vector<unsigned char> rec(static_cast<std::size_t>(table.recordLength()));
    ASSERT_TRUE(table.readRecord(recno, rec.data()).isOk());
    rec[0] = '*';
    ASSERT_TRUE(table.writeRecord(recno, rec.data()).isOk());
}

std::vector<std::string> row(int i)
{
    return {"name " + std::to_string(i), std::to_string(i) + ".00", "T", "", i == 3 ? "" : std::string(100 * i, 'm')};
}

class PackTest : public testing::Test {
protected:
    // Five records, the second and fourth flagged deleted.
    void SetUp() override
    {
        auto table = createTable(path, smallSchema());
        for (int i = 1; i <= 5; ++i)
            appendRow(*table, row(i));
        markDeleted(*table, 2);
        markDeleted(*table, 4);
    }

    testing_support::TempDir dir;
    std::string path = dir.file("p.dbf");
    std::string memoPath = dir.file("p.fpt");
    const Rows packed = {row(1), row(3), row(5)};
};

TEST_F(PackTest, RemovesFlaggedRecordsAndCompactsTheMemoFile)
{
    const auto memoBefore = readFileBytes(memoPath).size();
    auto table = openTable(path);
    std::vector<int> progress;
    ASSERT_TRUE(table->pack([&](int p) { progress.push_back(p); return true; }).isOk());
    EXPECT_EQ(readRows(*table), packed);
    EXPECT_LT(readFileBytes(memoPath).size(), memoBefore);
    appendRow(*table, row(7));
    table.reset();

    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_FALSE(xbase::fileExists(path + ".packing"));
    EXPECT_FALSE(xbase::fileExists(memoPath + ".packing"));
    table = openTable(path);
    Rows expected = packed;
    expected.push_back(row(7));
    EXPECT_EQ(readRows(*table), expected);
}

TEST_F(PackTest, CancelLeavesTheTableAsItWas)
{
    {
        // Enough records for progress to be reported between 0 and 100.
        auto table = openTable(path);
        const std::size_t length = static_cast<std::size_t>(table->recordLength());
        std::vector<unsigned char> batch(20000 * length);
        for (std::size_t i = 0; i < 20000; ++i)
            table->blankRecord(&batch[i * length]);
        std::uint32_t first = 0;
        ASSERT_TRUE(table->appendRecords(batch.data(), 20000, &first).isOk());
    }
    const auto dbfBefore = readFileBytes(path);
    const auto memoBefore = readFileBytes(memoPath);
    for (int stopAt : {0, 50, 100}) {
        auto table = openTable(path);
        const xbase::Status s = table->pack([&](int p) { return p < stopAt; });
        EXPECT_FALSE(s.isOk()) << "stopped at " << stopAt;
        EXPECT_EQ(table->recordCount(), 20005u);
        table.reset();
        EXPECT_EQ(readFileBytes(path), dbfBefore);
        EXPECT_EQ(readFileBytes(memoPath), memoBefore);
        EXPECT_FALSE(xbase::fileExists(path + ".packing"));
        EXPECT_FALSE(xbase::fileExists(memoPath + ".packing"));
    }
}

TEST_F(PackTest, NeedsAnExclusiveOpen)
{
    auto table = openTable(path, OpenMode::Shared);
    EXPECT_EQ(table->pack([](int) { return true; }).code(), xbase::Status::Code::InvalidArgument);
    EXPECT_EQ(table->zap().code(), xbase::Status::Code::InvalidArgument);
}

// The states a crash during the commit can leave, rebuilt from the files
// before and after a real pack.
class InterruptedPackTest : public PackTest {
protected:
    void SetUp() override
    {
        PackTest::SetUp();
        originalTable = readFileBytes(path);
        originalMemo = readFileBytes(memoPath);
        ASSERT_TRUE(openTable(path)->pack([](int) { return true; }).isOk());
        packedTable = readFileBytes(path);
        packedMemo = readFileBytes(memoPath);
    }

    std::vector<unsigned char> originalTable, originalMemo, packedTable, packedMemo;
};

TEST_F(InterruptedPackTest, CrashBeforeTheMemoRenameKeepsTheOriginal)
{
    writeFileBytes(path, originalTable);
    writeFileBytes(memoPath, originalMemo);
    writeFileBytes(path + ".packing", packedTable);
    writeFileBytes(memoPath + ".packing", packedMemo);
    auto table = openTable(path);
    EXPECT_EQ(table->recordCount(), 5u);
    EXPECT_EQ(readRows(*table)[2], row(3));
    EXPECT_FALSE(xbase::fileExists(path + ".packing"));
    EXPECT_FALSE(xbase::fileExists(memoPath + ".packing"));
}

TEST_F(InterruptedPackTest, CrashAfterTheMemoRenameFinishesThePack)
{
    writeFileBytes(path, originalTable);
    writeFileBytes(memoPath, packedMemo);
    writeFileBytes(path + ".packing", packedTable);

    std::unique_ptr<DbfTable> shared;
    EXPECT_EQ(DbfTable::open(path, OpenMode::Shared, &shared).code(), xbase::Status::Code::Locked);

    auto table = openTable(path);
    EXPECT_EQ(readRows(*table), packed);
    EXPECT_FALSE(xbase::fileExists(path + ".packing"));
}

TEST_F(InterruptedPackTest, NewTableIgnoresAnOldTablesLeftovers)
{
    writeFileBytes(path + ".packing", packedTable);
    createTable(path, smallSchema()).reset();
    EXPECT_FALSE(xbase::fileExists(path + ".packing"));
    EXPECT_EQ(openTable(path)->recordCount(), 0u);
}

} // namespace
