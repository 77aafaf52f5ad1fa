// quorvel-cli report: a built-in or user-defined report for an address
// file, the same run as the "Print Report" window's Print button, into a
// PDF file. "All records" unless a filter or a record is given.
#include "cli/address_selection.h"
#include "cli/command.h"
#include "cli/console_output_dialogs.h"
#include "cli/label_tables.h"
#include "cli/print_device.h"
#include "cli/usage_text.h"
#include "output/rp_device.h"
#include "reports/batch_report_host.h"
#include "reports/report_run.h"
#include "reports/report_store.h"
#include "store/dataset.h"
#include "store/query_selection.h"
#include "xbase/apollo.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <variant>

namespace quorvel::cli {

namespace {

const std::string kUsage = "report FILE --report NAME --pdf OUT [--filter EXPR] [--tagged] [--order TAG] "
                           "[--record RECNO | --start RECNO] [--title TEXT] [--memo] [--codes] [--one-per-page]";

// Designs are placed at the resolution they were made at on the screen.
constexpr int kPixelsPerInch = 96;
constexpr int kLetterPaper = 1;

QString qtext(const std::string& value) { return QString::fromStdString(value); }

std::optional<std::uint32_t> recordNumber(const std::string& text)
{
    bool ok = false;
    const uint value = qtext(text).trimmed().toUInt(&ok);
    if (!ok || value < 1)
        return std::nullopt;
    return value;
}

struct TypedOptions {
    std::optional<std::uint32_t> record; // --record or --start
    std::optional<int> builtIn;          // 0 to 3 for NAME 1 to 4
};

std::string readTypedOptions(const ParsedArguments& args, TypedOptions& typed)
{
    if (!args.given("--report"))
        return "--report NAME is required (1 to 4, or a report's description)";
    if (!args.given("--pdf"))
        return "--pdf OUT is required";
    if (args.given("--record") && args.given("--start"))
        return "--record and --start cannot be given together";
    const bool filtered = args.given("--filter") || args.has("--tagged");
    if (args.given("--record") && filtered)
        return "--record prints that record alone: no --filter or --tagged with it";
    for (const char* option : {"--record", "--start"}) {
        if (args.given(option) && !(typed.record = recordNumber(args.value(option))))
            return std::string(option) + " takes a record number from 1 on";
    }
    const std::string name = args.value("--report");
    if (name.size() == 1 && name[0] >= '1' && name[0] <= '4')
        typed.builtIn = name[0] - '1';
    return {};
}

// The report of REPORT.DBF described as NAME (any case); nothing after
// reporting why.
std::optional<reports::TReportDefinition> findReport(const std::string& home, const QString& name)
{
    xbase::TApollo engine;
    TDataset table(engine);
    if (!openNamedLayout(table, home, reports::OpenReportTable, reports::FindReport, name, "report",
                         "(NAME is 1 to 4 for the built-in reports)"))
        return std::nullopt;
    return reports::ReadCurrentReport(table);
}

reports::TReportRunOptions runOptions(const ParsedArguments& args, const TypedOptions& typed)
{
    reports::TReportRunOptions options;
    options.records = args.given("--filter") || args.has("--tagged") ? labels::rcMatchingFilter
                                                                      : labels::rcAllRecords;
    if (args.given("--record"))
        options.records = labels::rcOnlyCurrent;
    options.startFromCurrent = args.given("--start");
    options.title = args.given("--title") ? qtext(args.value("--title"))
                                          : reports::DefaultReportTitle(typed.builtIn.value_or(0));
    options.printMemo = args.has("--memo");
    options.printCodes = args.has("--codes");
    options.onePerPage = args.has("--one-per-page");
    return options;
}

int reportResult(const reports::TReportRunResult& result, const TConsoleOutputDialogs& dialogs)
{
    if (result.outcome == output::TPrintOutcome::poCompleted) {
        std::printf("%d records on %d pages\n", result.records, result.pages);
        return kOk;
    }
    return failedPrintRun(result.outcome != output::TPrintOutcome::poNotRun, dialogs.Said(), result.message,
                          "the report was not printed");
}

int run(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    TypedOptions typed;
    if (const std::string problem = readTypedOptions(args, typed); !problem.empty())
        return badUsage(kUsage, problem);
    std::optional<reports::TReportDefinition> definition;
    if (!typed.builtIn) {
        definition = findReport(inv.home, qtext(args.value("--report")));
        if (!definition)
            return kFailed;
    }

    TCommandAddresses file(inv.home);
    // An empty selection is the run's to refuse, with the window's message.
    if (file.Open(args) == TSelection::Failed)
        return kFailed;
    // "Start from current record" on a record outside the selection is the
    // run's to tell about; it then starts at the first.
    if (typed.record && args.given("--start") && !file.addresses.GoTo(*typed.record))
        return failWith("there is no record " + std::to_string(*typed.record) + " in " + args.positional[0]);
    if (typed.record && args.given("--record") && !goToSelectedRecord(file.addresses, *typed.record))
        return kFailed;
    const std::unique_ptr<output::TRPDevice> device = pdfDevice();
    if (!device)
        return kFailed;
    // The built-in reports are laid out for letter paper, upright.
    if (typed.builtIn) {
        device->ChoosePaper(kLetterPaper, 0.0, 0.0);
        device->SetOrientation(QPageLayout::Portrait);
    }
    TConsoleOutputDialogs dialogs(pdfOutputPath(args));
    reports::TBatchReportHost host;
    const reports::TReportRunContext context{file.addresses, file.env,    dialogs,       host,
                                             sysdataFolder(inv.home), device.get(), kPixelsPerInch};
    reports::TReportRun run(context);
    const reports::TReportRunOptions options = runOptions(args, typed);
    return reportResult(typed.builtIn ? run.RunBuiltIn(*typed.builtIn, options)
                                      : run.RunUserDefined(*definition, options),
                        dialogs);
}

const CommandRegistrar reportCommand(
    {"report", kUsage,
     "Prints a report of the records of FILE into the PDF file OUT, as the \"Print Report\"\n"
     "window's Print button does. NAME 1 to 4 is the built-in report of that number\n"
     "(on letter paper); any other NAME is the report of REPORT.DBF with that\n"
     "description (any case), on its own paper. All records that are not deleted\n"
     "print, except those whose prefix is DELETED; --filter (an xBase expression) and\n"
     "--tagged print the records matching them instead. --record RECNO prints that\n"
     "record alone; --start RECNO starts there (a record outside the selection is\n"
     "told about and the report starts at the first). --order sets the order first\n"
     "(built-in reports keep their own; user reports print in it). --title is the\n"
     "built-in report's title (\"Report N\"), --memo and --codes add each record's\n"
     "memo and codes, --one-per-page starts a user report's records on a page each.\n"
     "Then says \"N records on P pages\".",
     {.withValue = {"--report", "--pdf", "--filter", "--order", "--record", "--start", "--title"},
      .flags = {"--tagged", "--memo", "--codes", "--one-per-page"}},
     run});

} // namespace
} // namespace quorvel::cli
