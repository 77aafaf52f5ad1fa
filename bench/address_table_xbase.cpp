// A generated address table through the engine: created, filled in batches
// and given the 26 tags of an address file.
#include "address_table_xbase.h"

#include "xbase/dbf/field_codec.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace quorvel::bench {

void check(const xbase::Status& status, const char* what)
{
    if (!status)
        throw std::runtime_error(std::string(what) + ": " + status.toString());
}

xbase::Schema addressSchema()
{
    xbase::Schema schema;
    for (const AddressFieldSpec& spec : addressFieldSpecs())
        schema.push_back({spec.name, spec.type, spec.width, 0, 0});
    return schema;
}

void removeAddressTable(const std::string& path)
{
    for (const char* ext : {".dbf", ".fpt", ".cdx"})
        std::remove((path.substr(0, path.size() - 4) + ext).c_str());
}

std::unique_ptr<xbase::WorkArea> createAddressTable(const std::string& path)
{
    removeAddressTable(path);
    std::unique_ptr<xbase::DbfTable> table;
    check(xbase::DbfTable::create(path, addressSchema(), {}, &table), "create");
    table.reset();
    std::unique_ptr<xbase::WorkArea> area;
    check(xbase::WorkArea::open(path, xbase::OpenMode::Exclusive, {}, &area), "open");
    return area;
}

void fillAddressRecord(xbase::DbfTable& table, const AddressRecord& record, unsigned char* buffer)
{
    table.blankRecord(buffer);
    const xbase::Schema& schema = table.schema();
    for (int f = 0; f < kAddressFieldCount; ++f) {
        const xbase::FieldInfo& field = schema[static_cast<std::size_t>(f)];
        if (field.type == 'M') {
            if (!record.values[f].empty())
                check(table.writeMemo(buffer, f, record.values[f], xbase::dbf::MemoSync::Deferred), "memo");
        } else {
            check(xbase::putFieldText(buffer, field, record.values[f]), "field");
        }
    }
}

long long appendAddressRecords(xbase::WorkArea& area, std::uint32_t count, bool withMemos, AddressMix mix)
{
    constexpr std::uint32_t kBatch = 4096;
    const auto length = static_cast<std::size_t>(area.table().recordLength());
    std::vector<unsigned char> batch(kBatch * length);
    AddressGenerator generator(1, mix);
    for (std::uint32_t done = 0; done < count;) {
        const std::uint32_t n = std::min(kBatch, count - done);
        for (std::uint32_t i = 0; i < n; ++i) {
            AddressRecord r = generator.next();
            if (!withMemos)
                r.values[kMemo].clear();
            fillAddressRecord(area.table(), r, batch.data() + i * length);
        }
        check(area.appendRecords(batch.data(), n), "append");
        done += n;
    }
    return area.recCount();
}

long long buildAddressTags(xbase::WorkArea& area)
{
    for (const AddressTagSpec& tag : addressTagSpecs())
        check(area.indexTag(tag.name, tag.keyExpression), tag.name);
    return area.orderCount();
}

void writeMailingList(const std::string& path, std::uint32_t records)
{
    std::unique_ptr<xbase::WorkArea> area = createAddressTable(path);
    const auto length = static_cast<std::size_t>(area->table().recordLength());
    std::vector<unsigned char> record(length);
    AddressGenerator generator;
    for (std::uint32_t i = 0; i < records; ++i) {
        AddressRecord r = generator.next();
        r.values[kIsdel].assign(1, 'F');
        r.values[kMemo].clear();
        fillAddressRecord(area->table(), r, record.data());
        check(area->appendRecords(record.data(), 1), "append");
    }
    buildAddressTags(*area);
    check(area->close(), "close");
}

} // namespace quorvel::bench
