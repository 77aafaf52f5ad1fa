// Letter run benchmark: a two-page letter with merge tokens, merged with
// every record and printed to one PDF through the letter run that the
// `letter` command and "Print Letters" use, against the same merged
// documents each printed by QTextDocument::print (which opens a document
// of its own for every letter). Each side runs in a child process; the
// peak memory of ours should not grow with the number of letters.
//
//   bench_letters [--letters N] [--dir FOLDER]
//
// Without --letters it runs 1,000 and then 5,000 letters.
#include "address_piece.h"
#include "address_table_xbase.h"
#include "bench_main.h"
#include "mail_sides.h"
#include "side_process.h"

#include "design/model/address_record.h"
#include "letters/letter_merge.h"
#include "letters/letter_page.h"
#include "letters/letter_print.h"
#include "letters/printer_letter_sink.h"
#include "store/address_file.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel::bench {

namespace {

constexpr const char* kPhasePdf = "letters to PDF";
constexpr double kScreenPixelsPerInch = 96.0;

struct LettersBenchConfig {
    std::uint32_t letters = 1000;
    std::string folder;
};

std::string addressFile(const LettersBenchConfig& config) { return config.folder + "/people.dbf"; }

// The letter: the date, the address block, a salutation and enough text
// for a page, then the closing on a page of its own.
void writeLetter(QTextDocument& letter)
{
    QTextCursor cursor(&letter);
    QTextCharFormat text;
    text.setFontFamilies({QStringLiteral("Arial")});
    text.setFontPointSize(11);
    cursor.insertText(QStringLiteral("[Long Date]"), text);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("[Name and Address]"), text);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Dear [Prefix] [Last],"), text);
    const QString paragraph = QStringLiteral(
        "Thank you for your support of our work in [City] this year. Members like you, [First], make every "
        "mailing possible, and we would like to tell you what your help has done and what comes next. ");
    for (int i = 0; i < 6; ++i) {
        cursor.insertBlock();
        cursor.insertText(paragraph.repeated(2), text);
    }
    QTextBlockFormat newPage;
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(newPage);
    cursor.insertText(QStringLiteral("With kind regards,"), text);
}

class TQuietMonitor : public letters::TLetterPrintMonitor {
public:
    void ShowStatus(const QString&) override {}
    void ProcessEvents() override {}
};

std::vector<PhaseResult> runOurSide(const LettersBenchConfig& config)
{
    const OffscreenApplication application;
    QTextDocument letter;
    writeLetter(letter);
    std::vector<PhaseResult> phases;
    PhaseClock(phases).run(kPhasePdf, [&] {
        MailRunPlace place(addressFile(config), QString::fromStdString(config.folder + "/ours.pdf"));
        letters::TPrinterLetterSink sink(place.device, place.dialogs, QStringLiteral("Bench"));
        TQuietMonitor monitor;
        const letters::TLetterRunContext context{place.addresses, place.env, place.dialogs};
        letters::TLetterPrintOptions options;
        options.records = labels::rcMatchingFilter;
        const letters::TLetterPrintResult result =
            letters::TLetterPrint(context, sink, monitor).Run(letter, letters::TLetterPage(), options);
        if (result.outcome != output::TPrintOutcome::poCompleted || result.letters != int(config.letters))
            throw std::runtime_error("the letter run did not complete: " + result.message.toStdString() + " " +
                                     place.Said());
        return result.pages;
    });
    return phases;
}

// The same merged documents, each printed on its own by Qt onto letter
// paper with one-inch margins, into one file written again and again.
std::vector<PhaseResult> runQtPrintSide(const LettersBenchConfig& config)
{
    const OffscreenApplication application;
    QTextDocument letter;
    writeLetter(letter);
    std::vector<PhaseResult> phases;
    PhaseClock(phases).run(kPhasePdf, [&] {
        xbase::TApollo engine;
        TAddressDataset addresses(engine);
        if (!OpenQVWFile(QString::fromStdString(addressFile(config)), addresses).ok ||
            !addresses.SetQuery(QStringLiteral("!ISDEL")))
            throw std::runtime_error("cannot open the address file");
        addresses.SetExtraFields(true);
        const design::TGAddressRecord record(addresses);
        long long pages = 0;
        for (bool more = addresses.First(); more && !addresses.Eof(); more = addresses.Next()) {
            const std::unique_ptr<QTextDocument> merged(letter.clone());
            letters::MergeLetter(*merged, record);
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(config.folder + "/qt.pdf"));
            printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                              QMarginsF(1, 1, 1, 1), QPageLayout::Inch));
            // Paginated beforehand at the text area (screen pixels, which
            // print() scales to the printer), so that Qt prints it as laid
            // out and the page count is the printed one.
            merged->setDocumentMargin(0);
            merged->setPageSize(QSizeF(6.5 * kScreenPixelsPerInch, 9.0 * kScreenPixelsPerInch));
            merged->print(&printer);
            pages += merged->pageCount();
        }
        return pages;
    });
    return phases;
}

bool runSize(const LettersBenchConfig& config)
{
    writeMailingList(addressFile(config), config.letters);
    const auto ours = runInChild([&config] { return runOurSide(config); }, "letter run");
    const auto qt = runInChild([&config] { return runQtPrintSide(config); }, "QTextDocument::print");
    std::printf("\n%u letters of two pages, merged and printed to PDF\n", config.letters);
    const bool agree = printSideBySide(ours, qt, "QTextDocument::print");
    if (!ours.empty() && config.letters > 0)
        std::printf("ours: %.3f ms a letter, peak %ld kB\n", ours.front().seconds * 1000.0 / config.letters,
                    ours.front().peakKb);
    return agree;
}

} // namespace
} // namespace quorvel::bench

int main(int argc, char* argv[])
{
    using namespace quorvel::bench;
    return runBenchmark("bench_letters", [&] {
        LettersBenchConfig config;
        std::vector<std::uint32_t> sizes = {1000, 5000};
        parseOptions(argc, argv,
                     {{"--letters", [&](const std::string& value) { sizes = {countValue(value)}; }},
                      {"--dir", [&](const std::string& value) { config.folder = value; }}});
        const RunFolder folder(config.folder, "quorvel-bench-letters-");
        bool agree = true;
        for (const std::uint32_t size : sizes) {
            config.letters = size;
            agree = runSize(config) && agree;
        }
        return agree ? 0 : 1;
    });
}
