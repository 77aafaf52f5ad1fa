// quorvel-cli zipcounts through the built program: the counts as CSV over
// the shared record selection, the report in a PDF read back with
// pdftotext -bbox, and the exit status and message of every refusal.
#include "cli_runner.h"
#include "pdf_text.h"
#include "store/address_test_file.h"
#include "xbase/apollo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using quorvel::cli_tests::CliRun;

// Georgia codes, a ZIP+4, a short and a foreign code, two blank ZIPs and
// a deleted record that must never be counted; the file is closed for the
// command to open.
class ZipCountsCommandTest : public quorvel::store_tests::AddressFileTest {
protected:
    void SetUp() override
    {
        AddressFileTest::SetUp();
        const std::pair<const char*, const char*> records[] = {
            {"30305", "GA"}, {"30301", "GA"}, {"30301-1234", "GA"}, {"1234", "NY"}, {"K1A 0B1", ""},
            {"", "GA"},      {"", ""},        {"10001", "NY"},      {"30301", "GA"},
        };
        for (const auto& [zip, state] : records)
            add({{"ZIP", zip}, {"STATE", state}});
        ASSERT_TRUE(dataset.Delete()); // the last 30301
        dataset.Close();
    }

    CliRun zipcounts(const std::string& options)
    {
        return quorvel::cli_tests::runCli("--home " + dir.file("home") + " zipcounts " + addresses() + " " + options,
                                          dir.file("stderr.txt"));
    }

    std::string addresses() const { return path.toStdString(); }
    std::string pdf() const { return dir.file("zips.pdf"); }
};

TEST_F(ZipCountsCommandTest, CountsTheSelectedRecordsAsCsv)
{
    const struct {
        std::string options;
        std::string csv;
    } cases[] = {
        {"", "ZIP,COUNT\r\n10001,1\r\n30301,2\r\n30305,1\r\n1234,1\r\nK1A 0,1\r\nBLANK,2\r\n"},
        {"--digits 5", "ZIP,COUNT\r\n10001,1\r\n30301,2\r\n30305,1\r\n1234,1\r\nK1A 0,1\r\nBLANK,2\r\n"},
        {"--digits 3", "ZIP,COUNT\r\n100,1\r\n303,3\r\n1234,1\r\nK1A 0,1\r\nBLANK,2\r\n"},
        {"--filter 'STATE = \"GA\"'", "ZIP,COUNT\r\n30301,2\r\n30305,1\r\nBLANK,1\r\n"},
        // The .or. stays inside its brackets: the deleted 30301 stays out.
        {"--filter 'STATE = \"NY\" .or. ZIP = \"30301\"'", "ZIP,COUNT\r\n10001,1\r\n30301,2\r\n1234,1\r\nBLANK,0\r\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = zipcounts(c.options);
        EXPECT_EQ(run.status, 0) << c.options << "\n" << run.err;
        EXPECT_EQ(run.out, c.csv) << c.options;
        EXPECT_EQ(run.err, "") << c.options;
    }
}

TEST_F(ZipCountsCommandTest, ThePdfHoldsTheReportInItsColumn)
{
    const CliRun run = zipcounts("--pdf " + pdf());
    ASSERT_EQ(run.status, 0) << run.err;
    const quorvel::cli_tests::PdfText read = quorvel::cli_tests::ReadPdf(pdf(), dir.path());
    ASSERT_EQ(read.pageSizes.size(), 1u);
    const auto word = [&](const std::string& text) -> const quorvel::cli_tests::PdfWord* {
        for (const auto& w : read.words)
            if (w.text == text)
                return &w;
        ADD_FAILURE() << text << " is not in the PDF";
        return nullptr;
    };
    const auto* title = word("Zip");
    const auto* page = word("Page");
    ASSERT_TRUE(title && page);
    EXPECT_NEAR(title->x, 0.5, 0.01);
    EXPECT_NEAR(page->x, 0.5, 0.01);
    EXPECT_LT(title->bottom, 0.8);
    EXPECT_GT(page->y, 10.0);
    // Codes start 0.05 into the column at 0.5; counts end 0.05 before the
    // second cell's edge at 1.75. Lines are 1/6 inch apart.
    const std::pair<std::string, int> codes[] = {{"10001", 0}, {"30301", 1}, {"30305", 2}, {"1234", 5},
                                                 {"BLANK", 7}};
    const auto* first = word("10001");
    ASSERT_TRUE(first);
    for (const auto& [code, line] : codes) {
        SCOPED_TRACE(code);
        const auto* found = word(code);
        ASSERT_TRUE(found);
        EXPECT_NEAR(found->x, 0.55, 0.01);
        EXPECT_NEAR(found->y, first->y + line / 6.0, 0.01);
    }
    const auto* two = word("2");
    ASSERT_TRUE(two);
    EXPECT_NEAR(two->right, 1.70, 0.01);
    EXPECT_NEAR(two->y, first->y + 1 / 6.0, 0.01);
}

TEST_F(ZipCountsCommandTest, RefusalsSayWhy)
{
    const struct {
        std::string options;
        int status;
        std::string message;
    } cases[] = {
        {"--filter 'ZIP ='", 1, "bad filter"},
        {"--load " + dir.file("none.flt"), 1, ""},
        {"--pdf " + dir.file("missing/zips.pdf"), 1, "the report was not printed"},
        {"--filter x --load y.flt", 2, "--filter and --load cannot be given together"},
        {"--digits 4", 2, "--digits takes 3 or 5"},
        {"--digits", 2, ""},
        {"--digits 3 --pdf", 2, ""},
    };
    for (const auto& c : cases) {
        const CliRun run = zipcounts(c.options);
        EXPECT_EQ(run.status, c.status) << c.options << "\n" << run.err;
        EXPECT_NE(run.err.find("quorvel-cli: " + c.message), std::string::npos) << c.options << " says\n" << run.err;
        EXPECT_EQ(run.out, "") << c.options;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));

    // An empty selection is no error: a note, and nothing counted or printed.
    const CliRun nothing = zipcounts("--filter 'ZIP = \"99999\"' --pdf " + pdf());
    EXPECT_EQ(nothing.status, 0);
    EXPECT_EQ(nothing.out, "");
    EXPECT_EQ(nothing.err, "quorvel-cli: the selection holds no record\n");
    EXPECT_FALSE(std::filesystem::exists(pdf()));

    // A table that is no address file (no ZIP, no ISDEL) does not open.
    xbase::TApollo table;
    const std::string other = dir.file("other.dbf");
    ASSERT_TRUE(table.sx_CreateNew(other, 1));
    ASSERT_TRUE(table.sx_CreateField("NAME", 'C', 10, 0));
    ASSERT_TRUE(table.sx_CreateExec());
    table.sx_Close();
    const CliRun notAddresses = quorvel::cli_tests::runCli(
        "--home " + dir.file("home") + " zipcounts " + other, dir.file("stderr.txt"));
    EXPECT_EQ(notAddresses.status, 1);
    EXPECT_NE(notAddresses.err.find("quorvel-cli: cannot open"), std::string::npos) << notAddresses.err;
    const CliRun missing =
        quorvel::cli_tests::runCli("--home " + dir.file("home") + " zipcounts " + dir.file("none.dbf"),
                                   dir.file("stderr.txt"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("quorvel-cli: cannot open"), std::string::npos) << missing.err;
}

} // namespace
