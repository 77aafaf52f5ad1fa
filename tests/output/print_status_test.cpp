// The status every print job runs in: how a job ends (completed, stopped,
// cancelled, failed) and what its status then reads, for printing into a
// PDF file and for a preview; a failure is never reported as completed and
// leaves no PDF behind.
#include "output_test_support.h"

#include "output/output_error.h"
#include "output/print_status.h"
#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace output;
using namespace output_testing;

namespace {

// What the user (or a failure) does while page 2 is produced.
enum class Action { None, Button, ButtonAnsweredNo, Close, Error };

struct EndingCase {
    const char* name;
    bool preview;
    Action action;
    TPrintOutcome outcome;
    const char* status;
    bool showsPreview;
};

class PrintStatusTest : public ::testing::Test {
protected:
    PrintStatusTest() : device(MakeOfficeDevice()) {}

    // A job of three pages, one text each, that lets events run after each
    // page and stops when asked.
    void RunJob(TPrintStatus& status, Action action)
    {
        status.SetDevice(device.get());
        status.SetDialogs(&dialogs);
        status.SetStatusLabel([this](const QString& text) { shown.append(text); });
        status.OnPrint = [&status, action](TBaseReport& report) {
            for (int page = 1; page <= 3 && !status.EndRequested(); ++page) {
                if (page > 1)
                    report.StartNextPage();
                report.SelectFont(QStringLiteral("Arial"), 10);
                report.TextLeftAt(QStringLiteral("Page %1").arg(page), 1.0);
                if (page == 2 && action == Action::Error)
                    throw EReportError(QStringLiteral("The disk is 100% full."));
                status.ProcessEvents();
            }
        };
        status.SetEventPump([&status, action] {
            if (status.Report().CurrentPage() != 2)
                return;
            if (action == Action::Button || action == Action::ButtonAnsweredNo)
                status.CancelButtonClick();
            else if (action == Action::Close)
                status.CloseRequested();
        });
        status.Run();
    }

    QString PdfFile()
    {
        device->SelectPrinterByName(TRPDevice::PdfPrinterName());
        const QString pdf = QString::fromStdString(temp.file("job.pdf"));
        dialogs.pdfFileNames.push_back(pdf);
        return pdf;
    }

    testing_support::TempDir temp;
    std::unique_ptr<TRPDevice> device;
    TScriptedOutputDialogs dialogs;
    QStringList shown;
};

TEST_F(PrintStatusTest, AJobEndsWithTheTextOfHowItEnded)
{
    const EndingCase cases[] = {
        {"print completed", false, Action::None, TPrintOutcome::poCompleted, "\rJob Print Completed!", false},
        {"print cancelled", false, Action::Button, TPrintOutcome::poCanceled, "\rJob Print Canceled!", false},
        {"cancel answered No", false, Action::ButtonAnsweredNo, TPrintOutcome::poCompleted, "\rJob Print Completed!",
         false},
        {"print window closed", false, Action::Close, TPrintOutcome::poCanceled, "\rJob Print Canceled!", false},
        {"print failed", false, Action::Error, TPrintOutcome::poFailed, "\rThe disk is 100% full.", false},
        {"preview completed", true, Action::None, TPrintOutcome::poCompleted, "Preparing Preview Page 3\r\r", true},
        {"preview stopped", true, Action::Button, TPrintOutcome::poStopped, "\rPreview Stopped at page 2!", true},
        {"preview window closed", true, Action::Close, TPrintOutcome::poCanceled, "\rJob Preview Canceled!", false},
        {"preview failed", true, Action::Error, TPrintOutcome::poFailed, "\rThe disk is 100% full.", false},
    };
    for (const EndingCase& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs = {};
        shown.clear();
        dialogs.questionAnswers.push_back(c.action != Action::ButtonAnsweredNo);
        const QString pdf = c.preview ? QString() : PdfFile();
        TPrintStatus status(c.preview, SampleJobTexts());
        EXPECT_EQ(status.ButtonText(), c.preview ? QStringLiteral("Stop") : QStringLiteral("Cancel"));
        RunJob(status, c.action);
        EXPECT_EQ(status.Outcome(), c.outcome);
        EXPECT_EQ(status.StatusText(), QString::fromLatin1(c.status));
        EXPECT_EQ(shown.last(), status.StatusText()) << "the label shows the ending";
        EXPECT_TRUE(shown.contains(c.preview ? QStringLiteral("Preparing Preview Page 2\r\r")
                                             : QStringLiteral("Printing Page 2\r\r")));
        EXPECT_EQ(status.ButtonText(), QStringLiteral("Ok"));
        EXPECT_EQ(status.ShowsPreview(), c.showsPreview);
        EXPECT_EQ(status.ClosesItself(), c.showsPreview);
        const bool asked = !c.preview && (c.action == Action::Button || c.action == Action::ButtonAnsweredNo ||
                                          c.action == Action::Close);
        EXPECT_EQ(dialogs.questions, asked ? QStringList{QStringLiteral("Cancel Job Printing?")} : QStringList());
        if (!c.preview) {
            EXPECT_EQ(QFile::exists(pdf), c.outcome == TPrintOutcome::poCompleted) << "no half-written PDF";
        }
        if (c.showsPreview) {
            const int pages = c.outcome == TPrintOutcome::poStopped ? 2 : 3;
            EXPECT_EQ(ReadPageStream(status.PreviewStream()).size(), static_cast<std::size_t>(pages));
        }
        if (!pdf.isEmpty())
            QFile::remove(pdf);
    }
}

// A job with a text of its own for a finished preview shows it, and its
// window waits for Ok (also after a stop) before the preview form opens.
TEST_F(PrintStatusTest, APreviewWithItsOwnEndingTextWaitsForOk)
{
    TPrintJobTexts texts = SampleJobTexts();
    texts.previewCompleted = QStringLiteral("\rPreview Ready!");
    const std::pair<Action, const char*> cases[] = {
        {Action::None, "\rPreview Ready!"},
        {Action::Button, "\rPreview Stopped at page 2!"},
    };
    for (const auto& [action, ending] : cases) {
        SCOPED_TRACE(ending);
        TPrintStatus status(true, texts);
        RunJob(status, action);
        EXPECT_EQ(status.StatusText(), QString::fromLatin1(ending));
        EXPECT_TRUE(status.ShowsPreview());
        EXPECT_FALSE(status.ClosesItself());
    }
}

// A job without a cancel question is abandoned at the first press of
// Cancel; one whose window closes however it ends keeps it open only for an
// error, whose message must be read.
TEST_F(PrintStatusTest, AJobWithoutCancelQuestionAndClosingWindow)
{
    TPrintJobTexts texts = SampleJobTexts();
    texts.cancelQuestion.clear();
    texts.previewStopped = QStringLiteral("\rPreview Stopped!");
    texts.closesWhenEnded = true;
    struct Case {
        const char* name;
        bool preview;
        Action action;
        TPrintOutcome outcome;
        const char* status;
        bool closes;
    };
    const Case cases[] = {
        {"print completed", false, Action::None, TPrintOutcome::poCompleted, "\rJob Print Completed!", true},
        {"print cancelled without a question", false, Action::Button, TPrintOutcome::poCanceled,
         "\rJob Print Canceled!", true},
        {"preview stopped", true, Action::Button, TPrintOutcome::poStopped, "\rPreview Stopped!", true},
        {"print failed", false, Action::Error, TPrintOutcome::poFailed, "\rThe disk is 100% full.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs = {};
        const QString pdf = c.preview ? QString() : PdfFile();
        TPrintStatus status(c.preview, texts);
        RunJob(status, c.action);
        EXPECT_EQ(status.Outcome(), c.outcome);
        EXPECT_EQ(status.StatusText(), QString::fromLatin1(c.status));
        EXPECT_EQ(status.ClosesItself(), c.closes);
        EXPECT_TRUE(dialogs.questions.isEmpty());
        if (!pdf.isEmpty())
            QFile::remove(pdf);
    }
}

TEST_F(PrintStatusTest, PrintingWithoutAnyPrinterFails)
{
    TRPDevice none(std::make_unique<TFixedPrinterCatalog>(), false);
    TPrintStatus status(false, SampleJobTexts());
    status.SetDevice(&none);
    status.SetDialogs(&dialogs);
    status.OnPrint = [](TBaseReport&) { FAIL() << "nothing to print on"; };
    status.Run();
    EXPECT_EQ(status.Outcome(), TPrintOutcome::poFailed);
    EXPECT_EQ(status.FailureMessage(), messages::noPrinters());
    EXPECT_EQ(dialogs.errors, QStringList{messages::noPrinters()});
}

} // namespace
