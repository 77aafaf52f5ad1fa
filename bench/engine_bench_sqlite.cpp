// The reference side: the same records in SQLite, with one expression index
// per address tag, doing the same work as our engine.
#include "address_generator.h"
#include "address_table_sqlite.h"
#include "engine_bench_phases.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace quorvel::bench {

namespace {

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
    createAddressTable(db, "plain");
    createAddressTable(db, "address");
    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    clock.run(kPhaseAppendPlain, [&] { return appendAddressRecords(db, "plain", config.records, false); });
    db.exec("DROP TABLE plain");
    clock.run(kPhaseAppend, [&] { return appendAddressRecords(db, "address", config.records, true); });
    clock.run(kPhaseIndex, [&] { return buildAddressIndexes(db); });
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
