// quorvel-cli pack and reindex: the maintenance that rebuilds index tags.
#include "cli/progress_bar.h"
#include "cli/table_access.h"
#include "cli/tag_source.h"

namespace quorvel::cli {

namespace {

using xbase::OpenMode;
using xbase::TApollo;

const char* const kPackUsage = "pack FILE";
const char* const kReindexUsage = "reindex FILE";

bool openForMaintenance(const Invocation& inv, TApollo& table, std::string* file)
{
    *file = inv.args.positional[0];
    return openTable(table, *file, OpenMode::Exclusive, TagUse::LooksOrRebuilds);
}

int runPack(const Invocation& inv)
{
    TApollo table;
    std::string file;
    if (!openForMaintenance(inv, table, &file))
        return kFailed;
    ProgressBar bar("Packing", 1 + table.workArea()->orderCount());
    table.sx_SetGaugeHook([&bar](int percent) { return bar.update(percent); });
    const bool packed = table.sx_Pack();
    bar.finish();
    return packed ? kOk : failWith("cannot pack " + file + ": " + table.sx_LastError().message());
}

// A table whose index is missing or unreadable gets the tags its kind
// requires, when a registered source knows them.
bool createRequiredTags(TApollo& table, const std::vector<TagDefinition>& tags, ProgressBar& bar)
{
    table.sx_SetGaugeHook([&bar](int percent) { return bar.update(percent); });
    if (!table.sx_IndexName().empty() || !table.workArea()->indexProblem().isOk())
        table.sx_DeleteStructuralIndex();
    for (const TagDefinition& tag : tags)
        if (table.sx_IndexTag(tag.name, tag.keyExpression) == 0)
            return false;
    return true;
}

int runReindex(const Invocation& inv)
{
    TApollo table;
    std::string file;
    if (!openForMaintenance(inv, table, &file))
        return kFailed;
    xbase::WorkArea& area = *table.workArea();
    const std::vector<TagDefinition> required = requiredTags(table);
    if (area.orderCount() == 0 && required.empty()) {
        const std::string why = area.indexProblem().isOk() ? "it has no index" : area.indexProblem().message();
        return failWith("cannot rebuild the index of " + file + ": " + why);
    }
    ProgressBar bar("Rebuilding", static_cast<int>(required.empty() ? area.orderCount() : required.size()));
    bool rebuilt = false;
    if (required.empty()) {
        table.sx_SetGaugeHook([&bar](int percent) { return bar.update(percent); });
        rebuilt = table.sx_Reindex();
    } else {
        rebuilt = createRequiredTags(table, required, bar);
    }
    bar.finish();
    return rebuilt ? kOk : failWith("cannot rebuild the index of " + file + ": " + table.sx_LastError().message());
}

const CommandRegistrar packCommand({"pack", kPackUsage,
                                    "Removes the deleted records and rebuilds the tags.\n"
                                    "A progress bar shows on a terminal.",
                                    {}, runPack});
const CommandRegistrar reindexCommand({"reindex", kReindexUsage,
                                       "Rebuilds the tags.\n"
                                       "The 26 of an address file, the one of a system table, else those its index\n"
                                       "holds; a progress bar shows on a terminal.",
                                       {}, runReindex});

} // namespace
} // namespace quorvel::cli
