// quorvel-cli filter, run as a user would run it on a small address file:
// the expression it prints, the count or records, filter files, and what it
// refuses.
#include "cli_runner.h"
#include "store/filter_fixture.h"

#include <QFile>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using filter_test::AddressTable;
using quorvel::cli_tests::CliRun;
using quorvel::cli_tests::runCli;

std::string shellQuoted(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class FilterCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ofstream ini(dir_.file("QUORVL.ini"), std::ios::binary);
        ini << "[Misc]\r\nGlobalTagId=VK0GYQV\r\n";
        file_.table().sx_Close();
    }

    CliRun cli(const std::vector<std::string>& args)
    {
        std::string words = "filter " + shellQuoted(file_.path()) + " --home " + shellQuoted(dir_.path());
        for (const std::string& arg : args)
            words += " " + shellQuoted(arg);
        return runCli(words, dir_.file("stderr.txt"));
    }

    testing_support::TempDir dir_;
    AddressTable file_{dir_, {
        {{"LNAME", "Jones"}, {"FNAME", "Mary"}, {"STATE", "NY"}, {"TAG", "VK0GYQV"}},
        {{"LNAME", "Johanesson"}, {"FNAME", "Karl"}, {"STATE", "MN"}, {"ORG", "The \"Red\" Inn"}},
        {{"LNAME", "Baker"}, {"FNAME", "Tom"}, {"STATE", "NY"}},
        {{"LNAME", "Jordan"}, {"STATE", "NY"}, {"ISDEL", "T"}},
    }};
};

TEST_F(FilterCommandTest, PrintsTheExpressionThenTheCount)
{
    const struct {
        std::vector<std::string> args;
        const char* out;
    } cases[] = {
        {{"--count"}, "\n3\n"},
        {{"--set", "LNAME=jo", "--count"}, "UPPER(LNAME)=\"JO\"\n2\n"},
        {{"--set", "lname=jo", "--set", "STATE=ny", "--count"}, "UPPER(LNAME)=\"JO\" and UPPER(STATE)=\"NY\"\n1\n"},
        {{"--set", "ORG=the \"red\"", "--count"}, "UPPER(ORG)='THE \"RED\"'\n1\n"},
        {{"--tagged", "--reverse", "--count"}, "(!((UPPER(TAG)=\"VK0GYQV\")))\n2\n"},
        {{"--set", "LNAME=jones;baker"}, "((UPPER(LNAME)=\"JONES\").or.(UPPER(LNAME)=\"BAKER\"))\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(c.args);
        EXPECT_EQ(run.status, 0) << c.out << run.err;
        EXPECT_EQ(run.out, c.out);
    }
}

TEST_F(FilterCommandTest, ListsTheSelectedRecordsAsCsv)
{
    const CliRun run = cli({"--set", "STATE=NY", "--list"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    std::vector<std::string> starts;
    while (std::getline(lines, line))
        starts.push_back(line.substr(0, line.find(',')));
    EXPECT_EQ(starts, (std::vector<std::string>{"UPPER(STATE)=\"NY\"", "LNAME", "Jones", "Baker"}));
    EXPECT_EQ(run.out.find("MEMO"), std::string::npos);
}

TEST_F(FilterCommandTest, AFilterThatSelectsNothingCountsAndListsNothing)
{
    CliRun run = cli({"--set", "LNAME=zz", "--count"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "UPPER(LNAME)=\"ZZ\"\n0\n");
    EXPECT_EQ(run.err, "quorvel-cli: the filter selects no record\n");
    run = cli({"--set", "LNAME=zz", "--list"});
    EXPECT_EQ(run.status, 0);
    const std::string csv = run.out.substr(run.out.find('\n') + 1);
    EXPECT_EQ(csv.find("\r\n"), csv.size() - 2) << "only the header line: " << run.out;
}

TEST_F(FilterCommandTest, SavedFiltersLoadBack)
{
    const std::string flt = dir_.file("mine");
    CliRun run = cli({"--set", "LNAME=jo", "--set", "DATE=>19970101", "--tagged", "--save", flt});
    ASSERT_EQ(run.status, 0) << run.err;
    QFile saved(QString::fromStdString(flt + ".FLT"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("jo\r\n") + QByteArray("\r\n").repeated(13) + ">19970101\r\n" +
                                   QByteArray("\r\n").repeated(3) + "T\r\nF\r\n");
    run = cli({"--load", flt + ".FLT", "--set", "STATE=ny", "--count"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "UPPER(LNAME)=\"JO\" and UPPER(STATE)=\"NY\" and UPPER(DATE)>\"19970101\" and "
                       "(UPPER(TAG)=\"VK0GYQV\")\n0\n");
}

TEST_F(FilterCommandTest, BadUsageAndBadFilesAreRefused)
{
    {
        std::ofstream damaged(dir_.file("damaged.FLT"), std::ios::binary);
        damaged << std::string(18, '\n') << "maybe\n";
    }
    const struct {
        std::vector<std::string> args;
        int status;
        const char* err; // the start of the message
    } cases[] = {
        {{"--set", "MIDDLE=A"}, 2, "quorvel-cli: --set needs BOX=VALUE"},
        {{"--set", "LNAME"}, 2, "quorvel-cli: --set needs BOX=VALUE"},
        {{"--set"}, 2, "quorvel-cli: --set needs a value"},
        {{"--count", "--list"}, 2, "quorvel-cli: --count and --list cannot be given together"},
        {{"--load", dir_.file("damaged.FLT")}, 1, "quorvel-cli: The filter file "},
        {{"--load", dir_.file("filter.txt")}, 1, "quorvel-cli: Must be a Filter (.FLT) file"},
        {{"--save", dir_.file("filter.txt")}, 1, "quorvel-cli: Must have a .FLT extension"},
        {{"--set", "CITY=" + std::string(90, 'x') + ";" + std::string(99, 'y'), "--reverse", "--count"}, 1,
         "quorvel-cli: Sorry - filter is too complex.Please simplify it."},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(c.args);
        EXPECT_EQ(run.status, c.status) << c.err;
        EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
    }
}

} // namespace
