// Other xBase readers and writers: an address file written by us (records,
// memos and the 26 tags) reads the same in Perl's XBase and Python's
// dbfread, and a FoxPro table written by python3-dbf reads the same in ours.
#include "address_generator.h"
#include "engine_fixture.h"

#include "xbase/dbf/field_codec.h"

#include <filesystem>
#include <sstream>

using namespace engine_test;

namespace {

const std::string kScripts = QUORVEL_ENGINE_TEST_DIR;
const char* const kFields = "LNAME,FNAME,MIDDLE,ORG,CITY,STATE,ZIP,DATE,EMAIL,USER1,ISDEL,TAG,MEMO";

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

std::vector<std::string> fieldList()
{
    std::vector<std::string> names;
    std::stringstream list(kFields);
    for (std::string name; std::getline(list, name, ',');)
        names.push_back(name);
    return names;
}

// "F1=hex,F2=hex,..." of the current record, as the scripts print it.
std::string ourValues(const xbase::WorkArea& area)
{
    std::string out;
    for (const std::string& name : fieldList())
        out += (out.empty() ? "" : ",") + name + "=" + hex(fieldOf(area, name));
    return out;
}

std::string ourTagOrder(xbase::WorkArea& area, const std::string& tag)
{
    EXPECT_OK(area.setOrder(area.findOrder(tag)));
    std::string out = "TAG\t" + tag + "\t";
    bool first = true;
    for (std::uint32_t recno : recnosDown(area)) {
        out += (first ? "" : ",") + std::to_string(recno);
        first = false;
    }
    return out + "\n";
}

// The same file as closed cleanly, and as a crashed session leaves it: with
// the stale mark in its index header, which other readers must ignore.
class EngineInteropTest : public ::testing::TestWithParam<bool> {
protected:
    static void SetUpTestSuite()
    {
        clean_ = new testing_support::TempDir;
        marked_ = new testing_support::TempDir;
        createAddressTable(*clean_, 150);
        for (const char* file : {"add0001.dbf", "add0001.fpt", "add0001.cdx"})
            std::filesystem::copy_file(clean_->file(file), marked_->file(file));
        std::unique_ptr<xbase::IndexFile> index;
        ASSERT_OK(xbase::IndexFile::open(marked_->file("add0001.cdx"), xbase::OpenMode::Exclusive, &index));
        ASSERT_OK(index->setStaleMark(true, true));
    }
    static void TearDownTestSuite()
    {
        delete clean_;
        delete marked_;
    }
    static const testing_support::TempDir& dir() { return GetParam() ? *marked_ : *clean_; }
    static std::string path() { return dir().file("add0001.dbf"); }
    static std::string cdxPath() { return dir().file("add0001.cdx"); }

    static testing_support::TempDir* clean_;
    static testing_support::TempDir* marked_;
};

testing_support::TempDir* EngineInteropTest::clean_ = nullptr;
testing_support::TempDir* EngineInteropTest::marked_ = nullptr;

TEST_P(EngineInteropTest, OurOpenSeesTheMarkExactlyWhenItIsThere)
{
    auto area = openArea(path(), {}, xbase::OpenMode::ReadOnly);
    ASSERT_TRUE(area);
    EXPECT_EQ(area->indexesSuspect(), GetParam());
}

TEST_P(EngineInteropTest, PerlXBaseReadsOurRecordsMemosAndEveryTag)
{
    std::string tags;
    for (const auto& tag : quorvel::bench::addressTagSpecs())
        tags += std::string(" ") + tag.name;
    const std::string theirs = runCommand("/usr/bin/perl " + kScripts + "/read_with_perl_xbase.pl " + path() + " " +
                                          cdxPath() + " " + kFields + tags + " 2>&1");
    auto area = openArea(path(), {}, xbase::OpenMode::ReadOnly);
    ASSERT_TRUE(area);
    std::string ours;
    int memos = 0;
    for (expectOk(area->goTop()); !area->eof(); expectOk(area->skip(1))) {
        ours += "REC\t" + std::to_string(area->recNo()) + "\tF\t" + ourValues(*area) + "\n";
        memos += fieldOf(*area, "MEMO").empty() ? 0 : 1;
    }
    ASSERT_GT(memos, 0); // the sample must hold memos to prove anything
    for (const auto& tag : quorvel::bench::addressTagSpecs())
        ours += ourTagOrder(*area, tag.name);
    EXPECT_EQ(theirs, ours);
}

TEST_P(EngineInteropTest, DbfreadReadsOurRecordsMemosAndKeyOrder)
{
    const std::string theirs =
        runCommand("/usr/bin/python3 " + kScripts + "/read_with_dbfread.py " + path() + " " + kFields + " 2>&1");
    auto area = openArea(path(), {}, xbase::OpenMode::ReadOnly);
    ASSERT_TRUE(area);
    std::string ours = "DELETED\t0\n";
    for (expectOk(area->goTop()); !area->eof(); expectOk(area->skip(1)))
        ours += "REC\t" + ourValues(*area) + "\n";
    for (const char* tag : {"LNAME", "CITY", "NAME"})
        ours += ourTagOrder(*area, tag);
    EXPECT_EQ(theirs, ours);
}

INSTANTIATE_TEST_SUITE_P(StaleMark, EngineInteropTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& marked) { return marked.param ? "Marked" : "Clean"; });

TEST(InteropWriteTest, WeReadATableWrittenByPythonDbf)
{
    testing_support::TempDir dir;
    const std::string path = dir.file("written.dbf");
    runCommand("/usr/bin/python3 " + kScripts + "/write_with_python_dbf.py " + path + " 2>&1");
    auto area = openArea(path, {}, xbase::OpenMode::ReadOnly);
    ASSERT_TRUE(area);
    EXPECT_EQ(area->table().versionByte(), 0xF5);
    const std::vector<std::vector<std::string>> expected = {
        {"M\xFCller", "J\xF6rg", "12.50", "19970428", "T", "Caf\xE9 owner\r\nsecond line"},
        {"O\x92" "Brien", "Sean", "-3.25", "", "F", ""},
        {"Smith", "Ann", "0.00", "20240229", "", std::string(700, 'x')},
    };
    std::vector<std::vector<std::string>> read;
    for (expectOk(area->goTop()); !area->eof(); expectOk(area->skip(1))) {
        std::vector<std::string> row;
        for (const char* f : {"LNAME", "FNAME", "AMOUNT", "JOINED", "ACTIVE", "NOTES"})
            row.push_back(fieldOf(*area, f));
        read.push_back(row);
    }
    EXPECT_EQ(read, expected);
}

} // namespace
