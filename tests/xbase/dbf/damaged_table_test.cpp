// One test per kind of damage, each made by changing a few bytes of a small
// valid table. Every one must give a clear Status naming the file, never a
// crash and never a huge allocation.

#include "table_fixture.h"

#include <gtest/gtest.h>

using namespace dbf_test;
using xbase::DbfTable;
using xbase::OpenMode;
using Code = xbase::Status::Code;

namespace {

// Two records, the first with a memo. Header: 32 + 5 * 32 + 1 = 193 bytes,
// records of 47 bytes; the memo field starts at offset 37 of the record.
class DamagedTableTest : public testing::Test {
protected:
    void SetUp() override
    {
        auto table = createTable(path, smallSchema());
        appendRow(*table, {"Ann", "1", "T", "20240101", "a memo"});
        appendRow(*table, {"Bob", "2", "F", "", ""});
    }

    xbase::Status openStatus(OpenMode mode = OpenMode::ReadOnly)
    {
        std::unique_ptr<DbfTable> table;
        return DbfTable::open(path, mode, &table);
    }

    void expectOpenFails(Code code, const std::string& about) { expectOpenFails(code, about, path); }
    void expectOpenFails(Code code, const std::string& about, const std::string& file)
    {
        const xbase::Status s = openStatus();
        EXPECT_EQ(s.code(), code) << s.toString();
        EXPECT_NE(s.message().find(file), std::string::npos) << s.message();
        EXPECT_NE(s.message().find(about), std::string::npos) << s.message();
    }

    // Opens, then reads record 1's memo.
    xbase::Status memoStatus()
    {
        auto table = openTable(path, OpenMode::ReadOnly);
        if (!table)
            return xbase::Status::ioError("no table");
        std::vector<unsigned char> rec(static_cast<std::size_t>(table->recordLength()));
        EXPECT_TRUE(table->readRecord(1, rec.data()).isOk());
        std::string text;
        return table->readMemo(rec.data(), 4, &text);
    }

    void setMemoReference(const std::string& digits)
    {
        for (std::size_t i = 0; i < 10; ++i)
            putByte(path, kFirstRecord + kMemoOffset + i, static_cast<unsigned char>(digits[i]));
    }

    static constexpr std::size_t kHeaderLength = 193;
    static constexpr std::size_t kFirstRecord = kHeaderLength;
    static constexpr std::size_t kMemoOffset = 37;
    static constexpr std::size_t kFirstMemo = 8 * 64;

    testing_support::TempDir dir;
    std::string path = dir.file("d.dbf");
    std::string memoPath = dir.file("d.fpt");
};

TEST_F(DamagedTableTest, TruncatedHeader)
{
    truncateFile(path, 20);
    expectOpenFails(Code::Corruption, "shorter than a table header");
}

TEST_F(DamagedTableTest, FileEndsInsideTheFieldList)
{
    truncateFile(path, 100);
    expectOpenFails(Code::Corruption, "ends inside its header");
}

TEST_F(DamagedTableTest, HeaderLengthTooSmall)
{
    putLe16At(path, 8, 40);
    expectOpenFails(Code::Corruption, "header length");
}

TEST_F(DamagedTableTest, HeaderLengthCutsTheFieldList)
{
    putLe16At(path, 8, 32 + 2 * 32 + 10);
    expectOpenFails(Code::Corruption, "field list");
}

TEST_F(DamagedTableTest, RecordLengthShorterThanTheFields)
{
    putLe16At(path, 10, 30);
    expectOpenFails(Code::Corruption, "record length");
}

TEST_F(DamagedTableTest, ZeroRecordLength)
{
    putLe16At(path, 10, 0);
    expectOpenFails(Code::Corruption, "record length");
}

TEST_F(DamagedTableTest, NoFields)
{
    putByte(path, 32, 0x0D);
    expectOpenFails(Code::Corruption, "no fields");
}

TEST_F(DamagedTableTest, FieldListWithoutTerminator)
{
    putByte(path, kHeaderLength - 1, 'X');
    expectOpenFails(Code::Corruption, "field list");
}

TEST_F(DamagedTableTest, FieldWidthZero)
{
    putByte(path, 32 + 16, 0);
    expectOpenFails(Code::Corruption, "width 0");
}

TEST_F(DamagedTableTest, UnknownVersion)
{
    putByte(path, 0, 0x99);
    expectOpenFails(Code::NotSupported, "0x99");
}

TEST_F(DamagedTableTest, UnknownFieldType)
{
    putByte(path, 32 + 11, '?');
    expectOpenFails(Code::NotSupported, "unknown type");
}

TEST_F(DamagedTableTest, CountLargerThanTheFileUsesTheRecordsPresent)
{
    putLe32At(path, 4, 1000000);
    auto table = openTable(path, OpenMode::ReadOnly);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->recordCount(), 2u);
    EXPECT_EQ(readRows(*table)[1][0], "Bob");
}

TEST_F(DamagedTableTest, BytesBeyondTheCountAreIgnored)
{
    putLe32At(path, 4, 1);
    auto table = openTable(path, OpenMode::Exclusive);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->recordCount(), 1u);
    appendRow(*table, {"Cid", "3", "T", "", ""});
    EXPECT_EQ(readRows(*table)[1][0], "Cid");
}

TEST_F(DamagedTableTest, MemoFileMissing)
{
    xbase::removeFile(memoPath);
    expectOpenFails(Code::NotFound, "d.fpt");
}

TEST_F(DamagedTableTest, MemoFileShorterThanItsHeader)
{
    truncateFile(memoPath, 100);
    expectOpenFails(Code::Corruption, "shorter than its header", memoPath);
}

TEST_F(DamagedTableTest, MemoBlockSizeZero)
{
    putByte(memoPath, 7, 0);
    expectOpenFails(Code::Corruption, "block size", memoPath);
}

TEST_F(DamagedTableTest, MemoPointerBeyondTheMemoFile)
{
    setMemoReference("    999999");
    const xbase::Status s = memoStatus();
    EXPECT_EQ(s.code(), Code::Corruption);
    EXPECT_NE(s.message().find("beyond the end"), std::string::npos) << s.message();
    EXPECT_NE(s.message().find(memoPath), std::string::npos) << s.message();
}

TEST_F(DamagedTableTest, MemoPointerIntoTheMemoHeader)
{
    setMemoReference("         1");
    EXPECT_EQ(memoStatus().code(), Code::Corruption);
}

TEST_F(DamagedTableTest, MemoReferenceThatIsNoNumber)
{
    setMemoReference("   12abc  ");
    EXPECT_EQ(memoStatus().code(), Code::Corruption);
}

TEST_F(DamagedTableTest, HugeMemoLength)
{
    for (std::size_t i = 0; i < 4; ++i)
        putByte(memoPath, kFirstMemo + 4 + i, 0xFF);
    const xbase::Status s = memoStatus();
    EXPECT_EQ(s.code(), Code::Corruption);
    EXPECT_NE(s.message().find("more than the file holds"), std::string::npos) << s.message();
}

TEST_F(DamagedTableTest, MemoCutShortByTheEndOfTheFile)
{
    truncateFile(memoPath, kFirstMemo + 10);
    EXPECT_EQ(memoStatus().code(), Code::Corruption);
}

// The header's next-free pointer may be stale (another program, a crash)
// or damaged; a new memo must neither overwrite a live one nor jump far
// beyond the end of the file.
TEST_F(DamagedTableTest, NextFreePointerNeverSendsANewMemoAstray)
{
    for (std::uint32_t nextFree : {8u, 0xFFFFFF00u}) {
        for (std::size_t i = 0; i < 4; ++i)
            putByte(memoPath, i, static_cast<unsigned char>(nextFree >> (8 * (3 - i))));
        {
            auto table = openTable(path);
            std::vector<unsigned char> rec(static_cast<std::size_t>(table->recordLength()));
            ASSERT_TRUE(table->readRecord(2, rec.data()).isOk());
            ASSERT_TRUE(table->writeMemo(rec.data(), 4, "second memo").isOk());
            ASSERT_TRUE(table->writeRecord(2, rec.data()).isOk());
        }
        EXPECT_LT(readFileBytes(memoPath).size(), 2048u);
        auto table = openTable(path, OpenMode::ReadOnly);
        const auto rows = readRows(*table);
        EXPECT_EQ(rows[0][4], "a memo");
        EXPECT_EQ(rows[1][4], "second memo");
    }
}

} // namespace
