// The index file as the work area uses it: tags, bulk builds, cursors
// across changes, descending and unique tags, read-only opens.

#include "cdx_test_util.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace cdx_test;
using xbase::IndexFile;
using xbase::Status;

namespace {

Entries numberedKeys(int count, int keyLength)
{
    Entries keys;
    for (int i = count; i >= 1; --i)
        keys.emplace_back(charKey("K" + std::to_string(100000 + i), keyLength), static_cast<std::uint32_t>(i));
    return keys;
}

std::vector<std::string> tagNames(const IndexFile& index)
{
    std::vector<std::string> names;
    for (const auto& t : index.tags())
        names.push_back(t.name);
    return names;
}

TEST(IndexFileTest, TagsKeepCreationOrderAndAreFoundWhateverTheCase)
{
    testing_support::TempDir dir;
    const auto path = dir.file("add0001.cdx");
    const std::vector<std::string> created = {"NAME", "LNAME", "FNAME", "ZIP", "CITY", "DELETED", "ISDEL", "NOTISDEL"};
    {
        std::unique_ptr<IndexFile> index;
        ASSERT_TRUE(IndexFile::createCompound(path, &index).isOk());
        for (const auto& name : created)
            ASSERT_TRUE(index->addTag(charTag(name, 10), numberedKeys(50, 10), {}).isOk());
        EXPECT_EQ(index->addTag(charTag("zip", 10), {}, {}).code(), Status::Code::InvalidArgument);
        ASSERT_TRUE(index->removeTag("fname").isOk());
        EXPECT_EQ(index->removeTag("FNAME").code(), Status::Code::NotFound);
        ASSERT_TRUE(index->addTag(charTag("tag", 8), numberedKeys(5, 8), {}).isOk());
    }
    std::unique_ptr<IndexFile> index;
    ASSERT_TRUE(IndexFile::open(path, xbase::OpenMode::Exclusive, &index).isOk());
    EXPECT_EQ(tagNames(*index),
              (std::vector<std::string>{"NAME", "LNAME", "ZIP", "CITY", "DELETED", "ISDEL", "NOTISDEL", "TAG"}));
    EXPECT_EQ(index->findTag("notisdel"), 6);
    EXPECT_EQ(index->findTag("FNAME"), -1);
    EXPECT_EQ(index->tags()[7].keyLength, 8);
    EXPECT_EQ(index->tags()[7].keyExpression, "UPPER(tag)");
    EXPECT_EQ(walkForward(*index, 7).size(), 5u);
}

TEST(IndexFileTest, BadTagDescriptionsAreRefused)
{
    testing_support::TempDir dir;
    std::unique_ptr<IndexFile> index;
    ASSERT_TRUE(IndexFile::createCompound(dir.file("t.cdx"), &index).isOk());
    struct Case {
        const char* what;
        xbase::TagInfo info;
        Entries keys;
    };
    const std::vector<Case> cases = {
        {"empty name", charTag("", 10), {}},
        {"name too long", charTag("ELEVENCHARS", 10), {}},
        {"name with a blank", charTag("A B", 10), {}},
        {"key length 0", charTag("A", 0), {}},
        {"key length 241", charTag("A", 241), {}},
        {"numeric key not 8 bytes", xbase::TagInfo{"N", "AMOUNT", "", xbase::KeyType::Numeric, 10, false, false}, {}},
        {"key longer than the key length", charTag("A", 3), {{"ABCD", 1}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(index->addTag(c.info, c.keys, {}).code(), Status::Code::InvalidArgument) << c.what;
    EXPECT_TRUE(index->tags().empty());
    auto cursor = index->cursor(3);
    EXPECT_FALSE(cursor->first());
    EXPECT_FALSE(cursor->status().isOk());
}

TEST(IndexFileTest, BulkBuildReportsProgressAndCancelLeavesTheFileAsItWas)
{
    testing_support::TempDir dir;
    const auto path = dir.file("t.cdx");
    std::unique_ptr<IndexFile> index;
    ASSERT_TRUE(IndexFile::createCompound(path, &index).isOk());
    ASSERT_TRUE(index->addTag(charTag("FIRST", 20), numberedKeys(100, 20), {}).isOk());
    ASSERT_TRUE(index->flush().isOk());
    const auto sizeBefore = std::filesystem::file_size(path);

    std::vector<int> seen;
    ASSERT_TRUE(index->addTag(charTag("BIG", 20), numberedKeys(60000, 20), [&](int p) {
                         seen.push_back(p);
                         return true;
                     }).isOk());
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 100);
    const Entries big = walkForward(*index, 1);
    ASSERT_EQ(big.size(), 60000u);
    EXPECT_EQ(big.front().second, 1u);
    EXPECT_EQ(big.back().second, 60000u);
    ASSERT_TRUE(index->removeTag("BIG").isOk());
    ASSERT_TRUE(index->flush().isOk());

    const auto sizeWithFreedNodes = std::filesystem::file_size(path);
    const Status s = index->addTag(charTag("CANCEL", 20), numberedKeys(60000, 20), [](int p) { return p < 50; });
    EXPECT_EQ(s.code(), Status::Code::InvalidArgument);
    ASSERT_TRUE(index->flush().isOk());
    EXPECT_EQ(std::filesystem::file_size(path), sizeWithFreedNodes);
    EXPECT_GE(sizeWithFreedNodes, sizeBefore);
    EXPECT_EQ(tagNames(*index), (std::vector<std::string>{"FIRST"}));
    EXPECT_EQ(walkForward(*index, 0).size(), 100u);
}

TEST(IndexFileTest, CursorFindsItsPlaceAfterTheTagChanges)
{
    testing_support::TempDir dir;
    std::unique_ptr<IndexFile> index;
    ASSERT_TRUE(IndexFile::createCompound(dir.file("t.cdx"), &index).isOk());
    ASSERT_TRUE(index->addTag(charTag("T", 10), numberedKeys(2000, 10), {}).isOk());
    auto cursor = index->cursor(0);
    ASSERT_TRUE(cursor->seekEntry(charKey("K101000", 10), 1000));

    // The current entry removed: next goes on with the one after it.
    ASSERT_TRUE(index->removeKey(0, charKey("K101000", 10), 1000).isOk());
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->recno(), 1001u);
    // Entries inserted around it (splitting nodes) are walked in order.
    for (std::uint32_t r = 3000; r < 3600; ++r)
        ASSERT_TRUE(index->insertKey(0, charKey("K101001", 10), r).isOk());
    ASSERT_TRUE(cursor->next());
    EXPECT_EQ(cursor->recno(), 3000u);
    ASSERT_TRUE(cursor->prev());
    EXPECT_EQ(cursor->recno(), 1001u);
    ASSERT_TRUE(cursor->prev());
    EXPECT_EQ(cursor->recno(), 999u);

    // A removed tag leaves its cursors invalid with a reason.
    ASSERT_TRUE(index->removeTag("T").isOk());
    EXPECT_FALSE(cursor->next());
    EXPECT_FALSE(cursor->status().isOk());
}

TEST(IndexFileTest, DescendingTagWalksAndSeeksBackwards)
{
    testing_support::TempDir dir;
    std::unique_ptr<IndexFile> index;
    ASSERT_TRUE(IndexFile::createCompound(dir.file("t.cdx"), &index).isOk());
    xbase::TagInfo info = charTag("DESC", 4);
    info.descending = true;
    ASSERT_TRUE(index->addTag(info, {{"AA", 1}, {"AB", 2}, {"BA", 3}, {"BB", 4}, {"C", 5}}, {}).isOk());
    std::vector<std::uint32_t> order;
    auto cursor = index->cursor(0);
    for (bool ok = cursor->first(); ok; ok = cursor->next())
        order.push_back(cursor->recno());
    EXPECT_EQ(order, (std::vector<std::uint32_t>{5, 4, 3, 2, 1}));

    // The first entry in walking order at or below the key.
    EXPECT_TRUE(cursor->seek("B", true));
    EXPECT_EQ(cursor->recno(), 4u);
    EXPECT_FALSE(cursor->seek("AC", true));
    EXPECT_EQ(cursor->recno(), 2u);
    EXPECT_FALSE(cursor->seek("A", true) && cursor->recno() != 2u);
    EXPECT_FALSE(cursor->seek("0", true));
    EXPECT_FALSE(cursor->valid());
}

TEST(IndexFileTest, UniqueTagKeepsTheFirstRecordOfEachKey)
{
    testing_support::TempDir dir;
    std::unique_ptr<IndexFile> index;
    ASSERT_TRUE(IndexFile::createCompound(dir.file("t.cdx"), &index).isOk());
    xbase::TagInfo info = charTag("U", 4);
    info.unique = true;
    ASSERT_TRUE(index->addTag(info, {{"B", 9}, {"A", 4}, {"B", 2}, {"A", 3}}, {}).isOk());
    EXPECT_EQ(walkForward(*index, 0), (Entries{{"A   ", 3}, {"B   ", 2}}));
    ASSERT_TRUE(index->insertKey(0, "A", 1).isOk());
    ASSERT_TRUE(index->insertKey(0, "C", 8).isOk());
    EXPECT_EQ(walkForward(*index, 0), (Entries{{"A   ", 3}, {"B   ", 2}, {"C   ", 8}}));
}

TEST(IndexFileTest, SingleOrderFileCanBeRebuiltInOneGo)
{
    testing_support::TempDir dir;
    const auto path = dir.file("_chksz.idx");
    std::unique_ptr<IndexFile> index;
    ASSERT_TRUE(IndexFile::createSingle(path, charTag("X", 10), &index).isOk());
    ASSERT_TRUE(index->insertKey(0, "OLD", 1).isOk());
    ASSERT_TRUE(index->addTag(charTag("X", 12), numberedKeys(3000, 12), {}).isOk());
    EXPECT_EQ(index->removeTag("_CHKSZ").code(), Status::Code::NotSupported);
    ASSERT_TRUE(index->flush().isOk());
    index.reset();
    ASSERT_TRUE(IndexFile::open(path, xbase::OpenMode::Exclusive, &index).isOk());
    EXPECT_EQ(index->tags()[0].keyLength, 12);
    const Entries all = walkForward(*index, 0);
    ASSERT_EQ(all.size(), 3000u);
    EXPECT_EQ(all.front(), (Entry{charKey("K100001", 12), 1}));
}

TEST(IndexFileTest, OpeningReadsOnlyWhatIsWalked)
{
    // A file whose nodes past the header and directory are garbage opens
    // (nothing of a tag is read until it is used) and fails on first use.
    testing_support::TempDir dir;
    const auto path = dir.file("t.cdx");
    {
        std::unique_ptr<IndexFile> index;
        ASSERT_TRUE(IndexFile::createCompound(path, &index).isOk());
        ASSERT_TRUE(index->addTag(charTag("T", 10), numberedKeys(5000, 10), {}).isOk());
    }
    std::string bytes = readAll(path);
    for (std::size_t at = 4096; at < bytes.size(); ++at)
        bytes[at] = '\x77';
    writeAll(path, bytes);
    std::unique_ptr<IndexFile> index;
    ASSERT_TRUE(IndexFile::open(path, xbase::OpenMode::ReadOnly, &index).isOk());
    auto cursor = index->cursor(0);
    EXPECT_FALSE(cursor->last());
    EXPECT_EQ(cursor->status().code(), Status::Code::Corruption);
}

} // namespace
