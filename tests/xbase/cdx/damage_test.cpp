// Damaged files: each kind of damage is made by patching a few bytes of a
// small valid file, and must end in a Corruption status with a message,
// never a crash or an endless walk.

#include "cdx_test_util.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace cdx_test;
using xbase::IndexFile;
using xbase::Status;

namespace {

// The fixture's layout, fixed by how a new file is written: the directory
// header at 0 and its root leaf at 1024, the first tag's header at 1536 and
// its leaves from 2560 on, in key order.
constexpr std::size_t kTagHeader = 1536;
constexpr std::size_t kFirstLeaf = 2560;
constexpr std::size_t kSecondLeaf = 3072;
constexpr int kKeyLength = 20;

std::uint32_t le32(const std::string& bytes, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return v;
}

std::uint32_t tagRoot(const std::string& path) { return le32(readAll(path), kTagHeader); }

void setFirstChild(const std::string& path, std::uint32_t child)
{
    // Interior entries: key, record (big-endian), child (big-endian).
    std::string bytes = readAll(path);
    const std::size_t at = tagRoot(path) + 12 + kKeyLength + 4;
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(child >> (8 * (3 - i)));
    writeAll(path, bytes);
}

struct Damage {
    const char* what;
    std::function<void(const std::string& path)> apply;
};

class DamageTest : public ::testing::TestWithParam<Damage> {
protected:
    void SetUp() override
    {
        path_ = dir_.file("damaged.cdx");
        std::unique_ptr<IndexFile> index;
        ASSERT_TRUE(IndexFile::createCompound(path_, &index).isOk());
        Entries keys;
        for (std::uint32_t r = 1; r <= 400; ++r)
            keys.emplace_back(charKey("NAME" + std::to_string(1000 + r), kKeyLength), r);
        ASSERT_TRUE(index->addTag(charTag("NAME", kKeyLength), keys, {}).isOk());
        ASSERT_TRUE(index->flush().isOk());
        ASSERT_NE(tagRoot(path_), kFirstLeaf) << "the fixture needs an interior root";
    }

    // Opens and uses every part of the file; the first failure's status.
    Status openAndUse()
    {
        std::unique_ptr<IndexFile> index;
        if (Status s = IndexFile::open(path_, xbase::OpenMode::Exclusive, &index); !s)
            return s;
        for (int t = 0; t < static_cast<int>(index->tags().size()); ++t) {
            auto cursor = index->cursor(t);
            int steps = 0;
            for (bool ok = cursor->first(); ok && steps < 100000; ok = cursor->next())
                ++steps;
            if (!cursor->status())
                return cursor->status();
            for (bool ok = cursor->last(); ok && steps < 200000; ok = cursor->prev())
                ++steps;
            if (!cursor->status())
                return cursor->status();
            if (steps >= 100000)
                return Status::ok(); // a hang would show here; the test fails below
            cursor->seek("NAME1200", true);
            if (!cursor->status())
                return cursor->status();
            if (Status s = index->insertKey(t, charKey("NAME1200", kKeyLength), 999); !s)
                return s;
        }
        return Status::ok();
    }

    testing_support::TempDir dir_;
    std::string path_;
};

TEST_P(DamageTest, EndsInCorruptionWithAMessage)
{
    GetParam().apply(path_);
    const Status s = openAndUse();
    EXPECT_EQ(s.code(), Status::Code::Corruption) << s.toString();
    EXPECT_FALSE(s.message().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DamageTest,
    ::testing::Values(
        Damage{"truncated_header", [](const std::string& p) { std::filesystem::resize_file(p, 700); }},
        Damage{"truncated_nodes", [](const std::string& p) { std::filesystem::resize_file(p, kSecondLeaf + 100); }},
        Damage{"root_outside_file", [](const std::string& p) { patchLe32(p, kTagHeader, 0x7FFFFE00); }},
        Damage{"root_off_node_boundary", [](const std::string& p) { patchLe32(p, kTagHeader, tagRoot(p) + 7); }},
        Damage{"directory_root_outside_file", [](const std::string& p) { patchLe32(p, 0, 0x10000000); }},
        Damage{"key_length_zero", [](const std::string& p) { patchLe16(p, kTagHeader + 12, 0); }},
        Damage{"child_outside_file", [](const std::string& p) { setFirstChild(p, 0x00F00000); }},
        Damage{"child_off_node_boundary", [](const std::string& p) { setFirstChild(p, kFirstLeaf + 3); }},
        Damage{"child_points_at_its_parent", [](const std::string& p) { setFirstChild(p, tagRoot(p)); }},
        Damage{"sibling_chain_loops", [](const std::string& p) { patchLe32(p, kSecondLeaf + 8, kFirstLeaf); }},
        Damage{"leaf_claims_too_many_keys", [](const std::string& p) { patchLe16(p, kFirstLeaf + 2, 1000); }},
        Damage{"interior_claims_too_many_keys", [](const std::string& p) { patchLe16(p, tagRoot(p) + 2, 400); }},
        Damage{"record_bits_beyond_32", [](const std::string& p) { patchByte(p, kFirstLeaf + 20, 40); }},
        Damage{"no_bytes_per_entry", [](const std::string& p) { patchByte(p, kFirstLeaf + 23, 0); }},
        Damage{"widths_wider_than_the_entry", [](const std::string& p) { patchByte(p, kFirstLeaf + 23, 1); }},
        Damage{"unknown_node_attributes", [](const std::string& p) { patchLe16(p, kFirstLeaf, 0x40); }}),
    [](const auto& param) { return std::string(param.param.what); });

TEST(DamageTest, KeysOutOfOrderAcrossLeavesAreReported)
{
    // Two leaves swapped in the sibling chain (with consistent back links):
    // the walk sees the keys go backwards.
    testing_support::TempDir dir;
    const auto path = dir.file("t.cdx");
    {
        std::unique_ptr<IndexFile> index;
        ASSERT_TRUE(IndexFile::createCompound(path, &index).isOk());
        Entries keys;
        for (std::uint32_t r = 1; r <= 400; ++r)
            keys.emplace_back(charKey("NAME" + std::to_string(1000 + r), kKeyLength), r);
        ASSERT_TRUE(index->addTag(charTag("NAME", kKeyLength), keys, {}).isOk());
    }
    std::string bytes = readAll(path);
    const std::string first = bytes.substr(kFirstLeaf + 12, 500);
    bytes.replace(kFirstLeaf + 12, 500, bytes.substr(kSecondLeaf + 12, 500));
    bytes.replace(kSecondLeaf + 12, 500, first);
    writeAll(path, bytes);
    std::unique_ptr<IndexFile> index;
    ASSERT_TRUE(IndexFile::open(path, xbase::OpenMode::ReadOnly, &index).isOk());
    auto cursor = index->cursor(0);
    bool ok = cursor->first();
    for (int steps = 0; ok && steps < 1000; ++steps)
        ok = cursor->next();
    EXPECT_EQ(cursor->status().code(), Status::Code::Corruption) << cursor->status().toString();
}

} // namespace
