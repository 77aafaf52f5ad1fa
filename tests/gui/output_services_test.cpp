// The program's answers to the page output engine's seams: its questions
// and errors go through the program's scripted message and dialog seams, and
// the preview keeps its place in the settings file.
#include "app/output_services.h"
#include "output/preview_form.h"
#include "store/ini_file.h"
#include "ui/placement_rules.h"
#include "ui/scripted_services.h"

#include "output_test_support.h"
#include "support/temp_dir.h"

#include <QAbstractButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

TScreenMetrics fullHd() { return {QSize(1920, 1080), QRect(0, 0, 1920, 1040), 96}; }

class OutputServicesTest : public ::testing::Test {
protected:
    TScriptedServices ui;
    testing_support::TempDir dir;
    TIniFile ini{QString::fromStdString(dir.file("QUORVL.ini"))};
    TOutputServices services{ini, [] { return nullptr; }, fullHd};
    std::unique_ptr<output::TRPDevice> device = output_testing::MakeOfficeDevice();
};

} // namespace

TEST_F(OutputServicesTest, ErrorsAreTheProgramsInformationBoxes)
{
    services.dialogs().ShowError(QStringLiteral("Invalid method call.\r\nPrinting already started"));
    ASSERT_EQ(ui.messages.shown().size(), 1);
    const TMessage& shown = ui.messages.shown().first();
    EXPECT_EQ(shown.kind, TMessageKind::Error);
    EXPECT_EQ(shown.caption, QStringLiteral("Information"));
    EXPECT_EQ(shown.text, QStringLiteral("Invalid method call.\r\nPrinting already started"));
}

TEST_F(OutputServicesTest, PdfFileNameIsAskedWithTheSaveDialogAndEndsInPdf)
{
    const struct {
        QString answer;
        std::optional<QString> expected;
    } cases[] = {
        {QStringLiteral("/tmp/labels"), QStringLiteral("/tmp/labels.pdf")},
        {QStringLiteral("/tmp/labels.PDF"), QStringLiteral("/tmp/labels.PDF")},
        {QString(), std::nullopt}, // cancelled
    };
    for (const auto& c : cases) {
        ui.dialogs.setNextFileName(c.answer);
        EXPECT_EQ(services.dialogs().AskPdfFileName(QStringLiteral("Labels.pdf")), c.expected) << c.answer.toStdString();
        const TScriptedDialogs::TRequest& asked = ui.dialogs.requests().last();
        EXPECT_EQ(asked.kind, TScriptedDialogs::TKind::SaveFile);
        EXPECT_EQ(asked.file.caption, QStringLiteral("Save as PDF"));
        EXPECT_EQ(asked.file.folder, QStringLiteral("Labels.pdf"));
        EXPECT_EQ(asked.file.filter, QStringLiteral("PDF Files|*.pdf"));
    }
}

TEST_F(OutputServicesTest, PrintOptionsComeFromThePrintDialogAndCancelKeepsThem)
{
    const struct {
        output::TPrintOptions given;
        bool accepted;
    } cases[] = {
        {{3, 2, 5}, true},     // a page range and copies survive the round trip
        {{1, 1, 9999}, true},  // all pages stay all pages
        {{2, 4, 4}, false},    // cancelled: nothing changes
    };
    for (const auto& c : cases) {
        ui.dialogs.setNextPrintAccepted(c.accepted);
        output::TPrintOptions options = c.given;
        EXPECT_EQ(services.dialogs().AskPrintOptions(*device, options), c.accepted);
        EXPECT_EQ(ui.dialogs.requests().last().kind, TScriptedDialogs::TKind::Print);
        EXPECT_EQ(options.copies, c.given.copies);
        EXPECT_EQ(options.firstPage, c.given.firstPage);
        EXPECT_EQ(options.lastPage, c.given.lastPage);
        EXPECT_EQ(device->DeviceName(), QStringLiteral("Office Laser")); // the printer nobody changed
    }
}

TEST_F(OutputServicesTest, PrinterSetupUsesThePrinterSetupDialogAndKeepsTheDevice)
{
    const QString printer = device->DeviceName();
    const QPageSize paper = device->Paper();
    for (bool accepted : {true, false}) {
        ui.dialogs.setNextPrintAccepted(accepted);
        EXPECT_EQ(services.dialogs().AskPrinterSetup(*device), accepted);
        EXPECT_EQ(ui.dialogs.requests().last().kind, TScriptedDialogs::TKind::PrinterSetup);
        EXPECT_EQ(device->DeviceName(), printer);
        EXPECT_TRUE(device->Paper().isEquivalentTo(paper));
    }
}

TEST_F(OutputServicesTest, APreviewIsCentredFirstThenReopensWhereItWasLeft)
{
    output_testing::RecordingJob job;
    job.Record([](output::TBaseReport& r) { r.WriteText(QStringLiteral("Page 1")); });
    {
        output::TPreviewForm form(&job.stream);
        services.preparePreview(form, 1029);
        form.resize(600, 400);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(20);
        // Nothing stored yet: centred on the screen, and saved at once.
        const TPlacement first = readPlacement(ini, QStringLiteral("TPreviewForm_Placement"), false);
        EXPECT_TRUE(first.hasRectangle());
        form.setGeometry(120, 90, 1100, 700);
        form.accept();
    }
    EXPECT_EQ(readPlacement(ini, QStringLiteral("TPreviewForm_Placement"), false),
              (TPlacement{120, 90, 1220, 790, false}));

    output::TPreviewForm again(&job.stream);
    services.preparePreview(again, 1029);
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    QTest::qWait(20);
    EXPECT_EQ(again.geometry(), QRect(120, 90, 1100, 700));
    again.accept();
}

TEST_F(OutputServicesTest, APreviewsHelpButtonOpensTheGivenTopic)
{
    output_testing::RecordingJob job;
    job.Record([](output::TBaseReport& r) { r.WriteText(QStringLiteral("Page 1")); });
    output::TPreviewForm form(&job.stream);
    services.preparePreview(form, 1086);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* help = form.findChild<QAbstractButton*>(QStringLiteral("HelpButton"));
    ASSERT_NE(help, nullptr);
    help->click();
    EXPECT_EQ(ui.help.opened(), QList<int>{1086});
    form.accept();
}

TEST(OutputServicesScope, InstallsForItsLifetimeAndRestoresThePrevious)
{
    testing_support::TempDir dir;
    TIniFile ini(QString::fromStdString(dir.file("QUORVL.ini")));
    TOutputServices outer(ini, [] { return nullptr; });
    TOutputServices inner(ini, [] { return nullptr; });
    EXPECT_EQ(TOutputServices::current(), nullptr);
    {
        const TOutputServicesScope outerScope(outer);
        {
            const TOutputServicesScope innerScope(inner);
            EXPECT_EQ(TOutputServices::current(), &inner);
        }
        EXPECT_EQ(TOutputServices::current(), &outer);
    }
    EXPECT_EQ(TOutputServices::current(), nullptr);
}
