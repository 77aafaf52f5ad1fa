#pragma once

#include "address_generator.h"

#include "xbase/core/status.h"
#include "xbase/work_area.h"

#include <cstdint>
#include <memory>
#include <string>

namespace quorvel::bench {

// Setting up a generated address table with the engine, for the benchmarks
// that need one. Failures throw std::runtime_error naming what failed.

void check(const xbase::Status& status, const char* what);

// The 23 fields at the default widths of a new address file.
xbase::Schema addressSchema();

// Removes the table and its memo and index files, if present.
void removeAddressTable(const std::string& path);

// A new, empty table at `path` (any earlier one removed), opened exclusively.
std::unique_ptr<xbase::WorkArea> createAddressTable(const std::string& path);

// Puts a generated record into a record buffer of the table; memos are
// written deferred, to be synced by the next append.
void fillAddressRecord(xbase::DbfTable& table, const AddressRecord& record, unsigned char* buffer);

// Appends `count` generated records in batches; returns the record count.
long long appendAddressRecords(xbase::WorkArea& area, std::uint32_t count, bool withMemos,
                               AddressMix mix = AddressMix::Towns);

// Builds the 26 tags of an address file; returns the number of orders.
long long buildAddressTags(xbase::WorkArea& area);

// A mailing list at `path`: `records` generated addresses, all live, no
// memos, with the 26 tags.
void writeMailingList(const std::string& path, std::uint32_t records);

} // namespace quorvel::bench
