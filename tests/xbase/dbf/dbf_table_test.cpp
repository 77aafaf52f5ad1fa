#include "table_fixture.h"

#include "xbase/core/bytes.h"
#include "xbase/dbf/field_codec.h"

#include <gtest/gtest.h>

using namespace dbf_test;
using xbase::DbfTable;
using xbase::OpenMode;
using Code = xbase::Status::Code;

namespace {

using Rows = std::vector<std::vector<std::string>>;

const Rows kRows = {
    {"M\xFCller", "12.50", "T", "20240229", "first note"},
    {"Smith", "-3.00", "F", "", ""},
    {"O'Brien", "0.00", "", "19991231", std::string(3000, 'x') + "\r\nend"},
};

std::unique_ptr<DbfTable> tableWithRows(const std::string& path, const Rows& rows = kRows)
{
    auto table = createTable(path, smallSchema());
    for (const auto& row : rows)
        appendRow(*table, row);
    return table;
}

std::uint32_t memoBlockOf(DbfTable& table, std::uint32_t recno)
{
    std::vector<unsigned char> rec(static_cast<std::size_t>(table.recordLength()));
    EXPECT_TRUE(table.readRecord(recno, rec.data()).isOk());
    std::uint32_t block = 0;
    EXPECT_TRUE(xbase::dbf::memoBlock(rec.data(), table.schema()[4], &block));
    return block;
}

TEST(DbfTableTest, CreateWritesFoxProLayout)
{
    testing_support::TempDir dir;
    tableWithRows(dir.file("T.DBF"), {}).reset();
    const auto dbf = readFileBytes(dir.file("T.DBF"));
    ASSERT_EQ(dbf.size(), 32u + 5 * 32 + 1 + 1);
    EXPECT_EQ(dbf[0], 0xF5);
    EXPECT_GT(dbf[1], 100); // years since 1900
    EXPECT_EQ(xbase::bytes::getLe32(&dbf[4]), 0u);
    EXPECT_EQ(xbase::bytes::getLe16(&dbf[8]), 32 + 5 * 32 + 1);
    EXPECT_EQ(xbase::bytes::getLe16(&dbf[10]), 1 + 20 + 7 + 1 + 8 + 10);
    EXPECT_EQ(dbf[28], 0);
    EXPECT_EQ(dbf[29], 0x03);
    EXPECT_EQ(dbf[32 + 5 * 32], 0x0D);
    EXPECT_EQ(dbf.back(), 0x1A);

    const auto fpt = readFileBytes(dir.file("T.FPT"));
    ASSERT_EQ(fpt.size(), 512u);
    EXPECT_EQ(xbase::bytes::getBe32(&fpt[0]), 8u);
    EXPECT_EQ(xbase::bytes::getBe16(&fpt[6]), 64);
}

TEST(DbfTableTest, TableWithoutMemoIsVersion03WithoutMemoFile)
{
    testing_support::TempDir dir;
    std::unique_ptr<DbfTable> table;
    ASSERT_TRUE(DbfTable::create(dir.file("plain.dbf"), {{"A", 'C', 3, 0, 0}}, {true}, &table).isOk());
    EXPECT_EQ(table->versionByte(), 0x03);
    EXPECT_TRUE(table->memoPath().empty());
    EXPECT_TRUE(table->structuralIndexFlag());
    EXPECT_FALSE(xbase::fileExists(dir.file("plain.fpt")));
}

TEST(DbfTableTest, ValuesAndMemosSurviveReopen)
{
    testing_support::TempDir dir;
    tableWithRows(dir.file("t.dbf")).reset();
    auto table = openTable(dir.file("t.dbf"));
    EXPECT_EQ(table->memoPath(), dir.file("t.fpt"));
    EXPECT_EQ(table->flavor(), xbase::TableFlavor::FoxPro);
    EXPECT_EQ(readRows(*table), kRows);
}

TEST(DbfTableTest, WriteRecordReplacesOnlyThatRecord)
{
    testing_support::TempDir dir;
    auto table = tableWithRows(dir.file("t.dbf"));
    std::vector<unsigned char> rec(static_cast<std::size_t>(table->recordLength()));
    ASSERT_TRUE(table->readRecord(2, rec.data()).isOk());
    ASSERT_TRUE(xbase::putFieldText(rec.data(), table->schema()[0], "Jones").isOk());
    rec[0] = '*';
    ASSERT_TRUE(table->writeRecord(2, rec.data()).isOk());
    table.reset();

    table = openTable(dir.file("t.dbf"));
    Rows expected = kRows;
    expected[1][0] = "Jones";
    EXPECT_EQ(readRows(*table), expected);
    ASSERT_TRUE(table->readRecord(2, rec.data()).isOk());
    EXPECT_EQ(rec[0], '*');
}

TEST(DbfTableTest, RecordNumbersOutsideTheTableAreNotFound)
{
    testing_support::TempDir dir;
    auto table = tableWithRows(dir.file("t.dbf"));
    std::vector<unsigned char> rec(static_cast<std::size_t>(table->recordLength()));
    EXPECT_EQ(table->readRecord(0, rec.data()).code(), Code::NotFound);
    EXPECT_EQ(table->readRecord(4, rec.data()).code(), Code::NotFound);
    EXPECT_EQ(table->writeRecord(4, rec.data()).code(), Code::NotFound);
}

TEST(DbfTableTest, MemoIsRewrittenInPlaceWhenItFitsAndMovedWhenItGrows)
{
    testing_support::TempDir dir;
    auto table = tableWithRows(dir.file("t.dbf"));
    std::vector<unsigned char> rec(static_cast<std::size_t>(table->recordLength()));
    const std::uint32_t first = memoBlockOf(*table, 1);

    ASSERT_TRUE(table->readRecord(1, rec.data()).isOk());
    ASSERT_TRUE(table->writeMemo(rec.data(), 4, std::string(56, 's')).isOk()); // 8 + 56 = one block
    ASSERT_TRUE(table->writeRecord(1, rec.data()).isOk());
    EXPECT_EQ(memoBlockOf(*table, 1), first);

    ASSERT_TRUE(table->writeMemo(rec.data(), 4, std::string(57, 'g')).isOk());
    ASSERT_TRUE(table->writeRecord(1, rec.data()).isOk());
    EXPECT_GT(memoBlockOf(*table, 1), memoBlockOf(*table, 3));

    ASSERT_TRUE(table->writeMemo(rec.data(), 4, "").isOk());
    EXPECT_EQ(xbase::fieldBytes(rec.data(), table->schema()[4]), std::string(10, ' '));
    ASSERT_TRUE(table->writeRecord(1, rec.data()).isOk());
    table.reset();

    table = openTable(dir.file("t.dbf"));
    EXPECT_EQ(readRows(*table)[0][4], "");
    EXPECT_EQ(readRows(*table)[2], kRows[2]);
}

TEST(DbfTableTest, MemosOfEveryByteAndLargeSizeRoundTrip)
{
    testing_support::TempDir dir;
    std::string everyByte;
    for (int i = 0; i < 256; ++i)
        everyByte += static_cast<char>(i);
    const Rows rows = {{"a", "", "", "", everyByte}, {"b", "", "", "", std::string(200000, 'z')}};
    tableWithRows(dir.file("t.dbf"), rows).reset();
    auto table = openTable(dir.file("t.dbf"), OpenMode::ReadOnly);
    const Rows back = readRows(*table);
    EXPECT_EQ(back[0][4], everyByte);
    EXPECT_EQ(back[1][4], rows[1][4]);
}

TEST(DbfTableTest, BatchedAppendCountsEveryRecord)
{
    testing_support::TempDir dir;
    auto table = createTable(dir.file("t.dbf"), {{"N", 'N', 6, 0, 0}});
    const std::size_t length = static_cast<std::size_t>(table->recordLength());
    std::vector<unsigned char> batch(1000 * length);
    for (std::size_t i = 0; i < 1000; ++i) {
        table->blankRecord(&batch[i * length]);
        ASSERT_TRUE(xbase::putFieldText(&batch[i * length], table->schema()[0], std::to_string(i + 1)).isOk());
    }
    std::uint32_t first = 0;
    ASSERT_TRUE(table->appendRecords(batch.data(), 1000, &first).isOk());
    EXPECT_EQ(first, 1u);
    ASSERT_TRUE(table->appendRecords(batch.data(), 1, &first).isOk());
    EXPECT_EQ(first, 1001u);
    table.reset();

    table = openTable(dir.file("t.dbf"), OpenMode::ReadOnly);
    ASSERT_EQ(table->recordCount(), 1001u);
    const Rows rows = readRows(*table);
    for (std::size_t i = 0; i < 1000; ++i)
        ASSERT_EQ(rows[i][0], std::to_string(i + 1));
    EXPECT_EQ(rows[1000][0], "1");
}

TEST(DbfTableTest, ReadOnlyOpenNeverWrites)
{
    testing_support::TempDir dir;
    tableWithRows(dir.file("t.dbf")).reset();
    const auto dbfBefore = readFileBytes(dir.file("t.dbf"));
    const auto fptBefore = readFileBytes(dir.file("t.fpt"));
    {
        auto table = openTable(dir.file("t.dbf"), OpenMode::ReadOnly);
        std::vector<unsigned char> rec(static_cast<std::size_t>(table->recordLength()));
        ASSERT_TRUE(table->readRecord(1, rec.data()).isOk());
        std::uint32_t recno = 0;
        EXPECT_FALSE(table->writeRecord(1, rec.data()).isOk());
        EXPECT_FALSE(table->appendRecord(rec.data(), &recno).isOk());
        EXPECT_FALSE(table->writeMemo(rec.data(), 4, "new").isOk());
        EXPECT_FALSE(table->setStructuralIndexFlag(true).isOk());
        EXPECT_FALSE(table->zap().isOk());
        EXPECT_FALSE(table->pack([](int) { return true; }).isOk());
    }
    EXPECT_EQ(readFileBytes(dir.file("t.dbf")), dbfBefore);
    EXPECT_EQ(readFileBytes(dir.file("t.fpt")), fptBefore);
}

TEST(DbfTableTest, RecordLocksAreRefusedAtOnceWhenHeldByAnotherOpen)
{
    testing_support::TempDir dir;
    tableWithRows(dir.file("t.dbf")).reset();
    auto a = openTable(dir.file("t.dbf"), OpenMode::Shared);
    auto b = openTable(dir.file("t.dbf"), OpenMode::Shared);
    ASSERT_TRUE(a->lockRecord(2).isOk());
    EXPECT_EQ(b->lockRecord(2).code(), Code::Locked);
    EXPECT_TRUE(b->lockRecord(1).isOk());
    EXPECT_TRUE(b->lockRecord(3).isOk());
    ASSERT_TRUE(a->unlockRecord(2).isOk());
    EXPECT_TRUE(b->lockRecord(2).isOk());
}

TEST(DbfTableTest, SharedOpensSeeEachOthersAppendsAndWrites)
{
    testing_support::TempDir dir;
    tableWithRows(dir.file("t.dbf")).reset();
    auto a = openTable(dir.file("t.dbf"), OpenMode::Shared);
    auto b = openTable(dir.file("t.dbf"), OpenMode::Shared);
    appendRow(*b, {"Fourth", "4", "T", "", "memo of b"});
    appendRow(*a, {"Fifth", "5", "F", "", "memo of a"});
    EXPECT_EQ(a->recordCount(), 5u);
    ASSERT_TRUE(b->refreshCount().isOk());
    ASSERT_EQ(b->recordCount(), 5u);
    const Rows rows = readRows(*b);
    EXPECT_EQ(rows[3][4], "memo of b");
    EXPECT_EQ(rows[4][0], "Fifth");
    EXPECT_EQ(rows[4][4], "memo of a");
}

TEST(DbfTableTest, StructuralIndexFlagIsStoredInByte28)
{
    testing_support::TempDir dir;
    auto table = tableWithRows(dir.file("t.dbf"), {});
    ASSERT_TRUE(table->setStructuralIndexFlag(true).isOk());
    table.reset();
    EXPECT_EQ(readFileBytes(dir.file("t.dbf"))[28], 0x01);
    table = openTable(dir.file("t.dbf"));
    EXPECT_TRUE(table->structuralIndexFlag());
    ASSERT_TRUE(table->setStructuralIndexFlag(false).isOk());
    EXPECT_EQ(readFileBytes(dir.file("t.dbf"))[28], 0x00);
}

TEST(DbfTableTest, CopyStructureMakesAnEmptyTableWithTheSameFields)
{
    testing_support::TempDir dir;
    auto table = tableWithRows(dir.file("t.dbf"));
    ASSERT_TRUE(table->setStructuralIndexFlag(true).isOk());
    ASSERT_TRUE(table->copyStructure(dir.file("copy.dbf")).isOk());
    EXPECT_FALSE(table->copyStructure(dir.file("t.dbf")).isOk());
    auto copy = openTable(dir.file("copy.dbf"));
    EXPECT_EQ(copy->recordCount(), 0u);
    EXPECT_FALSE(copy->structuralIndexFlag());
    ASSERT_EQ(copy->schema().size(), table->schema().size());
    for (std::size_t i = 0; i < copy->schema().size(); ++i) {
        EXPECT_EQ(copy->schema()[i].name, table->schema()[i].name);
        EXPECT_EQ(copy->schema()[i].width, table->schema()[i].width);
    }
    EXPECT_EQ(readFileBytes(dir.file("copy.fpt")).size(), 512u);
    appendRow(*copy, kRows[2]);
    EXPECT_EQ(readRows(*copy)[0], kRows[2]);
}

TEST(DbfTableTest, ZapEmptiesTableAndMemoFile)
{
    testing_support::TempDir dir;
    auto table = tableWithRows(dir.file("t.dbf"));
    ASSERT_TRUE(table->zap().isOk());
    EXPECT_EQ(table->recordCount(), 0u);
    appendRow(*table, kRows[0]);
    table.reset();
    table = openTable(dir.file("t.dbf"));
    EXPECT_EQ(readRows(*table), Rows{kRows[0]});
    EXPECT_EQ(memoBlockOf(*table, 1), 8u);
}

TEST(DbfTableTest, CreateRefusesFieldsItCannotWrite)
{
    const std::vector<xbase::Schema> bad = {
        {},
        {{"1ST", 'C', 5, 0, 0}},
        {{"NAME WITH", 'C', 5, 0, 0}},
        {{"ELEVENCHARS", 'C', 5, 0, 0}},
        {{"A", 'C', 5, 0, 0}, {"a", 'C', 5, 0, 0}},
        {{"A", 'C', 255, 0, 0}},
        {{"A", 'C', 0, 0, 0}},
        {{"A", 'N', 21, 0, 0}},
        {{"A", 'N', 5, 4, 0}},
        {{"A", 'L', 2, 0, 0}},
        {{"A", 'D', 10, 0, 0}},
        {{"A", 'M', 4, 0, 0}},
        {{"A", 'I', 4, 0, 0}},
    };
    testing_support::TempDir dir;
    for (const xbase::Schema& schema : bad) {
        std::unique_ptr<DbfTable> table;
        EXPECT_EQ(DbfTable::create(dir.file("bad.dbf"), schema, {}, &table).code(), Code::InvalidArgument)
            << (schema.empty() ? std::string("no fields") : schema.back().name);
    }
}

TEST(DbfTableTest, BlankRecordIsBlanksAndNotDeleted)
{
    testing_support::TempDir dir;
    auto table = tableWithRows(dir.file("t.dbf"), {});
    std::vector<unsigned char> rec(static_cast<std::size_t>(table->recordLength()), 'x');
    table->blankRecord(rec.data());
    EXPECT_EQ(rec, std::vector<unsigned char>(rec.size(), ' '));
}

} // namespace
