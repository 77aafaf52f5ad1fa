// User-defined reports through the report run, as the "Print Report"
// window's Report Designer page starts them: the paper and orientation the
// design was laid out on, One Record Per Page, the record choice, design
// files that are missing or damaged, and the address file coming back.
#include "report_fixture.h"
#include "report_run_fixture.h"

#include "labels/label_run_options.h"
#include "output/output_test_support.h"
#include "reports/report_store.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace reports;
using namespace reports_testing;
using output::TPrintOutcome;

namespace {

class UserReportChoiceTest : public ReportRunTest {
protected:
    void SetUp() override
    {
        ReportRunTest::SetUp();
        for (int i = 1; i <= 6; ++i) {
            const QByteArray name = QStringLiteral("R%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
            add({{"LNAME", name.constData()}, {"STATE", i % 2 ? "IL" : "NY"}});
        }
        add({{"LNAME", "Deleted"}, {"ISDEL", "T"}});
        ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
        report.description = QStringLiteral("Members");
        report.designFile = QStringLiteral("BIN00001.R");
    }

    void WriteDesign(const TReportSettings& settings)
    {
        ASSERT_TRUE(WriteSampleReport(sysdata + QStringLiteral("/BIN00001.R"), settings));
    }

    QStringList LastNames() const
    {
        QStringList names;
        for (const output::TPage& page : host.pages)
            for (const output::TTextOp& text : output_testing::TextsOf(page))
                if (text.text.startsWith(u'R') || text.text == QStringLiteral("Deleted"))
                    names << text.text;
        return names;
    }

    TReportDefinition report;
};

TEST_F(UserReportChoiceTest, ThePageIsTheOneTheDesignWasLaidOutOn)
{
    struct Case {
        const char* name;
        TReportPaper paper;
        QSizeF customInches; // for rpOtherPaper
        QSizeF page;
    };
    const Case cases[] = {
        {"letter", rpLetterPortrait, {}, {8.5, 11.0}},
        {"A4 landscape", rpA4Landscape, {}, {11.69, 8.27}},
        {"another size, taller than wide", rpOtherPaper, {6.0, 9.0}, {6.0, 9.0}},
        {"another size, wider than tall", rpOtherPaper, {9.0, 6.0}, {9.0, 6.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host = {};
        TReportSettings settings = NewReportSettings(96);
        if (c.paper == rpOtherPaper) {
            // The office printer takes no sheet of its own size; the PDF printer does.
            device->SelectPrinterByName(output::TRPDevice::PdfPrinterName());
            settings.pageWidth = static_cast<int>(c.customInches.width() * 96);
            settings.pageHeight = static_cast<int>(c.customInches.height() * 96);
        } else {
            SetPaper(settings, c.paper, 96);
        }
        WriteDesign(settings);
        TReportRunOptions options;
        options.preview = true;
        const TReportRunResult result = RunUserDefined(report, options);
        ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted) << result.message.toStdString();
        ASSERT_FALSE(host.pages.empty());
        EXPECT_NEAR(host.pages[0].size.width(), c.page.width(), 0.02);
        EXPECT_NEAR(host.pages[0].size.height(), c.page.height(), 0.02);
        EXPECT_EQ(result.records, 6);
        ExpectRestored(c.name);
    }
}

TEST_F(UserReportChoiceTest, RecordChoicesAndOneRecordPerPage)
{
    WriteDesign(NewReportSettings(96));
    struct Case {
        const char* name;
        labels::TRecordChoice choice;
        bool onePerPage;
        QStringList names;
        int pages;
    };
    const Case cases[] = {
        {"all records, by state", labels::rcAllRecords, false,
         {QStringLiteral("R01"), QStringLiteral("R03"), QStringLiteral("R05"), QStringLiteral("R02"),
          QStringLiteral("R04"), QStringLiteral("R06")},
         1},
        {"matching filter", labels::rcMatchingFilter, false,
         {QStringLiteral("R01"), QStringLiteral("R03"), QStringLiteral("R05")}, 1},
        {"one record per page", labels::rcMatchingFilter, true,
         {QStringLiteral("R01"), QStringLiteral("R03"), QStringLiteral("R05")}, 3},
        {"only the current record", labels::rcOnlyCurrent, false, {QStringLiteral("R04")}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host = {};
        // User reports print in the order the address file is in.
        ASSERT_TRUE(dataset.SetOrder(QStringLiteral("STATE")));
        ASSERT_TRUE(dataset.SetQuery(QStringLiteral("(STATE=\"IL\") .and. !ISDEL")));
        ASSERT_TRUE(dataset.GoTo(4));
        TReportRunOptions options;
        options.preview = true;
        options.records = c.choice;
        options.onePerPage = c.onePerPage;
        const TReportRunResult result = RunUserDefined(report, options);
        ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted) << result.message.toStdString();
        EXPECT_EQ(LastNames().join(u'|'), c.names.join(u'|'));
        EXPECT_EQ(result.pages, c.pages);
        ExpectRestored(c.name);
    }
}

TEST_F(UserReportChoiceTest, AMissingOrDamagedDesignStopsBeforeTheJob)
{
    for (const char* name : {"BIN00009.R", "../BIN00001.R", "REPORT.DBF", ""}) {
        SCOPED_TRACE(name);
        host = {};
        dialogs = {};
        report.designFile = QString::fromLatin1(name);
        TReportRunOptions options;
        options.preview = true;
        const TReportRunResult result = RunUserDefined(report, options);
        EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
        EXPECT_EQ(dialogs.notices, QStringList{ReportLayoutKind().missingDesign});
        EXPECT_FALSE(host.jobRun);
        ExpectRestored(name);
    }

    host = {};
    dialogs = {};
    report.designFile = QStringLiteral("BIN00002.R");
    QFile damaged(sysdata + QStringLiteral("/BIN00002.R"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a design");
    damaged.close();
    TReportRunOptions options;
    options.preview = false;
    dialogs.printOptionAnswers.push_back(output::TPrintOptions{});
    const TReportRunResult result = RunUserDefined(report, options);
    EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(result.message, dialogs.errors.first());
    EXPECT_FALSE(dialogs.asked.contains(QStringLiteral("PrintOptions"))) << "nothing to print: no options asked";
    EXPECT_FALSE(host.jobRun);
    ExpectRestored("damaged");
}

} // namespace
