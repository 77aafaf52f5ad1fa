// The generated address table in SQLite, for the benchmarks' reference side.
#include "address_table_sqlite.h"

#include "address_generator.h"

#include <stdexcept>

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

} // namespace

Database::Database(const std::string& path)
{
    if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK)
        throw std::runtime_error("cannot open " + path);
}

Database::~Database() { sqlite3_close(db_); }

void Database::exec(const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error("SQLite: " + message + " in " + sql);
    }
}

Statement::Statement(Database& db, const std::string& sql)
{
    if (sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
        throw std::runtime_error("SQLite: cannot prepare " + sql);
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::bind(int index, const std::string& text)
{
    sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void Statement::bind(int index, long long value) { sqlite3_bind_int64(stmt_, index, value); }

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw std::runtime_error("SQLite: step failed");
    return rc == SQLITE_ROW;
}

void Statement::reset() { sqlite3_reset(stmt_); }

long long Statement::column(int index) { return sqlite3_column_int64(stmt_, index); }

std::string Statement::text(int index)
{
    const auto* bytes = sqlite3_column_text(stmt_, index);
    return bytes ? std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(sqlite3_column_bytes(stmt_, index)))
                 : std::string();
}

void Statement::readRow()
{
    const int columns = sqlite3_column_count(stmt_);
    for (int i = 0; i < columns; ++i)
        sqlite3_column_bytes(stmt_, i);
}

void createAddressTable(Database& db, const std::string& name)
{
    std::string columns;
    for (const AddressFieldSpec& f : addressFieldSpecs())
        columns += std::string(f.name) + (f.type == 'L' ? " INTEGER, " : " TEXT, ");
    db.exec("CREATE TABLE " + name + "(" + columns + "DELETED INTEGER)");
}

long long appendAddressRecords(Database& db, const std::string& table, std::uint32_t count, bool withMemos,
                               AddressMix mix)
{
    std::string names, marks;
    for (const AddressFieldSpec& f : addressFieldSpecs()) {
        names += std::string(f.name) + ",";
        marks += "?,";
    }
    Statement insert(db, "INSERT INTO " + table + "(" + names + "DELETED) VALUES(" + marks + "0)");
    AddressGenerator generator(1, mix);
    db.exec("BEGIN");
    for (std::uint32_t i = 0; i < count; ++i) {
        AddressRecord r = generator.next();
        if (!withMemos)
            r.values[kMemo].clear();
        for (int f = 0; f < kAddressFieldCount; ++f) {
            if (f == kIsdel)
                insert.bind(f + 1, r.values[f] == "T" ? 1LL : 0LL);
            else
                insert.bind(f + 1, r.values[f]);
        }
        insert.step();
        insert.reset();
    }
    db.exec("COMMIT");
    return count;
}

long long buildAddressIndexes(Database& db)
{
    for (const auto& index : kIndexes)
        db.exec(std::string("CREATE INDEX tag_") + index[0] + " ON address(" + index[1] + ")");
    db.exec("ANALYZE");
    return static_cast<long long>(sizeof kIndexes / sizeof kIndexes[0]);
}

} // namespace quorvel::bench
