// Our side of the engine benchmark: the generated records in an address
// table with its 26 tags, through the work area.
#include "address_generator.h"
#include "engine_bench_phases.h"

#include "xbase/dbf/field_codec.h"
#include "xbase/work_area.h"

#include <cstdio>
#include <stdexcept>

namespace quorvel::bench {

namespace {

using xbase::Status;

const char* const kJoFilter = "UPPER(LNAME)=\"JO\" .and. !ISDEL";

void check(const Status& s, const char* what)
{
    if (!s)
        throw std::runtime_error(std::string(what) + ": " + s.toString());
}

xbase::Schema addressSchema()
{
    xbase::Schema schema;
    for (const AddressFieldSpec& spec : addressFieldSpecs())
        schema.push_back({spec.name, spec.type, spec.width, 0, 0});
    return schema;
}

void removeTable(const std::string& path)
{
    for (const char* ext : {".dbf", ".fpt", ".cdx"})
        std::remove((path.substr(0, path.size() - 4) + ext).c_str());
}

std::unique_ptr<xbase::WorkArea> createTable(const std::string& path)
{
    removeTable(path);
    std::unique_ptr<xbase::DbfTable> table;
    check(xbase::DbfTable::create(path, addressSchema(), {}, &table), "create");
    table.reset();
    std::unique_ptr<xbase::WorkArea> area;
    check(xbase::WorkArea::open(path, xbase::OpenMode::Exclusive, {}, &area), "open");
    return area;
}

void fillRecord(xbase::DbfTable& table, const AddressRecord& r, unsigned char* rec)
{
    table.blankRecord(rec);
    const xbase::Schema& schema = table.schema();
    for (int f = 0; f < kAddressFieldCount; ++f) {
        if (schema[static_cast<std::size_t>(f)].type == 'M') {
            if (!r.values[f].empty())
                check(table.writeMemo(rec, f, r.values[f], xbase::dbf::MemoSync::Deferred), "memo");
        } else {
            check(xbase::putFieldText(rec, schema[static_cast<std::size_t>(f)], r.values[f]), "field");
        }
    }
}

long long appendRecords(xbase::WorkArea& area, std::uint32_t count, bool withMemos)
{
    constexpr std::uint32_t kBatch = 4096;
    const auto length = static_cast<std::size_t>(area.table().recordLength());
    std::vector<unsigned char> batch(kBatch * length);
    AddressGenerator generator;
    for (std::uint32_t done = 0; done < count;) {
        const std::uint32_t n = std::min(kBatch, count - done);
        for (std::uint32_t i = 0; i < n; ++i) {
            AddressRecord r = generator.next();
            if (!withMemos)
                r.values[kMemo].clear();
            fillRecord(area.table(), r, batch.data() + i * length);
        }
        check(area.appendRecords(batch.data(), n), "append");
        done += n;
    }
    return area.recCount();
}

long long buildTags(xbase::WorkArea& area)
{
    for (const AddressTagSpec& tag : addressTagSpecs())
        check(area.indexTag(tag.name, tag.keyExpression), tag.name);
    return area.orderCount();
}

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
    void set(const AddressRecord& r) { fillRecord(table_, r, bytes_.data()); }
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
        std::unique_ptr<xbase::WorkArea> plain = createTable(config.folder + "/plain.dbf");
        clock.run(kPhaseAppendPlain, [&] { return appendRecords(*plain, config.records, false); });
        check(plain->close(), "close");
        removeTable(config.folder + "/plain.dbf");
    }
    std::unique_ptr<xbase::WorkArea> area = createTable(config.folder + "/address.dbf");
    clock.run(kPhaseAppend, [&] { return appendRecords(*area, config.records, true); });
    clock.run(kPhaseIndex, [&] { return buildTags(*area); });
    clock.run(kPhaseCountIndexed, [&] { return countJo(*area, true); });
    clock.run(kPhaseCountScan, [&] { return countJo(*area, false); });
    clock.run(kPhaseSeek, [&] { return seekKeys(*area, config.seeks); });
    clock.run(kPhaseScanCity, [&] { return scanCityOrder(*area); });
    check(area->close(), "close");
    return log;
}

} // namespace quorvel::bench
