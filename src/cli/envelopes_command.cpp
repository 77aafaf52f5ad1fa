// quorvel-cli envelopes: an envelope layout's run for an address file, the
// same run as the "Print Envelope" window's Print button, to a PDF file or
// the envelope printer of the settings. Nobody is there to answer
// "Envelope Print": the feed of the settings (or --feed) and the paper of
// --paper are taken as they are.
#include "cli/address_selection.h"
#include "cli/command.h"
#include "cli/console_output_dialogs.h"
#include "cli/envelope_feed_option.h"
#include "cli/label_tables.h"
#include "cli/print_device.h"
#include "cli/usage_text.h"
#include "envelopes/batch_envelope_host.h"
#include "envelopes/envelope_layouts.h"
#include "envelopes/envelope_run.h"
#include "output/rp_device.h"
#include "store/dataset.h"
#include "store/query_selection.h"
#include "xbase/apollo.h"

#include <cstdio>
#include <memory>
#include <optional>

namespace quorvel::cli {

namespace {

const std::string kUsage = std::string("envelopes FILE --layout NAME ") + kSelectionUsage +
                           " [--order TAG] [--record N] [--feed POS,ORIENT,FACING[,cw]] [--paper CODE] [--pdf OUT]";

// Designs are placed at the resolution they were made at on the screen.
constexpr int kPixelsPerInch = 96;

QString qtext(const std::string& value) { return QString::fromStdString(value); }
std::string utf8(const QString& text) { return text.toStdString(); }

std::optional<int> positiveNumber(const std::string& text)
{
    bool ok = false;
    const int value = qtext(text).trimmed().toInt(&ok);
    if (!ok || value < 1)
        return std::nullopt;
    return value;
}

// What the options ask for before the layout is known.
struct TypedOptions {
    std::optional<int> record;
    std::optional<int> paperCode;
    std::optional<envelopes::TEnvelopeFeedDescription> feed;
};

// A usage problem, or empty when there is none.
std::string readTypedOptions(const ParsedArguments& args, TypedOptions& typed)
{
    if (std::string problem = selectionUsageProblem(args); !problem.empty())
        return problem;
    if (!args.given("--layout"))
        return "--layout NAME is required (envelope-layouts lists the layouts)";
    if (args.given("--record") && !(typed.record = positiveNumber(args.value("--record"))))
        return "--record takes a record number from 1 on";
    if (args.given("--paper") && !(typed.paperCode = positiveNumber(args.value("--paper"))))
        return "--paper takes a paper code of the printer (1 letter, 3 tabloid, 9 A4, ...)";
    if (args.given("--feed")) {
        std::string problem;
        typed.feed = parseEnvelopeFeed(args.value("--feed"), &problem);
        if (!typed.feed)
            return problem;
    }
    return {};
}

// The layout named (any case) among the rows not deleted; nothing after
// reporting why.
std::optional<envelopes::TEnvelopeLayout> findLayout(const std::string& home, const QString& name)
{
    xbase::TApollo engine;
    TDataset table(engine);
    if (!openNamedLayout(table, home, envelopes::OpenEnvelopeLayoutTable, envelopes::FindEnvelopeLayout, name,
                         "envelope layout"))
        return std::nullopt;
    return envelopes::ReadCurrentEnvelopeLayout(table);
}

// Up to four decimals, as far as they say something: "11", "2.1875".
std::string inches(double value)
{
    QString text = QString::number(value, 'f', 4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return utf8(text == QStringLiteral("-0") ? QStringLiteral("0") : text);
}

int reportResult(const envelopes::TEnvelopeRunResult& result, const envelopes::TBatchEnvelopeHost& host,
                 const TConsoleOutputDialogs& dialogs)
{
    if (result.outcome == output::TPrintOutcome::poCompleted) {
        std::printf("%d envelopes on %s x %s in %s paper, design at %s, %s in\n", result.envelopes,
                    inches(result.paper.width()).c_str(), inches(result.paper.height()).c_str(),
                    result.landscape ? "landscape" : "portrait", inches(result.offset.x()).c_str(),
                    inches(result.offset.y()).c_str());
        return kOk;
    }
    if (!host.Refusal().isEmpty())
        return failWith(utf8(host.Refusal()));
    return failedPrintRun(result.outcome != output::TPrintOutcome::poNotRun, dialogs.Said(), result.message,
                          "the envelopes were not printed");
}

int run(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    TypedOptions typed;
    if (const std::string problem = readTypedOptions(args, typed); !problem.empty())
        return badUsage(kUsage, problem);
    const std::optional<envelopes::TEnvelopeLayout> layout = findLayout(inv.home, qtext(args.value("--layout")));
    if (!layout)
        return kFailed;

    TCommandAddresses file(inv.home);
    // An empty selection is the run's to refuse, with the window's message.
    if (file.Open(args) == TSelection::Failed)
        return kFailed;
    envelopes::TEnvelopeRunOptions options;
    if (typed.record) {
        if (!goToSelectedRecord(file.addresses, static_cast<std::uint32_t>(*typed.record)))
            return kFailed;
        options.records = labels::rcOnlyCurrent;
    }
    const bool toPdf = args.given("--pdf");
    const std::unique_ptr<output::TRPDevice> device = toPdf ? pdfDevice() : systemPrinterDevice({});
    if (!device)
        return kFailed;

    envelopes::TBatchEnvelopeHost host;
    host.settings = &file.settings.ini();
    host.feed = typed.feed;
    host.selectSettingsPrinter = !toPdf;
    host.paperCode = typed.paperCode;
    // One line, so that a script can tell it from the run's own messages.
    host.onWarning = [](const QString& warning) {
        warn(QString(warning).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    };
    TConsoleOutputDialogs dialogs(pdfOutputPath(args));
    const envelopes::TEnvelopeRunContext context{file.addresses, file.env,    dialogs,       host,
                                                 sysdataFolder(inv.home), device.get(), kPixelsPerInch};
    return reportResult(envelopes::TEnvelopeRun(context).Run(*layout, options), host, dialogs);
}

const CommandRegistrar envelopesCommand(
    {"envelopes", kUsage,
     std::string("Prints the envelope layout NAME (any case) for the records of FILE that are not\n"
                 "deleted, one envelope a page, as the \"Print Envelope\" window's Print button does.\n") +
         kSelectionHelp +
         "\n--order prints in the order of a tag; --record N prints record N alone (\"Only\n"
         "current record\"). --feed describes how the printer takes envelopes for this run\n"
         "(left|right|center, portrait|landscape, up|down, and cw for clockwise rotation;\n"
         "\"center,landscape,down\"); without it the \"Envelope Feed\" settings are used.\n"
         "The paper is the envelope's own unless --paper selects a paper code of the\n"
         "printer (1 letter, 3 tabloid, 9 A4, ...). Prints to the PDF file OUT, else to\n"
         "the envelope printer of the settings, then says \"N envelopes on W x H in\n"
         "landscape|portrait paper, design at X, Y in\". A paper that does not fit the\n"
         "envelope is warned about on stderr. The settings file is never written.",
     {.withValue = {"--layout", "--filter", "--load", "--order", "--record", "--feed", "--paper", "--pdf"},
      .flags = {"--tagged"}},
     run});

} // namespace
} // namespace quorvel::cli
