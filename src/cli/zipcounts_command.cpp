// quorvel-cli zipcounts: how many selected records carry each ZIP code, as
// the "Count Zip Codes" window counts them, as CSV; with --pdf also the
// "Zip Code Count Report" that window prints.
#include "cli/address_selection.h"
#include "cli/command.h"
#include "cli/console_output_dialogs.h"
#include "cli/csv_writer.h"
#include "cli/usage_text.h"
#include "labels/batch_label_host.h"
#include "labels/zip_count.h"
#include "labels/zip_report.h"
#include "output/rp_device.h"
#include "store/address_dataset.h"
#include "store/home_folder.h"
#include "store/settings.h"
#include "xbase/apollo.h"
#include "xbase/apollo_env.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace quorvel::cli {

namespace {

const std::string kUsage = std::string("zipcounts FILE ") + kSelectionUsage + " [--digits 3|5] [--pdf OUT.pdf]";

QString qtext(const std::string& value) { return QString::fromStdString(value); }

// 5 or 3 as asked; 0 for anything else.
int digitsAsked(const ParsedArguments& args)
{
    if (!args.given("--digits"))
        return 5;
    const std::string digits = args.value("--digits");
    return digits == "5" ? 5 : digits == "3" ? 3 : 0;
}

void writeCounts(const labels::TZipCount& counts)
{
    CsvWriter csv(stdout);
    csv.writeRow({"ZIP", "COUNT"});
    for (const auto* list : {&counts.codes, &counts.others})
        for (const labels::TZipTally& tally : *list)
            csv.writeRow({tally.code.toStdString(), std::to_string(tally.count)});
    csv.writeRow({"BLANK", std::to_string(counts.blank)});
}

// The report into the PDF file, written by the PDF printer as the window's
// Print button writes it; false after reporting why not.
bool printReport(const labels::TZipCount& counts, const std::string& file)
{
    output::TRPDevice device(std::make_unique<output::TFixedPrinterCatalog>());
    device.SelectPrinterByName(output::TRPDevice::PdfPrinterName());
    TConsoleOutputDialogs dialogs(QDir::cleanPath(QFileInfo(qtext(file)).absoluteFilePath()));
    labels::TBatchLabelHost host;
    const labels::TZipReportResult result =
        labels::RunZipReport(labels::ZipReportLines(counts), false, {dialogs, host, &device});
    if (result.outcome == output::TPrintOutcome::poCompleted)
        return true;
    failWith(result.message.isEmpty() ? "the report was not printed to " + file
                                      : "the report was not printed to " + file + ": " + result.message.toStdString());
    return false;
}

int run(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    if (const std::string problem = selectionUsageProblem(args); !problem.empty())
        return badUsage(kUsage, problem);
    const int digits = digitsAsked(args);
    if (digits == 0)
        return badUsage(kUsage, "--digits takes 3 or 5");

    TCommandAddresses file(inv.home);
    TAddressDataset& addresses = file.addresses;
    switch (file.Open(args)) {
    case TSelection::Failed: return kFailed;
    case TSelection::SelectsNothing: std::fputs(kSelectsNothingNote, stderr); return kOk;
    case TSelection::Selected: break;
    }
    labels::TSilentZipCountProgress progress;
    labels::TZipCount counts = labels::CountZipCodes(addresses, progress).value_or(labels::TZipCount());
    if (digits == 3)
        counts = labels::GroupZipCodes(counts, 3);
    if (args.given("--pdf") && !printReport(counts, args.value("--pdf")))
        return kFailed;
    writeCounts(counts);
    return kOk;
}

const CommandRegistrar zipcountsCommand(
    {"zipcounts", kUsage,
     std::string("Counts the ZIP codes of the records of FILE that are not deleted, as the \"Count Zip\n"
                 "Codes\" window does, and lists them as CSV ZIP,COUNT: the 5-digit codes ascending,\n"
                 "the other codes ascending, then BLANK for the records without a ZIP code.\n") +
         kSelectionHelp +
         "\n--digits 3 counts the codes by their first three characters. --pdf also prints the\n"
         "\"Zip Code Count Report\" into the PDF file OUT.pdf.",
     {.withValue = {"--filter", "--load", "--digits", "--pdf"}, .flags = {"--tagged"}},
     run});

} // namespace
} // namespace quorvel::cli
