// quorvel-cli presort: the bulk-mail presort of the records `labels` would
// print, as the list's groups and ZIP codes with their pieces, and on demand
// the list file a presorted label run follows.
#include "cli/address_selection.h"
#include "cli/command.h"
#include "cli/csv_writer.h"
#include "cli/usage_text.h"
#include "labels/presort_count.h"
#include "labels/presort_run.h"
#include "labels/presort_passes.h"
#include "store/address_dataset.h"
#include "store/home_folder.h"
#include "store/settings.h"
#include "xbase/apollo.h"
#include "xbase/apollo_env.h"

#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace quorvel::cli {

namespace {

const std::string kUsage = std::string("presort FILE ") + kSelectionUsage + " [--out F.PSL]";

std::string utf8(const QString& text) { return text.toStdString(); }

// Counts the selection and, with --out, writes the list there as the label
// run's presort writes PRESORT.PSL; nothing after reporting why not.
std::optional<labels::TPresortCount> presortSelection(TAddressDataset& addresses, const ParsedArguments& args)
{
    // Nobody watches and nobody can cancel: the count runs straight through.
    labels::TSilentPresortProgress progress;
    if (!args.given("--out"))
        return labels::CountPresortPieces(addresses, progress);
    const QString out = QFileInfo(QString::fromStdString(args.value("--out"))).absoluteFilePath();
    labels::TPresortResult presort = labels::RunBulkMailPresort(addresses, out, progress);
    if (presort.outcome != labels::TPresortOutcome::Completed) {
        failWith(utf8(presort.message));
        return std::nullopt;
    }
    return std::move(presort.count);
}

// GROUP,ZIP,PIECES: every ZIP line of the list under its group's header,
// then the codes no package takes, each distinct code once.
void printGroups(const labels::TPresortCount& count)
{
    CsvWriter csv(stdout);
    csv.writeRow({"GROUP", "ZIP", "PIECES"});
    for (const labels::TPresortLine& line : labels::PresortGroups(count))
        csv.writeRow({utf8(line.group), utf8(line.zip), std::to_string(line.pieces)});
}

int run(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    if (const std::string problem = selectionUsageProblem(args); !problem.empty())
        return badUsage(kUsage, problem);
    TCommandAddresses file(inv.home);
    TAddressDataset& addresses = file.addresses;
    const TSelection selection = file.Open(args);
    if (selection == TSelection::Failed)
        return kFailed;
    // An empty selection still writes its list, empty, never leaving an
    // older one in place.
    if (selection == TSelection::SelectsNothing)
        std::fputs(kSelectsNothingNote, stderr);
    const std::optional<labels::TPresortCount> count = presortSelection(addresses, args);
    if (!count)
        return kFailed;
    if (selection == TSelection::Selected)
        printGroups(*count);
    return kOk;
}

const CommandRegistrar presortCommand(
    {"presort", kUsage,
     std::string("The bulk-mail presort of FILE's records that are not deleted, as CSV.\n"
                 "Presorts as a presorted label run does and prints CSV GROUP,ZIP,PIECES: one row\n"
                 "per ZIP line of the presort list in list order under its group's header line,\n"
                 "then one row per distinct ZIP code that no package takes (\"** Not presorted\":\n"
                 "empty, foreign or garbled codes).\n") +
         kSelectionHelp +
         "\n--out writes the presort list there, exactly as the label run's PRESORT.PSL.",
     {.withValue = {"--filter", "--load", "--out"}, .flags = {"--tagged"}},
     run});

} // namespace
} // namespace quorvel::cli
