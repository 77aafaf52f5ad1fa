#pragma once

#include "address_generator.h"

#include <sqlite3.h>

#include <cstdint>
#include <string>

namespace quorvel::bench {

// The reference side's address table: the same generated records in SQLite,
// with one expression index per address tag. Failures throw
// std::runtime_error with SQLite's message.

class Database {
public:
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const std::string& sql);
    sqlite3* handle() { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(Database& db, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const std::string& text);
    void bind(int index, long long value);
    // True when a row came back.
    bool step();
    void reset();
    long long column(int index);
    std::string text(int index);
    // Touches every column so a row is really read, as our side reads it.
    void readRow();

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// A table of the 23 address fields and a DELETED column.
void createAddressTable(Database& db, const std::string& name);
// Appends `count` generated records in one transaction; returns `count`.
long long appendAddressRecords(Database& db, const std::string& table, std::uint32_t count, bool withMemos,
                               AddressMix mix = AddressMix::Towns);
// The 26 address tags as indexes of table "address", then ANALYZE; returns
// how many.
long long buildAddressIndexes(Database& db);

} // namespace quorvel::bench
