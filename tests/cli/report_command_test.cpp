// quorvel-cli report through the built program: the PDF of a built-in
// report read back with pdftotext -bbox (every selected record once, in
// order, in its column, line under line, the header on every page), a
// user-defined report's objects where its bands put them, what it says,
// and the exit status of every refusal.
#include "cli_runner.h"
#include "pdf_text.h"
#include "support/temp_dir.h"

#include "design/model/data_label.h"
#include "design/model/design_owner.h"
#include "design/model/surface_objects.h"
#include "design/model/text_labels.h"
#include "reports/report_design.h"
#include "reports/report_settings.h"
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/dataset.h"
#include "store/field_lengths.h"
#include "store/system_tables.h"
#include "xbase/apollo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace quorvel::cli_tests;

using Row = std::map<std::string, std::string>;

std::string Name(int number)
{
    char text[8];
    std::snprintf(text, sizeof text, "R%03d", number);
    return text;
}

std::vector<PdfWord> WordsOnPage(const PdfText& read, int page)
{
    std::vector<PdfWord> words;
    for (const PdfWord& word : read.words)
        if (word.page == page)
            words.push_back(word);
    return words;
}

bool HasWord(const std::vector<PdfWord>& words, const std::string& text)
{
    return std::any_of(words.begin(), words.end(), [&text](const PdfWord& word) { return word.text == text; });
}

design::TGFont Arial()
{
    design::TGFont font;
    font.Name = QStringLiteral("Arial");
    font.Height = design::TGFont::HeightForPoints(10, 96);
    return font;
}

// A report design of "HEAD" in the header and "FOOT" in the footer at
// (12, 6) pixels of their bands, and the last name at (24, 4) of the
// detail band, on the settings of a new report with the footer in use.
reports::TReportSettings WriteUserReport(const QString& path)
{
    design::TGDesignOwner owner(96);
    design::TGSurfaceObjects header(reports::ReportBandClasses()), detail(reports::ReportBandClasses()),
        footer(reports::ReportBandClasses());
    for (auto [band, text] : {std::pair{&header, "HEAD"}, std::pair{&footer, "FOOT"}}) {
        auto label = std::make_unique<design::TGPLabel>(owner);
        label->SetBounds(12, 6, 80, 16);
        label->SetFont(Arial());
        label->SetCaption(QString::fromLatin1(text));
        band->Add(std::move(label));
    }
    auto field = std::make_unique<design::TGPDLabel>(owner);
    field->SetBounds(24, 4, 200, 16);
    field->SetFont(Arial());
    field->BindField(QStringLiteral("LNAME"), QStringLiteral("Last Name"));
    detail.Add(std::move(field));
    reports::TReportSettings settings = reports::NewReportSettings(96);
    settings.useFooter = true;
    settings.footerHeight = settings.headerHeight;
    EXPECT_TRUE(reports::SaveReportDesign(path, header, detail, footer, settings, 96).IsOk());
    return settings;
}

class ReportCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Any command prepares the home folder.
        ASSERT_EQ(cli("label-layouts").status, 0);
    }

    CliRun cli(const std::string& args) { return runCli("--home " + home() + " " + args, dir_.file("stderr.txt")); }
    CliRun report(const std::string& options) { return cli("report " + addresses() + " " + options); }

    std::string home() const { return dir_.file("home"); }
    std::string sysdata() const { return home() + "/sysdata/"; }
    std::string addresses() const { return dir_.file("people.dbf"); }
    std::string pdf() const { return dir_.file("report.pdf"); }

    void MakeAddressFile(const std::vector<Row>& rows)
    {
        xbase::TApollo engine;
        quorvel::TAddressDataset dataset(engine);
        const QString path = QString::fromStdString(addresses());
        ASSERT_TRUE(quorvel::CreateAddressFile(path, dataset, quorvel::TNewFileFieldLengths()).ok);
        ASSERT_TRUE(quorvel::OpenTableFile(path, dataset).ok);
        for (const Row& row : rows) {
            ASSERT_TRUE(dataset.Insert());
            for (const auto& [field, value] : row)
                ASSERT_TRUE(dataset.SetFieldAsString(QString::fromStdString(field), QString::fromStdString(value)));
            ASSERT_TRUE(dataset.Post()) << dataset.lastError().toStdString();
        }
        dataset.Close();
    }

    void AddReport(const char* description, const char* layout, const char* designFile)
    {
        xbase::TApollo engine;
        quorvel::TDataset table(engine);
        ASSERT_TRUE(quorvel::OpenSystemTable(quorvel::TSystemTable::stReport, table, QString::fromStdString(sysdata())).ok);
        ASSERT_TRUE(table.Insert());
        ASSERT_TRUE(table.SetFieldAsString(u"DESCRIPT", QString::fromLatin1(description)));
        ASSERT_TRUE(table.SetFieldAsString(u"LAYOUT", QString::fromLatin1(layout)));
        ASSERT_TRUE(table.SetFieldAsString(u"BINARY", QString::fromLatin1(designFile)));
        ASSERT_TRUE(table.Post()) << table.lastError().toStdString();
        table.Close();
    }

    testing_support::TempDir dir_;
};

// 70 records stored out of order, besides a deleted one and one whose
// prefix says DELETED: two pages of report 1.
TEST_F(ReportCommandTest, Report1ListsEverySelectedRecordOnceInItsColumnsWithTheHeaderOnEachPage)
{
    std::vector<Row> rows;
    for (int i = 70; i >= 1; --i)
        rows.push_back({{"LNAME", Name(i)}, {"STREET", "Main"}, {"PHONE", "555-0100"}});
    rows.push_back({{"LNAME", "Gone"}, {"ISDEL", "T"}});
    rows.push_back({{"LNAME", "Marked"}, {"PREFIX", "Deleted"}});
    MakeAddressFile(rows);

    const CliRun run = report("--report 1 --title Members --pdf " + pdf());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "70 records on 2 pages\n");
    EXPECT_EQ(run.err, "");

    const PdfText read = ReadPdf(pdf(), dir_.path());
    ASSERT_EQ(read.pageSizes.size(), 2u);
    EXPECT_NEAR(read.pageSizes[0].first, 8.5, 0.01);
    EXPECT_NEAR(read.pageSizes[0].second, 11.0, 0.01);
    int next = 1;
    for (int page = 1; page <= 2; ++page) {
        SCOPED_TRACE(page);
        const std::vector<PdfWord> words = WordsOnPage(read, page);
        for (const char* header : {"Members", "Page", "Name", "Address", "City/St/Zip", "Phone"})
            EXPECT_TRUE(HasWord(words, header)) << header;
        EXPECT_TRUE(HasWord(words, std::to_string(page)));
        EXPECT_FALSE(HasWord(words, "Gone,"));
        EXPECT_FALSE(HasWord(words, "Marked,"));
        const PdfWord* previous = nullptr;
        for (const PdfWord& word : words) {
            if (word.text.size() != 5 || word.text[0] != 'R' || word.y < 1.0)
                continue;
            EXPECT_EQ(word.text, Name(next) + ",");
            ++next;
            EXPECT_NEAR(word.x, 1.02, 0.02) << word.text;
            if (previous) {
                EXPECT_NEAR(word.y - previous->y, 0.15, 0.01) << word.text;
            }
            previous = &word;
        }
        // Each record's street and phone on its line, in their columns.
        for (const PdfWord& word : words) {
            if (word.text == "Main") {
                EXPECT_NEAR(word.x, 2.77, 0.02);
            }
            if (word.text == "555-0100") {
                EXPECT_NEAR(word.x, 6.92, 0.02);
            }
        }
    }
    EXPECT_EQ(next, 71) << "every record once";
}

// Each page: the header and footer bands' texts at their bands' origins,
// the detail band once a record at the next origin down.
TEST_F(ReportCommandTest, AUserReportsObjectsStandAtTheirBandOriginsOnEveryPage)
{
    std::vector<Row> rows;
    for (int i = 1; i <= 40; ++i)
        rows.push_back({{"LNAME", Name(i)}});
    MakeAddressFile(rows);
    AddReport("Members List", "Letter Size, Portrait", "BIN00001.R");
    const reports::TReportSettings settings = WriteUserReport(QString::fromStdString(sysdata() + "BIN00001.R"));

    const CliRun run = report("--report 'MEMBERS list' --pdf " + pdf());
    ASSERT_EQ(run.status, 0) << run.err;
    const PdfText read = ReadPdf(pdf(), dir_.path());
    ASSERT_GE(read.pageSizes.size(), 2u);
    EXPECT_EQ(run.out, "40 records on " + std::to_string(read.pageSizes.size()) + " pages\n");

    const auto inches = [](int pixels) { return pixels / 96.0; };
    const double left = inches(settings.leftMargin) + 0.125;
    const double areaTop = inches(settings.topMargin + settings.headerHeight);
    const double footerTop = inches(settings.pageHeight - settings.bottomMargin - settings.footerHeight);
    const double detail = inches(settings.detailHeight);
    int next = 1;
    for (int page = 1; page <= static_cast<int>(read.pageSizes.size()); ++page) {
        SCOPED_TRACE(page);
        int line = 0;
        for (const PdfWord& word : WordsOnPage(read, page)) {
            if (word.text == "HEAD") {
                EXPECT_NEAR(word.x, left + inches(12), 0.03);
                EXPECT_NEAR(word.y, inches(settings.topMargin + 6), 0.03);
            } else if (word.text == "FOOT") {
                EXPECT_NEAR(word.x, left + inches(12), 0.03);
                EXPECT_NEAR(word.y, footerTop + inches(6), 0.03);
            } else {
                EXPECT_EQ(word.text, Name(next++));
                EXPECT_NEAR(word.x, left + inches(24), 0.03) << word.text;
                EXPECT_NEAR(word.y, areaTop + line++ * detail + inches(4), 0.03) << word.text;
            }
        }
        EXPECT_GT(line, 0);
    }
    EXPECT_EQ(next, 41);
}

TEST_F(ReportCommandTest, RecordChoices)
{
    MakeAddressFile({{{"LNAME", "Adams"}, {"STATE", "IL"}},
                     {{"LNAME", "Baker"}, {"STATE", "NY"}},
                     {{"LNAME", "Clark"}, {"STATE", "IL"}, {"PREFIX", "deleted"}},
                     {{"FNAME", "Nobody"}, {"STATE", "IL"}}});
    const struct {
        std::string options;
        std::vector<std::string> names;
        std::string err;
    } cases[] = {
        {"", {"Adams,", "Baker,"}, ""},
        {"--filter 'STATE=\"IL\"'", {"Adams,", "Clark,"}, ""},
        {"--record 2", {"Baker,"}, ""},
        // The chosen record prints, even without a last name.
        {"--record 4", {","}, ""},
        {"--filter 'STATE=\"IL\"' --start 3", {"Clark,"}, ""},
        {"--filter 'STATE=\"IL\"' --start 2", {"Adams,", "Clark,"},
         "quorvel-cli: Current record is out of range. Starting with first record\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        std::filesystem::remove(pdf());
        const CliRun run = report("--report 1 " + c.options + " --pdf " + pdf());
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, c.err);
        std::vector<std::string> names;
        for (const PdfWord& word : ReadPdf(pdf(), dir_.path()).words)
            if (word.y > 1.0 && std::abs(word.x - 1.02) < 0.02)
                names.push_back(word.text);
        EXPECT_EQ(names, c.names);
    }
}

TEST_F(ReportCommandTest, RefusalsLeaveNothingAtOut)
{
    MakeAddressFile({{{"LNAME", "Adams"}, {"STATE", "IL"}}, {{"LNAME", "Gone"}, {"ISDEL", "T"}}});
    AddReport("Damaged", "Letter Size, Portrait", "BIN00001.R");
    {
        std::ofstream damaged(sysdata() + "BIN00001.R", std::ios::binary);
        damaged << "not a design";
    }
    const struct {
        std::string args;
        int status;
    } cases[] = {
        {"report " + addresses() + " --pdf OUT", 2},
        {"report " + addresses() + " --report 1", 2},
        {"report " + addresses() + " --report 1 --record 1 --filter 'STATE=\"IL\"' --pdf OUT", 2},
        {"report " + addresses() + " --report 1 --record 1 --start 1 --pdf OUT", 2},
        {"report " + addresses() + " --report 1 --record x --pdf OUT", 2},
        {"report " + addresses() + " --report 1 --pdf OUT --bogus", 2},
        {"report " + addresses() + " --report Nope --pdf OUT", 1},
        {"report " + addresses() + " --report damaged --pdf OUT", 1},
        {"report " + dir_.file("missing.dbf") + " --report 1 --pdf OUT", 1},
        {"report " + addresses() + " --report 1 --filter 'STATE=\"TX\"' --pdf OUT", 1},
        {"report " + addresses() + " --report 1 --filter 'STATE=' --pdf OUT", 1},
        {"report " + addresses() + " --report 1 --record 2 --pdf OUT", 1},
        {"report " + addresses() + " --report 1 --start 9 --pdf OUT", 1},
        {"report " + addresses() + " --report 1 --order NOSUCH --pdf OUT", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        std::filesystem::remove(pdf());
        std::string args = c.args;
        if (const std::size_t at = args.find("OUT"); at != std::string::npos)
            args.replace(at, 3, pdf());
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_FALSE(run.err.empty());
        EXPECT_FALSE(std::filesystem::exists(pdf()));
    }
}

} // namespace
