#pragma once

#include "cli/command.h"
#include "cli/usage_text.h"
#include "xbase/apollo.h"

#include <string>

namespace quorvel::cli {

// Shared by the table commands: opening the table and naming its kind.
// Whether a command reads the records through the tags (orders, filters
// and counts the tags answer) or only looks at them or rebuilds them.
enum class TagUse { Reads, LooksOrRebuilds };
// False after reporting why the table could not be opened. A command that
// reads through the tags also refuses a file whose tags may miss changes
// (notClosedProperlyMessage); the others open it.
bool openTable(xbase::TApollo& table, const std::string& file, xbase::OpenMode mode, TagUse tags = TagUse::Reads);
// Says that `file` was not closed properly and how to rebuild its tags.
std::string notClosedProperlyMessage(const std::string& file);
// The table's kind for `info`: "FoxPro (0xF5)".
std::string tableTypeName(const xbase::DbfTable& table);

} // namespace quorvel::cli
