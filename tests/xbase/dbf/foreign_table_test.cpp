// Tables as other programs write them, built byte by byte: Visual FoxPro
// with its binary field types, dBase III and dBase IV with DBT memos.

#include "table_fixture.h"

#include "xbase/core/bytes.h"
#include "xbase/dbf/field_codec.h"

#include <gtest/gtest.h>

using namespace dbf_test;
using xbase::DbfTable;
using xbase::OpenMode;

namespace {

struct FieldSpec {
    std::string name;
    char type;
    int length;
    int decimals;
};

std::string le32(std::uint32_t v)
{
    unsigned char b[4];
    xbase::bytes::putLe32(b, v);
    return std::string(reinterpret_cast<char*>(b), 4);
}

std::string le64(std::uint64_t v) { return le32(static_cast<std::uint32_t>(v)) + le32(static_cast<std::uint32_t>(v >> 32)); }

std::vector<unsigned char> tableBytes(unsigned char version, const std::vector<FieldSpec>& fields,
                                      const std::vector<std::string>& records, bool backlink)
{
    int recordLength = 1;
    for (const auto& f : fields)
        recordLength += f.length + (f.type == 'C' ? 256 * f.decimals : 0);
    const std::size_t headerLength = 32 + 32 * fields.size() + 1 + (backlink ? 263 : 0);
    std::vector<unsigned char> out(headerLength, 0);
    out[0] = version;
    out[1] = 124;
    out[2] = 1;
    out[3] = 1;
    xbase::bytes::putLe32(&out[4], static_cast<std::uint32_t>(records.size()));
    xbase::bytes::putLe16(&out[8], static_cast<std::uint16_t>(headerLength));
    xbase::bytes::putLe16(&out[10], static_cast<std::uint16_t>(recordLength));
    std::size_t pos = 32;
    int offset = 1;
    for (const auto& f : fields) {
        std::copy(f.name.begin(), f.name.end(), out.begin() + static_cast<std::ptrdiff_t>(pos));
        out[pos + 11] = static_cast<unsigned char>(f.type);
        xbase::bytes::putLe32(&out[pos + 12], static_cast<std::uint32_t>(offset));
        out[pos + 16] = static_cast<unsigned char>(f.length);
        out[pos + 17] = static_cast<unsigned char>(f.decimals);
        offset += f.length + (f.type == 'C' ? 256 * f.decimals : 0);
        pos += 32;
    }
    out[pos] = 0x0D;
    for (const auto& r : records) {
        EXPECT_EQ(r.size(), static_cast<std::size_t>(recordLength));
        out.insert(out.end(), r.begin(), r.end());
    }
    out.push_back(0x1A);
    return out;
}

// A record of a NAME C(6), NOTES M(10) table.
std::string memoRecord(const std::string& name, const std::string& block)
{
    return " " + name + std::string(6 - name.size(), ' ') + std::string(10 - block.size(), ' ') + block;
}

std::vector<unsigned char> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

std::string rowText(DbfTable& table, std::uint32_t recno, int field)
{
    std::vector<unsigned char> rec(static_cast<std::size_t>(table.recordLength()));
    EXPECT_TRUE(table.readRecord(recno, rec.data()).isOk());
    const xbase::FieldInfo& f = table.schema()[static_cast<std::size_t>(field)];
    if (!xbase::dbf::isMemoField(f))
        return xbase::fieldText(rec.data(), f);
    std::string text;
    const xbase::Status s = table.readMemo(rec.data(), field, &text);
    EXPECT_TRUE(s.isOk()) << s.toString();
    return text;
}

TEST(ForeignTableTest, VisualFoxProBinaryTypesReadAsText)
{
    testing_support::TempDir dir;
    const std::vector<FieldSpec> fields = {{"ID", 'I', 4, 0},    {"PRICE", 'Y', 8, 4}, {"STAMP", 'T', 8, 0},
                                           {"RATIO", 'B', 8, 2}, {"NAME", 'C', 10, 0}, {"NOTES", 'M', 4, 0},
                                           {"_NullFlags", '0', 1, 0}};
    const std::string record = std::string(" ") + le32(42) + le64(199900) + le32(2460311) + le32(3723000) +
                               le64(0x3FD5555555555555ULL) + "Widget    " + le32(8) + std::string(1, '\0');
    writeFileBytes(dir.file("v.dbf"), tableBytes(0x30, fields, {record}, true));
    std::string fpt(512, '\0');
    fpt[3] = 9;   // next free block
    fpt[7] = 64;  // block size
    fpt += std::string("\0\0\0\1\0\0\0\5hello", 13) + std::string(51, '\0');
    writeFileBytes(dir.file("v.fpt"), bytesOf(fpt));

    auto table = openTable(dir.file("v.dbf"), OpenMode::ReadOnly);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->flavor(), xbase::TableFlavor::VisualFoxPro);
    EXPECT_EQ(rowText(*table, 1, 0), "42");
    EXPECT_EQ(rowText(*table, 1, 1), "19.9900");
    EXPECT_EQ(rowText(*table, 1, 2), "20240101010203");
    EXPECT_EQ(rowText(*table, 1, 3), "0.3333333333333333");
    EXPECT_EQ(rowText(*table, 1, 4), "Widget");
    EXPECT_EQ(rowText(*table, 1, 5), "hello");
    EXPECT_EQ(rowText(*table, 1, 6), "00");
}

TEST(ForeignTableTest, DBase3MemosEndAtTheMarker)
{
    testing_support::TempDir dir;
    const std::vector<FieldSpec> fields = {{"NAME", 'C', 6, 0}, {"NOTES", 'M', 10, 0}};
    writeFileBytes(dir.file("d3.dbf"),
                   tableBytes(0x83, fields, {memoRecord("first", "1"), memoRecord("second", "2"), memoRecord("none", "")}, false));
    const std::string longText(700, 'L');
    std::string dbt(512, '\0');
    dbt[0] = 4;
    dbt += "line one\r\nline two\x1A\x1A" + std::string(512 - 20, ' ');
    dbt += longText + "\x1A\x1A";
    writeFileBytes(dir.file("d3.dbt"), bytesOf(dbt));

    auto table = openTable(dir.file("d3.dbf"), OpenMode::ReadOnly);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->flavor(), xbase::TableFlavor::DBase3);
    EXPECT_EQ(rowText(*table, 1, 1), "line one\r\nline two");
    EXPECT_EQ(rowText(*table, 2, 1), longText);
    EXPECT_EQ(rowText(*table, 3, 1), "");
}

TEST(ForeignTableTest, DBase4CountedMemosAreReadButNotWritten)
{
    testing_support::TempDir dir;
    const std::vector<FieldSpec> fields = {{"NAME", 'C', 6, 0}, {"NOTES", 'M', 10, 0}};
    writeFileBytes(dir.file("D4.DBF"), tableBytes(0x8B, fields, {memoRecord("first", "1")}, false));
    std::string dbt(512, '\0');
    dbt[0] = 2;
    dbt[21] = 2; // block size 512, little-endian at 20
    dbt += std::string("\xFF\xFF\x08\x00", 4) + le32(8 + 11) + "with \x1A byte";
    writeFileBytes(dir.file("D4.DBT"), bytesOf(dbt));

    auto table = openTable(dir.file("D4.DBF"), OpenMode::Exclusive);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->flavor(), xbase::TableFlavor::DBase4);
    EXPECT_EQ(rowText(*table, 1, 1), "with \x1A byte");

    std::vector<unsigned char> rec(static_cast<std::size_t>(table->recordLength()));
    ASSERT_TRUE(table->readRecord(1, rec.data()).isOk());
    EXPECT_EQ(table->writeMemo(rec.data(), 1, "new").code(), xbase::Status::Code::NotSupported);
    // Packing keeps the memo file and the references as they are.
    ASSERT_TRUE(table->pack([](int) { return true; }).isOk());
    EXPECT_EQ(rowText(*table, 1, 1), "with \x1A byte");
}

TEST(ForeignTableTest, LongCharacterFieldsKeepTheirHighByteInDecimals)
{
    testing_support::TempDir dir;
    const std::string text = std::string(300, 'w');
    auto bytes = tableBytes(0x03, {{"LONG", 'C', 300 - 256, 1}}, {" " + text}, false);
    writeFileBytes(dir.file("long.dbf"), bytes);
    auto table = openTable(dir.file("long.dbf"), OpenMode::ReadOnly);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->schema()[0].width, 300);
    EXPECT_EQ(rowText(*table, 1, 0), text);
}

TEST(ForeignTableTest, BinaryFieldWithTheWrongWidthIsCorruption)
{
    testing_support::TempDir dir;
    writeFileBytes(dir.file("bad.dbf"), tableBytes(0x30, {{"ID", 'I', 3, 0}}, {" abc"}, true));
    std::unique_ptr<DbfTable> table;
    EXPECT_EQ(DbfTable::open(dir.file("bad.dbf"), OpenMode::ReadOnly, &table).code(), xbase::Status::Code::Corruption);
}

} // namespace
