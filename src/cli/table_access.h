#pragma once

#include "cli/command.h"
#include "cli/usage_text.h"
#include "xbase/apollo.h"

#include <string>

namespace quorvel::cli {

// Shared by the table commands: opening the table and naming its kind.
// False after reporting why it could not be opened.
bool openTable(xbase::TApollo& table, const std::string& file, xbase::OpenMode mode);
// The table's kind for `info`: "FoxPro (0xF5)".
std::string tableTypeName(const xbase::DbfTable& table);

} // namespace quorvel::cli
