// quorvel-cli envelopes through the built program: the PDF it writes, read
// back with pdftotext -bbox (the page size, one page per record, and the
// last name at the feed's offset plus the field's place in the design),
// what it says, the settings file it reads and never writes, and the exit
// status and message of every refusal.
#include "cli_runner.h"
#include "label_sheet_fixture.h"
#include "support/temp_dir.h"

#include "design/last_name_design.h"
#include "store/dataset.h"
#include "store/system_tables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace quorvel::cli_tests;

// The field's top-left corner in the design: 96 and 48 pixels at 96 an inch.
constexpr double kFieldX = 1.0;
constexpr double kFieldY = 0.5;

const std::string kWarning = "quorvel-cli: warning: WARNING: Printer PAPER SIZE and ORIENTATION do not match "
                             "selected Envelope. Use Printer Setup to correct this.\n";

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class EnvelopesCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Any command prepares the home folder.
        ASSERT_EQ(cli("label-layouts").status, 0);
        AddLayout("Office", 20, "BIN00001.E");
        WriteDesign("BIN00001.E");
        MakeAddressFile(addresses(), {{"Name01", "12345"}, {"Name02", "12345"}, {"Name03", "12345", true},
                                      {"Name04", "12345"}});
    }

    CliRun cli(const std::string& args)
    {
        return runCli("--home " + home() + " " + args, dir_.file("stderr.txt"));
    }
    CliRun envelopes(const std::string& options) { return cli("envelopes " + addresses() + " " + options); }

    std::string home() const { return dir_.file("home"); }
    std::string sysdata() const { return home() + "/sysdata/"; }
    std::string addresses() const { return dir_.file("people.dbf"); }
    std::string pdf() const { return dir_.file("envelopes.pdf"); }

    void AddLayout(const char* name, int code, const char* designFile)
    {
        xbase::TApollo engine;
        quorvel::TDataset table(engine);
        const QString folder = QString::fromStdString(sysdata());
        ASSERT_TRUE(quorvel::OpenSystemTable(quorvel::TSystemTable::stEnvelope, table, folder).ok);
        ASSERT_TRUE(table.Insert());
        ASSERT_TRUE(table.SetFieldAsString(u"DESCRIPT", QString::fromLatin1(name)));
        ASSERT_TRUE(table.SetFieldAsString(u"NUMBER", QString::number(code)));
        ASSERT_TRUE(table.SetFieldAsString(u"BINARY", QString::fromLatin1(designFile)));
        ASSERT_TRUE(table.Post()) << table.lastError().toStdString();
        table.Close();
    }

    // A design with the last-name field at (kFieldX, kFieldY).
    void WriteDesign(const char* name)
    {
        const QString path = QString::fromStdString(sysdata() + name);
        ASSERT_TRUE(design_testing::WriteLastNameDesign(path, design::TGClassSet::EnvelopeSurface(),
                                                        QRect(96, 48, 150, 20), 10));
    }

    testing_support::TempDir dir_;
};

TEST_F(EnvelopesCommandTest, EachRecordGetsAPageWithItsNameWhereTheFeedPutsTheEnvelope)
{
    const struct {
        std::string options;
        std::string printed;
        double pageWidth, pageHeight;
        double x, y; // the design's corner on the page
        std::vector<std::string> names;
        bool warned;
    } cases[] = {
        {"--feed center,landscape,down --paper 1",
         "3 envelopes on 11 x 8.5 in landscape paper, design at 1.5, 2.1875 in", 11, 8.5, 1.5, 2.1875,
         {"Name01", "Name02", "Name04"}, true},
        {"--feed right,landscape,up,cw --paper 1",
         "3 envelopes on 11 x 8.5 in landscape paper, design at 0, 4.375 in", 11, 8.5, 0, 4.375,
         {"Name01", "Name02", "Name04"}, true},
        {"--feed right,portrait,up --paper 3 --record 2",
         "1 envelopes on 11 x 17 in portrait paper, design at 1.5, 0 in", 11, 17, 1.5, 0, {"Name02"}, true},
        // The envelope's own paper (as the PDF printer has it, 104.8 x 241.3 mm):
        // the page is the envelope, whatever the feed.
        {"--feed left,landscape,up --filter 'LNAME >= \"Name02\"' --order LNAME",
         "2 envelopes on 9.5 x 4.126 in landscape paper, design at 0, 0 in", 9.5, 4.126, 0, 0,
         {"Name02", "Name04"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        std::filesystem::remove(pdf());
        const CliRun run = envelopes("--layout office " + c.options + " --pdf " + pdf());
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.printed + "\n");
        EXPECT_EQ(run.err, c.warned ? kWarning : "");
        const PdfText read = ReadPdf(pdf(), dir_.path());
        ASSERT_EQ(read.pageSizes.size(), c.names.size());
        for (const auto& [width, height] : read.pageSizes) {
            EXPECT_NEAR(width, c.pageWidth, 0.01);
            EXPECT_NEAR(height, c.pageHeight, 0.01);
        }
        ASSERT_EQ(read.words.size(), c.names.size());
        for (std::size_t i = 0; i < c.names.size(); ++i) {
            const PdfWord& word = read.words[i];
            EXPECT_EQ(word.text, c.names[i]);
            EXPECT_EQ(word.page, static_cast<int>(i) + 1);
            EXPECT_NEAR(word.x, c.x + kFieldX, 0.01) << word.text;
            EXPECT_NEAR(word.y, c.y + kFieldY, 0.01) << word.text;
        }
    }
}

TEST_F(EnvelopesCommandTest, TheFeedComesFromTheSettingsWhichAreNeverWritten)
{
    const std::string ini = home() + "/QUORVL.ini";
    std::ofstream(ini, std::ios::app) << "[Envelope Feed]\r\nOrientation=0\r\nFacing=0\r\nPosition=1\r\n"
                                         "ClockWiseRotation=0\r\n";
    const std::string before = ReadFile(ini);
    const CliRun run = envelopes("--layout Office --paper 3 --pdf " + pdf());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "3 envelopes on 11 x 17 in portrait paper, design at 1.5, 0 in\n");
    EXPECT_EQ(ReadFile(ini), before);
}

TEST_F(EnvelopesCommandTest, RefusalsSayWhyAndLeaveNoFile)
{
    AddLayout("Gone", 20, "BIN00002.E");
    AddLayout("Broken", 20, "BIN00003.E");
    std::ofstream(sysdata() + "BIN00003.E", std::ios::trunc) << "not a design";
    AddLayout("Elsewhere", 20, "../BIN0001.E");
    const std::string out = " --pdf " + pdf();
    const std::string kFeedUsage = "--feed takes POS,ORIENT,FACING[,cw]";
    const struct {
        std::string options;
        int status;
        std::string message;
    } cases[] = {
        {"--layout Home" + out, 1, "no envelope layout is named \"Home\""},
        {"--layout Gone" + out, 1, "Envelope definition file has been removed from the sysdata directory"},
        {"--layout Elsewhere" + out, 1, "Envelope definition file has been removed from the sysdata directory"},
        {"--layout Broken" + out, 1, ""},
        {"--layout Office --filter 'LNAME =' " + out, 1, "bad filter"},
        {"--layout Office --filter 'LNAME = \"Nobody\"'" + out, 1, "No records are selected. Nothing to print"},
        {"--layout Office --tagged" + out, 1, "No records are selected. Nothing to print"},
        {"--layout Office --record 3" + out, 1, "record 3 is not among the selected records"},
        {"--layout Office --record 9" + out, 1, "record 9 is not among the selected records"},
        {"--layout Office --order NOTAG" + out, 1, "no tag NOTAG"},
        {"--layout Office --paper 999" + out, 1, "The printer \"Save as PDF\" has no paper of code 999"},
        {"--layout Office --pdf " + dir_.file("missing/envelopes.pdf"), 1, "The print job could not be started"},
        {"--layout Office --feed sideways" + out, 2, kFeedUsage},
        {"--layout Office --feed left,portrait" + out, 2, kFeedUsage},
        {"--layout Office --feed left,portrait,up,ccw" + out, 2, kFeedUsage},
        {"--layout Office --feed left,portrait,up,cw" + out, 2, "--feed: clockwise rotation (cw) is only for a "
                                                              "landscape feed"},
        {"--layout Office --record 0" + out, 2, "--record takes a record number"},
        {"--layout Office --paper letter" + out, 2, "--paper takes a paper code"},
        {out, 2, "--layout NAME is required"},
    };
    for (const auto& c : cases) {
        const CliRun run = envelopes(c.options);
        EXPECT_EQ(run.status, c.status) << c.options << "\n" << run.err;
        EXPECT_NE(run.err.find("quorvel-cli: " + c.message), std::string::npos) << c.options << " says\n" << run.err;
        EXPECT_EQ(run.out, "") << c.options;
        EXPECT_FALSE(std::filesystem::exists(pdf())) << c.options;
    }
}

} // namespace
