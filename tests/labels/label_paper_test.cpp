// Paper and orientation of a label run: the paper codes, custom sizes,
// landscape sheets, and the question when the printer does not confirm the
// size.
#include "label_run_fixture.h"

#include "labels/label_paper.h"
#include "output/print_status.h"

#include <gtest/gtest.h>

using namespace labels;
using namespace labels_testing;

namespace {

// An office laser (letter, A4, A5; no custom sizes), a printer whose driver
// takes no custom size, and the PDF printer (any size).
std::unique_ptr<output::TRPDevice> MakeDevice()
{
    output::TFixedPrinterCatalog::Printer laser;
    laser.entry = {QStringLiteral("Office Laser"), QStringLiteral("LPT1:"), QStringLiteral("PCL"), true};
    laser.sizes = {QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4), QPageSize(QPageSize::A5)};
    output::TFixedPrinterCatalog::Printer deskjet = laser;
    deskjet.entry = {QStringLiteral("HPFDJ 550"), QStringLiteral("LPT2:"), QStringLiteral("HPFDJ"), false};
    return std::make_unique<output::TRPDevice>(
        std::make_unique<output::TFixedPrinterCatalog>(std::vector{laser, deskjet}));
}

TLabelGeometry Sheet(const char* paperSize, double width, double depth)
{
    TLabelGeometry sheet = Sheet5160();
    sheet.paperSize = QString::fromLatin1(paperSize);
    sheet.sheetWidth = width;
    sheet.sheetDepth = depth;
    return sheet;
}

struct PaperCase {
    const char* name;
    TLabelGeometry sheet;
    const char* printer;
    QSizeF paper; // portrait, inches, as the device then holds it
    bool landscape;
    bool asked;
    bool answer; // to the question, when asked
};

TEST(LabelPaperTest, SheetsChooseTheirPaperAndOrientation)
{
    const PaperCase cases[] = {
        {"letter", Sheet("LTR", 8.5, 11), "Office Laser", {8.5, 11}, false, false, false},
        {"letter landscape", Sheet("LTRL", 11, 8.5), "Office Laser", {8.5, 11}, true, false, false},
        {"A4", Sheet("A4", 8.27, 11.69), "Office Laser", {8.267717, 11.692913}, false, false, false},
        {"A4 landscape", Sheet("A4L", 11.69, 8.27), "Office Laser", {8.267717, 11.692913}, true, false, false},
        {"A5", Sheet("A5", 5.83, 8.27), "Office Laser", {5.826772, 8.267717}, false, false, false},
        {"custom", Sheet("USERP", 4, 6), "Save as PDF", {4, 6}, false, false, false},
        {"custom landscape", Sheet("USERL", 6, 4), "Save as PDF", {4, 6}, true, false, false},
        {"custom size refused, printed anyway", Sheet("USERP", 4, 6), "Office Laser", {8.5, 11}, false, true, true},
        {"custom size refused, not printed", Sheet("USERP", 4, 6), "Office Laser", {8.5, 11}, false, true, false},
        {"letter sheet deeper than letter", Sheet("LTR", 8.5, 14), "Office Laser", {8.5, 11}, false, true, false},
        {"a driver without custom sizes, even when it fits", Sheet("USERP", 8.5, 11), "HPFDJ", {8.5, 11}, false,
         true, true},
        {"that driver with a paper code", Sheet("LTR", 8.5, 11), "HPFDJ", {8.5, 11}, false, false, false},
    };
    for (const PaperCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto device = MakeDevice();
        ASSERT_TRUE(device->SelectPrinterByName(QString::fromLatin1(c.printer)));
        output::TScriptedOutputDialogs dialogs;
        dialogs.questionAnswers.push_back(c.answer);
        output::TPrintStatus status(false, LabelJobTexts());
        status.SetDevice(device.get());
        status.SetDialogs(&dialogs);
        const bool accepted = PrepareLabelPaper(status, c.sheet);
        EXPECT_EQ(accepted, !c.asked || c.answer);
        EXPECT_EQ(dialogs.questions.size(), c.asked ? 1 : 0);
        const QSizeF paper = device->Paper().size(QPageSize::Inch);
        EXPECT_NEAR(paper.width(), c.paper.width(), 0.01);
        EXPECT_NEAR(paper.height(), c.paper.height(), 0.01);
        EXPECT_EQ(device->Orientation(), c.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        EXPECT_EQ(status.Printer().Orientation(), c.landscape ? output::poLandScape : output::poPortrait);
        EXPECT_EQ(status.Filer().Orientation(), status.Printer().Orientation()) << "both components alike";
    }
}

TEST(LabelPaperTest, TheQuestionNamesTheSizeAsTheSheetLiesInThePrinter)
{
    EXPECT_EQ(PaperQuestion(LabelPaperFor(Sheet("USERL", 6, 4.125))),
              QStringLiteral("Unable to confirm that the paper size was set to\r\n\r\n4.13\" by 6.00\"\r\n\r\n"
                             "(you may have the wrong printer selected)\r\n\r\n"
                             "Would you like to try printing anyways?"));
}

TEST_F(LabelRunTest, ALandscapeSheetIsPreviewedOnLandscapePages)
{
    AddRecords(2);
    TLabelRunOptions options;
    options.preview = true;
    TLabelGeometry sheet = Sheet("LTRL", 11, 8.5);
    sheet.across = 4;
    sheet.down = 8;
    ASSERT_EQ(Run(sheet, options).outcome, output::TPrintOutcome::poCompleted);
    ASSERT_EQ(host.pages.size(), 1u);
    EXPECT_NEAR(host.pages[0].size.width(), 11.0, 1e-6);
    EXPECT_NEAR(host.pages[0].size.height(), 8.5, 1e-6);
    EXPECT_EQ(Labels(sheet).size(), 2u);
}

TEST_F(LabelRunTest, APaperSizeLeftUnconfirmedEndsTheRunOnNo)
{
    AddRecords(2);
    TLabelRunOptions options;
    options.preview = true;
    const TLabelRunResult result = Run(Sheet("USERP", 4, 6), options);
    EXPECT_EQ(result.outcome, output::TPrintOutcome::poNotRun);
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_FALSE(host.previewShown);
    ExpectRestored("paper refused");
}

} // namespace
