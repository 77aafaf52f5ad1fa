// quorvel-cli labels: a label layout's run for an address file, the same
// run as the "Print Labels" window's Print button, to a PDF file or a
// printer. Nobody is there to answer the run's questions: each counts as
// answered No, and the run then ends without printing.
#include "cli/address_selection.h"
#include "cli/command.h"
#include "cli/console_output_dialogs.h"
#include "cli/label_tables.h"
#include "cli/position_list.h"
#include "cli/print_device.h"
#include "cli/table_access.h"
#include "cli/usage_text.h"
#include "labels/batch_label_host.h"
#include "labels/label_design_files.h"
#include "labels/label_layout_table.h"
#include "labels/label_run.h"
#include "output/rp_device.h"
#include "store/address_dataset.h"
#include "store/dataset.h"
#include "store/home_folder.h"
#include "store/settings.h"
#include "xbase/apollo.h"
#include "xbase/apollo_env.h"

#include <cstdio>
#include <memory>
#include <optional>

namespace quorvel::cli {

namespace {

const std::string kUsage = std::string("labels FILE --layout NAME ") + kSelectionUsage +
                           " [--order TAG | --presort] [--positions LIST] [--start-position N] [--copies N] "
                           "[--pdf OUT | --printer NAME]";

// Designs are placed at the resolution they were made at on the screen.
constexpr int kPixelsPerInch = 96;

QString qtext(const std::string& value) { return QString::fromStdString(value); }
std::string utf8(const QString& text) { return text.toStdString(); }

// What the options ask for before the layout is known; a usage problem, or
// empty when there is none.
struct TypedOptions {
    std::optional<std::vector<PositionRange>> positions; // all when not given
    int startPosition = 1;
    int copies = 1;
};

std::string readTypedOptions(const ParsedArguments& args, TypedOptions& typed)
{
    if (std::string problem = selectionUsageProblem(args); !problem.empty())
        return problem;
    if (!args.given("--layout"))
        return "--layout NAME is required (label-layouts lists the layouts)";
    if (args.given("--pdf") && args.given("--printer"))
        return "--pdf and --printer cannot be given together";
    // A presorted run prints in the presort's order, one label a piece:
    // another order or copies would break up the packages.
    if (args.has("--presort") && args.given("--order"))
        return "--order and --presort cannot be given together";
    if (args.given("--copies")) {
        const std::optional<int> copies = countIn(args.value("--copies"), 1, labels::kMaxCopies);
        if (!copies)
            return "--copies takes a number from 1 to " + std::to_string(labels::kMaxCopies);
        typed.copies = *copies;
        if (typed.copies > 1 && args.has("--presort"))
            return "--presort prints one copy of each label";
    }
    if (args.given("--start-position")) {
        const std::optional<int> start = countIn(args.value("--start-position"), 1, labels::kMaxPositions);
        if (!start)
            return "--start-position takes a position from 1 to the sheet's number of labels";
        typed.startPosition = *start;
    }
    if (args.given("--positions")) {
        std::string error;
        typed.positions = parsePositionList(args.value("--positions"), &error);
        if (!typed.positions)
            return error;
    }
    return {};
}

// The mask of the typed positions on the sheet, or a usage problem.
std::string positionMask(const TypedOptions& typed, const labels::TLabelGeometry& geometry,
                         labels::TPositionMask& mask)
{
    const int count = geometry.PositionCount();
    const std::string range = "1 to " + std::to_string(count);
    if (typed.startPosition > count)
        return "--start-position " + std::to_string(typed.startPosition) + " is not on the sheet (" + range + ")";
    if (!typed.positions)
        return {};
    mask.reset();
    for (const PositionRange& positions : *typed.positions) {
        if (positions.first < 1 || positions.last > count)
            return "--positions: the sheet has positions " + range;
        for (int position = positions.first; position <= positions.last; ++position)
            mask.set(static_cast<std::size_t>(position - 1));
    }
    return {};
}

// The layout named (any case) among the rows not deleted; nothing after
// reporting why.
std::optional<labels::TLabelLayout> findLayout(const std::string& home, const QString& name)
{
    xbase::TApollo engine;
    TDataset table(engine);
    if (!openNamedLayout(table, home, labels::OpenLabelLayoutTable, labels::FindLabelLayout, name, "label layout",
                         "(label-layouts lists them)"))
        return std::nullopt;
    const labels::TLayoutRead read = labels::ReadCurrentLayout(table);
    if (!read.layout)
        failWith(utf8(read.message));
    return read.layout;
}

// The PDF printer writing to OUT, the printer whose name contains NAME or
// the system's default printer; nothing after reporting why.
std::unique_ptr<output::TRPDevice> chooseDevice(const ParsedArguments& args)
{
    return args.given("--pdf") ? pdfDevice() : systemPrinterDevice(args.value("--printer"));
}

int reportResult(const labels::TLabelRunResult& result, const TConsoleOutputDialogs& dialogs)
{
    if (result.outcome == output::TPrintOutcome::poCompleted) {
        std::printf("%d labels, %d records, %d pages\n", result.counts.labels, result.counts.records,
                    result.counts.pages);
        return kOk;
    }
    return failedPrintRun(result.outcome != output::TPrintOutcome::poNotRun, dialogs.Said(), result.message,
                          "the labels were not printed");
}

int run(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    TypedOptions typed;
    if (const std::string problem = readTypedOptions(args, typed); !problem.empty())
        return badUsage(kUsage, problem);
    const std::optional<labels::TLabelLayout> layout = findLayout(inv.home, qtext(args.value("--layout")));
    if (!layout)
        return kFailed;
    labels::TLabelRunOptions options;
    options.records = labels::rcMatchingFilter;
    options.presort = args.has("--presort");
    options.copies = typed.copies;
    options.startPosition = typed.startPosition;
    if (const std::string problem = positionMask(typed, layout->stock.geometry, options.mask); !problem.empty())
        return badUsage(kUsage, problem);

    TCommandAddresses file(inv.home);
    // An empty selection is the run's to refuse, with the window's message.
    if (file.Open(args) == TSelection::Failed)
        return kFailed;
    const std::unique_ptr<output::TRPDevice> device = chooseDevice(args);
    if (!device)
        return kFailed;
    TConsoleOutputDialogs dialogs(pdfOutputPath(args));
    labels::TBatchLabelHost host;
    const labels::TLabelRunContext context{
        file.addresses, file.env, dialogs, host, file.home.path(u"PRESORT.PSL"), device.get(), kPixelsPerInch};
    const QString design = labels::LabelDesignPath(sysdataFolder(inv.home), layout->designFile);
    return reportResult(labels::TLabelRun(context).Run(layout->stock.geometry, design, options), dialogs);
}

const CommandRegistrar labelsCommand(
    {"labels", kUsage,
     std::string("Prints the label layout NAME (any case; label-layouts lists them) for the records of\n"
                 "FILE that are not deleted, as the \"Print Labels\" window's Print button does.\n") +
         kSelectionHelp +
         "\n--order prints in the order of a tag, --presort in bulk-mail presort order (the\n"
         "presort runs first and writes PRESORT.PSL in the home folder; see presort).\n"
         "--positions lists the 1-based positions used on every sheet (\"1-3,7,290-300\";\n"
         "default all), --start-position the first position on the first sheet, --copies\n"
         "each label's copies (1 to 99; 1 with --presort). Prints to the PDF file\n"
         "OUT, the printer whose name contains NAME, or the default printer, then says\n"
         "\"L labels, R records, P pages\".",
     {.withValue = {"--layout", "--filter", "--load", "--order", "--positions", "--start-position", "--copies", "--pdf",
                    "--printer"},
      .flags = {"--tagged", "--presort"}},
     run});

} // namespace
} // namespace quorvel::cli
