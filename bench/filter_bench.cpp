// Filter benchmark: the main window's filter (last name starts with JO and
// state NY) built by the filter form's code, applied to an address table and
// counted, against the same count in SQLite, on the same generated records.
// Each side runs in a child process of its own so that its peak memory is
// its own.
//
//   bench_filter [--records N] [--dir FOLDER]
#include "address_generator.h"
#include "bench_main.h"

#include "store/filter_apply.h"
#include "xbase/apollo.h"
#include "xbase/dbf/field_codec.h"
#include "xbase/work_area.h"

#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel::bench {

namespace {

struct Phase {
    std::string name;
    double seconds = 0;
    long long result = 0;
    long peakKb = 0;
};

struct Config {
    std::uint32_t records = 1000000;
    std::string folder;
};

const char* const kPhaseLoad = "load records";
const char* const kPhaseScan = "filter count, no tags (scan)";
const char* const kPhaseTags = "build LNAME and STATE tags";
const char* const kPhaseIndexed = "filter count, with tags";

long peakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void timePhase(std::vector<Phase>& log, const char* name, const std::function<long long()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    const long long result = work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    log.push_back({name, took.count(), result, peakResidentKb()});
}

void check(bool ok, const std::string& what)
{
    if (!ok)
        throw std::runtime_error(what);
}

// ---- our side: the filter form's code on an address table ----

long long loadTable(const std::string& path, std::uint32_t count)
{
    xbase::Schema schema;
    for (const AddressFieldSpec& spec : addressFieldSpecs())
        schema.push_back({spec.name, spec.type, spec.width, 0, 0});
    std::unique_ptr<xbase::DbfTable> created;
    check(xbase::DbfTable::create(path, schema, {}, &created).isOk(), "create " + path);
    created.reset();
    std::unique_ptr<xbase::WorkArea> area;
    check(xbase::WorkArea::open(path, xbase::OpenMode::Exclusive, {}, &area).isOk(), "open " + path);
    const xbase::Schema& fields = area->table().schema(); // with the offsets filled in
    const auto length = static_cast<std::size_t>(area->table().recordLength());
    constexpr std::uint32_t kBatch = 4096;
    std::vector<unsigned char> batch(kBatch * length);
    AddressGenerator generator;
    for (std::uint32_t done = 0; done < count;) {
        const std::uint32_t n = std::min(kBatch, count - done);
        for (std::uint32_t i = 0; i < n; ++i) {
            unsigned char* rec = batch.data() + i * length;
            area->table().blankRecord(rec);
            const AddressRecord r = generator.next();
            for (int f = 0; f < kAddressFieldCount; ++f) {
                if (f == kMemo) // the filter never reads memos
                    continue;
                const xbase::FieldInfo& field = fields[static_cast<std::size_t>(f)];
                check(xbase::putFieldText(rec, field, r.values[f]).isOk(), std::string("field ") + field.name);
            }
        }
        check(area->appendRecords(batch.data(), n).isOk(), "append");
        done += n;
    }
    check(area->close().isOk(), "close");
    return count;
}

long long applyFilter(xbase::TApollo& table)
{
    TFilterState state;
    state.value(TFilterBox::fbLName) = QStringLiteral("jo");
    state.value(TFilterBox::fbState) = QStringLiteral("NY");
    const TFilterOutcome outcome = ApplyFilter(table, state, QStringLiteral("VK0GYQV"));
    check(outcome.message.isEmpty(), outcome.message.toStdString());
    return outcome.count;
}

std::vector<Phase> runOurSide(const Config& config)
{
    const std::string path = config.folder + "/add0001.dbf";
    std::vector<Phase> log;
    timePhase(log, kPhaseLoad, [&] { return loadTable(path, config.records); });
    xbase::TApollo table;
    check(table.sx_Use(path), "use " + path);
    timePhase(log, kPhaseScan, [&] { return applyFilter(table); });
    timePhase(log, kPhaseTags, [&] {
        check(table.sx_IndexTag("LNAME", "UPPER(LNAME)+UPPER(FNAME)") != 0, "LNAME tag");
        check(table.sx_IndexTag("STATE", "UPPER(STATE)") != 0, "STATE tag");
        return 2;
    });
    timePhase(log, kPhaseIndexed, [&] { return applyFilter(table); });
    table.sx_Close();
    return log;
}

// ---- the reference: the same records and count in SQLite ----

void exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error("SQLite: " + message + " in " + sql);
    }
}

long long loadSqlite(sqlite3* db, std::uint32_t count)
{
    std::string columns, marks;
    for (const AddressFieldSpec& f : addressFieldSpecs()) {
        columns += std::string(columns.empty() ? "" : ",") + f.name;
        marks += marks.empty() ? "?" : ",?";
    }
    exec(db, "CREATE TABLE address(" + columns + ")");
    sqlite3_stmt* insert = nullptr;
    check(sqlite3_prepare_v2(db, ("INSERT INTO address VALUES(" + marks + ")").c_str(), -1, &insert, nullptr) == SQLITE_OK,
          "prepare insert");
    AddressGenerator generator;
    exec(db, "BEGIN");
    for (std::uint32_t i = 0; i < count; ++i) {
        const AddressRecord r = generator.next();
        for (int f = 0; f < kAddressFieldCount; ++f) {
            if (f == kIsdel)
                sqlite3_bind_int(insert, f + 1, r.values[f] == "T" ? 1 : 0);
            else if (f != kMemo)
                sqlite3_bind_text(insert, f + 1, r.values[f].data(), static_cast<int>(r.values[f].size()), SQLITE_TRANSIENT);
        }
        check(sqlite3_step(insert) == SQLITE_DONE, "insert");
        sqlite3_reset(insert);
    }
    exec(db, "COMMIT");
    sqlite3_finalize(insert);
    return count;
}

// "Starts with" as ranges, the form SQLite's planner answers from an index.
long long countSqlite(sqlite3* db)
{
    const char* sql = "SELECT COUNT(*) FROM address WHERE UPPER(LNAME) >= 'JO' AND UPPER(LNAME) < 'JP' "
                      "AND UPPER(STATE) >= 'NY' AND UPPER(STATE) < 'NZ' AND NOT ISDEL";
    sqlite3_stmt* stmt = nullptr;
    check(sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK, "prepare count");
    check(sqlite3_step(stmt) == SQLITE_ROW, "count");
    const long long count = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return count;
}

std::vector<Phase> runSqliteSide(const Config& config)
{
    const std::string path = config.folder + "/reference.sqlite";
    std::remove(path.c_str());
    sqlite3* db = nullptr;
    check(sqlite3_open(path.c_str(), &db) == SQLITE_OK, "open " + path);
    std::vector<Phase> log;
    try {
        timePhase(log, kPhaseLoad, [&] { return loadSqlite(db, config.records); });
        timePhase(log, kPhaseScan, [&] { return countSqlite(db); });
        timePhase(log, kPhaseTags, [&] {
            exec(db, "CREATE INDEX tag_LNAME ON address(UPPER(LNAME), UPPER(FNAME))");
            exec(db, "CREATE INDEX tag_STATE ON address(UPPER(STATE))");
            exec(db, "ANALYZE");
            return 2;
        });
        timePhase(log, kPhaseIndexed, [&] { return countSqlite(db); });
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
    return log;
}

// ---- running both and reporting ----

std::vector<Phase> parsePhases(const std::string& text)
{
    std::vector<Phase> phases;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        Phase p;
        std::istringstream fields(line);
        std::getline(fields, p.name, '\t');
        fields >> p.seconds >> p.result >> p.peakKb;
        phases.push_back(p);
    }
    return phases;
}

// Runs one side in a child and reads back its phases, one line each.
std::vector<Phase> runInChild(std::vector<Phase> (*side)(const Config&), const Config& config, const char* label)
{
    int fds[2];
    check(pipe(fds) == 0, "pipe");
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        std::ostringstream out;
        int status = 0;
        try {
            for (const Phase& p : side(config))
                out << p.name << '\t' << p.seconds << '\t' << p.result << '\t' << p.peakKb << '\n';
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s side failed: %s\n", label, e.what());
            status = 1;
        }
        const std::string text = out.str();
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t n = write(fds[1], text.data() + done, text.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        _exit(status);
    }
    close(fds[1]);
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
        text.append(buf, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    check(WIFEXITED(status) && WEXITSTATUS(status) == 0, std::string(label) + " side did not finish");
    return parsePhases(text);
}

void printReport(const Config& config, const std::vector<Phase>& ours, const std::vector<Phase>& sqlite)
{
    std::printf("%u records; filter: last name starts with JO and state NY, records not deleted\n\n", config.records);
    std::printf("%-30s %10s %10s %8s %9s %9s %9s %10s\n", "phase", "ours s", "SQLite s", "ratio", "ours n",
                "SQLite n", "ours MB", "SQLite MB");
    for (std::size_t i = 0; i < ours.size() && i < sqlite.size(); ++i) {
        const Phase& o = ours[i];
        const Phase& s = sqlite[i];
        std::printf("%-30s %10.4f %10.4f %8.2f %9lld %9lld %9.1f %10.1f%s\n", o.name.c_str(), o.seconds, s.seconds,
                    s.seconds > 0 ? o.seconds / s.seconds : 0.0, o.result, s.result, o.peakKb / 1024.0,
                    s.peakKb / 1024.0, o.result == s.result ? "" : "  COUNTS DIFFER");
    }
    std::printf("ratio = ours / SQLite (below 1: ours is faster); MB = peak resident memory of that side so far\n");
}

Config parseArguments(int argc, char* argv[])
{
    Config config;
    parseOptions(argc, argv,
                 {{"--records", [&](const std::string& value) { config.records = countValue(value); }},
                  {"--dir", [&](const std::string& value) { config.folder = value; }}});
    return config;
}

} // namespace
} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    return runBenchmark("bench_filter", [&] {
        Config config = parseArguments(argc, argv);
        const RunFolder folder(config.folder, "quorvel-filter-bench-");
        std::filesystem::create_directories(config.folder);
        const std::vector<Phase> ours = runInChild(runOurSide, config, "our");
        const std::vector<Phase> sqlite = runInChild(runSqliteSide, config, "SQLite");
        printReport(config, ours, sqlite);
        return 0;
    });
}
