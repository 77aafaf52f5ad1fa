#pragma once

#include "support/run_command.h"
#include "support/temp_dir.h"
#include "xbase/apollo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace engine_test {

// A small table of people: NAME C(10), CITY C(12), AGE N(3), ISDEL L, NOTES M.
struct Person {
    Person(std::string n, std::string c, int a, bool deleted = false, std::string memo = {})
        : name(std::move(n)), city(std::move(c)), age(a), isdel(deleted), notes(std::move(memo)) {}
    std::string name;
    std::string city;
    int age;
    bool isdel;
    std::string notes;
};

#define EXPECT_OK(expr) EXPECT_TRUE((expr).isOk()) << (expr).toString()
#define ASSERT_OK(expr) ASSERT_TRUE((expr).isOk()) << (expr).toString()
// The same as an expression, for loop headers.
inline void expectOk(const xbase::Status& s) { EXPECT_TRUE(s.isOk()) << s.toString(); }

// Creates the table through the work area (append, replace, commit) with
// tags NAME "UPPER(NAME)", CITY "UPPER(CITY)+UPPER(NAME)" and AGE "AGE".
std::string createPeople(const testing_support::TempDir& dir, const std::vector<Person>& people,
                         const std::string& file = "people.dbf");
std::unique_ptr<xbase::WorkArea> openArea(const std::string& path, xbase::EngineSettings settings = {},
                                          xbase::OpenMode mode = xbase::OpenMode::Exclusive);

std::string fieldOf(const xbase::WorkArea& area, const std::string& field);
// The NAME of every record from the top down (skip 1) or the bottom up.
std::vector<std::string> namesDown(xbase::WorkArea& area);
std::vector<std::string> namesUp(xbase::WorkArea& area);
// Record numbers the current query selects, in the current order.
std::vector<std::uint32_t> recnosDown(xbase::WorkArea& area);

// An address table with the 26 address tags and `count` generated records.
std::string createAddressTable(const testing_support::TempDir& dir, int count, const std::string& file = "add0001.dbf");

// Whether opening found the address tags suspect (the stale mark),
// unreadable or incomplete: the program then rebuilds them.
bool addressIndexNeedsRebuild(const xbase::WorkArea& area);
// The program's rebuild: the index file goes, the table is packed and the
// 26 address tags are built from the records.
void rebuildAddressIndexes(xbase::WorkArea& area);

// Runs a shell command, returning what it printed on stdout.
using testing_support::runCommand;

} // namespace engine_test
