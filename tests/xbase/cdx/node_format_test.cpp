#include "xbase/cdx/index_header.h"
#include "xbase/cdx/leaf_codec.h"
#include "xbase/cdx/node.h"

#include <gtest/gtest.h>

#include <array>

using namespace xbase::cdx;

namespace {

Node leafOf(const std::vector<std::pair<std::string, std::uint32_t>>& items)
{
    Node n;
    n.attributes = kAttrLeaf;
    n.left = 1024;
    n.right = 2048;
    for (const auto& [k, r] : items)
        n.entries.push_back(NodeEntry{k, r, 0});
    return n;
}

void expectSameEntries(const Node& a, const Node& b)
{
    ASSERT_EQ(a.entries.size(), b.entries.size());
    for (std::size_t i = 0; i < a.entries.size(); ++i) {
        EXPECT_EQ(a.entries[i].key, b.entries[i].key) << i;
        EXPECT_EQ(a.entries[i].recno, b.entries[i].recno) << i;
        EXPECT_EQ(a.entries[i].child, b.entries[i].child) << i;
    }
}

} // namespace

TEST(NodeFormatTest, LeafRoundTripsWithDuplicatesTrailingBytesAndLargeRecords)
{
    struct Case {
        const char* what;
        KeyFormat fmt;
        std::vector<std::pair<std::string, std::uint32_t>> items;
    };
    const std::vector<Case> cases = {
        {"character keys", {6, ' '}, {{"      ", 1}, {"AB    ", 7}, {"AB    ", 9}, {"AB C  ", 2}, {"ABCDEF", 3}}},
        {"numeric keys", {8, 0}, {{std::string("\x80\0\0\0\0\0\0\0", 8), 5}, {std::string("\xBF\xF0\0\0\0\0\0\0", 8), 1}}},
        {"high record numbers", {10, ' '}, {{"A         ", 1}, {"B         ", 0xFFFFFF}, {"C         ", 0x7FFFFFFF}}},
        {"blank inside key", {4, ' '}, {{"A B ", 1}, {"A BC", 2}}},
        {"empty leaf", {10, ' '}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Node in = leafOf(c.items);
        std::array<unsigned char, kPageSize> page{};
        ASSERT_TRUE(encodeNode(in, c.fmt, page.data()));
        Node out;
        ASSERT_TRUE(decodeNode(page.data(), c.fmt, 1536, &out).isOk());
        EXPECT_EQ(out.attributes, in.attributes);
        EXPECT_EQ(out.left, in.left);
        EXPECT_EQ(out.right, in.right);
        expectSameEntries(in, out);
    }
}

TEST(NodeFormatTest, LeafStoresOnlyTheBytesThatDifferFromThePreviousKey)
{
    // "AB    " then "ABC   ": the second keeps 1 byte ("C"), two duplicated,
    // three trailing blanks; the free space field says what is left.
    const Node in = leafOf({{"AB    ", 1}, {"ABC   ", 2}});
    std::array<unsigned char, kPageSize> page{};
    ASSERT_TRUE(encodeNode(in, {6, ' '}, page.data()));
    const int bytesPerEntry = page[23];
    const int freeSpace = page[12] | (page[13] << 8);
    EXPECT_EQ(freeSpace, kLeafSpace - 2 * bytesPerEntry - 3);
    EXPECT_EQ(page[kPageSize - 1], 'B');
    EXPECT_EQ(page[kPageSize - 2], 'A');
    EXPECT_EQ(page[kPageSize - 3], 'C');
}

TEST(NodeFormatTest, InteriorRoundTripsWithBigEndianRecordAndChild)
{
    Node in;
    in.attributes = kAttrRoot;
    in.entries = {NodeEntry{"ALPHA ", 3, 1536}, NodeEntry{"OMEGA ", 0x01020304, 2048}};
    std::array<unsigned char, kPageSize> page{};
    ASSERT_TRUE(encodeNode(in, {6, ' '}, page.data()));
    EXPECT_EQ(page[12 + 6], 0); // record number, high byte first
    EXPECT_EQ(page[12 + 6 + 14 + 3], 0x04);
    Node out;
    ASSERT_TRUE(decodeNode(page.data(), {6, ' '}, 1024, &out).isOk());
    expectSameEntries(in, out);
    EXPECT_FALSE(out.isLeaf());
    EXPECT_TRUE(out.isRoot());
}

TEST(NodeFormatTest, HeaderRoundTrips)
{
    IndexHeader in;
    in.root = 1536;
    in.keyLength = 61;
    in.options = kOptionCompact | kOptionCompound | kOptionFor | kOptionUnique;
    in.descending = true;
    in.keyType = xbase::KeyType::Date;
    in.keyExpression = "UPPER(LNAME-FNAME)";
    in.forExpression = "!DELETED()";
    std::array<unsigned char, kHeaderSize> buf{};
    encodeIndexHeader(in, buf.data());
    IndexHeader out;
    ASSERT_TRUE(decodeIndexHeader(buf.data(), "t", &out).isOk());
    EXPECT_EQ(out.root, in.root);
    EXPECT_EQ(out.keyLength, in.keyLength);
    EXPECT_EQ(out.options, in.options);
    EXPECT_EQ(out.descending, in.descending);
    EXPECT_EQ(out.keyType, in.keyType);
    EXPECT_EQ(out.keyExpression, in.keyExpression);
    EXPECT_EQ(out.forExpression, in.forExpression);
}
