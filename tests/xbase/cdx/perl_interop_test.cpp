// Another xBase reader (Perl's XBase::Index) must read our compound files
// and walk every tag with the same keys and records as we do.

#include "cdx_test_util.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>

using namespace cdx_test;
using xbase::IndexFile;
using xbase::KeyType;

namespace {

struct TagPlan {
    xbase::TagInfo info;
    char perlType; // how the reader is told to decode: C raw bytes, N numbers
};

using testing_support::runCommand;

std::string hex(std::string_view bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

// Our own walk, printed the way the script prints the reader's.
std::string ourDump(IndexFile& index, const std::vector<TagPlan>& plans)
{
    std::vector<std::string> names;
    for (const auto& p : plans)
        names.push_back(p.info.name);
    std::sort(names.begin(), names.end());
    std::string out = "TAGS\t";
    for (std::size_t i = 0; i < names.size(); ++i)
        out += (i ? "," : "") + names[i];
    out += "\n";
    for (const auto& plan : plans) {
        const int tag = index.findTag(plan.info.name);
        for (const auto& [key, recno] : walkForward(index, tag)) {
            char line[256];
            if (plan.perlType == 'N') {
                std::snprintf(line, sizeof line, "%s\t%.17g\t%u\n", plan.info.name.c_str(), xbase::decodeNumericKey(key), recno);
            } else {
                // The reader leaves out the trailing blanks the leaves drop.
                const std::string trimmed = key.substr(0, key.find_last_not_of(' ') + 1);
                std::snprintf(line, sizeof line, "%s\t%s\t%u\n", plan.info.name.c_str(), hex(trimmed).c_str(), recno);
            }
            out += line;
        }
    }
    return out;
}

Entries keysFor(const TagPlan& plan, int records, std::mt19937& rng)
{
    static const std::vector<std::string> names = {"SMITH", "VAN DER BERG", "O'NEIL", "", "SMITHSON", "A", "ZZ TOP",
                                                   "M\xDCLLER"};
    Entries keys;
    for (int r = 1; r <= records; ++r) {
        const auto recno = static_cast<std::uint32_t>(r);
        switch (plan.info.keyType) {
        case KeyType::Numeric: keys.emplace_back(xbase::encodeNumericKey((static_cast<int>(rng() % 20001) - 10000) / 8.0), recno); break;
        case KeyType::Date: keys.emplace_back(xbase::encodeDateKey(r % 7 == 0 ? 0 : 2440000 + rng() % 30000), recno); break;
        case KeyType::Logical: keys.emplace_back(xbase::encodeLogicalKey(rng() % 3 == 0), recno); break;
        case KeyType::Character:
            keys.emplace_back(charKey(names[rng() % names.size()] + (rng() % 2 ? std::to_string(rng() % 5000) : ""),
                                      plan.info.keyLength),
                              recno);
            break;
        }
    }
    return keys;
}

TEST(PerlInteropTest, XBaseIndexReadsEveryTagAsWeDo)
{
    if (std::system("perl -MXBase::Index -e 1 >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "perl with XBase::Index (Debian package libdbd-xbase-perl) is not installed";
    const std::vector<TagPlan> plans = {
        {charTag("LNAME", 30), 'C'},
        {charTag("CITY", 60), 'C'},
        {xbase::TagInfo{"AMOUNT", "AMOUNT", "", KeyType::Numeric, 8, false, false}, 'N'},
        {xbase::TagInfo{"BIRTH", "BIRTH", "", KeyType::Date, 8, false, false}, 'N'},
        {xbase::TagInfo{"DELETED", "DELETED()", "", KeyType::Logical, 1, false, false}, 'C'},
    };
    testing_support::TempDir dir;
    const auto path = dir.file("people.cdx");
    std::mt19937 rng(99);
    {
        std::unique_ptr<IndexFile> index;
        ASSERT_TRUE(IndexFile::createCompound(path, &index).isOk());
        for (const auto& plan : plans)
            ASSERT_TRUE(index->addTag(plan.info, keysFor(plan, 20000, rng), {}).isOk());
        // Updates after the build: splits and freed nodes must read the same.
        for (std::uint32_t r = 20001; r <= 22000; ++r)
            ASSERT_TRUE(index->insertKey(0, charKey("SMITH", 30), r).isOk());
        auto lowest = index->cursor(2);
        for (int i = 0; i < 3000 && lowest->first(); ++i)
            ASSERT_TRUE(index->removeKey(2, std::string(lowest->key()), lowest->recno()).isOk());
        ASSERT_TRUE(index->flush().isOk());
    }
    std::string args;
    for (const auto& plan : plans)
        args += " " + plan.info.name + ":" + plan.perlType;
    const std::string script = testing_support::sourceDir() + "/tests/xbase/cdx/dump_cdx.pl";
    const std::string theirs = runCommand("perl '" + script + "' '" + path + "'" + args + " 2>&1");

    std::unique_ptr<IndexFile> index;
    ASSERT_TRUE(IndexFile::open(path, xbase::OpenMode::ReadOnly, &index).isOk());
    const std::string ours = ourDump(*index, plans);
    ASSERT_GT(ours.size(), 100000u);
    // Compared line by line so that a failure shows the first difference.
    std::size_t at = 0;
    while (at < ours.size() && at < theirs.size() && ours[at] == theirs[at])
        ++at;
    const std::size_t lineStart = ours.rfind('\n', at) == std::string::npos ? 0 : ours.rfind('\n', at) + 1;
    EXPECT_EQ(ours.size(), theirs.size());
    EXPECT_EQ(ours.substr(lineStart, 120), theirs.substr(lineStart, 120));
}

} // namespace
