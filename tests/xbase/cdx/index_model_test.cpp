// The B-tree against a reference: random inserts and removes applied to both
// an index tag and a std::set of (key, record) pairs, then every walk and
// seek compared, before and after reopening the file.

#include "cdx_test_util.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

using namespace cdx_test;
using xbase::IndexFile;

namespace {

using Model = std::set<Entry>;

struct ModelCase {
    const char* name;
    int keyLength;
    int initialKeys;
    int operations;
};

class IndexModelTest : public ::testing::TestWithParam<ModelCase> {
protected:
    // Short keys over a tiny alphabet with a blank in it: many equal keys,
    // shared prefixes, blanks inside and at the end.
    std::string randomKey()
    {
        const int keyLength = GetParam().keyLength;
        const int length = std::uniform_int_distribution<int>(0, std::min(keyLength, 6))(rng_);
        std::string text;
        for (int i = 0; i < length; ++i)
            text += "AB C"[std::uniform_int_distribution<int>(0, 3)(rng_)];
        return charKey(text, keyLength);
    }
    std::uint32_t randomRecno() { return std::uniform_int_distribution<std::uint32_t>(1, 100000)(rng_); }

    void expectSameAsModel(IndexFile& index, const Model& model)
    {
        const Entries expected(model.begin(), model.end());
        ASSERT_EQ(walkForward(index, 0), expected);
        ASSERT_EQ(walkBackward(index, 0), expected);
        expectSeeksAgree(index, model);
    }

    void expectSeeksAgree(IndexFile& index, const Model& model)
    {
        auto cursor = index.cursor(0);
        for (int i = 0; i < 40; ++i) {
            const std::string full = randomKey();
            const std::string prefix = full.substr(0, static_cast<std::size_t>(i % 4));
            // Prefix seek: the first entry whose leading bytes are >= prefix.
            const auto it = std::find_if(model.begin(), model.end(),
                                         [&](const Entry& e) { return e.first.substr(0, prefix.size()) >= prefix; });
            const bool found = cursor->seek(prefix, true);
            ASSERT_EQ(cursor->valid(), it != model.end()) << "prefix '" << prefix << "'";
            if (it != model.end()) {
                EXPECT_EQ(cursor->key(), it->first);
                EXPECT_EQ(cursor->recno(), it->second);
                EXPECT_EQ(found, it->first.compare(0, prefix.size(), prefix) == 0);
            }
            // Whole-key seek with a short key: padded to the key length.
            const auto whole = model.lower_bound(Entry{full, 0});
            EXPECT_EQ(cursor->seek(full.substr(0, 3), false) && full.substr(3).find_first_not_of(' ') == std::string::npos,
                      whole != model.end() && whole->first == full && full.substr(3).find_first_not_of(' ') == std::string::npos);
            // Exact entries: present ones are found, absent ones are not.
            if (!model.empty()) {
                auto pick = model.begin();
                std::advance(pick, static_cast<long>(rng_() % model.size()));
                EXPECT_TRUE(cursor->seekEntry(pick->first, pick->second));
                EXPECT_EQ(cursor->recno(), pick->second);
                EXPECT_FALSE(cursor->seekEntry(pick->first, 0));
            }
        }
    }

    std::mt19937 rng_{12345};
};

TEST_P(IndexModelTest, RandomInsertsAndRemovesMatchTheModel)
{
    testing_support::TempDir dir;
    const auto path = dir.file("model.cdx");
    const ModelCase& c = GetParam();
    Model model;
    {
        std::unique_ptr<IndexFile> index;
        ASSERT_TRUE(IndexFile::createCompound(path, &index).isOk());
        Entries initial;
        for (int i = 0; i < c.initialKeys; ++i) {
            initial.emplace_back(randomKey(), randomRecno());
            model.insert(initial.back());
        }
        ASSERT_TRUE(index->addTag(charTag("T", c.keyLength), initial, {}).isOk());
        for (int op = 1; op <= c.operations; ++op) {
            const bool insert = model.empty() || rng_() % 10 < 6;
            if (insert) {
                const Entry e{randomKey(), randomRecno()};
                ASSERT_TRUE(index->insertKey(0, e.first, e.second).isOk());
                model.insert(e);
            } else if (rng_() % 8 == 0) {
                // Removing what is not there changes nothing.
                EXPECT_EQ(index->removeKey(0, randomKey(), 0).code(), xbase::Status::Code::NotFound);
            } else {
                auto pick = model.begin();
                std::advance(pick, static_cast<long>(rng_() % model.size()));
                ASSERT_TRUE(index->removeKey(0, pick->first, pick->second).isOk());
                model.erase(pick);
            }
            if (op % (c.operations / 4) == 0)
                expectSameAsModel(*index, model);
        }
        ASSERT_TRUE(index->flush().isOk());
    }
    std::unique_ptr<IndexFile> reopened;
    ASSERT_TRUE(IndexFile::open(path, xbase::OpenMode::Exclusive, &reopened).isOk());
    expectSameAsModel(*reopened, model);

    // Emptied completely, the tag still works and fills again.
    std::vector<Entry> all(model.begin(), model.end());
    std::shuffle(all.begin(), all.end(), rng_);
    for (const auto& e : all)
        ASSERT_TRUE(reopened->removeKey(0, e.first, e.second).isOk());
    EXPECT_TRUE(walkForward(*reopened, 0).empty());
    ASSERT_TRUE(reopened->insertKey(0, charKey("B", c.keyLength), 7).isOk());
    EXPECT_EQ(walkForward(*reopened, 0), (Entries{{charKey("B", c.keyLength), 7}}));
}

INSTANTIATE_TEST_SUITE_P(KeyLengths, IndexModelTest,
                         ::testing::Values(ModelCase{"short_keys", 12, 3000, 12000},
                                           // 4 entries per interior node: a deep tree
                                           ModelCase{"long_keys", 100, 500, 4000},
                                           ModelCase{"from_empty", 20, 0, 6000}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(IndexDuplicatesTest, ManyRecordsUnderOneKeyStayInRecordOrder)
{
    testing_support::TempDir dir;
    std::unique_ptr<IndexFile> index;
    ASSERT_TRUE(IndexFile::createCompound(dir.file("dups.cdx"), &index).isOk());
    const std::string same = charKey("SMITH", 30);
    Entries bulk;
    for (std::uint32_t r = 1; r <= 3000; r += 2)
        bulk.emplace_back(same, r);
    ASSERT_TRUE(index->addTag(charTag("LNAME", 30), bulk, {}).isOk());
    for (std::uint32_t r = 2; r <= 3000; r += 2)
        ASSERT_TRUE(index->insertKey(0, same, r).isOk());

    const Entries walked = walkForward(*index, 0);
    ASSERT_EQ(walked.size(), 3000u);
    for (std::uint32_t r = 1; r <= 3000; ++r)
        ASSERT_EQ(walked[r - 1], (Entry{same, r}));
    EXPECT_EQ(walkBackward(*index, 0), walked);

    auto cursor = index->cursor(0);
    EXPECT_TRUE(cursor->seek("SMITH", true));
    EXPECT_EQ(cursor->recno(), 1u);
    EXPECT_TRUE(cursor->seekEntry(same, 1777));
    EXPECT_TRUE(cursor->next());
    EXPECT_EQ(cursor->recno(), 1778u);
    for (std::uint32_t r = 1; r <= 3000; r += 3)
        ASSERT_TRUE(index->removeKey(0, same, r).isOk());
    EXPECT_EQ(walkForward(*index, 0).size(), 2000u);
}

TEST(IndexDuplicatesTest, KeysThatDifferOnlyInTrailingBytesKeepTheirOrder)
{
    struct Case {
        const char* what;
        xbase::KeyType type;
        int keyLength;
        std::vector<std::string> keys;
    };
    const std::vector<Case> cases = {
        {"blanks", xbase::KeyType::Character, 8, {"AB", "AB  ", "AB\x01", "A B", "AB C", "", "AB      ", "ABC"}},
        {"numbers", xbase::KeyType::Numeric, 8,
         {xbase::encodeNumericKey(1), xbase::encodeNumericKey(1.0000000000000002), xbase::encodeNumericKey(0),
          xbase::encodeNumericKey(-1), xbase::encodeNumericKey(256), xbase::encodeNumericKey(1)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing_support::TempDir dir;
        std::unique_ptr<IndexFile> index;
        ASSERT_TRUE(IndexFile::createCompound(dir.file("t.cdx"), &index).isOk());
        xbase::TagInfo info = charTag("T", c.keyLength);
        info.keyType = c.type;
        const char fill = static_cast<char>(xbase::trailingFill(c.type));
        Entries bulk, expected;
        for (std::uint32_t i = 0; i < c.keys.size(); ++i) {
            std::string padded = c.keys[i];
            padded.resize(static_cast<std::size_t>(c.keyLength), fill);
            bulk.emplace_back(c.keys[i], i + 1);
            expected.emplace_back(padded, i + 1);
        }
        std::sort(expected.begin(), expected.end());
        ASSERT_TRUE(index->addTag(info, bulk, {}).isOk());
        EXPECT_EQ(walkForward(*index, 0), expected);
        // The same keys inserted one by one give the same tag.
        ASSERT_TRUE(index->addTag(xbase::TagInfo{"ONEBYONE", "", "", c.type, c.keyLength, false, false}, {}, {}).isOk());
        for (const auto& [key, recno] : bulk)
            ASSERT_TRUE(index->insertKey(1, key, recno).isOk());
        EXPECT_EQ(walkForward(*index, 1), expected);
    }
}

TEST(SingleOrderIndexTest, KeysAddedOneByOneWalkSortedAfterReopen)
{
    testing_support::TempDir dir;
    const auto path = dir.file("_chkdup.idx");
    std::mt19937 rng(7);
    Model model;
    {
        std::unique_ptr<IndexFile> index;
        ASSERT_TRUE(IndexFile::createSingle(path, charTag("IGNORED", 16), &index).isOk());
        for (std::uint32_t r = 1; r <= 4000; ++r) {
            const Entry e{charKey(std::to_string(rng() % 997), 16), r};
            ASSERT_TRUE(index->insertKey(0, e.first, e.second).isOk());
            model.insert(e);
        }
        ASSERT_TRUE(index->flush().isOk());
    }
    std::unique_ptr<IndexFile> index;
    ASSERT_TRUE(IndexFile::open(path, xbase::OpenMode::ReadOnly, &index).isOk());
    EXPECT_FALSE(index->isCompound());
    ASSERT_EQ(index->tags().size(), 1u);
    EXPECT_EQ(index->tags()[0].name, "_CHKDUP");
    EXPECT_EQ(index->tags()[0].keyExpression, "UPPER(IGNORED)");
    EXPECT_EQ(walkForward(*index, 0), Entries(model.begin(), model.end()));
    EXPECT_EQ(index->insertKey(0, "X", 1).code(), xbase::Status::Code::InvalidArgument); // read-only
}

} // namespace
