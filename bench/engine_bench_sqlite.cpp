// The reference side: the same records in SQLite, with one expression index
// per address tag, doing the same work as our engine.
#include "address_generator.h"
#include "engine_bench_phases.h"

#include <sqlite3.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace quorvel::bench {

namespace {

// The address tags as SQLite indexes. "A-B" of padded xBase fields (blanks
// of A moved to the end) orders like A||B of SQLite's unpadded text; "A+B"
// of padded fields orders like the column pair (A, B).
const char* const kIndexes[][2] = {
    {"NAME", "UPPER(LNAME||FNAME)"}, {"LNAME", "UPPER(LNAME), UPPER(FNAME)"},
    {"FNAME", "UPPER(FNAME)"}, {"TITLE", "UPPER(TITLE)"}, {"ORG", "UPPER(ORG)"},
    {"STREET", "UPPER(STREET)"}, {"STREET2", "UPPER(STREET2)"},
    {"CITY", "UPPER(CITY), UPPER(STATE)"}, {"STATE", "UPPER(STATE)"}, {"ZIP", "UPPER(ZIP)"},
    {"COUNTRY", "UPPER(COUNTRY)"}, {"PHONE", "UPPER(PHONE)"}, {"PHONE2", "UPPER(PHONE2)"},
    {"EMAIL", "UPPER(EMAIL)"}, {"FAX", "UPPER(FAX)"}, {"USER1", "UPPER(USER1)"},
    {"USER2", "UPPER(USER2)"}, {"DATE", "UPPER(DATE)"}, {"TAG", "UPPER(TAG)"},
    {"CODES", "UPPER(CODES)"}, {"PREFIX", "UPPER(PREFIX)"}, {"MIDDLE", "UPPER(MIDDLE)"},
    {"DELETED", "DELETED"}, {"STATEZIP", "UPPER(STATE||ZIP)"}, {"ISDEL", "ISDEL"},
    {"NOTISDEL", "(NOT ISDEL)"},
};

class Database {
public:
    explicit Database(const std::string& path)
    {
        if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path);
    }
    ~Database() { sqlite3_close(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const std::string& sql)
    {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "unknown error";
            sqlite3_free(error);
            throw std::runtime_error("SQLite: " + message + " in " + sql);
        }
    }
    sqlite3* handle() { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(Database& db, const std::string& sql)
    {
        if (sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
            throw std::runtime_error("SQLite: cannot prepare " + sql);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const std::string& text) { sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT); }
    void bind(int index, int value) { sqlite3_bind_int(stmt_, index, value); }
    bool step()
    {
        const int rc = sqlite3_step(stmt_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            throw std::runtime_error("SQLite: step failed");
        return rc == SQLITE_ROW;
    }
    void reset() { sqlite3_reset(stmt_); }
    long long column(int index) { return sqlite3_column_int64(stmt_, index); }
    int columnCount() { return sqlite3_column_count(stmt_); }
    // Touches every column so a row is really read, as our side reads it.
    void readRow()
    {
        for (int i = 0; i < columnCount(); ++i)
            sqlite3_column_bytes(stmt_, i);
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

void createTable(Database& db, const std::string& name)
{
    std::string columns;
    for (const AddressFieldSpec& f : addressFieldSpecs())
        columns += std::string(f.name) + (f.type == 'L' ? " INTEGER, " : " TEXT, ");
    db.exec("CREATE TABLE " + name + "(" + columns + "DELETED INTEGER)");
}

long long appendRecords(Database& db, const std::string& table, std::uint32_t count, bool withMemos)
{
    std::string names, marks;
    for (const AddressFieldSpec& f : addressFieldSpecs()) {
        names += std::string(f.name) + ",";
        marks += "?,";
    }
    Statement insert(db, "INSERT INTO " + table + "(" + names + "DELETED) VALUES(" + marks + "0)");
    AddressGenerator generator;
    db.exec("BEGIN");
    for (std::uint32_t i = 0; i < count; ++i) {
        AddressRecord r = generator.next();
        if (!withMemos)
            r.values[kMemo].clear();
        for (int f = 0; f < kAddressFieldCount; ++f) {
            if (f == kIsdel)
                insert.bind(f + 1, r.values[f] == "T" ? 1 : 0);
            else
                insert.bind(f + 1, r.values[f]);
        }
        insert.step();
        insert.reset();
    }
    db.exec("COMMIT");
    return count;
}

long long buildIndexes(Database& db)
{
    for (const auto& index : kIndexes)
        db.exec(std::string("CREATE INDEX tag_") + index[0] + " ON address(" + index[1] + ")");
    db.exec("ANALYZE");
    return static_cast<long long>(sizeof kIndexes / sizeof kIndexes[0]);
}

long long countOf(Database& db, const std::string& sql)
{
    Statement count(db, sql);
    count.step();
    return count.column(0);
}

long long seekKeys(Database& db, std::uint32_t seeks)
{
    Statement seek(db, "SELECT * FROM address WHERE UPPER(LNAME)=UPPER(?1) AND UPPER(FNAME)=UPPER(?2) "
                       "ORDER BY UPPER(LNAME), UPPER(FNAME) LIMIT 1");
    AddressGenerator keys(99);
    long long found = 0;
    for (std::uint32_t i = 0; i < seeks; ++i) {
        const AddressRecord r = keys.next();
        seek.bind(1, r[kLname]);
        seek.bind(2, r[kFname]);
        if (seek.step()) {
            seek.readRow();
            ++found;
        }
        seek.reset();
    }
    return found;
}

long long scanInCityOrder(Database& db)
{
    Statement scan(db, "SELECT * FROM address ORDER BY UPPER(CITY), UPPER(STATE)");
    long long rows = 0;
    while (scan.step()) {
        scan.readRow();
        ++rows;
    }
    return rows;
}

} // namespace

std::vector<PhaseResult> runSqliteSide(const EngineBenchConfig& config)
{
    const std::string path = config.folder + "/reference.sqlite";
    std::remove(path.c_str());
    Database db(path);
    createTable(db, "plain");
    createTable(db, "address");
    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    clock.run(kPhaseAppendPlain, [&] { return appendRecords(db, "plain", config.records, false); });
    db.exec("DROP TABLE plain");
    clock.run(kPhaseAppend, [&] { return appendRecords(db, "address", config.records, true); });
    clock.run(kPhaseIndex, [&] { return buildIndexes(db); });
    // LIKE on an expression never uses an index in SQLite; the range is the
    // same condition in the form its planner answers from tag_LNAME.
    clock.run(kPhaseCountIndexed, [&] {
        return countOf(db, "SELECT COUNT(*) FROM address WHERE UPPER(LNAME) >= 'JO' AND UPPER(LNAME) < 'JP' AND NOT ISDEL");
    });
    clock.run(kPhaseCountScan, [&] {
        return countOf(db, "SELECT COUNT(*) FROM address NOT INDEXED WHERE UPPER(LNAME) LIKE 'JO%' AND NOT ISDEL");
    });
    clock.run(kPhaseSeek, [&] { return seekKeys(db, config.seeks); });
    clock.run(kPhaseScanCity, [&] { return scanInCityOrder(db); });
    return log;
}

} // namespace quorvel::bench
