// What a crash leaves behind: a table cut anywhere inside its last record,
// and a writer killed in the middle of a stream of appends (one record at a
// time, or batches with memos).

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

const xbase::Schema kSequenceMemoSchema = {{"SEQ", 'N', 10, 0, 0}, {"NAME", 'C', 12, 0, 0}, {"NOTES", 'M', 10, 0, 0}};

std::string memoOf(std::uint32_t i) { return "memo of row " + std::to_string(i) + std::string(i % 150, 'm'); }

// How the killed writer appends: one record a call, or batches whose memos
// are deferred to the batch's sync.
struct WriterCase {
    const char* name;
    const xbase::Schema* schema;
    std::uint32_t batch;
};

// Child: appends records 1, 2, 3, ... in batches of `c.batch` and reports
// the last number of each batch on `fd` once the append has returned.
// Never returns.
[[noreturn]] void appendForever(const std::string& path, const WriterCase& c, int fd)
{
    std::unique_ptr<DbfTable> table;
    if (!DbfTable::open(path, OpenMode::Exclusive, &table))
        _exit(2);
    const auto length = static_cast<std::size_t>(table->recordLength());
    const bool memos = table->schema().size() > 2;
    std::vector<unsigned char> batch(length * c.batch);
    for (std::uint32_t i = 1;; i += c.batch) {
        for (std::uint32_t k = 0; k < c.batch; ++k) {
            unsigned char* rec = batch.data() + k * length;
            table->blankRecord(rec);
            xbase::putFieldText(rec, table->schema()[0], std::to_string(i + k));
            xbase::putFieldText(rec, table->schema()[1], "row " + std::to_string(i + k));
            if (memos && !table->writeMemo(rec, 2, memoOf(i + k), xbase::dbf::MemoSync::Deferred))
                _exit(4);
        }
        std::uint32_t first = 0;
        const std::uint32_t last = i + c.batch - 1;
        if (!table->appendRecords(batch.data(), c.batch, &first) || write(fd, &last, sizeof last) != sizeof last)
            _exit(3);
    }
}

class KilledWriterTest : public testing::TestWithParam<WriterCase> {};

TEST_P(KilledWriterTest, KeepsEveryAppendThatReturned)
{
    const WriterCase& c = GetParam();
    testing_support::TempDir dir;
    const std::string path = dir.file("killed.dbf");
    createTable(path, *c.schema).reset();

    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(fds[0]);
        appendForever(path, c, fds[1]);
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
        if (rows[i].size() > 2) {
            ASSERT_EQ(rows[i][2], memoOf(i + 1));
        }
    }
    // The table takes appends where the killed writer stopped.
    table.reset();
    table = openTable(path);
    ASSERT_TRUE(table);
    const std::uint32_t count = table->recordCount();
    std::vector<std::string> next = {std::to_string(count + 1), "row " + std::to_string(count + 1)};
    if (c.schema->size() > 2)
        next.push_back(memoOf(count + 1));
    appendRow(*table, next);
    table.reset();
    table = openTable(path, OpenMode::ReadOnly);
    EXPECT_EQ(readRows(*table).back(), next);
}

const WriterCase kWriterCases[] = {
    {"SingleRecords", &kSequenceSchema, 1},
    {"BatchesWithDeferredMemos", &kSequenceMemoSchema, 37},
};

INSTANTIATE_TEST_SUITE_P(DurabilityTest, KilledWriterTest, testing::ValuesIn(kWriterCases),
                         [](const testing::TestParamInfo<WriterCase>& p) { return std::string(p.param.name); });

} // namespace
