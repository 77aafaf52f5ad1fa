// quorvel-cli's command line as a whole: global options before or after the
// command, repeated options, help and version, what it refuses, and the home
// folder every command prepares as the program's start does.
#include "cli_runner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using quorvel::cli_tests::CliRun;

const std::string kListUsage =
    "usage: quorvel-cli [--home DIR] list FILE [--order TAG] [--filter EXPR] [--fields F1,F2,...] [--all]\n";

struct CommandLineCase {
    std::string args;             // HOME stands for a home folder that does not exist yet
    int status;
    std::vector<std::string> out; // what stdout holds
    std::vector<std::string> err; // what stderr holds; nothing at all when empty
};

class CommandLineTest : public ::testing::Test {
protected:
    // Runs `args` with HOME replaced by a folder of its own.
    CliRun cli(std::string args, const std::string& home)
    {
        for (std::size_t at = args.find("HOME"); at != std::string::npos; at = args.find("HOME", at + home.size()))
            args.replace(at, 4, home);
        return quorvel::cli_tests::runCli(args, dir_.file("stderr.txt"));
    }

    void expectCases(const std::vector<CommandLineCase>& cases)
    {
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const CommandLineCase& c = cases[i];
            const CliRun run = cli(c.args, dir_.file("home" + std::to_string(i)));
            EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
            for (const std::string& part : c.out)
                EXPECT_NE(run.out.find(part), std::string::npos) << c.args << " prints\n" << run.out;
            for (const std::string& part : c.err)
                EXPECT_NE(run.err.find(part), std::string::npos) << c.args << " says\n" << run.err;
            if (c.err.empty()) {
                EXPECT_EQ(run.err, "") << c.args;
            }
        }
    }

    testing_support::TempDir dir_;
};

TEST_F(CommandLineTest, GlobalOptionsStandBeforeOrAfterTheCommand)
{
    expectCases({
        {"--home HOME count HOME/sysdata/CSZ.DBF", 0, {"85\n"}, {}},
        {"count --home HOME HOME/sysdata/CSZ.DBF", 0, {"85\n"}, {}},
        {"count HOME/sysdata/CSZ.DBF --home HOME", 0, {"85\n"}, {}},
        {"--home=HOME count HOME/sysdata/CSZ.DBF --filter 'STATE=\"NY\"'", 0, {"2\n"}, {}},
        {"--home HOME --home HOME count HOME/sysdata/CSZ.DBF", 2, {}, {"--home given twice", "usage: quorvel-cli"}},
        {"count HOME/sysdata/CSZ.DBF --home", 2, {}, {"--home needs a value"}},
    });
}

TEST_F(CommandLineTest, AnOptionForSeveralValuesKeepsThemAllInOrder)
{
    expectCases({
        {"--home HOME filter HOME/DATA/NONE.QVW --set LNAME=jo --set STATE=ny", 0,
         {"UPPER(LNAME)=\"JO\" and UPPER(STATE)=\"NY\"\n"}, {}},
        {"filter HOME/DATA/NONE.QVW --set=STATE=ny --home HOME --set LNAME=jo", 0,
         {"UPPER(LNAME)=\"JO\" and UPPER(STATE)=\"NY\"\n"}, {}},
        {"--home HOME list HOME/sysdata/CSZ.DBF --order STATE --order NAME", 2, {},
         {"--order given twice", kListUsage}},
        {"--home HOME list HOME/sysdata/CSZ.DBF --all --all", 2, {}, {"--all given twice", kListUsage}},
    });
}

TEST_F(CommandLineTest, HelpAndVersionGoToStdout)
{
    expectCases({
        {"--version", 0, {"quorvel-cli " QUORVEL_VERSION "\n"}, {}},
        {"help list", 0, {kListUsage, "The records the filter selects, as CSV.", "--home DIR"}, {}},
        {"list --help", 0, {kListUsage}, {}},
        {"--home HOME filter --help", 0, {"--set BOX=VALUE ...", "LNAME, FNAME"}, {}},
        {"help", 0, {"  info FILE\n", "  list FILE", "  design-copy IN OUT\n", "--home DIR", "help [COMMAND]"}, {}},
        {"--help", 0, {"  count FILE [--filter EXPR]\n", "--version"}, {}},
    });
    const CliRun help = cli("help list", "");
    EXPECT_EQ(help.out, cli("list --help", "").out);
}

TEST_F(CommandLineTest, BadUsageIsStatusTwoWithTheUsageOnStderr)
{
    expectCases({
        {"", 2, {}, {"no command given", "usage: quorvel-cli [--home DIR] COMMAND"}},
        {"frobnicate --home HOME", 2, {}, {"unknown command 'frobnicate'", "  list FILE"}},
        {"help frobnicate", 2, {}, {"unknown command 'frobnicate'", "  list FILE"}},
        {"--bogus list HOME/sysdata/CSZ.DBF", 2, {}, {"unknown option --bogus", "  list FILE"}},
        {"--home HOME list HOME/sysdata/CSZ.DBF --bogus", 2, {}, {"unknown option --bogus", kListUsage}},
        {"--home HOME list --all=yes HOME/sysdata/CSZ.DBF", 2, {}, {"--all takes no value", kListUsage}},
        {"--home HOME design-copy HOME/in.L", 2, {}, {"2 file names are needed", "design-copy IN OUT"}},
    });
}

TEST_F(CommandLineTest, ACommandOnAnEmptyHomeFolderFindsTheSuppliedTables)
{
    const std::string home = dir_.file("empty home");
    std::filesystem::create_directory(home);
    const CliRun info = cli("info 'HOME/sysdata/LBLTPL.DBF' --home 'HOME'", home);
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("Records: 133\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Tags: 1\n"), std::string::npos) << info.out;
    EXPECT_EQ(cli("count 'HOME/sysdata/CSZ.DBF' --home 'HOME'", home).out, "85\n");
    EXPECT_TRUE(std::filesystem::is_directory(home + "/DATA"));
}

TEST_F(CommandLineTest, AHomeFolderThatCannotBeMadeStopsTheCommand)
{
    std::ofstream(dir_.file("plain-file")) << "not a folder";
    const CliRun run = cli("count HOME/sysdata/CSZ.DBF --home HOME", dir_.file("plain-file") + "/home");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Unable to create the folder"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

} // namespace
