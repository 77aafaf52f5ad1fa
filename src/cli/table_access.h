#pragma once

#include "cli/arguments.h"
#include "cli/command.h"
#include "xbase/apollo.h"

#include <string>

namespace quorvel::cli {

// Shared by the table commands: error reporting and opening the table.
int failWith(const std::string& message);                        // stderr, kFailed
int badUsage(const std::string& usage, const std::string& error); // stderr, kBadUsage
// Parses a command's arguments; on failure reports bad usage into *exitCode.
bool parseOrReport(const Invocation& inv, const OptionSpec& spec, const std::string& usage, ParsedArguments* out,
                   int* exitCode);
// Whether a command reads the records through the tags (orders, filters
// and counts the tags answer) or only looks at them or rebuilds them.
enum class TagUse { Reads, LooksOrRebuilds };
// A command that reads through the tags refuses a file whose tags may miss
// changes (notClosedProperlyMessage); the others open it.
bool openTable(xbase::TApollo& table, const std::string& file, xbase::OpenMode mode, TagUse tags = TagUse::Reads);
// Says that `file` was not closed properly and how to rebuild its tags.
std::string notClosedProperlyMessage(const std::string& file);
// The table's kind for `info`: "FoxPro (0xF5)".
std::string tableTypeName(const xbase::DbfTable& table);

} // namespace quorvel::cli
