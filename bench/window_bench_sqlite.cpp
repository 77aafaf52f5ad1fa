// The reference side of the main window benchmark: what a window over an
// indexed SQLite table would ask for the same steps. The current record is
// kept as its sort key and rowid, and every move is one indexed query with
// LIMIT 1 (keyset paging), the usual way to browse a large table.
#include "address_table_sqlite.h"
#include "window_bench_phases.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace quorvel::bench {

namespace {

// The columns of the two orders, as in the LNAME and CITY indexes, and the
// condition every view adds.
const char* const kNameKey[] = {"UPPER(LNAME)", "UPPER(FNAME)"};
const char* const kCityKey[] = {"UPPER(CITY)", "UPPER(STATE)"};
const char* const kLive = "NOT ISDEL";

struct Order {
    const char* const* columns;
};

// The record shown: its key in the current order and its rowid.
struct Shown {
    std::string first, second;
    long long rowid = 0;
};

std::string keyList(const Order& order, const char* direction)
{
    return std::string(order.columns[0]) + direction + ", " + order.columns[1] + direction + ", rowid" + direction;
}

std::string selectShown(const Order& order)
{
    return std::string("SELECT ") + order.columns[0] + ", " + order.columns[1] + ", rowid, * FROM address WHERE "
        + kLive;
}

Shown readShown(Statement& query)
{
    if (!query.step())
        throw std::runtime_error("no record to show");
    query.readRow();
    return {query.text(0), query.text(1), query.column(2)};
}

Shown firstOrLast(Database& db, const Order& order, bool last)
{
    Statement query(db, selectShown(order) + " ORDER BY " + keyList(order, last ? " DESC" : "") + " LIMIT 1");
    return readShown(query);
}

// The record after `from` in the order.
Shown nextAfter(Database& db, const Order& order, const Shown& from)
{
    Statement query(db, selectShown(order) + " AND (" + order.columns[0] + ", " + order.columns[1] + ", rowid) "
                            + "> (?1, ?2, ?3) ORDER BY " + keyList(order, "")
                            + " LIMIT 1");
    query.bind(1, from.first);
    query.bind(2, from.second);
    query.bind(3, from.rowid);
    return readShown(query);
}

// The row's key in another order, to carry the current record across.
Shown rekey(Database& db, const Order& order, long long rowid)
{
    Statement query(db, selectShown(order) + " AND rowid = ?1");
    query.bind(1, rowid);
    return readShown(query);
}

// What the window does on opening: the file and its indexes are there, the
// status line counts the records, the first record in name order is shown.
Shown openFile(Database& db)
{
    Statement indexes(db, "SELECT COUNT(*) FROM pragma_index_list('address')");
    if (!indexes.step() || indexes.column(0) < 26)
        throw std::runtime_error("the reference table lacks its indexes");
    Statement count(db, std::string("SELECT COUNT(*) FROM address WHERE ") + kLive);
    count.step();
    return firstOrLast(db, Order{kNameKey}, false);
}

} // namespace

std::vector<PhaseResult> runSqliteWindowSide(const WindowBenchConfig& config)
{
    const std::string path = config.folder + "/window-reference.sqlite";
    std::remove(path.c_str());
    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    clock.run(kPhaseSetUp, [&] {
        Database db(path);
        createAddressTable(db, "address");
        appendAddressRecords(db, "address", config.records, true);
        buildAddressIndexes(db);
        return static_cast<long long>(config.records);
    });

    std::unique_ptr<Database> db;
    Shown shown;
    const Order byCity{kCityKey};
    clock.run(kPhaseOpen, [&] {
        db = std::make_unique<Database>(path);
        shown = openFile(*db);
        return shown.rowid;
    });
    clock.run(kPhaseSortCity, [&] {
        shown = rekey(*db, byCity, shown.rowid);
        return shown.rowid;
    });
    clock.run(kPhaseLast, [&] {
        shown = firstOrLast(*db, byCity, true);
        return shown.rowid;
    });
    clock.run(kPhaseFirst, [&] {
        shown = firstOrLast(*db, byCity, false);
        return shown.rowid;
    });
    clock.run(kPhaseNext, [&] {
        for (std::uint32_t i = 0; i < config.steps; ++i)
            shown = nextAfter(*db, byCity, shown);
        return shown.rowid;
    });
    return log;
}

} // namespace quorvel::bench
