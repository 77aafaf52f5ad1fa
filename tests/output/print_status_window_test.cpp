// The status window as the user sees it: its caption, the one button that
// turns into Ok, a preview that closes the window by itself, and Cancel
// pressed while a job prints.
#include "output_test_support.h"

#include "output/print_status.h"
#include "output/print_status_window.h"
#include "support/temp_dir.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace output;
using namespace output_testing;

namespace {

// Five pages, events let run after each; the hook runs on every page.
void FivePages(TPrintStatus& status, const std::function<void(int page)>& onPage = {})
{
    status.OnPrint = [&status, onPage](TBaseReport& report) {
        for (int page = 1; page <= 5 && !status.EndRequested(); ++page) {
            if (page > 1)
                report.StartNextPage();
            report.TextLeftAt(QStringLiteral("Page"), 1.0);
            if (onPage)
                onPage(page);
            status.ProcessEvents();
        }
    };
}

TEST(PrintStatusWindowTest, AFinishedPreviewClosesTheWindowByItself)
{
    const auto device = MakeOfficeDevice();
    TPrintStatus status(true, SampleJobTexts());
    status.SetDevice(device.get());
    FivePages(status);
    TPrintStatusWindow window(status);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Preview Status"));
    EXPECT_EQ(window.Button()->text(), QStringLiteral("Stop"));
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_EQ(status.Outcome(), TPrintOutcome::poCompleted);
    EXPECT_EQ(ReadPageStream(status.PreviewStream()).size(), 5u);
}

TEST(PrintStatusWindowTest, CancelWhilePrintingLeavesTheWindowOpenUntilOk)
{
    testing_support::TempDir temp;
    const auto device = MakeOfficeDevice();
    device->SelectPrinterByName(TRPDevice::PdfPrinterName());
    TScriptedOutputDialogs dialogs;
    dialogs.pdfFileNames.push_back(QString::fromStdString(temp.file("job.pdf")));
    dialogs.questionAnswers.push_back(true);
    TPrintStatus status(false, SampleJobTexts());
    status.SetDevice(device.get());
    status.SetDialogs(&dialogs);
    TPrintStatusWindow window(status);
    FivePages(status, [&window](int page) {
        if (page == 2)
            QTest::mouseClick(window.Button(), Qt::LeftButton);
    });
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Print Status "));
    EXPECT_EQ(window.Button()->text(), QStringLiteral("Cancel"));
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&status] { return status.Ended(); }));
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Cancel Job Printing?")});
    EXPECT_EQ(status.Outcome(), TPrintOutcome::poCanceled);
    QTest::qWait(20);
    EXPECT_TRUE(window.isVisible()) << "the user reads how the job ended";
    EXPECT_EQ(window.Button()->text(), QStringLiteral("Ok"));
    EXPECT_EQ(window.StatusLabel()->text(), QStringLiteral("\nJob Print Canceled!"));
    QTest::mouseClick(window.Button(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

} // namespace
