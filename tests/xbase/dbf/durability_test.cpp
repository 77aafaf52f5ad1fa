// What a crash leaves behind: a table cut anywhere inside its last record,
// and a writer killed in the middle of a stream of appends.

#include "table_fixture.h"

#include "xbase/dbf/field_codec.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace dbf_test;
using xbase::DbfTable;
using xbase::OpenMode;

namespace {

const xbase::Schema kSequenceSchema = {{"SEQ", 'N', 10, 0, 0}, {"NAME", 'C', 12, 0, 0}};

TEST(DurabilityTest, CutInsideTheLastRecordLosesOnlyThatRecord)
{
    testing_support::TempDir dir;
    const std::string path = dir.file("cut.dbf");
    {
        auto table = createTable(path, kSequenceSchema);
        for (int i = 1; i <= 3; ++i)
            appendRow(*table, {std::to_string(i), "name " + std::to_string(i)});
    }
    const auto full = readFileBytes(path);
    const std::size_t recordLength = 23;
    const std::size_t lastStart = full.size() - 1 - recordLength;
    for (std::size_t cut = lastStart; cut <= full.size(); ++cut) {
        writeFileBytes(path, std::vector<unsigned char>(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut)));
        auto table = openTable(path, OpenMode::ReadOnly);
        ASSERT_TRUE(table) << "cut at " << cut;
        const std::uint32_t expected = cut >= lastStart + recordLength ? 3 : 2;
        ASSERT_EQ(table->recordCount(), expected) << "cut at " << cut;
        const auto rows = readRows(*table);
        EXPECT_EQ(rows[1][1], "name 2");
    }

    // A table cut mid-record takes new appends where the lost record was.
    writeFileBytes(path, std::vector<unsigned char>(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(lastStart + 5)));
    auto table = openTable(path);
    appendRow(*table, {"4", "name 4"});
    table.reset();
    table = openTable(path, OpenMode::ReadOnly);
    ASSERT_EQ(table->recordCount(), 3u);
    EXPECT_EQ(readRows(*table)[2][0], "4");
}

// Child: appends records 1, 2, 3, ... and reports each number on `fd` once
// appendRecord has returned. Never returns.
[[noreturn]] void appendForever(const std::string& path, int fd)
{
    std::unique_ptr<DbfTable> table;
    if (!DbfTable::open(path, OpenMode::Exclusive, &table))
        _exit(2);
    std::vector<unsigned char> rec(static_cast<std::size_t>(table->recordLength()));
    for (std::uint32_t i = 1;; ++i) {
        table->blankRecord(rec.data());
        xbase::putFieldText(rec.data(), table->schema()[0], std::to_string(i));
        xbase::putFieldText(rec.data(), table->schema()[1], "row " + std::to_string(i));
        std::uint32_t recno = 0;
        if (!table->appendRecord(rec.data(), &recno) || write(fd, &i, sizeof i) != sizeof i)
            _exit(3);
    }
}

TEST(DurabilityTest, KilledWriterKeepsEveryAppendThatReturned)
{
    testing_support::TempDir dir;
    const std::string path = dir.file("killed.dbf");
    createTable(path, kSequenceSchema).reset();

    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(fds[0]);
        appendForever(path, fds[1]);
    }
    close(fds[1]);
    std::uint32_t reported = 0;
    std::uint32_t value = 0;
    while (reported < 300 && read(fds[0], &value, sizeof value) == sizeof value)
        reported = value;
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    while (read(fds[0], &value, sizeof value) == sizeof value)
        reported = value;
    close(fds[0]);
    ASSERT_GE(reported, 300u) << "the writer stopped early";

    auto table = openTable(path, OpenMode::ReadOnly);
    ASSERT_TRUE(table);
    ASSERT_GE(table->recordCount(), reported);
    const auto rows = readRows(*table);
    for (std::uint32_t i = 0; i < table->recordCount(); ++i) {
        ASSERT_EQ(rows[i][0], std::to_string(i + 1));
        ASSERT_EQ(rows[i][1], "row " + std::to_string(i + 1));
    }
}

} // namespace
