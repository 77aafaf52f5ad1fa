// A machine that dies in the middle of a change: for each change to a small
// address file, the run is repeated with the machine stopping after every
// possible number of write steps (CrashingFileSystem). Whatever the moment,
// the next open either finds tags that hold exactly the records' keys, or
// says that they may not (the stale mark, or an index that is unreadable or
// lacks tags), and the rebuild the program then runs always repairs them
// without losing a record whose change had returned.
#include "address_generator.h"
#include "crashing_file_system.h"
#include "engine_fixture.h"

#include <filesystem>
#include <cctype>
#include <functional>
#include <ostream>
#include <set>

using namespace engine_test;
using xbase::Status;
using xbase::WorkArea;

namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

const char* const kFiles[] = {"add0001.dbf", "add0001.fpt", "add0001.cdx"};
const std::string kOldMemo = "Met at the fair.";
const std::string kNewMemo = std::string(300, 'x') + " longer than the blocks of the memo it replaces";

struct Entry {
    const char* lname;
    const char* city;
    const char* memo;
};
// "Gone" carries the deletion flag: the rebuild packs it away.
const Entry kPeople[] = {{"Adams", "Boston", ""},      {"Baker", "Denver", "Met at the fair."},
                          {"Clark", "Austin", ""},      {"Dixon", "Boston", "Calls on Fridays."},
                          {"Evans", "Camden", ""},      {"Gone", "Nowhere", ""},
                          {"Foster", "Dayton", ""},     {"Grant", "Albany", "Prefers e-mail."}};

Status put(WorkArea& area, const char* field, const std::string& value)
{
    return area.replace(xbase::findField(area.schema(), field), value);
}

Status goToName(WorkArea& area, const std::string& lname)
{
    for (std::uint32_t recno = 1; recno <= area.recCount(); ++recno) {
        if (Status s = area.go(recno); !s)
            return s;
        if (fieldOf(area, "LNAME") == lname)
            return Status::ok();
    }
    return Status::notFound(lname);
}

// What one change does, and which records it touches: `before` are there
// until it returns, `after` once it has.
struct Change {
    const char* name;
    std::function<Status(WorkArea&)> run;
    Names before;
    Names after;
};

// Names the change in test listings instead of dumping its bytes.
void PrintTo(const Change& change, std::ostream* out) { *out << change.name; }

const std::vector<Change>& changes()
{
    static const std::vector<Change> table = {
        {"append",
         [](WorkArea& a) {
             Status s = a.appendBlank();
             for (auto [field, value] : {std::pair{"LNAME", "Newman"}, {"FNAME", "Nora"}, {"CITY", "Salem"}})
                 if (s)
                     s = put(a, field, value);
             return s ? a.commit() : s;
         },
         {},
         {"Newman"}},
        {"edit of a key field",
         [](WorkArea& a) {
             Status s = goToName(a, "Clark");
             if (s)
                 s = put(a, "LNAME", "Zimmer");
             return s ? a.commit() : s;
         },
         {"Clark"},
         {"Zimmer"}},
        {"delete",
         [](WorkArea& a) {
             Status s = goToName(a, "Dixon");
             if (s)
                 s = put(a, "ISDEL", "T");
             return s ? a.deleteRecord() : s;
         },
         {"Dixon"},
         {}},
        {"memo write",
         [](WorkArea& a) {
             Status s = goToName(a, "Baker");
             if (s)
                 s = put(a, "MEMO", kNewMemo);
             return s ? a.commit() : s;
         },
         {"Baker"},
         {"Baker"}},
        {"pack", [](WorkArea& a) { return a.pack(); }, {}, {}},
        {"reindex", [](WorkArea& a) { return a.reindex(); }, {}, {}},
    };
    return table;
}

Names lnamesInLnameOrder(WorkArea& area)
{
    Names names;
    EXPECT_OK(area.setOrder(area.findOrder("LNAME")));
    std::size_t seen = 0;
    for (expectOk(area.goTop()); !area.eof(); expectOk(area.skip(1)), ++seen)
        names.insert(fieldOf(area, "LNAME"));
    EXPECT_EQ(seen, names.size()) << "a record shows twice";
    EXPECT_EQ(seen, area.recCount()) << "the LNAME order misses records";
    return names;
}

class CrashTest : public ::testing::TestWithParam<Change> {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new testing_support::TempDir;
        const std::string path = createAddressTable(*dir_, 0);
        auto area = openArea(path);
        ASSERT_TRUE(area);
        for (const Entry& p : kPeople) {
            ASSERT_OK(area->appendBlank());
            ASSERT_OK(put(*area, "LNAME", p.lname));
            ASSERT_OK(put(*area, "CITY", p.city));
            if (*p.memo) {
                ASSERT_OK(put(*area, "MEMO", p.memo));
            }
            ASSERT_OK(area->commit());
        }
        ASSERT_OK(goToName(*area, "Gone"));
        ASSERT_OK(area->deleteRecord());
        ASSERT_OK(area->close());
    }
    static void TearDownTestSuite() { delete dir_; }

    // A fresh copy of the small file in its own folder.
    std::string freshCopy(const testing_support::TempDir& into) const
    {
        for (const char* file : kFiles)
            fs::copy_file(dir_->file(file), into.file(file));
        return into.file(kFiles[0]);
    }

    // Opens, changes and closes the file on a machine that stops after
    // `steps` write steps; says how many steps the run took and whether the
    // change returned.
    static bool runUntil(const std::string& path, const Change& change, long steps, long* taken)
    {
        CrashingFileSystem machine(steps);
        bool returned = false;
        {
            std::unique_ptr<WorkArea> area;
            if (WorkArea::open(path, xbase::OpenMode::Exclusive, {}, &area)) {
                returned = change.run(*area).isOk();
                area->close();
            }
        }
        *taken = machine.steps();
        return returned;
    }

    static testing_support::TempDir* dir_;
};

testing_support::TempDir* CrashTest::dir_ = nullptr;

Names untouched(const Change& change)
{
    Names names;
    for (const Entry& p : kPeople)
        if (std::string(p.lname) != "Gone" && !change.before.count(p.lname))
            names.insert(p.lname);
    return names;
}

TEST_P(CrashTest, EveryMomentLeavesTagsThatAgreeOrSayTheyMayNot)
{
    const Change& change = GetParam();
    long total = 0;
    {
        testing_support::TempDir clean;
        ASSERT_TRUE(runUntil(freshCopy(clean), change, CrashingFileSystem::kNever, &total)) << change.name;
    }
    ASSERT_GT(total, 0);
    for (long steps = 0; steps <= total; ++steps) {
        SCOPED_TRACE(std::string(change.name) + ", machine stopped after " + std::to_string(steps) + " of " +
                     std::to_string(total) + " write steps");
        testing_support::TempDir dir;
        const std::string path = freshCopy(dir);
        long taken = 0;
        const bool returned = runUntil(path, change, steps, &taken);

        auto area = openArea(path);
        ASSERT_TRUE(area) << "the table itself must always open";
        if (steps == total) { // a clean close leaves no mark behind
            EXPECT_FALSE(area->indexesSuspect());
        }
        if (!addressIndexNeedsRebuild(*area)) {
            EXPECT_OK(area->checkIndexes());
        }

        rebuildAddressIndexes(*area);
        EXPECT_OK(area->checkIndexes());
        EXPECT_FALSE(area->indexesSuspect());

        Names must = untouched(change), allowed = must;
        allowed.insert(change.before.begin(), change.before.end());
        allowed.insert(change.after.begin(), change.after.end());
        if (returned)
            must.insert(change.after.begin(), change.after.end());
        const Names shown = lnamesInLnameOrder(*area);
        for (const std::string& name : must)
            EXPECT_TRUE(shown.count(name)) << name << " is missing from the LNAME order";
        for (const std::string& name : shown)
            EXPECT_TRUE(allowed.count(name)) << name << " should not be there";
        if (shown.count("Baker")) {
            ASSERT_OK(goToName(*area, "Baker"));
            const std::string memo = fieldOf(*area, "MEMO");
            EXPECT_TRUE(memo == kOldMemo || (memo == kNewMemo && change.after.count("Baker"))) << memo;
        }
        ASSERT_OK(area->close());
        EXPECT_FALSE(openArea(path)->indexesSuspect()) << "the rebuilt file was closed cleanly";
    }
}

INSTANTIATE_TEST_SUITE_P(Changes, CrashTest, ::testing::ValuesIn(changes()),
                         [](const ::testing::TestParamInfo<Change>& change) {
                             std::string name;
                             for (const char* c = change.param.name; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             return name;
                         });

} // namespace
