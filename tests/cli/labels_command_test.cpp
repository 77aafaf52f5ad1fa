// quorvel-cli labels through the built program: the PDF it writes, read
// back with pdftotext -bbox (each name line on its label, the page size and
// count), and the exit status and message of every refusal.
#include "cli_runner.h"
#include "label_sheet_fixture.h"
#include "support/temp_dir.h"
#include "xbase/cdx/index_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace quorvel::cli_tests;

// A new layout's address block starts 5 pixels into the label, at 96 pixels
// an inch.
constexpr double kBlockOffset = 5.0 / 96.0;
constexpr int kRecords = 35;

// A label as it should come out: its name line's word, page and position.
struct ExpectedLabel {
    std::string name;
    int page = 1;
    int position = 0; // 0-based, across first
};

class LabelsCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(cli("label-new Office --geometry " + kGeometry).status, 0);
        MakeAddressFile();
    }

    CliRun cli(const std::string& args)
    {
        return quorvel::cli_tests::runCli("--home " + home() + " " + args, dir_.file("stderr.txt"));
    }
    CliRun labels(const std::string& options) { return cli("labels " + addresses() + " " + options); }

    std::string home() const { return dir_.file("home"); }
    std::string sysdata() const { return home() + "/sysdata/"; }
    std::string addresses() const { return dir_.file("people.dbf"); }
    std::string pdf() const { return dir_.file("labels.pdf"); }

    // Records "Name01" to "Name35" in LNAME, with ZIP codes for the barcodes.
    void MakeAddressFile()
    {
        std::vector<AddressRow> rows;
        for (int i = 1; i <= kRecords; ++i)
            rows.push_back({Name(i), "12345"});
        quorvel::cli_tests::MakeAddressFile(addresses(), rows);
    }

    // Checks the PDF's pages and where each expected name line lies.
    void ExpectLabels(const std::vector<ExpectedLabel>& expected, int pages, const std::string& context)
    {
        const PdfText read = ReadPdf(pdf(), dir_.path());
        ASSERT_EQ(read.pageSizes.size(), static_cast<std::size_t>(pages)) << context;
        for (const auto& [width, height] : read.pageSizes) {
            EXPECT_NEAR(width, 8.5, 0.01) << context;
            EXPECT_NEAR(height, 11.0, 0.01) << context;
        }
        std::map<std::string, std::vector<PdfWord>> byName;
        for (const PdfWord& word : read.words)
            if (word.text.rfind("Name", 0) == 0)
                byName[word.text].push_back(word);
        std::map<std::string, std::size_t> seen;
        std::size_t count = 0;
        for (const ExpectedLabel& label : expected) {
            const std::vector<PdfWord>& found = byName[label.name];
            const std::size_t copy = seen[label.name]++;
            ASSERT_LT(copy, found.size()) << context << ": " << label.name << " is missing";
            const PdfWord& word = found[copy];
            const double cellX = kLeftMargin + (label.position % 3) * kHorizPitch;
            const double cellY = kTopMargin + (label.position / 3) * kVertPitch;
            EXPECT_EQ(word.page, label.page) << context << ": " << label.name;
            EXPECT_NEAR(word.x, cellX + kBlockOffset, 0.01) << context << ": " << label.name;
            EXPECT_NEAR(word.y, cellY + kBlockOffset, 0.01) << context << ": " << label.name;
            ++count;
        }
        std::size_t printed = 0;
        for (const auto& [name, words] : byName)
            printed += words.size();
        EXPECT_EQ(printed, count) << context << ": more name lines than expected";
    }

    static std::string Name(int record) { return (record < 10 ? "Name0" : "Name") + std::to_string(record); }

    testing_support::TempDir dir_;
};

TEST_F(LabelsCommandTest, ThePdfHoldsEachLabelOnItsPosition)
{
    std::vector<ExpectedLabel> all;
    for (int i = 0; i < kRecords; ++i)
        all.push_back({Name(i + 1), i / 30 + 1, i % 30});
    const struct {
        std::string options;
        std::string printed;
        std::vector<ExpectedLabel> labels;
        int pages;
    } cases[] = {
        {"--layout office", "35 labels, 35 records, 2 pages", all, 2},
        {"--layout Office --positions 2 --filter 'LNAME <= \"Name03\"'", "3 labels, 3 records, 3 pages",
         {{"Name01", 1, 1}, {"Name02", 2, 1}, {"Name03", 3, 1}}, 3},
        {"--layout Office --start-position 29 --copies 2 --filter 'LNAME = \"Name01\" .or. LNAME = \"Name02\"'",
         "4 labels, 2 records, 2 pages", {{"Name01", 1, 28}, {"Name01", 1, 29}, {"Name02", 2, 0}, {"Name02", 2, 1}},
         2},
        {"--layout Office --positions '1-2, 30' --order LNAME --filter 'LNAME >= \"Name30\"'",
         "6 labels, 6 records, 2 pages",
         {{"Name30", 1, 0}, {"Name31", 1, 1}, {"Name32", 1, 29}, {"Name33", 2, 0}, {"Name34", 2, 1}, {"Name35", 2, 29}},
         2},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(pdf());
        const CliRun run = labels(c.options + " --pdf " + pdf());
        ASSERT_EQ(run.status, 0) << c.options << "\n" << run.err;
        EXPECT_EQ(run.out, c.printed + "\n") << c.options;
        EXPECT_EQ(run.err, "") << c.options;
        ExpectLabels(c.labels, c.pages, c.options);
    }
}

// The mark a session that changed the file leaves when it never closes it.
void MarkAsNotClosedProperly(const std::string& cdx)
{
    std::unique_ptr<xbase::IndexFile> index;
    ASSERT_TRUE(xbase::IndexFile::open(cdx, xbase::OpenMode::Exclusive, &index).isOk());
    ASSERT_TRUE(index->setStaleMark(true, true).isOk());
}

TEST_F(LabelsCommandTest, RefusalsSayWhyAndLeaveNoFile)
{
    // A design file that is gone, one that does not read, and a sheet
    // longer than the letter paper its code asks for.
    ASSERT_EQ(cli("label-new Broken --geometry " + kGeometry).out, "BIN00002.L\n");
    std::ofstream(sysdata() + "BIN00002.L", std::ios::trunc) << "not a design";
    ASSERT_EQ(cli("label-new Legal --geometry 1,2.625,3,10,0.5,0.188,2.75,1,8.5,14").status, 0);
    ASSERT_EQ(cli("label-new Gone --geometry " + kGeometry).out, "BIN00004.L\n");
    ASSERT_TRUE(std::filesystem::remove(sysdata() + "BIN00004.L"));
    const std::string out = " --pdf " + pdf();
    const std::string kMalformed = "--positions takes positions and ranges such as 1-3,7,290-300; ";
    const struct {
        std::string options;
        int status;
        std::string message;
    } cases[] = {
        {"--layout Home" + out, 1, "no label layout is named \"Home\""},
        {"--layout Gone" + out, 1, "Label definition file has been removed from the sysdata directory"},
        {"--layout Broken" + out, 1, ""},
        {"--layout Legal" + out, 1,
         "Unable to confirm that the paper size was set to\n\n8.50\" by 14.00\""},
        {"--layout Office --filter 'LNAME =' " + out, 1, "bad filter"},
        {"--layout Office --filter 'LNAME = \"Nobody\"'" + out, 1, "No records are selected. Nothing to print"},
        {"--layout Office --tagged" + out, 1, "No records are selected. Nothing to print"},
        {"--layout Office --order NOTAG" + out, 1, "no tag NOTAG"},
        {"--layout Office --pdf " + dir_.file("missing/labels.pdf"), 1, "The print job could not be started"},
        {"--layout Office --copies 0" + out, 2, "--copies takes a number from 1 to 99"},
        {"--layout Office --copies 100" + out, 2, "--copies takes a number from 1 to 99"},
        {"--layout Office --positions 31" + out, 2, "--positions: the sheet has positions 1 to 30"},
        {"--layout Office --positions 0-2" + out, 2, "--positions: the sheet has positions 1 to 30"},
        {"--layout Office --positions 3-1" + out, 2, kMalformed + "\"3-1\" is not one"},
        {"--layout Office --positions 1,,2" + out, 2, kMalformed + "\"\" is not one"},
        {"--layout Office --positions 1," + out, 2, "--positions takes positions and ranges"},
        {"--layout Office --positions x" + out, 2, kMalformed + "\"x\" is not one"},
        {"--layout Office --start-position 31" + out, 2, "--start-position 31 is not on the sheet (1 to 30)"},
        {"--layout Office --start-position 0" + out, 2, "--start-position takes a position"},
        {"--layout Office --printer any" + out, 2, "--pdf and --printer cannot be given together"},
        {out, 2, "--layout NAME is required"},
    };
    for (const auto& c : cases) {
        const CliRun run = labels(c.options);
        EXPECT_EQ(run.status, c.status) << c.options << "\n" << run.err;
        EXPECT_NE(run.err.find("quorvel-cli: " + c.message), std::string::npos) << c.options << " says\n" << run.err;
        EXPECT_EQ(run.out, "") << c.options;
        EXPECT_FALSE(std::filesystem::exists(pdf())) << c.options;
    }

    MarkAsNotClosedProperly(dir_.file("people.cdx"));
    const CliRun stale = labels("--layout Office" + out);
    EXPECT_EQ(stale.status, 1);
    EXPECT_NE(stale.err.find("was not closed properly"), std::string::npos) << stale.err;
    EXPECT_NE(stale.err.find("quorvel-cli reindex " + addresses()), std::string::npos) << stale.err;
    EXPECT_FALSE(std::filesystem::exists(pdf()));
}

} // namespace
