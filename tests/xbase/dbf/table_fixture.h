#pragma once

#include "support/temp_dir.h"
#include "xbase/dbf/dbf_table.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace dbf_test {

// NAME C(20), QTY N(7,2), OK L, BORN D, NOTES M
xbase::Schema smallSchema();

// Field values by position, written with putFieldText (memo fields through
// writeMemo); the test fails on any refusal.
void appendRow(xbase::DbfTable& table, const std::vector<std::string>& values);
// Every field of every record as fieldText, memos as their text.
std::vector<std::vector<std::string>> readRows(xbase::DbfTable& table);

std::unique_ptr<xbase::DbfTable> createTable(const std::string& path, const xbase::Schema& schema);
std::unique_ptr<xbase::DbfTable> openTable(const std::string& path, xbase::OpenMode mode = xbase::OpenMode::Exclusive);

// Raw file access for building damaged files.
std::vector<unsigned char> readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);
void truncateFile(const std::string& path, std::size_t length);
void putByte(const std::string& path, std::size_t offset, unsigned char value);
void putLe16At(const std::string& path, std::size_t offset, std::uint16_t value);
void putLe32At(const std::string& path, std::size_t offset, std::uint32_t value);

} // namespace dbf_test
