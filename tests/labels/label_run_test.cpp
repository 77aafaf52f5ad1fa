// Label runs on a small address file, read back from the recorded pages of
// a preview: which record lands on which sheet and position, for masks,
// start positions, copies and sheets up to 10 x 30; the record choices and
// start rules; what stops a run before it prints; Stop and Cancel.
#include "label_run_fixture.h"

#include "labels/label_run_options.h"
#include "output/output_error.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace labels;
using namespace labels_testing;
using output::TPrintOutcome;

namespace {

TPositionMask Only(std::initializer_list<int> positions)
{
    TPositionMask mask;
    for (int position : positions)
        mask.set(static_cast<std::size_t>(position));
    return mask;
}

TPositionMask Range(int first, int last)
{
    TPositionMask mask;
    for (int position = first; position <= last; ++position)
        mask.set(static_cast<std::size_t>(position));
    return mask;
}

QString Record(int number) { return QStringLiteral("R%1").arg(number, 2, 10, QLatin1Char('0')); }

// `count` labels on consecutive positions of one sheet, records counting on
// from `firstRecord`, each repeated `copiesEach` times.
struct Span {
    int page;
    int firstPosition;
    int count;
    int firstRecord;
    int copiesEach = 1;
};

std::vector<PrintedLabel> Expand(const std::vector<Span>& spans)
{
    std::vector<PrintedLabel> labels;
    for (const Span& span : spans)
        for (int i = 0; i < span.count; ++i)
            labels.push_back({span.page, span.firstPosition + i, Record(span.firstRecord + i / span.copiesEach)});
    return labels;
}

struct LayoutCase {
    const char* name;
    TLabelGeometry geometry;
    int records;
    TPositionMask mask;
    int start;
    int copies;
    std::vector<Span> expected;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

std::string PrintLabels(const std::vector<PrintedLabel>& labels)
{
    std::string text;
    for (const PrintedLabel& label : labels)
        text += "(" + std::to_string(label.page) + "," + std::to_string(label.position) + "," +
                label.text.toStdString() + ") ";
    return text;
}

class LabelLayoutTest : public LabelRunTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LabelLayoutTest, EachRecordLandsOnItsSheetAndPosition)
{
    const LayoutCase& c = GetParam();
    AddRecords(c.records);
    TLabelRunOptions options;
    options.preview = true;
    options.mask = c.mask;
    options.startPosition = c.start;
    options.copies = c.copies;
    const TLabelRunResult result = Run(c.geometry, options);
    ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted) << result.message.toStdString();
    const std::vector<PrintedLabel> expected = Expand(c.expected);
    const std::vector<PrintedLabel> printed = Labels(c.geometry);
    EXPECT_EQ(printed, expected) << "printed " << PrintLabels(printed) << "\nexpected " << PrintLabels(expected);
    EXPECT_EQ(result.counts.labels, static_cast<int>(expected.size()));
    EXPECT_EQ(result.counts.records, c.records);
    EXPECT_EQ(result.counts.pages, expected.back().page);
    EXPECT_EQ(static_cast<int>(host.pages.size()), expected.back().page);
    EXPECT_TRUE(dialogs.notices.isEmpty()) << dialogs.notices.join(u'|').toStdString();
    ExpectRestored(c.name);
}

const LayoutCase kLayoutCases[] = {
    {"position 2 only: one label a sheet", Sheet5160(), 3, Only({1}), 1, 1,
     {{1, 1, 1, 1}, {2, 1, 1, 2}, {3, 1, 1, 3}}},
    {"three copies fill a row of three", Sheet5160(), 2, AllPositions(), 1, 3, {{1, 0, 6, 1, 3}}},
    {"ending on the last position starts no empty sheet", Sheet5160(), 30, AllPositions(), 1, 1,
     {{1, 0, 30, 1}}},
    {"positions 201-300 of a 10 x 30 sheet", Sheet10x30(), 102, Range(200, 299), 1, 1,
     {{1, 200, 100, 1}, {2, 200, 2, 101}}},
    {"the start position counts on the first sheet only", Sheet5160(), 4, AllPositions(), 29, 1,
     {{1, 28, 2, 1}, {2, 0, 2, 3}}},
    {"copies run on onto the next sheet", Sheet5160(), 2, AllPositions(), 29, 3,
     {{1, 28, 2, 1, 3}, {2, 0, 1, 1}, {2, 1, 3, 2, 3}}},
    {"start and mask together", Sheet5160(), 4, Only({0, 2, 5}), 2, 1,
     {{1, 2, 1, 1}, {1, 5, 1, 2}, {2, 0, 1, 3}, {2, 2, 1, 4}}},
};

INSTANTIATE_TEST_SUITE_P(Sheets, LabelLayoutTest, ::testing::ValuesIn(kLayoutCases),
                         [](const ::testing::TestParamInfo<LayoutCase>& param) {
                             std::string name;
                             for (const char* p = param.param.name; *p; ++p)
                                 if (std::isalnum(static_cast<unsigned char>(*p)))
                                     name += *p;
                             return name;
                         });

TEST_F(LabelRunTest, RecordChoicesSelectTheRecordsAndTheFilterComesBack)
{
    AddRecords(5);
    const QString filter = QStringLiteral("LNAME >= \"R03\" .and. !ISDEL");
    struct Case {
        const char* name;
        TRecordChoice choice;
        std::uint32_t current;
        std::vector<Span> expected;
    };
    const Case cases[] = {
        {"records matching filter", rcMatchingFilter, 4, {{1, 0, 3, 3}}},
        {"all records, filter or not", rcAllRecords, 4, {{1, 0, 5, 1}}},
        {"only the current record", rcOnlyCurrent, 2, {{1, 0, 1, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host = {};
        ASSERT_TRUE(dataset.SetQuery(filter));
        ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
        ASSERT_TRUE(dataset.GoTo(c.current));
        TLabelRunOptions options;
        options.preview = true;
        options.records = c.choice;
        ASSERT_EQ(Run(options).outcome, TPrintOutcome::poCompleted);
        EXPECT_EQ(Labels(), Expand(c.expected));
        ExpectRestored(c.name);
        EXPECT_EQ(dataset.Query(), filter);
    }
}

TEST_F(LabelRunTest, StartFromCurrentRecordStartsThereOrAtTheFirstWithANotice)
{
    AddRecords(5);
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("LNAME >= \"R03\" .and. !ISDEL")));
    TLabelRunOptions options;
    options.preview = true;
    options.startFromCurrent = true;

    ASSERT_TRUE(dataset.GoTo(4));
    ASSERT_EQ(Run(options).outcome, TPrintOutcome::poCompleted);
    EXPECT_EQ(Labels(), Expand({{1, 0, 2, 4}}));
    EXPECT_TRUE(dialogs.notices.isEmpty());
    ExpectRestored("inside the filter");

    // Record 1 is outside the filter: the run says so and starts at the first.
    host = {};
    ASSERT_TRUE(dataset.GoTo(1));
    ASSERT_EQ(Run(options).outcome, TPrintOutcome::poCompleted);
    EXPECT_EQ(dialogs.notices, QStringList{messages::recordOutOfRange()});
    EXPECT_EQ(Labels(), Expand({{1, 0, 3, 3}}));
    ExpectRestored("outside the filter");
}

TEST_F(LabelRunTest, OptionsThatCannotPrintAreRefusedBeforeAnythingChanges)
{
    AddRecords(3);
    struct Case {
        const char* name;
        TPositionMask mask;
        int copies;
        int start;
        const char* message; // the start of it
    };
    // Position 250 exists on a 10 x 30 sheet, not on this 3 x 10 one: a mask
    // kept from another layout must not count.
    const Case cases[] = {
        {"no position", TPositionMask(), 1, 1, "You must select at least one card to print"},
        {"only another sheet's position", Only({249}), 1, 1, "You must select at least one card to print"},
        {"no copies", AllPositions(), 0, 1, "The number of each label to print must be from 1 to 99."},
        {"100 copies", AllPositions(), 100, 1, "The number of each label to print must be from 1 to 99."},
        {"start 0", AllPositions(), 1, 0, "The start position must be from 1 to 30."},
        {"start beyond the sheet", AllPositions(), 1, 31, "The start position must be from 1 to 30."},
        {"start after every selected position", Only({0, 1}), 1, 3, "No label position at or after"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs = {};
        host = {};
        TLabelRunOptions options;
        options.mask = c.mask;
        options.copies = c.copies;
        options.startPosition = c.start;
        const TLabelRunResult result = Run(options);
        EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
        EXPECT_TRUE(result.message.startsWith(QLatin1String(c.message))) << result.message.toStdString();
        EXPECT_EQ(dialogs.notices, QStringList{result.message});
        EXPECT_TRUE(dialogs.asked.isEmpty()) << "no PDF file asked for";
        ExpectRestored(c.name);
    }
}

TEST_F(LabelRunTest, ADesignThatIsMissingOrDamagedStopsTheRun)
{
    AddRecords(3);
    ASSERT_TRUE(dataset.GoTo(2));
    TLabelRunOptions options;
    options.preview = true;

    designFile = quorvel::store_tests::qs(dir.file("BIN00009.L"));
    TLabelRunResult result = Run(options);
    EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
    EXPECT_EQ(dialogs.notices, QStringList{messages::designFileRemoved()});
    EXPECT_FALSE(host.previewShown);
    ExpectRestored("missing");

    // A file that does not read must not print blank labels: the reader's
    // message is shown instead.
    QFile damaged(designFile);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("This is no design file.");
    damaged.close();
    result = Run(options);
    EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors.front(), result.message);
    EXPECT_FALSE(result.message.isEmpty());
    EXPECT_FALSE(host.previewShown);
    ExpectRestored("damaged");
}

TEST_F(LabelRunTest, StoppingAPreviewOnPageFourShowsTheFourPages)
{
    AddRecords(95);
    host.onEvents = [](output::TPrintStatus& status) {
        if (status.Report().CurrentPage() == 4)
            status.CancelButtonClick();
    };
    TLabelRunOptions options;
    options.preview = true;
    const TLabelRunResult result = Run(options);
    EXPECT_EQ(result.outcome, TPrintOutcome::poStopped);
    EXPECT_EQ(host.endStatus, QStringLiteral("\rPreview Stopped at page 4!"));
    ASSERT_TRUE(host.previewShown);
    EXPECT_EQ(host.pages.size(), 4u);
    // The label that was being printed when Stop was pressed is the last.
    EXPECT_EQ(Labels().back(), (PrintedLabel{4, 0, Record(91)}));
    EXPECT_EQ(result.counts.records, 91);
    ExpectRestored("stopped");
}

class LabelPrintToPdfTest : public LabelRunTest {
protected:
    void SetUp() override
    {
        LabelRunTest::SetUp();
        device->SelectPrinterByName(output::TRPDevice::PdfPrinterName());
        pdf = quorvel::store_tests::qs(dir.file("labels.pdf"));
        dialogs.pdfFileNames.push_back(pdf);
        AddRecords(70);
        host.onEvents = [this](output::TPrintStatus& status) {
            if (status.Report().CurrentPage() == 2 && !pressed) {
                pressed = true;
                status.CancelButtonClick();
            }
        };
    }

    QString pdf;
    bool pressed = false;
};

TEST_F(LabelPrintToPdfTest, CancelAbandonsThePrintAndRemovesTheHalfWrittenPdf)
{
    dialogs.questionAnswers.push_back(true);
    const TLabelRunResult result = Run(TLabelRunOptions());
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Cancel Label Printing?")});
    EXPECT_EQ(result.outcome, TPrintOutcome::poCanceled);
    EXPECT_EQ(host.endStatus, QStringLiteral("\rLabel Print Canceled!"));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_FALSE(host.previewShown);
    ExpectRestored("canceled");
}

TEST_F(LabelPrintToPdfTest, CancelAnsweredNoPrintsOnToTheEnd)
{
    dialogs.questionAnswers.push_back(false);
    const TLabelRunResult result = Run(TLabelRunOptions());
    EXPECT_EQ(result.outcome, TPrintOutcome::poCompleted);
    EXPECT_EQ(host.endStatus, QStringLiteral("\rLabel Print Completed!"));
    EXPECT_EQ(result.counts.labels, 70);
    EXPECT_EQ(result.counts.pages, 3);
    EXPECT_TRUE(QFile::exists(pdf));
    ExpectRestored("completed");
}

} // namespace
