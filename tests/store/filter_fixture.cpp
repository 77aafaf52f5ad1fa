#include "filter_fixture.h"

#include <gtest/gtest.h>

namespace filter_test {

namespace {

struct FieldSpec {
    const char* name;
    char type;
    int width;
};

constexpr FieldSpec kFields[] = {
    {"LNAME", 'C', 30}, {"FNAME", 'C', 30}, {"MIDDLE", 'C', 1}, {"PREFIX", 'C', 12},
    {"TITLE", 'C', 30}, {"ORG", 'C', 30}, {"STREET", 'C', 40}, {"STREET2", 'C', 40},
    {"CITY", 'C', 30}, {"STATE", 'C', 20}, {"ZIP", 'C', 10}, {"COUNTRY", 'C', 30},
    {"DATE", 'C', 15}, {"PHONE", 'C', 30}, {"PHONE2", 'C', 30}, {"FAX", 'C', 40},
    {"EMAIL", 'C', 40}, {"CODES", 'C', 30}, {"USER1", 'C', 40}, {"USER2", 'C', 40},
    {"ISDEL", 'L', 1}, {"TAG", 'C', 8}, {"MEMO", 'M', 10},
};

constexpr const char* kTags[][2] = {
    {"LNAME", "UPPER(LNAME)+UPPER(FNAME)"},
    {"CITY", "UPPER(CITY+STATE)"},
    {"DATE", "UPPER(DATE)"},
    {"TAG", "UPPER(TAG)"},
};

void appendRow(xbase::TApollo& table, const Row& row)
{
    ASSERT_TRUE(table.sx_AppendBlank());
    table.sx_Replace("ISDEL", "F");
    for (const auto& [name, value] : row)
        ASSERT_TRUE(table.sx_Replace(name, value)) << name << ": " << table.sx_LastError().toString();
    if (row.count("ISDEL") && row.at("ISDEL") == "T")
        table.sx_Delete();
    ASSERT_TRUE(table.sx_Commit());
}

} // namespace

AddressTable::AddressTable(const testing_support::TempDir& dir, const std::vector<Row>& rows)
    : path_(dir.file("add0001.dbf"))
{
    table_.sx_CreateNew(path_, static_cast<int>(std::size(kFields)));
    for (const FieldSpec& f : kFields)
        table_.sx_CreateField(f.name, f.type, f.width, 0);
    EXPECT_TRUE(table_.sx_CreateExec()) << table_.sx_LastError().toString();
    for (const auto& tag : kTags)
        EXPECT_NE(table_.sx_IndexTag(tag[0], tag[1]), 0) << table_.sx_LastError().toString();
    for (const Row& row : rows)
        appendRow(table_, row);
    table_.sx_SetOrder(0);
    table_.sx_Query("!ISDEL");
    table_.sx_GoTop();
}

std::vector<std::string> AddressTable::lastNames()
{
    std::vector<std::string> names;
    for (bool moved = table_.sx_GoTop(); moved && !table_.sx_Eof(); moved = table_.sx_Skip(1))
        names.push_back(table_.sx_GetString("LNAME"));
    return names;
}

void AddressTable::setOrder(const std::string& tag)
{
    const int order = table_.sx_TagArea(tag);
    ASSERT_NE(order, 0) << tag;
    ASSERT_TRUE(table_.sx_SetOrder(order));
}

void AddressTable::goToName(const std::string& name)
{
    for (std::uint32_t recno = 1; recno <= table_.sx_RecCount(); ++recno) {
        table_.sx_Go(recno);
        if (table_.sx_GetString("LNAME") == name)
            return;
    }
    ADD_FAILURE() << "no record named " << name;
}

} // namespace filter_test
