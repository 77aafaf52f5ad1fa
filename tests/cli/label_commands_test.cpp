// quorvel-cli label-stocks, label-layouts and label-new through the built
// program, on fresh home folders: their CSV, the layouts and design files
// they make, and what they refuse.
#include "cli_runner.h"
#include "support/temp_dir.h"
#include "xbase/apollo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using quorvel::cli_tests::CliRun;

const std::string kStocksHeader = "DESCRIPT,LBLHEIGHT,LBLWIDTH,NBRACROSS,NBRDOWN,TOPMARG,LEFTMARG,HORIZPITCH,VERTPITCH,"
                                  "SHEETWIDTH,SHEETDEPTH,PRINTER,PAPERSIZE,LBLSHAPE,MANUFAC,PRODTYPE,MIDEXTRAX,"
                                  "MIDEXTRAY,ART\r\n";
const std::string kLayoutsHeader = "DESCRIPT,TPLDESCRIP,LBLHEIGHT,LBLWIDTH,NBRACROSS,NBRDOWN,TOPMARG,LEFTMARG,"
                                   "HORIZPITCH,VERTPITCH,SHEETWIDTH,SHEETDEPTH,MIDEXTRAX,MIDEXTRAY,PAPERSIZE,"
                                   "LBLSHAPE,PRINTER,MANUFAC,PRODTYPE,ART,BINARY\r\n";
const std::string kGeometry = "--geometry 1,2.625,3,10,0.5,0.188,2.75,1,8.5,11";

class LabelCommandsTest : public ::testing::Test {
protected:
    CliRun cli(const std::string& args)
    {
        return quorvel::cli_tests::runCli("--home " + home() + " " + args, dir_.file("stderr.txt"));
    }

    std::string home() const { return dir_.file("home"); }
    std::string sysdata() const { return home() + "/sysdata/"; }

    static std::vector<std::string> lines(const std::string& text)
    {
        std::vector<std::string> out;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            out.push_back(line.substr(0, line.find('\r')));
        return out;
    }

    std::vector<std::string> designFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(sysdata()))
            if (entry.path().extension() == ".L")
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    testing_support::TempDir dir_;
};

TEST_F(LabelCommandsTest, StocksListTheCatalogueOrWhatTheSearchMatches)
{
    const CliRun all = cli("label-stocks");
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out.substr(0, kStocksHeader.size()), kStocksHeader);
    EXPECT_EQ(lines(all.out).size(), 134u);
    EXPECT_NE(all.out.find("\r\nAvery L4730  Mini Multipurpose,0.394,0.701,10,27,0.512,0.236,0.799,0.394,8.268,"
                           "11.693,LJ,A4,RR,AVERY,MISCELLANEOUS,0.000,0.000,\r\n"),
              std::string::npos);

    const CliRun found = cli("label-stocks --search '66.7 mm 5160'");
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out, kStocksHeader + "Avery 5160  Address,1.000,2.625,3,10,0.500,0.156,2.781,1.000,8.500,11.000,"
                                         "LJ,LTR,RR,AVERY,ADDRESS/SHIPPING LABELS,0.000,0.000,\r\n");
    EXPECT_EQ(cli("label-stocks --search 'no such stock'").out, kStocksHeader);
}

TEST_F(LabelCommandsTest, NewFromAStockOrAGeometryMakesTheRowAndTheDesign)
{
    const CliRun stock = cli("label-new Office --stock 'avery 5160 address'");
    EXPECT_EQ(stock.status, 0) << stock.err;
    EXPECT_EQ(stock.out, "BIN00001.L\n");
    const CliRun typed = cli("label-new 'Home labels' " + kGeometry + " --paper a4 --shape EL");
    EXPECT_EQ(typed.status, 0) << typed.err;
    EXPECT_EQ(typed.out, "BIN00002.L\n");

    const CliRun layouts = cli("label-layouts");
    EXPECT_EQ(layouts.status, 0) << layouts.err;
    EXPECT_EQ(layouts.out, kLayoutsHeader +
                               "Home labels,,1.000,2.625,3,10,0.500,0.188,2.750,1.000,8.500,11.000,0.000,0.000,A4,EL,,"
                               "USER,,,BIN00002.L\r\n"
                               "Office,Avery 5160  Address,1.000,2.625,3,10,0.500,0.156,2.781,1.000,8.500,11.000,0.000,"
                               "0.000,LTR,RR,LJ,AVERY,ADDRESS/SHIPPING LABELS,,BIN00001.L\r\n");

    // The address block covers the 252 x 96 pixel label less its margins.
    const CliRun design = cli("design-show " + sysdata() + "BIN00001.L");
    EXPECT_EQ(design.status, 0) << design.err;
    EXPECT_EQ(design.out.substr(0, design.out.find("Locked")),
              "TGDMultiLineAddressLabel Special1\nLeft=5\nTop=5\nWidth=237\nHeight=81\n");
    EXPECT_NE(design.out.find("Font.Name=\"Arial\"\n"), std::string::npos);
}

TEST_F(LabelCommandsTest, NewRefusesWithAMessageAndWritesNothing)
{
    ASSERT_EQ(cli("label-new Office " + kGeometry).status, 0);
    const struct {
        std::string args;
        int status;
        std::string message;
    } cases[] = {
        {"label-new OFFICE --stock 'Avery 5160  Address'", 1, "a label layout named \"OFFICE\" already exists"},
        {"label-new Other --stock 'Avery 0000'", 1, "no label stock is named \"Avery 0000\""},
        {"label-new Other --geometry 0.2,2.625,3,10,0.5,0.188,2.75,1,8.5,11", 1,
         "Label Height must be at least .3 inches (or 7mm)"},
        {"label-new Other --geometry 1,2.625,3,10,0.5,0.188,2,1,8.5,11", 1,
         "Horizontal Pitch must be at least = Label Width"},
        {"label-new Other --geometry 1,2.625,3,10,0.5,0.188,2.75,1,100,11", 1,
         "Paper Width must be at most 99.999 inches (2539.9mm)"},
        {"label-new Other --geometry 1,2.625,11,10,0.5,0.188,2.75,1,8.5,11", 1, "# across must be from 1 to 10"},
        {"label-new Other --stock x --geometry 1,2.625,3,10,0.5,0.188,2.75,1,8.5,11", 2,
         "give either --stock or --geometry"},
        {"label-new Other", 2, "give either --stock or --geometry"},
        {"label-new Other --stock 'Avery 5160  Address' --paper A4", 2, "--paper and --shape go with --geometry"},
        {"label-new ' ' " + kGeometry, 2, "the layout needs a name"},
        {"label-new Other --geometry 1,2.625,3,10", 2, "--geometry takes ten numbers separated by commas"},
        {"label-new Other --geometry 1,2.625,3,10,0.5,0.188,2.75,1,8.5,1e3", 2, "--geometry: \"1e3\" is not a number"},
        {"label-new Other --geometry 1,2.625,2.5,10,0.5,0.188,2.75,1,8.5,11", 2,
         "--geometry: the labels across and down are whole numbers"},
        {"label-new Other " + kGeometry + " --paper B5", 2, "--paper is one of LTR, LTRL, A4, A4L, A5, USERP, USERL"},
        {"label-new Other " + kGeometry + " --shape OV", 2, "--shape is one of RR, SR, EL"},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
        EXPECT_NE(run.err.find("quorvel-cli: " + c.message), std::string::npos) << c.args << " says\n" << run.err;
        EXPECT_EQ(run.out, "") << c.args;
    }
    EXPECT_EQ(lines(cli("label-layouts").out).size(), 2u);
    EXPECT_EQ(designFiles(), std::vector<std::string>{"BIN00001.L"});
}

TEST_F(LabelCommandsTest, ARowTheProgramRefusesIsListedWithAWarning)
{
    ASSERT_EQ(cli("label-new Office " + kGeometry).status, 0);
    xbase::TApollo table;
    ASSERT_TRUE(table.sx_Use(sysdata() + "LABEL.DBF"));
    ASSERT_TRUE(table.sx_Replace("NBRACROSS", "12"));
    ASSERT_TRUE(table.sx_Commit());
    table.sx_Close();
    const CliRun run = cli("label-layouts");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "quorvel-cli: warning: The label layout \"Office\" cannot be used: its number of labels across "
                       "(NBRACROSS) is \"12\"; a sheet has 1 to 10.\n");
    EXPECT_NE(run.out.find("\r\nOffice,,1.000,2.625,12,10,"), std::string::npos) << run.out;
}

TEST_F(LabelCommandsTest, HelpShowsEachUsage)
{
    for (const std::string command : {"label-stocks", "label-layouts", "label-new"}) {
        const CliRun run = cli(command + " --help");
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.out.find("usage: quorvel-cli [--home DIR] " + command), 0u) << run.out;
    }
    EXPECT_EQ(cli("label-layouts extra").status, 2);
    EXPECT_EQ(cli("label-stocks --search").status, 2);
}

} // namespace
