#pragma once

#include "xbase/core/file.h"
#include "xbase/core/record.h"
#include "xbase/core/status.h"
#include "xbase/dbf/dbf_header.h"
#include "xbase/dbf/table_flavor.h"

#include <string>
#include <vector>

// The header area of a DBF file as a whole: the 32-byte header, the field
// descriptors, the terminator and (Visual FoxPro) the backlink. Reading it
// checks every length against the others and against the file, so that the
// record layer can trust offsets and widths without further checks.
namespace xbase::dbf {

struct TableLayout {
    DbfHeader header;
    VersionInfo version{TableFlavor::FoxPro, MemoKind::None};
    Schema schema;              // offsets filled in
    std::uint32_t storedCount = 0; // records the file really holds, at most the header's count
};

// Reads and checks the header area of an open table. `name` is used in
// messages. Unknown versions and field types give NotSupported, damage gives
// Corruption.
Status readLayout(File& file, const std::string& name, TableLayout* out);

// The number of whole records a file of `fileSize` bytes holds after its
// header, capped by what the header claims.
std::uint32_t recordsPresent(const DbfHeader& h, std::uint64_t fileSize);

// Checks a schema for a new FoxPro 2.x table and returns it with upper-case
// names and offsets filled in.
Status normaliseNewSchema(const Schema& fields, Schema* out);

// The header area of a new table: header, descriptors and terminator.
std::vector<unsigned char> encodeLayout(const DbfHeader& h, const Schema& schema);

// Today's date in the header's date fields.
void stampToday(DbfHeader* h);

} // namespace xbase::dbf
