// What other processes see: a writer killed at any moment leaves a table
// that opens with every committed record, and an exclusive open keeps
// everyone else out with a clear refusal.
#include "engine_fixture.h"

#include <chrono>
#include <csignal>
#include <random>
#include <set>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

using namespace engine_test;
using xbase::Status;

namespace {

// Runs `work` in a child that reports progress by writing lines to a pipe.
class Child {
public:
    template <typename Work> explicit Child(Work work)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            work(fds[1]);
            _exit(0);
        }
        close(fds[1]);
        in_ = fdopen(fds[0], "r");
    }
    ~Child()
    {
        if (in_)
            fclose(in_);
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool readLine(std::string* line)
    {
        char buf[64];
        if (!in_ || !fgets(buf, sizeof buf, in_))
            return false;
        *line = buf;
        return true;
    }
    void killNow()
    {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    FILE* in_ = nullptr;
};

void say(int fd, const std::string& text)
{
    const std::string line = text + "\n";
    if (write(fd, line.data(), line.size()) < 0)
        _exit(2);
}

TEST(ProcessTest, KilledWriterLosesNoCommittedRecord)
{
    testing_support::TempDir dir;
    const std::string path = createPeople(dir, {{"Start", "Boston", 1}});
    constexpr int kCommitsBeforeKill = 40;
    Child writer([&path](int out) {
        std::unique_ptr<xbase::WorkArea> area;
        if (!xbase::WorkArea::open(path, xbase::OpenMode::Exclusive, {}, &area))
            _exit(1);
        for (int i = 0;; ++i) {
            area->appendBlank();
            area->replace(0, "R" + std::to_string(i));
            area->replace(2, std::to_string(i % 1000));
            if (area->commit())
                say(out, std::to_string(i)); // only what commit has made durable
        }
    });
    std::string line;
    int committed = -1;
    while (committed + 1 < kCommitsBeforeKill && writer.readLine(&line))
        committed = std::stoi(line);
    writer.killNow(); // somewhere in the middle of the next commit
    ASSERT_EQ(committed + 1, kCommitsBeforeKill);

    auto area = openArea(path);
    ASSERT_TRUE(area);
    std::set<std::string> names;
    for (expectOk(area->goTop()); !area->eof(); expectOk(area->skip(1)))
        names.insert(fieldOf(*area, "NAME"));
    for (int i = 0; i <= committed; ++i)
        EXPECT_TRUE(names.count("R" + std::to_string(i))) << "lost committed record R" << i;
    // The index either agrees with the records or is marked as possibly
    // behind them; a rebuild always repairs it.
    if (!area->indexesSuspect()) {
        EXPECT_OK(area->checkIndexes());
    }
    ASSERT_OK(area->reindex());
    EXPECT_FALSE(area->indexesSuspect());
    EXPECT_OK(area->checkIndexes());
}

// Adds and key edits on an address file, each reported once it returned,
// until the writer is killed at a random moment (fixed seed, so that a
// failure can be repeated).
void addAndEdit(const std::string& path, int round, int out)
{
    std::unique_ptr<xbase::WorkArea> area;
    if (!xbase::WorkArea::open(path, xbase::OpenMode::Exclusive, {}, &area))
        _exit(1);
    const int lname = xbase::findField(area->schema(), "LNAME");
    const int city = xbase::findField(area->schema(), "CITY");
    say(out, "open");
    for (int i = 0;; ++i) {
        const std::string name = "Kill" + std::to_string(round) + "x" + std::to_string(i);
        area->appendBlank();
        area->replace(lname, name);
        area->replace(city, "Before");
        if (!area->commit())
            _exit(1);
        say(out, name);
        area->replace(city, "After" + std::to_string(i)); // a key of the CITY and STATEZIP tags
        if (!area->commit())
            _exit(1);
    }
}

TEST(ProcessTest, WriterKilledDuringAddsAndEditsLeavesTagsThatAgreeOrGetRebuilt)
{
    testing_support::TempDir dir;
    const std::string path = createAddressTable(dir, 30);
    std::mt19937 random(20);
    std::set<std::string> added;
    int rebuilds = 0;
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        {
            Child writer([&path, round](int out) { addAndEdit(path, round, out); });
            std::string line;
            ASSERT_TRUE(writer.readLine(&line));
            std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 30000)(random)));
            writer.killNow();
            while (writer.readLine(&line))
                added.insert(line.substr(0, line.size() - 1));
        }
        auto area = openArea(path);
        ASSERT_TRUE(area);
        if (addressIndexNeedsRebuild(*area)) {
            ++rebuilds;
            rebuildAddressIndexes(*area);
        } else {
            EXPECT_OK(area->checkIndexes());
        }
        std::set<std::string> shown;
        ASSERT_OK(area->setOrder(area->findOrder("LNAME")));
        for (expectOk(area->goTop()); !area->eof(); expectOk(area->skip(1)))
            shown.insert(fieldOf(*area, "LNAME"));
        for (const std::string& name : added)
            EXPECT_TRUE(shown.count(name)) << name << " is missing from the LNAME order";
        ASSERT_OK(area->close());
    }
    EXPECT_GT(rebuilds, 0); // the kills must have hit the writes, or nothing was shown
}

TEST(ProcessTest, ExclusiveOpenElsewhereIsRefusedCleanly)
{
    testing_support::TempDir dir;
    const std::string path = createPeople(dir, {{"Only", "Boston", 1}});
    Child holder([&path](int out) {
        std::unique_ptr<xbase::WorkArea> area;
        if (!xbase::WorkArea::open(path, xbase::OpenMode::Exclusive, {}, &area))
            _exit(1);
        say(out, "open");
        pause();
    });
    std::string line;
    ASSERT_TRUE(holder.readLine(&line));
    for (xbase::OpenMode mode : {xbase::OpenMode::Exclusive, xbase::OpenMode::Shared, xbase::OpenMode::ReadOnly}) {
        std::unique_ptr<xbase::WorkArea> area;
        EXPECT_EQ(xbase::WorkArea::open(path, mode, {}, &area).code(), Status::Code::Locked);
        EXPECT_FALSE(area);
    }
    xbase::TApollo table;
    EXPECT_FALSE(table.sx_Use(path));
    EXPECT_EQ(table.sx_LastError().code(), Status::Code::Locked);
    EXPECT_FALSE(table.sx_GoTop()); // a result, not a crash
    holder.killNow();
    EXPECT_TRUE(table.sx_Use(path)) << table.sx_LastError().toString();
}

TEST(SharedTableTest, ALockHeldElsewhereFailsTheWrite)
{
    testing_support::TempDir dir;
    const std::string path = createPeople(dir, {{"One", "Boston", 1}, {"Two", "Denver", 2}});
    auto first = openArea(path, {}, xbase::OpenMode::Shared);
    auto second = openArea(path, {}, xbase::OpenMode::Shared);
    ASSERT_TRUE(first && second);
    ASSERT_OK(first->go(1));
    ASSERT_OK(first->lockRecord());
    ASSERT_OK(second->go(1));
    ASSERT_OK(second->replace(0, "Taken"));
    EXPECT_EQ(second->commit().code(), Status::Code::Locked);
    EXPECT_EQ(second->go(2).code(), Status::Code::Locked); // the edit is still pending
    ASSERT_OK(second->discardChanges());
    ASSERT_OK(second->go(2)); // record 2 is free
    ASSERT_OK(second->replace(0, "Free"));
    EXPECT_OK(second->commit());
    ASSERT_OK(first->replace(0, "Mine")); // the holder writes
    EXPECT_OK(first->commit());
    ASSERT_OK(first->unlockRecord());
    ASSERT_OK(second->go(1));
    EXPECT_EQ(fieldOf(*second, "NAME"), "Mine");
}

} // namespace
