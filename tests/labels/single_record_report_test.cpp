// The one-record report on its recorded pages: the two columns of bold
// captions and values, the header with the page number and the handed-in
// time, the memo under its rule and over on later pages, the empty report;
// how its jobs end; and one print through the PDF printer read back with
// poppler.
#include "labels/single_record_report.h"
#include "output/output_test_support.h"
#include "store/address_test_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

using namespace labels;
using namespace output;
using namespace output_testing;

constexpr double kLine = 10.0 / 60.0; // Times 10 by its font
constexpr double kCaptionX = 1.02;
constexpr double kValueX = 2.27;
const QTime kTime(6, 15, 42);

struct Outcome {
    TPrintOutcome outcome = TPrintOutcome::poNotRun;
    QString status;
    std::vector<TPage> pages;
};

class SingleRecordReportTest : public quorvel::store_tests::AddressFileTest {
protected:
    void SetUp() override
    {
        AddressFileTest::SetUp();
        device = MakeOfficeDevice(0.25);
    }

    // The report of the current record; `onEvents` plays the user while
    // the job lets events in.
    Outcome Run(bool preview, const TRecordReportChoice& choice = {},
                const std::function<void(TPrintStatus&)>& onEvents = {})
    {
        TPrintStatus status(preview, RecordReportJobTexts());
        status.SetDevice(device.get());
        status.SetDialogs(&dialogs);
        status.SetEventPump([&] {
            if (onEvents)
                onEvents(status);
        });
        TSingleRecordPrint report(dataset, choice, [] { return kTime; }, status);
        report.HookJob();
        status.Run();
        Outcome outcome{status.Outcome(), status.StatusText(), {}};
        if (status.ShowsPreview())
            outcome.pages = ReadPageStream(status.PreviewStream());
        return outcome;
    }

    std::vector<TPage> Preview(const TRecordReportChoice& choice = {})
    {
        const Outcome outcome = Run(true, choice);
        EXPECT_EQ(outcome.outcome, TPrintOutcome::poCompleted);
        return outcome.pages;
    }

    void AddMember(const QString& memo = {})
    {
        add({{"PREFIX", "Dr."}, {"LNAME", "Baker"}, {"FNAME", "Ann"}, {"ORG", "Hill Club"}, {"CITY", "Boston"},
             {"ZIP", "02134"}, {"DATE", "20240315"}, {"USER2", "Board"}},
            memo);
    }

    static std::vector<TTextOp> Italic(const std::vector<TPage>& pages, std::size_t page)
    {
        std::vector<TTextOp> texts;
        for (const TTextOp& text : TextsOf(pages.at(page)))
            if (text.font.italic)
                texts.push_back(text);
        return texts;
    }

    std::unique_ptr<TRPDevice> device;
    TScriptedOutputDialogs dialogs;
};

// A horizontal line from the text area's left to its right edge at y.
void ExpectRule(const TShapeOp& shape, double y)
{
    EXPECT_EQ(shape.kind, skLine);
    EXPECT_NEAR(shape.rect.left(), 1.0, 1e-9);
    EXPECT_NEAR(shape.rect.right(), 7.5, 1e-9);
    EXPECT_NEAR(shape.rect.top(), y, 1e-9);
    EXPECT_NEAR(shape.rect.bottom(), y, 1e-9);
}

// The header's texts: "Page N" and the time, right-aligned on the text
// area's right edge on two lines above it.
void ExpectHeader(const TPage& page, int number)
{
    const std::vector<TTextOp> texts = TextsOf(page);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, QStringLiteral("Page %1").arg(number));
    // The clock's time in the desktop's format, without a time zone.
    static const QRegularExpression clockTime(QStringLiteral("^[0-9]{1,2}[:.]15[:.]42( ?[AaPp]\\.?[Mm]\\.?)?$"));
    EXPECT_TRUE(clockTime.match(texts[1].text).hasMatch()) << texts[1].text.toStdString();
    for (const TTextOp& text : {texts[0], texts[1]}) {
        EXPECT_EQ(text.align, taRight);
        EXPECT_NEAR(text.position.x(), 7.5, 1e-9);
        EXPECT_EQ(text.font.name, QStringLiteral("Times"));
        EXPECT_EQ(text.font.size, 10.0);
        EXPECT_FALSE(text.font.bold || text.font.italic);
    }
    EXPECT_GT(texts[0].position.y(), 0.5);
    EXPECT_NEAR(texts[1].position.y() - texts[0].position.y(), kLine, 1e-9);
    EXPECT_LT(texts[1].position.y(), 1.0);
}

TEST_F(SingleRecordReportTest, CaptionsAndValuesStandInTheirColumnsInTheReportsOrder)
{
    AddMember();
    const std::vector<TPage> pages = Preview();
    ASSERT_EQ(pages.size(), 1u);
    ExpectHeader(pages[0], 1);
    std::vector<TTextOp> texts = TextsOf(pages[0]);
    texts.erase(texts.begin(), texts.begin() + 2);

    // Every caption prints, its value on its line where the record has one.
    QMap<QString, QString> values;
    for (const auto& [caption, value] : {std::pair{"Prefix", "Dr."}, {"Last", "Baker"}, {"First", "Ann"},
                                         {"Organization", "Hill Club"}, {"City", "Boston"}, {"Zip/Postal", "02134"},
                                         {"Comment 2", "Board"}, {"Date", "03/15/2024"}})
        values.insert(QString::fromLatin1(caption), QString::fromLatin1(value));
    QStringList captions;
    double baseline = 0.0;
    for (const TTextOp& text : texts) {
        EXPECT_EQ(text.font.name, QStringLiteral("Times"));
        if (text.font.bold) {
            EXPECT_NEAR(text.position.x(), kCaptionX, 1e-9) << text.text.toStdString();
            if (!captions.isEmpty()) {
                EXPECT_NEAR(text.position.y() - baseline, kLine, 1e-9) << text.text.toStdString();
            }
            baseline = text.position.y();
            captions << text.text;
            continue;
        }
        ASSERT_FALSE(captions.isEmpty());
        EXPECT_EQ(text.text, values.value(captions.last())) << captions.last().toStdString();
        EXPECT_NEAR(text.position.x(), kValueX, 1e-9) << text.text.toStdString();
        EXPECT_NEAR(text.position.y(), baseline, 1e-9) << text.text.toStdString();
    }
    QStringList expected;
    for (const TRecordReportField& field : RecordReportFields())
        expected << QString::fromLatin1(field.caption);
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(expected.first(), QStringLiteral("Prefix"));
    EXPECT_EQ(expected.last(), QStringLiteral("Date"));
    // The first field stands on the text area's second line.
    EXPECT_NEAR(texts.front().position.y() - TextsOf(pages[0])[1].position.y(), 3 * kLine, 1e-9);

    // Without a memo: the two rules of the header only.
    const std::vector<TShapeOp> shapes = ShapesOf(pages[0]);
    ASSERT_EQ(shapes.size(), 2u);
    ExpectRule(shapes[0], 1.0);
    ExpectRule(shapes[1], 10.0);
}

TEST_F(SingleRecordReportTest, UncheckedFieldsAreLeftOutAndNothingCheckedLeavesTheHeaderAndItsRules)
{
    AddMember(QStringLiteral("A note that must not print"));
    TRecordReportChoice some;
    some.fields.reset();
    some.fields.set(1); // Last
    some.fields.set(19); // Date
    some.memo = false;
    std::vector<TTextOp> texts = TextsOf(Preview(some).at(0));
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[2].text, QStringLiteral("Last"));
    EXPECT_EQ(texts[3].text, QStringLiteral("Baker"));
    EXPECT_EQ(texts[4].text, QStringLiteral("Date"));
    EXPECT_NEAR(texts[4].position.y() - texts[2].position.y(), kLine, 1e-9) << "no gaps for the others";

    TRecordReportChoice none;
    none.fields.reset();
    none.memo = false;
    const std::vector<TPage> pages = Preview(none);
    ASSERT_EQ(pages.size(), 1u);
    ExpectHeader(pages[0], 1);
    EXPECT_EQ(TextsOf(pages[0]).size(), 2u);
    const std::vector<TShapeOp> shapes = ShapesOf(pages[0]);
    ASSERT_EQ(shapes.size(), 2u);
    ExpectRule(shapes[0], 1.0);
    ExpectRule(shapes[1], 10.0);
}

TEST_F(SingleRecordReportTest, ALongMemoGoesOnToPageTwoUnderTheHeaderWithoutTheRule)
{
    QStringList memo;
    for (int line = 1; line <= 80; ++line)
        memo << QStringLiteral("Note %1").arg(line);
    AddMember(memo.join(QStringLiteral("\r\n")));
    const std::vector<TPage> pages = Preview();
    ASSERT_EQ(pages.size(), 2u);

    QStringList printed;
    for (std::size_t page = 0; page < pages.size(); ++page)
        for (const TTextOp& text : Italic(pages, page)) {
            printed << text.text;
            EXPECT_NEAR(text.position.x(), kCaptionX, 1e-9);
            EXPECT_LE(text.position.y(), 10.0) << "inside the text area";
        }
    EXPECT_EQ(printed, memo) << "every line once, in order";

    // Page 1: the fields, an empty line, the rule, then the memo.
    const std::vector<TTextOp> first = Italic(pages, 0);
    const TTextOp lastValue = TextsOf(pages[0])[TextsOf(pages[0]).size() - first.size() - 1];
    EXPECT_EQ(lastValue.text, QStringLiteral("03/15/2024"));
    EXPECT_NEAR(first.front().position.y() - lastValue.position.y(), 3 * kLine, 1e-9);
    EXPECT_GT(first.back().position.y() + kLine, 10.0) << "the page was full";
    const std::vector<TShapeOp> rules = ShapesOf(pages[0]);
    ASSERT_EQ(rules.size(), 3u);
    ExpectRule(rules[2], rules[2].rect.top());
    EXPECT_GT(rules[2].rect.top(), lastValue.position.y() + kLine);
    EXPECT_LT(rules[2].rect.top(), first.front().position.y() - 0.1) << "above the memo's first line";

    // Page 2: the header again, no captions, and no rule above the memo.
    ExpectHeader(pages[1], 2);
    const std::vector<TShapeOp> second = ShapesOf(pages[1]);
    ASSERT_EQ(second.size(), 2u);
    ExpectRule(second[0], 1.0);
    ExpectRule(second[1], 10.0);
    const std::vector<TTextOp> texts = TextsOf(pages[1]);
    EXPECT_EQ(texts.size(), 2 + Italic(pages, 1).size());
    EXPECT_NEAR(Italic(pages, 1).front().position.y(), texts[1].position.y() + 3 * kLine, 1e-9);
}

TEST_F(SingleRecordReportTest, TheMemoWrapsInsideItsCellInTheItalicFont)
{
    const QString paragraph = QStringLiteral(
        "Ann has chaired the garden committee since the spring of the year the club moved to the old mill, and "
        "she asks that her newsletter go to the office address from September to June, never to the cottage.");
    AddMember(paragraph);
    const std::vector<TPage> pages = Preview();
    const std::vector<TTextOp> lines = Italic(pages, 0);
    ASSERT_GE(lines.size(), 2u);
    QStringList words;
    RecordingJob measuring;
    for (const TTextOp& line : lines) {
        words << line.text;
        double width = 0.0;
        measuring.Record([&](TBaseReport& r) {
            r.SelectFont(line.font.name, line.font.size);
            r.SetItalic(true);
            width = r.TextWidth(line.text);
        });
        EXPECT_LE(kCaptionX + width, 7.48) << line.text.toStdString();
    }
    EXPECT_EQ(words.join(QLatin1Char(' ')), paragraph);
}

TEST(RecordMemoLines, BreakAtBlanksKeepTheMemosOwnLinesAndDropALoneBlankLine)
{
    // A tenth of an inch a character, two inches a line.
    const auto width = [](const QString& text) { return text.size() / 10.0; };
    struct Case {
        const char* memo;
        std::vector<const char*> lines;
    } const cases[] = {
        {"", {}},
        {" ", {}},
        {"   ", {}},
        {"Call first", {"Call first"}},
        {"one\r\n\r\nthree", {"one", "", "three"}},
        {"one\ntwo", {"one", "two"}},
        {" \r\nafter a blank", {" ", "after a blank"}},
        {"twenty characters ok and more", {"twenty characters ok", "and more"}},
        {"abcdefghijklmnopqrstuvwxyz", {"abcdefghijklmnopqrst", "uvwxyz"}},
    };
    for (const Case& c : cases) {
        QStringList expected;
        for (const char* line : c.lines)
            expected << QString::fromLatin1(line);
        EXPECT_EQ(RecordMemoLines(QString::fromLatin1(c.memo), 2.0, width), expected) << c.memo;
    }
}

TEST_F(SingleRecordReportTest, AnEmptyOrBlankMemoPrintsNoRule)
{
    for (const char* memo : {"", " "}) {
        SCOPED_TRACE(memo);
        AddMember(QString::fromLatin1(memo));
        const std::vector<TPage> pages = Preview();
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(ShapesOf(pages[0]).size(), 2u);
        EXPECT_TRUE(Italic(pages, 0).empty());
    }
}

TEST_F(SingleRecordReportTest, EachWayOfEndingShowsItsText)
{
    QStringList memo;
    for (int line = 1; line <= 120; ++line)
        memo << QStringLiteral("Note %1").arg(line);
    AddMember(memo.join(QStringLiteral("\r\n")));
    const auto press = [](TPrintStatus& status) { status.CancelButtonClick(); };

    const Outcome ready = Run(true);
    EXPECT_EQ(ready.status, QStringLiteral("\rReport Preview Ready!"));
    EXPECT_EQ(ready.pages.size(), 3u);

    // Stop ends a preview at the next page; what was made is shown.
    const Outcome stopped = Run(true, {}, press);
    EXPECT_EQ(stopped.outcome, TPrintOutcome::poStopped);
    EXPECT_EQ(stopped.status, QStringLiteral("\rPreview Stopped at page 1!"));
    EXPECT_EQ(stopped.pages.size(), 1u);

    device->SelectPrinterByName(TRPDevice::PdfPrinterName());
    testing_support::TempDir temp;
    const QString pdf = QString::fromStdString(temp.file("record.pdf"));
    dialogs.pdfFileNames = {pdf, pdf};
    dialogs.questionAnswers = {true};
    const Outcome canceled = Run(false, {}, press);
    EXPECT_EQ(canceled.outcome, TPrintOutcome::poCanceled);
    EXPECT_EQ(canceled.status, QStringLiteral("\rReport Print Canceled!"));
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Cancel Report Printing?")});
    EXPECT_FALSE(QFile::exists(pdf));

    const Outcome printed = Run(false);
    EXPECT_EQ(printed.outcome, TPrintOutcome::poCompleted);
    EXPECT_EQ(printed.status, QStringLiteral("\rReport Print Completed!"));
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(SingleRecordReportTest, PrintedToPdfTheColumnsAndHeaderLandWhereTheyShould)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    AddMember(QStringLiteral("Prefers e-mail"));
    device->SelectPrinterByName(TRPDevice::PdfPrinterName());
    testing_support::TempDir temp;
    const QString pdf = QString::fromStdString(temp.file("record.pdf"));
    dialogs.pdfFileNames = {pdf};
    ASSERT_EQ(Run(false).outcome, TPrintOutcome::poCompleted);

    const std::vector<PdfWordBox> words = ReadPdfWords(pdf);
    const auto find = [&words](const char* text) {
        for (const PdfWordBox& word : words)
            if (word.word == QString::fromLatin1(text))
                return word;
        ADD_FAILURE() << text << " is not in the PDF";
        return PdfWordBox{};
    };
    for (const char* caption : {"Last", "Organization", "Zip/Postal", "Date", "Prefers"})
        EXPECT_NEAR(find(caption).xMin, kCaptionX, 0.01) << caption;
    for (const char* value : {"Baker", "Hill", "02134", "03/15/2024"})
        EXPECT_NEAR(find(value).xMin, kValueX, 0.01) << value;
    EXPECT_NEAR(find("1").xMax, 7.5, 0.01) << "Page 1 ends at the right margin";
    EXPECT_NEAR(find("Baker").yMax, find("Last").yMax, 0.01) << "on one line";
}

} // namespace
