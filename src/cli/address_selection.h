#pragma once

#include "cli/arguments.h"
#include "store/address_dataset.h"
#include "store/home_folder.h"
#include "store/settings.h"
#include "xbase/apollo.h"
#include "xbase/apollo_env.h"

#include <cstdint>
#include <string>

namespace quorvel {
class TFilterState;
}

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

// Stands on record N for "Only current record" or a start from it: a
// record the selection holds, as the main window could show. False after
// reporting that it is not among the selected records.
bool goToSelectedRecord(TAddressDataset& addresses, std::uint32_t record);

// The address file a mailing command works on, with what it takes: the
// home folder, its settings (the tag id, and what else the command reads)
// and an engine of its own.
class TCommandAddresses {
public:
    explicit TCommandAddresses(const std::string& homeFolder)
        : home(QString::fromStdString(homeFolder)), settings(home.iniPath())
    {
    }

    // openSelectedAddresses on this command's arguments.
    TSelection Open(const ParsedArguments& args) { return openSelectedAddresses(addresses, args, settings); }

    const THomeFolder home;
    const TSettings settings;
    xbase::TApolloEnv env;
    xbase::TApollo engine{env};
    TAddressDataset addresses{engine};
};

} // namespace quorvel::cli
