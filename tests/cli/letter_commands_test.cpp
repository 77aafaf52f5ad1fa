// quorvel-cli letter, letter-add and letter-rtf through the built program:
// a letter stored from an RTF file and given back as stored, each record's
// merged text, the PDF read back with pdftotext -bbox (the letter's page
// size, the first line at its margins, a centred paragraph, the page
// break), and the exit status and message of every refusal.
#include "cli_runner.h"
#include "label_sheet_fixture.h"
#include "support/temp_dir.h"

#include "store/dataset.h"
#include "store/system_tables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace quorvel::cli_tests;

// A4, left margin 1.25 inch, top 1.5 inch; Helvetica 12 points.
const std::string kLetterRtf =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Helvetica;}}"
    "\\paperw11906\\paperh16838\\margl1800\\margr1440\\margt2160\\margb1440\n"
    "\\pard\\plain\\f0\\fs24 Dear [Last]\\par\n"
    "\\pard\\qc\\f0\\fs24 Centered\\par\n"
    "\\pard\\pagebb\\f0\\fs24 Second\\par\n}";

constexpr double kPageWidth = 11906 / 1440.0;
constexpr double kPageHeight = 16838 / 1440.0;
constexpr double kLeft = 1.25;
constexpr double kTop = 1.5;
constexpr double kRight = 1.0;

class LetterCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ofstream(rtfFile(), std::ios::binary) << kLetterRtf;
        ASSERT_EQ(cli("letter-add Welcome " + rtfFile()).status, 0);
        MakeAddressFile(addresses(), {{"Adams", "10001"}, {"Baker", "10002", true}, {"Clark", "10003"}});
    }

    CliRun cli(const std::string& args) { return runCli("--home " + home() + " " + args, dir_.file("stderr.txt")); }
    CliRun letter(const std::string& options) { return cli("letter " + addresses() + " " + options); }

    std::string home() const { return dir_.file("home"); }
    std::string addresses() const { return dir_.file("people.dbf"); }
    std::string pdf() const { return dir_.file("letters.pdf"); }
    std::string rtfFile() const { return dir_.file("welcome.rtf"); }

    testing_support::TempDir dir_;
};

TEST_F(LetterCommandsTest, StoredRtfComesBackAsStored)
{
    const CliRun run = cli("letter-rtf '  welcome '");
    ASSERT_EQ(run.status, 0) << run.err;
    xbase::TApollo engine;
    quorvel::TDataset table(engine);
    ASSERT_TRUE(quorvel::OpenSystemTable(quorvel::TSystemTable::stLetter, table,
                                         QString::fromStdString(home() + "/sysdata/"))
                    .ok);
    ASSERT_TRUE(table.First());
    EXPECT_EQ(table.FieldAsString(u"DESCRIPT"), QStringLiteral("Welcome"));
    EXPECT_EQ(run.out, table.MemoText(u"RTF").toStdString());
    EXPECT_EQ(run.out.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(run.out.find("\\paperw11906"), std::string::npos);
    EXPECT_NE(run.out.find("\r\n"), std::string::npos);
}

TEST_F(LetterCommandsTest, TextIsEachMergedLetterFollowedByAFormFeed)
{
    const struct {
        std::string options;
        std::string out;
    } cases[] = {
        {"", "Dear Adams\nCentered\nSecond\n\f\nDear Clark\nCentered\nSecond\n\f\n"},
        {"--filter 'LNAME = \"Clark\"' --copies 3", "Dear Clark\nCentered\nSecond\n\f\n"},
        {"--record 3", "Dear Clark\nCentered\nSecond\n\f\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = letter("--letter WELCOME --text " + c.options);
        ASSERT_EQ(run.status, 0) << c.options << run.err;
        EXPECT_EQ(run.out, c.out) << c.options;
    }
}

TEST_F(LetterCommandsTest, PdfHasTheLettersPagesAndMargins)
{
    const CliRun run = letter("--letter Welcome --copies 2 --pdf " + pdf());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "4 letters, 8 pages\n");
    const PdfText read = ReadPdf(pdf(), dir_.path());
    ASSERT_EQ(read.pageSizes.size(), 8u);
    for (const auto& [width, height] : read.pageSizes) {
        EXPECT_NEAR(width, kPageWidth, 0.01);
        EXPECT_NEAR(height, kPageHeight, 0.01);
    }
    std::vector<std::vector<PdfWord>> pages(8);
    for (const PdfWord& word : read.words)
        pages.at(static_cast<std::size_t>(word.page - 1)).push_back(word);
    for (std::size_t page = 0; page < 8; page += 2) {
        SCOPED_TRACE(page);
        std::string words;
        for (const PdfWord& word : pages[page])
            words += word.text + " (" + std::to_string(word.x) + ", " + std::to_string(word.y) + ") ";
        ASSERT_EQ(pages[page].size(), 3u) << words;
        const PdfWord& dear = pages[page][0];
        EXPECT_EQ(dear.text, "Dear");
        EXPECT_EQ(pages[page][1].text, page < 4 ? "Adams" : "Clark");
        EXPECT_NEAR(dear.x, kLeft, 0.02);
        EXPECT_NEAR(dear.y, kTop, 0.02);
        const PdfWord& centered = pages[page][2];
        EXPECT_EQ(centered.text, "Centered");
        EXPECT_NEAR((centered.x + centered.right) / 2, (kLeft + kPageWidth - kRight) / 2, 0.02);
        ASSERT_EQ(pages[page + 1].size(), 1u);
        EXPECT_EQ(pages[page + 1][0].text, "Second");
        EXPECT_NEAR(pages[page + 1][0].y, kTop, 0.02);
    }
}

TEST_F(LetterCommandsTest, Refusals)
{
    std::ofstream(dir_.file("plain.txt")) << "Dear friend";
    const struct {
        std::string args;
        int status;
        std::string err; // the start of what it says
    } cases[] = {
        {"letter " + addresses() + " --letter Nothing --text", 1, "quorvel-cli: no letter is named \"Nothing\""},
        {"letter " + addresses() + " --letter Welcome --filter 'LNAME = \"Nobody\"' --text", 1, "quorvel-cli: "},
        {"letter " + addresses() + " --letter Welcome --filter 'LNAME = ' --text", 1, "quorvel-cli: bad filter"},
        {"letter " + addresses() + " --letter Welcome --record 2 --text", 1, "quorvel-cli: record 2 is not among"},
        {"letter " + addresses() + " --letter Welcome --copies 1000 --text", 2, "quorvel-cli: --copies"},
        {"letter " + addresses() + " --letter Welcome", 2, "quorvel-cli: give either --pdf OUT or --text"},
        {"letter-add Plain " + dir_.file("plain.txt"), 1, "quorvel-cli: " + dir_.file("plain.txt") + ": "},
        {"letter-rtf Nothing", 1, "quorvel-cli: no letter is named \"Nothing\""},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << c.args << "\n" << run.err;
        EXPECT_TRUE(run.out.empty()) << c.args;
    }
    EXPECT_EQ(cli("letter-rtf Plain").status, 1);
}

// A print that cannot write its file fails and leaves nothing behind.
TEST_F(LetterCommandsTest, FailedPrintLeavesNoPdf)
{
    const std::string blocked = dir_.file("missing-folder") + "/letters.pdf";
    const CliRun run = letter("--letter Welcome --pdf " + blocked);
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(run.err.empty());
    EXPECT_FALSE(std::filesystem::exists(blocked));
}

} // namespace
