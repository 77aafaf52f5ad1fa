// quorvel-cli presort and labels --presort through the built program, on one
// small address file that holds every kind of group: a 5-digit package, a
// 3-digit package, three area distribution centres, unknown prefixes and
// codes no package takes (blank, short, foreign, lower case, ZIP+4), with
// deleted records beside them. Checked: the CSV rows, the list file byte
// for byte, the labels' order in the PDF, and every refusal.
#include "cli_runner.h"
#include "label_sheet_fixture.h"
#include "store/address_layout.h"
#include "support/temp_dir.h"
#include "xbase/apollo.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace quorvel::cli_tests;

// In the order a presorted run prints them: records of one ZIP code in the
// ZIP tag's order (ties by record number), so R01 ... R33 come out in turn.
// The deleted records sit where they would print if they were counted:
// Del1 would make 30302 a 5-digit package of 10 pieces.
const std::vector<AddressRow> kPeople = {
    {"R01", "30301"}, {"R02", "30301"}, {"R03", "30301"}, {"R04", "30301"}, {"R05", "30301"},
    {"R06", "30301"}, {"R07", "30301"}, {"R08", "30301"}, {"R09", "30301"}, {"R10", "30301-1234"},
    {"R11", "30302"}, {"R12", "30302"}, {"R13", "30302"}, {"R14", "30302"}, {"Del1", "30302", true},
    {"R15", "30302"}, {"R16", "30302"}, {"R17", "30302"}, {"R18", "30302"}, {"R19", "30302-0001"},
    {"R20", "30303"}, {"R21", "3030a"},
    {"R22", "1234"},
    {"R23", "58102"}, {"R24", "58102"},
    {"R25", "00601"},
    {"R26", "00012"}, {"R27", "0999"},
    {"R28", ""}, {"Del2", "", true}, {"R29", ""}, {"R30", "0000"}, {"R31", "9999A"}, {"R32", "K1A 0B1"},
    {"R33", "k1a 0b1"},
};

// The whole file's presort, as the label run reads it from the list.
const std::vector<std::string> kAllLines = {
    "** 5-digit 30301",   "30301", "** 3-digit 303", "30302", "30303", "3030a", "** ADC ALBANY NY 120", "1234",
    "** ADC FARGO ND  580", "58102", "** ADC SAN JUAN PR  006", "00601", "** Unknown", "00012", "0999",
    "** Not presorted",
};

const std::string kAllRows = "GROUP,ZIP,PIECES\r\n"
                             "** 5-digit 30301,30301,10\r\n"
                             "** 3-digit 303,30302,9\r\n"
                             "** 3-digit 303,30303,1\r\n"
                             "** 3-digit 303,3030a,1\r\n"
                             "** ADC ALBANY NY 120,1234,1\r\n"
                             "** ADC FARGO ND  580,58102,2\r\n"
                             "** ADC SAN JUAN PR  006,00601,1\r\n"
                             "** Unknown,00012,1\r\n"
                             "** Unknown,0999,1\r\n"
                             "** Not presorted,,2\r\n"
                             "** Not presorted,0000,1\r\n"
                             "** Not presorted,9999A,1\r\n"
                             "** Not presorted,K1A 0B1,1\r\n"
                             "** Not presorted,k1a 0b1,1\r\n";

// The 303 records through a filter whose ".or." also names the deleted
// ones: bracketed, it cannot reach them, and 30302 keeps its 9 pieces.
const std::string kOrFilter = "--filter 'ZIP = \"303\" .or. LNAME = \"Del\"'";
const std::string kOrRows = "GROUP,ZIP,PIECES\r\n"
                            "** 5-digit 30301,30301,10\r\n"
                            "** 3-digit 303,30302,9\r\n"
                            "** 3-digit 303,30303,1\r\n"
                            "** 3-digit 303,3030a,1\r\n";

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string listBytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

class PresortCommandTest : public ::testing::Test {
protected:
    void SetUp() override { MakeAddressFile(addresses(), kPeople); }

    CliRun cli(const std::string& args)
    {
        return quorvel::cli_tests::runCli("--home " + home() + " " + args, dir_.file("stderr.txt"));
    }
    CliRun presort(const std::string& options) { return cli("presort " + addresses() + " " + options); }

    std::string home() const { return dir_.file("home"); }
    std::string addresses() const { return dir_.file("people.dbf"); }
    std::string list() const { return dir_.file("out.psl"); }

    // An address file with every field but `missing`.
    std::string MakeFileWithout(const QString& missing)
    {
        const std::string path = dir_.file("no" + missing.toStdString() + ".dbf");
        std::vector<quorvel::TFieldDef> fields = quorvel::addressStoredFieldDefs();
        std::erase_if(fields, [&](const quorvel::TFieldDef& field) { return field.name == missing; });
        xbase::TApollo engine;
        EXPECT_TRUE(engine.sx_CreateNew(path, static_cast<int>(fields.size())));
        for (const quorvel::TFieldDef& field : fields)
            EXPECT_TRUE(engine.sx_CreateField(field.name.toStdString(), field.type, field.width, field.decimals));
        EXPECT_TRUE(engine.sx_CreateExec());
        engine.sx_Close();
        return path;
    }

    testing_support::TempDir dir_;
};

TEST_F(PresortCommandTest, PrintsEachZipLineUnderItsGroupThenTheCodesNoPackageTakes)
{
    ASSERT_EQ(cli("filter " + addresses() + " --set ZIP=581 --save " + dir_.file("fargo.flt")).status, 0);
    const struct {
        std::string options;
        std::string rows;
    } cases[] = {
        {"", kAllRows},
        {kOrFilter, kOrRows},
        // Leading zeros, a prefix in no centre, and a code below "00000".
        {"--filter 'ZIP = \"0\"'", "GROUP,ZIP,PIECES\r\n"
                                   "** ADC SAN JUAN PR  006,00601,1\r\n"
                                   "** Unknown,00012,1\r\n"
                                   "** Unknown,0999,1\r\n"
                                   "** Not presorted,0000,1\r\n"},
        // Only codes no package takes: the list is its last header alone.
        {"--filter 'LNAME >= \"R31\"'", "GROUP,ZIP,PIECES\r\n"
                                        "** Not presorted,9999A,1\r\n"
                                        "** Not presorted,K1A 0B1,1\r\n"
                                        "** Not presorted,k1a 0b1,1\r\n"},
        {"--load " + dir_.file("fargo.flt"), "GROUP,ZIP,PIECES\r\n"
                                             "** ADC FARGO ND  580,58102,2\r\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = presort(c.options);
        EXPECT_EQ(run.status, 0) << c.options << "\n" << run.err;
        EXPECT_EQ(run.out, c.rows) << c.options;
        EXPECT_EQ(run.err, "") << c.options;
    }
}

TEST_F(PresortCommandTest, OutWritesTheListTheLabelRunReads)
{
    const struct {
        std::string options;
        std::string bytes;
    } cases[] = {
        {"", listBytes(kAllLines)},
        {kOrFilter, listBytes({"** 5-digit 30301", "30301", "** 3-digit 303", "30302", "30303", "3030a"})},
        {"--filter 'LNAME >= \"R31\"'", listBytes({"** Not presorted"})},
        // An empty selection leaves an empty list, never an old one.
        {"--filter 'LNAME = \"Nobody\"'", ""},
    };
    for (const auto& c : cases) {
        std::ofstream(list(), std::ios::binary) << "an older list\r\n";
        const CliRun run = presort(c.options + " --out " + list());
        EXPECT_EQ(run.status, 0) << c.options << "\n" << run.err;
        EXPECT_EQ(readFile(list()), c.bytes) << c.options;
    }
}

TEST_F(PresortCommandTest, AnEmptySelectionIsANoteNotAFailure)
{
    // Without a tag id in the home folder nothing is tagged.
    for (const std::string& options : {std::string("--filter 'LNAME = \"Nobody\"'"), std::string("--tagged"),
                                       std::string("--filter 'LNAME = \"Del\"'")}) {
        const CliRun run = presort(options);
        EXPECT_EQ(run.status, 0) << options << "\n" << run.err;
        EXPECT_EQ(run.out, "") << options;
        EXPECT_EQ(run.err, "quorvel-cli: the selection holds no record\n") << options;
    }
}

TEST_F(PresortCommandTest, RefusalsSayWhyAndWriteNoList)
{
    const std::string out = " --out " + list();
    const struct {
        std::string args;
        int status;
        std::string message;
    } cases[] = {
        {"presort " + dir_.file("missing.dbf") + out, 1, "cannot open " + dir_.file("missing.dbf")},
        {"presort " + MakeFileWithout(QStringLiteral("ZIP")) + out, 1, "The file has no field ZIP"},
        {"presort " + MakeFileWithout(QStringLiteral("ISDEL")) + out, 1, "The file has no field ISDEL"},
        {"presort " + addresses() + " --filter 'ZIP ='" + out, 1, "bad filter"},
        {"presort " + addresses() + " --load " + dir_.file("missing.flt") + out, 1, "missing.flt"},
        {"presort " + addresses() + " --out " + dir_.file("missing/out.psl"), 1, "missing/out.psl"},
        {"presort " + addresses() + " --out " + dir_.path(), 1, dir_.path()},
        {"presort " + addresses() + " --filter 'ZIP = \"1\"' --load x.flt" + out, 2,
         "--filter and --load cannot be given together"},
        {"presort " + addresses() + " --order ZIP" + out, 2, "--order"},
        {"presort" + out, 2, ""},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
        EXPECT_NE(run.err.find("quorvel-cli: "), std::string::npos) << c.args;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << " says\n" << run.err;
        EXPECT_EQ(run.out, "") << c.args;
        EXPECT_FALSE(std::filesystem::exists(list())) << c.args;
    }
    // A list that cannot be written leaves no half file beside it.
    EXPECT_FALSE(std::filesystem::exists(dir_.file("missing")));
}

// ---- labels --presort: the PDF read back with pdftotext -bbox ----

constexpr int kPerSheet = 30;

struct PrintedLabel {
    int page = 0;
    int position = 0; // 0-based, across first
    std::string text; // its words in reading order, one blank between them
};

// The labels of a PDF in print order: every word of the file put in the
// label cell it starts in.
std::vector<PrintedLabel> ReadLabels(const std::string& pdf, const std::string& scratch)
{
    std::map<std::pair<int, int>, std::vector<PdfWord>> cells;
    for (const PdfWord& word : ReadPdf(pdf, scratch).words) {
        const int column = static_cast<int>((word.x - kLeftMargin) / kHorizPitch);
        const int row = static_cast<int>((word.y - kTopMargin) / kVertPitch);
        cells[{word.page, row * kAcross + column}].push_back(word);
    }
    std::vector<PrintedLabel> labels;
    for (auto& [cell, words] : cells) {
        std::sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
            return std::abs(a.y - b.y) > 0.02 ? a.y < b.y : a.x < b.x;
        });
        PrintedLabel label{cell.first, cell.second, {}};
        for (const PdfWord& word : words)
            label.text += (label.text.empty() ? "" : " ") + word.text;
        labels.push_back(label);
    }
    return labels;
}

// What a label shows first: a break label's header (blanks collapsed, as
// words come out of a PDF) or a record's name line.
std::string Headline(const PrintedLabel& label)
{
    if (label.text.rfind("**", 0) == 0)
        return label.text;
    return label.text.substr(0, label.text.find(' '));
}

std::string Collapsed(std::string text)
{
    text.erase(std::unique(text.begin(), text.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
               text.end());
    return text;
}

TEST_F(PresortCommandTest, LabelsPrintBreakLabelsAndRecordsInPresortOrder)
{
    ASSERT_EQ(cli("label-new Office --geometry " + kGeometry).status, 0);
    // Each list line's records, R01 ... R33 in print order.
    const std::map<std::string, std::vector<std::string>> namesOfLine = {
        {"30301", {"R01", "R02", "R03", "R04", "R05", "R06", "R07", "R08", "R09", "R10"}},
        {"30302", {"R11", "R12", "R13", "R14", "R15", "R16", "R17", "R18", "R19"}},
        {"30303", {"R20"}}, {"3030a", {"R21"}}, {"1234", {"R22"}}, {"58102", {"R23", "R24"}}, {"00601", {"R25"}},
        {"00012", {"R26"}}, {"0999", {"R27"}},
    };
    const std::vector<std::string> notPresorted = {"R28", "R29", "R30", "R31", "R32", "R33"};
    const struct {
        std::string options;
        std::vector<std::string> lines;
        std::string positions; // the mask
        int firstPosition;     // 0-based; the mask skips the ones before
    } cases[] = {
        {"", kAllLines, "1-30", 0},
        {kOrFilter, {"** 5-digit 30301", "30301", "** 3-digit 303", "30302", "30303", "3030a"}, "3-30", 2},
    };
    for (const auto& c : cases) {
        std::vector<std::string> expected;
        for (const std::string& line : c.lines) {
            if (line.rfind("**", 0) == 0)
                expected.push_back(Collapsed(line));
            else
                expected.insert(expected.end(), namesOfLine.at(line).begin(), namesOfLine.at(line).end());
            if (line == "** Not presorted")
                expected.insert(expected.end(), notPresorted.begin(), notPresorted.end());
        }
        const std::string pdf = dir_.file("presorted.pdf");
        std::filesystem::remove(pdf);
        const CliRun run = cli("labels " + addresses() + " --layout Office --presort --positions " + c.positions +
                               " " + c.options + " --pdf " + pdf);
        ASSERT_EQ(run.status, 0) << c.options << "\n" << run.err;
        const std::vector<PrintedLabel> labels = ReadLabels(pdf, dir_.path());
        std::vector<std::string> printed;
        int slot = 0; // the labels fill the positions of the mask in turn
        const int perSheet = kPerSheet - c.firstPosition;
        for (const PrintedLabel& label : labels) {
            printed.push_back(Headline(label));
            EXPECT_EQ(label.page, slot / perSheet + 1) << c.options << ": " << label.text;
            EXPECT_EQ(label.position, c.firstPosition + slot % perSheet) << c.options << ": " << label.text;
            ++slot;
        }
        EXPECT_EQ(printed, expected) << c.options;
        // The list the run followed is the home folder's, as the presort wrote it.
        EXPECT_EQ(readFile(home() + "/PRESORT.PSL"), listBytes(c.lines)) << c.options;
    }
}

TEST_F(PresortCommandTest, LabelsRefuseCopiesAndAnotherOrderWithPresort)
{
    ASSERT_EQ(cli("label-new Office --geometry " + kGeometry).status, 0);
    const std::string pdf = dir_.file("refused.pdf");
    const struct {
        std::string options;
        std::string message;
    } cases[] = {
        {"--copies 2", "--presort prints one copy of each label"},
        {"--order ZIP", "--order and --presort cannot be given together"},
    };
    for (const auto& c : cases) {
        const CliRun run = cli("labels " + addresses() + " --layout Office --presort " + c.options + " --pdf " + pdf);
        EXPECT_EQ(run.status, 2) << c.options << "\n" << run.err;
        EXPECT_NE(run.err.find("quorvel-cli: " + c.message), std::string::npos) << c.options << " says\n" << run.err;
        EXPECT_FALSE(std::filesystem::exists(pdf)) << c.options;
    }
    EXPECT_EQ(cli("labels " + addresses() + " --layout Office --presort --copies 1 --pdf " + pdf).status, 0);
}

} // namespace
