#pragma once

#include <cstdint>

namespace xbase {
class TApollo;
}

namespace quorvel {

// Whether the table's query selects the record: it exists, carries no
// deletion flag and the query (when one is set) is true for it. Going to a
// record by its number passes the query by, so whoever needs the record to
// be part of the selection asks here. Leaves the engine on that record when
// it exists.
bool QuerySelectsRecord(xbase::TApollo& engine, std::uint32_t recno);

} // namespace quorvel
