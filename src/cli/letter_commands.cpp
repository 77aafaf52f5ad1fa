// quorvel-cli letter, letter-add and letter-rtf: form letters of the home
// folder's LETTER.DBF. `letter` runs the "Print Status Screen" run of
// "Print Letters" on "Save as PDF" (or writes each merged letter as text);
// `letter-add` stores an RTF file as "New", "Load RTF" and "Ok" do;
// `letter-rtf` gives a letter's memo back as it is stored.
#include "cli/address_selection.h"
#include "cli/command.h"
#include "cli/console_output_dialogs.h"
#include "cli/label_tables.h"
#include "cli/print_device.h"
#include "cli/usage_text.h"
#include "letters/letter_print.h"
#include "letters/letter_store.h"
#include "letters/printer_letter_sink.h"
#include "output/rp_device.h"
#include "store/dataset.h"
#include "xbase/apollo.h"

#include <QFile>
#include <QTextDocument>

#include <cstdio>
#include <memory>
#include <optional>

namespace quorvel::cli {

namespace {

const std::string kLetterUsage =
    "letter FILE --letter NAME [--filter EXPR] [--tagged] [--record N] [--order TAG] [--copies N] (--pdf OUT | --text)";
const std::string kAddUsage = "letter-add NAME RTFFILE";
const std::string kRtfUsage = "letter-rtf NAME";

QString qtext(const std::string& value) { return QString::fromStdString(value); }

// LETTER.DBF of the home folder on the letter named; false after saying why.
bool openNamedLetter(TDataset& table, const std::string& home, const QString& name)
{
    return openNamedLayout(table, home, letters::OpenLetterTable, letters::FindLetterNamed, name, "letter");
}

// The letter as the run's template; false after saying why.
bool loadNamedLetter(const std::string& home, const QString& name, QTextDocument& letter, letters::TLetterPage& page)
{
    xbase::TApollo engine;
    TDataset table(engine);
    if (!openNamedLetter(table, home, name))
        return false;
    const letters::TLetterLoad load = letters::LoadLetter(letters::LetterRtf(table), letter);
    if (!load.ok) {
        failWith("the letter \"" + name.toStdString() + "\" does not read: " + load.error.toStdString());
        return false;
    }
    page = load.page;
    return true;
}

class TQuietMonitor : public letters::TLetterPrintMonitor {
public:
    void ShowStatus(const QString&) override {}
    void ProcessEvents() override {}
};

// Each record's merged letter, a line a paragraph, then a form feed line.
int writeTexts(TCommandAddresses& file, const QTextDocument& letter, const letters::TLetterPrintOptions& options)
{
    TConsoleOutputDialogs dialogs;
    const letters::TLetterRunContext context{file.addresses, file.env, dialogs};
    const std::optional<QString> refusal =
        letters::VisitMergedLetters(context, letter, options, [](QTextDocument& merged) {
            std::fputs(merged.toPlainText().toUtf8().constData(), stdout);
            std::fputs("\n\f\n", stdout);
            return true;
        });
    if (refusal)
        return failWith(refusal->toStdString());
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return failWith("the letters could not be written to the output");
    return kOk;
}

int printLetters(TCommandAddresses& file, const ParsedArguments& args, const QTextDocument& letter,
                 const letters::TLetterPage& page, const letters::TLetterPrintOptions& options)
{
    const std::unique_ptr<output::TRPDevice> device = pdfDevice();
    if (!device)
        return kFailed;
    TConsoleOutputDialogs dialogs(pdfOutputPath(args));
    letters::TPrinterLetterSink sink(*device, dialogs, qtext(args.value("--letter")));
    TQuietMonitor monitor;
    const letters::TLetterRunContext context{file.addresses, file.env, dialogs};
    const letters::TLetterPrintResult result = letters::TLetterPrint(context, sink, monitor).Run(letter, page, options);
    if (result.outcome == output::TPrintOutcome::poCompleted) {
        std::printf("%d letters, %d pages\n", result.letters, result.pages);
        return kOk;
    }
    return failedPrintRun(result.outcome != output::TPrintOutcome::poNotRun, dialogs.Said(), result.message,
                          "the letters were not printed");
}

int runLetter(const Invocation& inv)
{
    const ParsedArguments& args = inv.args;
    if (const std::string problem = selectionUsageProblem(args); !problem.empty())
        return badUsage(kLetterUsage, problem);
    if (!args.given("--letter"))
        return badUsage(kLetterUsage, "--letter NAME is required");
    if (args.given("--pdf") == args.has("--text"))
        return badUsage(kLetterUsage, "give either --pdf OUT or --text");
    letters::TLetterPrintOptions options;
    options.records = labels::rcMatchingFilter;
    std::optional<int> record;
    if (args.given("--record") && !(record = countIn(args.value("--record"), 1, INT32_MAX)))
        return badUsage(kLetterUsage, "--record takes a record number from 1 on");
    if (args.given("--copies")) {
        const std::optional<int> copies = countIn(args.value("--copies"), 1, letters::kMaxLetterCopies);
        if (!copies)
            return badUsage(kLetterUsage, "--copies takes a number from 1 to 999");
        options.copies = *copies;
    }

    QTextDocument letter;
    letters::TLetterPage page;
    if (!loadNamedLetter(inv.home, qtext(args.value("--letter")), letter, page))
        return kFailed;
    TCommandAddresses file(inv.home);
    // An empty selection is the run's to refuse, with the window's message.
    if (file.Open(args) == TSelection::Failed)
        return kFailed;
    if (record) {
        if (!goToSelectedRecord(file.addresses, static_cast<std::uint32_t>(*record)))
            return kFailed;
        options.records = labels::rcOnlyCurrent;
    }
    return args.has("--text") ? writeTexts(file, letter, options) : printLetters(file, args, letter, page, options);
}

int runLetterAdd(const Invocation& inv)
{
    const QString name = qtext(inv.args.positional[0]).trimmed();
    const std::string& path = inv.args.positional[1];
    if (name.isEmpty())
        return badUsage(kAddUsage, "NAME must not be empty");
    QFile input(qtext(path));
    if (!input.open(QIODevice::ReadOnly))
        return failWith("cannot read " + path + ": " + input.errorString().toStdString());
    const QByteArray rtf = input.readAll();
    QTextDocument letter;
    const letters::TLetterLoad load = letters::LoadLetter(rtf, letter);
    if (!load.ok)
        return failWith(path + ": " + load.error.toStdString());

    xbase::TApollo engine;
    TDataset table(engine);
    if (!openLabelTable(table, inv.home, letters::OpenLetterTable))
        return kFailed;
    const TTableResult saved =
        letters::SaveLetterRow(table, letters::TLetterSave::lsNew, name, letters::LetterMemo(letter, load.page));
    if (!saved)
        return failWithResult(saved);
    return kOk;
}

int runLetterRtf(const Invocation& inv)
{
    xbase::TApollo engine;
    TDataset table(engine);
    if (!openNamedLetter(table, inv.home, qtext(inv.args.positional[0])))
        return kFailed;
    const QByteArray rtf = letters::LetterRtf(table);
    if (std::fwrite(rtf.constData(), 1, static_cast<std::size_t>(rtf.size()), stdout) !=
        static_cast<std::size_t>(rtf.size()))
        return failWith("the letter could not be written to the output");
    return kOk;
}

const CommandRegistrar letterCommand(
    {"letter", kLetterUsage,
     std::string("Merges the letter NAME (any case, blanks around it ignored) of the home folder's\n"
                 "LETTER.DBF with each selected record of FILE, as \"Print Letters\" does: every\n"
                 "record not deleted, or those of --filter or --tagged, or record N alone with\n"
                 "--record. --copies prints each letter 1 to 999 times. --pdf prints the letters\n"
                 "into the PDF file OUT on the letter's page size and then says \"R letters, P\n"
                 "pages\" (copies counted); --text writes each record's merged letter once, a\n"
                 "line a paragraph, followed by a line holding only a form feed. A failed print\n"
                 "leaves no PDF."),
     {.withValue = {"--letter", "--filter", "--order", "--record", "--copies", "--pdf"},
      .flags = {"--tagged", "--text"}},
     runLetter});

const CommandRegistrar letterAddCommand(
    {"letter-add", kAddUsage,
     "Appends the RTF file RTFFILE to LETTER.DBF as the letter NAME, stored as the\n"
     "letter designer stores it after \"Load RTF\". A file that is not RTF is refused.",
     {.positionalCount = 2}, runLetterAdd});

const CommandRegistrar letterRtfCommand(
    {"letter-rtf", kRtfUsage, "Writes the stored RTF text of the letter NAME, byte for byte.", {}, runLetterRtf});

} // namespace
} // namespace quorvel::cli
