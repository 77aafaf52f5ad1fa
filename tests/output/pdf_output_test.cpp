// Printing through the built-in PDF printer puts text where the recorded
// stream says, checked with poppler's text extractor.
#include "output_test_support.h"

#include "output/file_printer.h"
#include "output/output_error.h"
#include "output/report_printer.h"
#include "support/temp_dir.h"

#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace output;
using namespace output_testing;

namespace {

// The same job once into the stream and once through the PDF printer.
void demoJob(TBaseReport& r)
{
    r.SelectFont(QStringLiteral("Arial"), 12);
    r.MoveCursor(0.5, 1.0);
    r.TextLeftAt(QStringLiteral("Quorvel"), 0.5);
    r.TextRightAt(QStringLiteral("Right"), 8.0);
    r.SelectFont(QStringLiteral("Times New Roman"), 10);
    r.MoveCursor(0, 3.25);
    r.TextCenteredAt(QStringLiteral("Centred"), 4.25);
    r.SelectFont(QStringLiteral("Courier New"), 9);
    r.AddTabStop(2.0, tjRight, 1.5, 10, blAll, 10);
    r.MoveCursor(0.5, 5.0);
    r.WriteText(QStringLiteral("\tTabbed"));
    r.StartNextPage();
    r.SelectFont(QStringLiteral("Arial"), 9);
    r.MoveCursor(1.75, 9.5);
    r.WriteText(QStringLiteral("Second"));
}

} // namespace

// A job printed to the built-in PDF printer; the file question is answered
// with a file in a temporary folder once pdfFile() has named it.
class PdfOutputTest : public ::testing::Test {
protected:
    PdfOutputTest() { device->SelectPrinterByName(QStringLiteral("Save as PDF")); }

    // The file the next PDF job is saved to.
    QString pdfFile(const char* name)
    {
        const QString pdf = QString::fromStdString(temp.file(name));
        dialogs.pdfFileNames.push_back(pdf);
        return pdf;
    }
    template <typename Printer> void attach(Printer& printer)
    {
        printer.SetDevice(device.get());
        printer.SetDialogs(&dialogs);
    }

    testing_support::TempDir temp;
    const std::unique_ptr<TRPDevice> device = MakeOfficeDevice();
    TScriptedOutputDialogs dialogs;
};

TEST_F(PdfOutputTest, WordsLandWhereTheStreamPutsThem)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString pdf = pdfFile("job.pdf");

    RecordingJob recorded;
    const auto pages = recorded.Record(demoJob);

    TReportPrinter printer;
    attach(printer);
    printer.SetTitle(QStringLiteral("Quorvel"));
    printer.OnPrint = demoJob;
    printer.RunJob();
    ASSERT_EQ(dialogs.asked, QStringList{QStringLiteral("PdfFileName")});
    ASSERT_TRUE(QFile::exists(pdf));

    const auto words = ReadPdfWords(pdf);
    std::vector<TTextOp> expected;
    for (const auto& page : pages)
        for (const auto& text : TextsOf(page))
            expected.push_back(text);
    ASSERT_EQ(words.size(), expected.size());
    RecordingJob measuring;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const TTextOp& op = expected[i];
        ASSERT_EQ(words[i].word, op.text);
        double width = 0, descent = 0;
        measuring.Record([&](TBaseReport& r) {
            r.SelectFont(op.font.name, op.font.size);
            width = r.TextWidth(op.text);
            descent = r.FontDescent();
        });
        const double left = op.align == taLeft ? op.position.x()
                            : op.align == taCenter ? op.position.x() - width / 2
                                                   : op.position.x() - width;
        EXPECT_NEAR(words[i].xMin, left, 0.01) << op.text.toStdString();
        EXPECT_NEAR(words[i].xMax, left + width, 0.01) << op.text.toStdString();
        EXPECT_LT(words[i].yMin, op.position.y()) << op.text.toStdString();
        EXPECT_NEAR(words[i].yMax, op.position.y() + descent, 0.01) << op.text.toStdString();
    }
}

TEST_F(PdfOutputTest, CancellingTheFileQuestionAbortsQuietly)
{
    // no file name prepared: cancelled
    TReportPrinter printer;
    attach(printer);
    bool printed = false;
    printer.OnPrint = [&](TBaseReport&) { printed = true; };
    printer.RunJob();
    EXPECT_FALSE(printed);
    EXPECT_TRUE(printer.JobAborted());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PdfOutputTest, AnAbortedPdfIsNotLeftBehind)
{
    const QString pdf = pdfFile("aborted.pdf");
    TReportPrinter printer;
    attach(printer);
    printer.OnPrint = [](TBaseReport& r) {
        r.WriteText(QStringLiteral("half"));
        r.AbortJob();
        r.StartNextPage();
    };
    printer.RunJob();
    EXPECT_TRUE(printer.JobAborted());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PdfOutputTest, AReplayedStreamPrintsItsPageRange)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString pdf = pdfFile("replay.pdf");
    RecordingJob recorded;
    recorded.Record([](TBaseReport& r) {
        for (int page = 1; page <= 4; ++page) {
            if (page > 1)
                r.StartNextPage();
            r.MoveCursor(1.5, 2.0 + page);
            r.WriteText(QStringLiteral("Sheet%1").arg(page));
        }
    });

    TFilePrinter printer;
    attach(printer);
    printer.SetStream(&recorded.stream);
    printer.SetFirstPage(2);
    printer.SetLastPage(3);
    printer.Execute();

    const auto words = ReadPdfWords(pdf);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].word, QStringLiteral("Sheet2"));
    EXPECT_EQ(words[1].word, QStringLiteral("Sheet3"));
    EXPECT_NEAR(words[1].xMin, 1.5, 0.01);
}

TEST_F(PdfOutputTest, APageRangeThatSelectsNothingWritesNoFile)
{
    const QString pdf = pdfFile("empty.pdf");
    TReportPrinter printer;
    attach(printer);
    printer.SetFirstPage(5);
    printer.OnPrint = [](TBaseReport& r) { r.WriteText(QStringLiteral("only page")); };
    printer.RunJob();
    EXPECT_FALSE(printer.JobAborted());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(PdfOutputStreamTest, ADamagedStreamIsRefusedBeforeAnythingIsPrinted)
{
    QBuffer damaged;
    damaged.setData(QByteArrayLiteral("QVPS\x01\x00P"));
    damaged.open(QIODevice::ReadOnly);
    const auto device = MakeOfficeDevice();
    TScriptedOutputDialogs dialogs;
    TFilePrinter printer;
    printer.SetDevice(device.get());
    printer.SetDialogs(&dialogs);
    printer.SetStream(&damaged);
    EXPECT_THROW(printer.Execute(), EReportError);
    EXPECT_TRUE(dialogs.asked.isEmpty());
}
