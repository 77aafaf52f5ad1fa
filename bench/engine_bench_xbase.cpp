// Our side of the engine benchmark: the generated records in an address
// table with its 26 tags, through the work area.
#include "address_table_xbase.h"
#include "engine_bench_phases.h"

#include <stdexcept>

namespace quorvel::bench {

namespace {

const char* const kJoFilter = "UPPER(LNAME)=\"JO\" .and. !ISDEL";

long long countJo(xbase::WorkArea& area, bool optimize)
{
    area.settings().optimizeQueries = optimize;
    check(area.setQuery(kJoFilter), "query");
    if (optimize && !area.queryPlan().usesIndex())
        throw std::runtime_error("the planner did not use the LNAME tag");
    std::uint32_t count = 0;
    check(area.queryRecCount(&count), "count");
    check(area.setQuery(""), "query");
    area.settings().optimizeQueries = true;
    return count;
}

// The record a generated key belongs to, as the engine would see it.
class KeyRecord : public xbase::RecordSource {
public:
    explicit KeyRecord(xbase::DbfTable& table) : table_(table), bytes_(static_cast<std::size_t>(table.recordLength())) {}
    void set(const AddressRecord& r) { fillAddressRecord(table_, r, bytes_.data()); }
    const xbase::Schema& schema() const override { return table_.schema(); }
    const unsigned char* recordBuffer() const override { return bytes_.data(); }
    std::uint32_t recordNumber() const override { return 0; }
    std::string memoText(int) const override { return {}; }

private:
    xbase::DbfTable& table_;
    std::vector<unsigned char> bytes_;
};

long long seekKeys(xbase::WorkArea& area, std::uint32_t seeks)
{
    check(area.setOrder(area.findOrder("LNAME")), "order");
    std::unique_ptr<xbase::Expression> keyOf;
    check(xbase::Expression::compile("UPPER(LNAME)+UPPER(FNAME)", area.schema(), &keyOf), "key");
    std::vector<std::string> keys;
    AddressGenerator generator(99);
    KeyRecord record(area.table());
    for (std::uint32_t i = 0; i < seeks; ++i) {
        AddressRecord r = generator.next();
        r.values[kMemo].clear(); // keys never read it; keep the memo file as it is
        record.set(r);
        keys.push_back(keyOf->evaluate(record).str);
    }
    long long found = 0;
    for (const std::string& key : keys) {
        bool hit = false;
        check(area.seek(key, &hit), "seek");
        found += hit ? 1 : 0;
    }
    return found;
}

long long scanCityOrder(xbase::WorkArea& area)
{
    check(area.setOrder(area.findOrder("CITY")), "order");
    long long rows = 0;
    for (check(area.goTop(), "top"); !area.eof(); check(area.skip(1), "skip"))
        ++rows;
    return rows;
}

} // namespace

std::vector<PhaseResult> runXbaseSide(const EngineBenchConfig& config)
{
    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    {
        // Without memos, appending costs one sync a batch; each memo is
        // made durable on its own.
        std::unique_ptr<xbase::WorkArea> plain = createAddressTable(config.folder + "/plain.dbf");
        clock.run(kPhaseAppendPlain, [&] { return appendAddressRecords(*plain, config.records, false); });
        check(plain->close(), "close");
        removeAddressTable(config.folder + "/plain.dbf");
    }
    std::unique_ptr<xbase::WorkArea> area = createAddressTable(config.folder + "/address.dbf");
    clock.run(kPhaseAppend, [&] { return appendAddressRecords(*area, config.records, true); });
    clock.run(kPhaseIndex, [&] { return buildAddressTags(*area); });
    clock.run(kPhaseCountIndexed, [&] { return countJo(*area, true); });
    clock.run(kPhaseCountScan, [&] { return countJo(*area, false); });
    clock.run(kPhaseSeek, [&] { return seekKeys(*area, config.seeks); });
    clock.run(kPhaseScanCity, [&] { return scanCityOrder(*area); });
    check(area->close(), "close");
    return log;
}

} // namespace quorvel::bench
