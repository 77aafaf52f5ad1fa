// Runs of the built-in reports on a small address file, read back from the
// recorded pages of a preview (and the PDF file of a print): where cells,
// headings, rules and page numbers go, codes and long memos going on over
// pages, which records print for each choice, and the address file coming
// back as it was however the run ended.
#include "report_run_fixture.h"

#include "labels/label_run_options.h"
#include "output/output_error.h"
#include "output/output_test_support.h"
#include "output/tab_stops.h"
#include "store/address_records.h"
#include "xbase/apollo_env.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>

using namespace reports;
using namespace reports_testing;
using output::TPrintOutcome;

namespace {

constexpr double kTolerance = 1e-6;

QString Record(int number) { return QStringLiteral("R%1").arg(number, 3, 10, QLatin1Char('0')); }

// The texts of one page that start at `x`, below the header.
std::vector<output::TTextOp> BodyTextsAt(const output::TPage& page, double x)
{
    std::vector<output::TTextOp> found;
    for (const output::TTextOp& text : output_testing::TextsOf(page))
        if (std::abs(text.position.x() - x) < 0.005 && text.position.y() > 1.0)
            found.push_back(text);
    return found;
}

QStringList Words(const std::vector<output::TTextOp>& texts)
{
    QStringList words;
    for (const output::TTextOp& text : texts)
        words << text.text;
    return words;
}

// The horizontal lines of a page at `y`, drawn in `color`.
int RulesAt(const output::TPage& page, double y, QRgb color = qRgb(0, 0, 0))
{
    int rules = 0;
    for (const output::TShapeOp& shape : output_testing::ShapesOf(page))
        if (shape.kind == output::skLine && std::abs(shape.rect.top() - y) < kTolerance &&
            std::abs(shape.rect.bottom() - y) < kTolerance && shape.pen.color == color)
            ++rules;
    return rules;
}

int ShadesOf(const output::TPage& page, int percent)
{
    int shades = 0;
    const QRgb color = output::ShadeColor(qRgb(0, 0, 0), percent);
    for (const output::TShapeOp& shape : output_testing::ShapesOf(page))
        if (shape.kind == output::skRectangle && shape.brush.style == output::bsSolid && shape.brush.color == color)
            ++shades;
    return shades;
}

class BuiltInRunTest : public ReportRunTest {
protected:
    void AddRecords(int count)
    {
        for (int i = 1; i <= count; ++i) {
            const QByteArray name = Record(i).toLatin1();
            add({{"LNAME", name.constData()},
                 {"STREET", "1 Main St"},
                 {"CITY", "Springfield"},
                 {"STATE", "IL"},
                 {"ZIP", "62701"},
                 {"PHONE", "555-0100"}});
        }
        ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
    }
};

TEST_F(BuiltInRunTest, Report1PutsSixtyRecordsAPageInItsColumnsUnderTheHeader)
{
    AddRecords(70);
    const TReportRunResult result = PreviewBuiltIn(brNameAddress);
    ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted) << result.message.toStdString();
    EXPECT_EQ(result.records, 70);
    EXPECT_EQ(result.pages, 2);
    ASSERT_EQ(host.pages.size(), 2u);
    EXPECT_EQ(host.endStatus, QStringLiteral("\rReport Preview Ready!"));

    const double columns[] = {1.02, 2.77, 4.92, 6.92};
    const double widths[] = {1.75, 2.15, 2.0, 1.5};
    const char* headings[] = {"Name", "Address", "City/St/Zip", "Phone"};
    const char* values[] = {nullptr, "1 Main St", "Springfield, IL  62701 ", "555-0100"};
    for (int page = 1; page <= 2; ++page) {
        SCOPED_TRACE(page);
        const output::TPage& recorded = host.pages[static_cast<std::size_t>(page - 1)];
        const int lines = page == 1 ? 60 : 10;
        for (int column = 0; column < 4; ++column) {
            SCOPED_TRACE(headings[column]);
            const std::vector<output::TTextOp> cells = BodyTextsAt(recorded, columns[column]);
            ASSERT_EQ(cells.size(), static_cast<std::size_t>(lines));
            for (int line = 0; line < lines; ++line) {
                const output::TTextOp& cell = cells[static_cast<std::size_t>(line)];
                const QString expected = values[column] ? QString::fromLatin1(values[column])
                                                        : Record((page - 1) * 60 + line + 1) + QStringLiteral(", ");
                EXPECT_EQ(cell.text, expected);
                EXPECT_NEAR(cell.position.y(), cells.front().position.y() + 0.15 * line, kTolerance);
                EXPECT_EQ(cell.font.name, QStringLiteral("Arial"));
                EXPECT_EQ(cell.font.size, 9.0);
                EXPECT_FALSE(cell.font.bold);
                // Clipped to the column less a fifth of an inch, a font
                // size above and below the baseline.
                ASSERT_TRUE(cell.clip.has_value());
                const double y = cell.position.y();
                EXPECT_NEAR(cell.clip->left(), columns[column], kTolerance);
                EXPECT_NEAR(cell.clip->right(), columns[column] + widths[column] - 0.2, kTolerance);
                EXPECT_NEAR(cell.clip->top(), y - 0.125, kTolerance);
                EXPECT_NEAR(cell.clip->bottom(), y + 0.125, kTolerance);
            }
            // The first line sits right under the rule at 1 inch, the last
            // above the one at 10.
            EXPECT_GT(cells.front().position.y(), 1.0);
            EXPECT_LT(cells.front().position.y(), 1.15);
            EXPECT_LE(cells.back().position.y(), 10.0);
        }
        // No cell paints a background over the rules and shades.
        EXPECT_EQ(ShadesOf(recorded, 100), 0);

        const std::vector<output::TTextOp> texts = output_testing::TextsOf(recorded);
        const auto find = [&texts](const QString& word) {
            for (const output::TTextOp& text : texts)
                if (text.text == word)
                    return text;
            ADD_FAILURE() << "no " << word.toStdString();
            return output::TTextOp();
        };
        const output::TTextOp title = find(QStringLiteral("Report 1"));
        EXPECT_NEAR(title.position.x(), 1.0, kTolerance);
        EXPECT_EQ(title.font.name, QStringLiteral("Times New Roman"));
        EXPECT_TRUE(title.font.bold);
        const output::TTextOp number = find(QStringLiteral("Page ") + QString::number(page));
        EXPECT_EQ(number.align, output::taRight);
        EXPECT_NEAR(number.position.x(), 8.0, kTolerance);
        for (int column = 0; column < 4; ++column) {
            const output::TTextOp heading = find(QString::fromLatin1(headings[column]));
            EXPECT_NEAR(heading.position.x(), columns[column], kTolerance) << headings[column];
            EXPECT_LT(heading.position.y(), 1.0);
            EXPECT_TRUE(heading.font.bold);
        }
        EXPECT_EQ(RulesAt(recorded, 1.0), 1);
        EXPECT_EQ(RulesAt(recorded, 10.0), 1);
    }
}

TEST_F(BuiltInRunTest, Report4PrintsThreeLinesARecordWithSilverRulesBetween)
{
    for (int i = 1; i <= 40; ++i) {
        const QByteArray name = Record(i).toLatin1();
        add({{"LNAME", name.constData()},
             {"FNAME", "Ann"},
             {"PREFIX", "Dr."},
             {"TITLE", "Chair"},
             {"ORG", "Acme"},
             {"STREET", "1 Main St"},
             {"CITY", "Springfield"},
             {"STATE", "IL"},
             {"COUNTRY", "USA"},
             {"PHONE", "555-0100"},
             {"EMAIL", "ann@example.com"}});
    }
    const TReportRunResult result = PreviewBuiltIn(brAllFields);
    ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted) << result.message.toStdString();
    ASSERT_GE(host.pages.size(), 2u);

    const QRgb silver = qRgb(192, 192, 192);
    int printed = 0;
    for (std::size_t page = 0; page < host.pages.size(); ++page) {
        SCOPED_TRACE(page + 1);
        const output::TPage& recorded = host.pages[page];
        const std::vector<output::TTextOp> names = BodyTextsAt(recorded, 1.02);
        const std::vector<output::TTextOp> titles = BodyTextsAt(recorded, 3.77);
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(Words(BodyTextsAt(recorded, 1.52)).count(QStringLiteral("1 Main St")),
                  static_cast<qsizetype>(names.size()));
        EXPECT_EQ(Words(BodyTextsAt(recorded, 6.77)).count(QStringLiteral("USA")), static_cast<qsizetype>(names.size()));
        EXPECT_EQ(titles.size(), 3 * names.size()) << "title, city line and email in the third column";
        for (const output::TTextOp& name : names) {
            EXPECT_EQ(name.text, Record(++printed) + QStringLiteral(", Dr. Ann "));
            // 8 point on every page, also after a header.
            EXPECT_EQ(name.font.size, 8.0);
            EXPECT_NEAR(name.clip->right(), 1.02 + 2.75 - 0.2, kTolerance);
        }
        EXPECT_EQ(titles.front().text, QStringLiteral("Chair, Acme"));
        EXPECT_NEAR(titles.front().clip->right(), 3.77 + 4.5 - 0.2, kTolerance);

        // A silver rule after each record while more than three lines
        // remain: after all of them but perhaps the page's last.
        int rules = 0;
        double lastRule = 0.0;
        for (const output::TShapeOp& shape : output_testing::ShapesOf(recorded))
            if (shape.kind == output::skLine && shape.pen.color == silver) {
                ++rules;
                lastRule = shape.rect.top();
                EXPECT_NEAR(shape.rect.left(), 1.0, kTolerance);
                EXPECT_NEAR(shape.rect.right(), 8.0, kTolerance);
            }
        const int records = static_cast<int>(names.size());
        EXPECT_TRUE(rules == records || rules == records - 1) << rules << " rules for " << records;
        if (rules == records) {
            EXPECT_LT(lastRule, 10.0 - 3 * 8.0 / 60.0) << "a rule only with more than three lines left";
        }
    }
    EXPECT_EQ(printed, 40);
    // The headings' three lines on the first page.
    const QStringList third = Words(output_testing::TextsOf(host.pages[0]));
    for (const char* heading : {"Name", "Title and Organization", "Street", "City/State/Zip", "Country", "Phone,Fax",
                                "Email", "Date"})
        EXPECT_TRUE(third.contains(QString::fromLatin1(heading))) << heading;
}

TEST_F(BuiltInRunTest, CodesAndALongMemoGoOnUnderTheNextPagesHeader)
{
    QStringList memo;
    for (int i = 1; i <= 100; ++i)
        memo << QStringLiteral("Memo line %1").arg(i);
    add({{"LNAME", "Smith"}, {"CODES", "VIP"}}, memo.join(QStringLiteral("\r\n")));
    add({{"LNAME", "Taylor"}});
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));

    TReportRunOptions options;
    options.preview = true;
    options.records = labels::rcAllRecords;
    options.printCodes = true;
    options.printMemo = true;
    options.title = QStringLiteral("Members");
    const TReportRunResult result = RunBuiltIn(brNameAddress, options);
    ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted) << result.message.toStdString();
    EXPECT_EQ(result.records, 2);
    ASSERT_EQ(host.pages.size(), 2u);

    // Page 1: the record, its codes, then 58 memo lines; page 2: the other
    // 42 under the header, then the next record.
    const QStringList first = Words(BodyTextsAt(host.pages[0], 1.02));
    ASSERT_EQ(first.size(), 60);
    EXPECT_EQ(first[0], QStringLiteral("Smith, "));
    EXPECT_EQ(first[1], QStringLiteral("Codes: VIP"));
    EXPECT_EQ(first[2], QStringLiteral("Memo line 1"));
    EXPECT_EQ(first[59], QStringLiteral("Memo line 58"));
    EXPECT_EQ(ShadesOf(host.pages[0], 5), 1);
    EXPECT_EQ(ShadesOf(host.pages[0], 10), 58);

    const QStringList second = Words(BodyTextsAt(host.pages[1], 1.02));
    ASSERT_EQ(second.size(), 43);
    EXPECT_EQ(second[0], QStringLiteral("Memo line 59"));
    EXPECT_EQ(second[41], QStringLiteral("Memo line 100"));
    EXPECT_EQ(second[42], QStringLiteral("Taylor, "));
    EXPECT_EQ(ShadesOf(host.pages[1], 10), 42);
    const QStringList header = Words(output_testing::TextsOf(host.pages[1]));
    EXPECT_TRUE(header.contains(QStringLiteral("Members")));
    EXPECT_TRUE(header.contains(QStringLiteral("Page 2")));
    EXPECT_TRUE(header.contains(QStringLiteral("City/St/Zip")));
    EXPECT_EQ(RulesAt(host.pages[1], 1.0), 1);
}

// Which records each report prints for each choice: deleted ones never,
// a prefix of DELETED only out of "All records", blank keys out of reports
// 1 to 3 when they start from the first record.
TEST_F(BuiltInRunTest, RecordSelection)
{
    add({{"LNAME", "Adams"}, {"ORG", "Acme"}, {"STATE", "IL"}});              // 1
    add({{"LNAME", "Baker"}, {"ORG", "Beta"}, {"STATE", "IL"}});              // 2: deleted below
    add({{"LNAME", "Clark"}, {"ORG", "Corp"}, {"STATE", "IL"}, {"ISDEL", "T"}}); // 3: ISDEL alone
    add({{"LNAME", "Davis"}, {"ORG", "Dyn"}, {"STATE", "IL"}, {"PREFIX", "deleted"}}); // 4
    add({{"FNAME", "Nobody"}, {"ORG", "Eta"}, {"STATE", "IL"}});              // 5: no last name
    add({{"LNAME", "Evans"}, {"STATE", "NY"}});                              // 6: no organization
    add({{"LNAME", "Ford"}, {"ORG", "Fox"}, {"STATE", "NY"}});                // 7
    ASSERT_TRUE(dataset.GoTo(2));
    ASSERT_TRUE(quorvel::DeleteAddressRecord(dataset, xbase::TApolloEnv::global()));
    const QString filter = QStringLiteral("(STATE=\"IL\") .and. !ISDEL");

    struct Case {
        const char* name;
        int report;
        labels::TRecordChoice choice;
        bool fromCurrent;
        std::uint32_t current;
        std::vector<const char*> firstColumn; // at 1.02 inch
        bool outOfRange;
    };
    const Case cases[] = {
        {"report 1, all records", brNameAddress, labels::rcAllRecords, false, 1, {"Adams, ", "Evans, ", "Ford, "}, false},
        {"report 1, the filter keeps a DELETED prefix", brNameAddress, labels::rcMatchingFilter, false, 1,
         {"Adams, ", "Davis, "}, false},
        {"report 3 by organization, all records", brOrganizationName, labels::rcAllRecords, false, 1,
         {"Acme", "Eta", "Fox"}, false},
        {"report 4 prints blank keys", brAllFields, labels::rcAllRecords, false, 1, {"Adams, ", "Evans, ", "Ford, "},
         false},
        {"only the current record, outside the filter", brNameAddress, labels::rcOnlyCurrent, false, 7, {"Ford, "},
         false},
        {"only the current record without a last name", brNameAddress, labels::rcOnlyCurrent, false, 5,
         {", Nobody "}, false},
        {"only the current record without an organization", brOrganizationName, labels::rcOnlyCurrent, false, 6,
         {}, false},
        {"start from the current record", brNameAddress, labels::rcMatchingFilter, true, 4, {"Davis, "}, false},
        {"start from a current record without a key", brNameAddress, labels::rcMatchingFilter, true, 5,
         {", Nobody ", "Adams, ", "Davis, "}, false},
        {"start from a record outside the filter", brNameAddress, labels::rcMatchingFilter, true, 7,
         {"Adams, ", "Davis, "}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host = {};
        dialogs = {};
        ASSERT_TRUE(dataset.SetQuery(filter));
        ASSERT_TRUE(dataset.SetOrder(QStringLiteral("NAME")));
        ASSERT_TRUE(dataset.GoTo(c.current));
        TReportRunOptions options;
        options.preview = true;
        options.records = c.choice;
        options.startFromCurrent = c.fromCurrent;
        const TReportRunResult result = RunBuiltIn(c.report, options);
        ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted) << result.message.toStdString();
        ASSERT_EQ(host.pages.size(), 1u);
        QStringList expected;
        for (const char* text : c.firstColumn)
            expected << QString::fromLatin1(text);
        EXPECT_EQ(Words(BodyTextsAt(host.pages[0], 1.02)).join(u'|'), expected.join(u'|'));
        if (c.report == brAllFields) {
            EXPECT_EQ(result.records, 4) << "the record without a last name prints without its name";
            EXPECT_TRUE(Words(BodyTextsAt(host.pages[0], 3.77)).contains(QStringLiteral("Eta")));
        } else if (c.choice == labels::rcOnlyCurrent) {
            EXPECT_EQ(result.records, 1);
        }
        EXPECT_EQ(dialogs.notices, c.outOfRange ? QStringList{labels::messages::recordOutOfRange()} : QStringList{});
        ExpectRestored(c.name);
    }
}

TEST_F(BuiltInRunTest, AFilterSelectingNothingPrintsNothing)
{
    AddRecords(3);
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("(STATE=\"NY\") .and. !ISDEL")));
    const TReportRunResult result = PreviewBuiltIn(brNameAddress, labels::rcMatchingFilter);
    EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
    EXPECT_EQ(dialogs.notices, QStringList{labels::messages::noRecordsSelected()});
    EXPECT_FALSE(host.jobRun);
    ExpectRestored("nothing selected");
}

// Printing takes the page range chosen in the print options dialog.
TEST_F(BuiltInRunTest, PrintingTakesThePrintOptions)
{
    AddRecords(130);
    device->SelectPrinterByName(output::TRPDevice::PdfPrinterName());
    const QString pdf = quorvel::store_tests::qs(dir.file("range.pdf"));
    dialogs.pdfFileNames.push_back(pdf);
    output::TPrintOptions range;
    range.firstPage = 2;
    range.lastPage = 2;
    dialogs.printOptionAnswers.push_back(range);
    TReportRunOptions options;
    options.records = labels::rcAllRecords;
    const TReportRunResult result = RunBuiltIn(brNameAddress, options);
    ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted) << result.message.toStdString();
    EXPECT_EQ(result.records, 130);
    QStringList words;
    for (const output_testing::PdfWordBox& word : output_testing::ReadPdfWords(pdf))
        words << word.word;
    EXPECT_EQ(words.count(QStringLiteral("Page")), 1) << "page 2 alone";
    EXPECT_TRUE(words.contains(QStringLiteral("R061,")));
    EXPECT_FALSE(words.contains(QStringLiteral("R001,")));
    EXPECT_FALSE(words.contains(QStringLiteral("R121,")));
}

// However a run ends, the address file's filter, order and record are back;
// a failed job says so and leaves neither preview nor PDF file.
TEST_F(BuiltInRunTest, EveryEndingRestoresTheAddressFile)
{
    AddRecords(130);
    enum class Act { None, CancelOptions, Button, ButtonNo, Close, Error };
    struct Case {
        const char* name;
        bool preview;
        Act act;
        TPrintOutcome outcome;
        const char* status; // at the end of the job; none when no job ran
        bool pdfKept;
        bool previewShown;
    };
    const Case cases[] = {
        {"print completed", false, Act::None, TPrintOutcome::poCompleted, "\rReport Print Completed!", true, false},
        {"print options cancelled", false, Act::CancelOptions, TPrintOutcome::poNotRun, nullptr, false, false},
        {"print cancelled", false, Act::Button, TPrintOutcome::poCanceled, "\rReport Print Canceled!", false, false},
        {"cancel answered No", false, Act::ButtonNo, TPrintOutcome::poCompleted, "\rReport Print Completed!", true,
         false},
        {"print failed", false, Act::Error, TPrintOutcome::poFailed, "\rReport Print Failed!\rThe disk is full.",
         false, false},
        {"preview stopped", true, Act::Button, TPrintOutcome::poStopped, "\rPreview Stopped at page 2!", false, true},
        {"preview window closed", true, Act::Close, TPrintOutcome::poCanceled, "\rReport Preview Canceled!", false,
         false},
        {"preview failed", true, Act::Error, TPrintOutcome::poFailed, "\rReport Preview Failed!\rThe disk is full.",
         false, false},
    };
    device->SelectPrinterByName(output::TRPDevice::PdfPrinterName());
    const QString filter = QStringLiteral("(LNAME >= \"R005\") .and. !ISDEL");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host = {};
        dialogs = {};
        const QString pdf = quorvel::store_tests::qs(dir.file("report.pdf"));
        dialogs.pdfFileNames.push_back(pdf);
        if (c.act != Act::CancelOptions)
            dialogs.printOptionAnswers.push_back(output::TPrintOptions{});
        dialogs.questionAnswers.push_back(c.act != Act::ButtonNo);
        host.onEvents = [act = c.act, acted = false](output::TPrintStatus& status) mutable {
            if (status.Report().CurrentPage() != 2 || acted)
                return;
            acted = true;
            if (act == Act::Button || act == Act::ButtonNo)
                status.CancelButtonClick();
            else if (act == Act::Close)
                status.CloseRequested();
            else if (act == Act::Error)
                throw output::EReportError(QStringLiteral("The disk is full."));
        };
        ASSERT_TRUE(dataset.SetQuery(filter));
        ASSERT_TRUE(dataset.SetOrder(QStringLiteral("ZIP")));
        ASSERT_TRUE(dataset.GoTo(9));
        TReportRunOptions options;
        options.preview = c.preview;
        options.records = labels::rcAllRecords;
        const TReportRunResult result = RunBuiltIn(brNameAddress, options);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(host.jobRun, c.status != nullptr);
        if (c.status) {
            EXPECT_EQ(host.endStatus, QString::fromLatin1(c.status));
        }
        if (c.outcome == TPrintOutcome::poFailed) {
            EXPECT_EQ(result.message, QStringLiteral("The disk is full."));
        }
        EXPECT_EQ(dialogs.asked.contains(QStringLiteral("PrintOptions")), !c.preview);
        if (c.act == Act::ButtonNo || (c.act == Act::Button && !c.preview)) {
            EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Cancel Report Printing?")});
        }
        EXPECT_EQ(QFile::exists(pdf), c.pdfKept) << "no half-written PDF";
        EXPECT_EQ(host.previewShown, c.previewShown);
        if (c.previewShown) {
            EXPECT_EQ(host.pages.size(), 2u) << "the pages made before Stop";
        }
        ExpectRestored(c.name);
        EXPECT_EQ(dataset.Query(), filter);
        QFile::remove(pdf);
    }
}

} // namespace
