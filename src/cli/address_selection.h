#pragma once

#include "cli/arguments.h"

#include <string>

namespace quorvel {
class TAddressDataset;
class TFilterState;
class TSettings;
} // namespace quorvel

namespace quorvel::cli {

// The records a mailing command works on, chosen as the main window's filter
// chooses them: `labels`, `presort` and `zipcounts` share these options.
//   --filter EXPR   an xBase expression, bracketed so that an ".or." in it
//                   cannot reach deleted records
//   --load F.FLT    the filter form saved in a filter file
//   --tagged        only the records tagged with the home folder's tag id
inline constexpr const char* kSelectionUsage = "[--filter EXPR | --load F.FLT] [--tagged]";
inline constexpr const char* kSelectionHelp =
    "--filter selects records as the main window's filter (an xBase expression),\n"
    "--load as the filter form saved in a filter file, --tagged only the tagged ones;\n"
    "deleted records are never selected.";

// What a command that prints nothing for an empty selection says on stderr.
inline constexpr const char* kSelectsNothingNote = "quorvel-cli: the selection holds no record\n";

// Fills the filter form from a filter file; false after reporting why not.
bool loadFilterFile(const std::string& path, TFilterState& state);

// A usage problem with the selection options (--filter with --load), or
// empty when there is none.
std::string selectionUsageProblem(const ParsedArguments& args);

enum class TSelection {
    Selected,       // the query is set and selects at least one record
    SelectsNothing, // the query is set and selects no record
    Failed          // reported on stderr: the file, its tags, the order or the filter
};

// Opens FILE (the first positional argument) as the main window does,
// refusing a file whose tags may miss changes; then the tag of --order when
// the command has that option, and the query of the selection options. A
// selection that matches no record selects nothing, never every record.
TSelection openSelectedAddresses(TAddressDataset& addresses, const ParsedArguments& args, const TSettings& settings);

} // namespace quorvel::cli
