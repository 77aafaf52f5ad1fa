#include "table_fixture.h"

#include "xbase/core/bytes.h"
#include "xbase/dbf/field_codec.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace dbf_test {

xbase::Schema smallSchema()
{
    return {{"NAME", 'C', 20, 0, 0}, {"QTY", 'N', 7, 2, 0}, {"OK", 'L', 1, 0, 0}, {"BORN", 'D', 8, 0, 0}, {"NOTES", 'M', 10, 0, 0}};
}

void appendRow(xbase::DbfTable& table, const std::vector<std::string>& values)
{
    std::vector<unsigned char> rec(static_cast<std::size_t>(table.recordLength()));
    table.blankRecord(rec.data());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const xbase::FieldInfo& f = table.schema()[i];
        const xbase::Status s = xbase::dbf::isMemoField(f) ? table.writeMemo(rec.data(), static_cast<int>(i), values[i])
                                                           : xbase::putFieldText(rec.data(), f, values[i]);
        ASSERT_TRUE(s.isOk()) << s.toString();
    }
    std::uint32_t recno = 0;
    const xbase::Status s = table.appendRecord(rec.data(), &recno);
    ASSERT_TRUE(s.isOk()) << s.toString();
}

std::vector<std::vector<std::string>> readRows(xbase::DbfTable& table)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<unsigned char> rec(static_cast<std::size_t>(table.recordLength()));
    for (std::uint32_t r = 1; r <= table.recordCount(); ++r) {
        const xbase::Status s = table.readRecord(r, rec.data());
        EXPECT_TRUE(s.isOk()) << s.toString();
        std::vector<std::string> row;
        for (std::size_t i = 0; i < table.schema().size(); ++i) {
            const xbase::FieldInfo& f = table.schema()[i];
            std::string text = xbase::fieldText(rec.data(), f);
            if (xbase::dbf::isMemoField(f)) {
                EXPECT_TRUE(table.readMemo(rec.data(), static_cast<int>(i), &text).isOk());
            }
            row.push_back(text);
        }
        rows.push_back(row);
    }
    return rows;
}

std::unique_ptr<xbase::DbfTable> createTable(const std::string& path, const xbase::Schema& schema)
{
    std::unique_ptr<xbase::DbfTable> table;
    const xbase::Status s = xbase::DbfTable::create(path, schema, {}, &table);
    EXPECT_TRUE(s.isOk()) << s.toString();
    return table;
}

std::unique_ptr<xbase::DbfTable> openTable(const std::string& path, xbase::OpenMode mode)
{
    std::unique_ptr<xbase::DbfTable> table;
    const xbase::Status s = xbase::DbfTable::open(path, mode, &table);
    EXPECT_TRUE(s.isOk()) << s.toString();
    return table;
}

std::vector<unsigned char> readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void truncateFile(const std::string& path, std::size_t length) { std::filesystem::resize_file(path, length); }

void putByte(const std::string& path, std::size_t offset, unsigned char value)
{
    auto bytes = readFileBytes(path);
    ASSERT_LT(offset, bytes.size());
    bytes[offset] = value;
    writeFileBytes(path, bytes);
}

void putLe16At(const std::string& path, std::size_t offset, std::uint16_t value)
{
    auto bytes = readFileBytes(path);
    ASSERT_LE(offset + 2, bytes.size());
    xbase::bytes::putLe16(&bytes[offset], value);
    writeFileBytes(path, bytes);
}

void putLe32At(const std::string& path, std::size_t offset, std::uint32_t value)
{
    auto bytes = readFileBytes(path);
    ASSERT_LE(offset + 4, bytes.size());
    xbase::bytes::putLe32(&bytes[offset], value);
    writeFileBytes(path, bytes);
}

} // namespace dbf_test
