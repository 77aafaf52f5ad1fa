// The shared printer device: the printer list with its built-in PDF
// printer, selection, paper codes, orientation and borders.
#include "output_test_support.h"

#include "output/output_error.h"
#include "output/report_printer.h"

#include <gtest/gtest.h>

using namespace output;
using namespace output_testing;

TEST(DeviceTest, SaveAsPdfIsAlwaysListedLast)
{
    const auto device = MakeOfficeDevice();
    EXPECT_EQ(device->PrinterNames(), (QStringList{QStringLiteral("Office Laser"), QStringLiteral("Save as PDF")}));
    EXPECT_EQ(device->CurrentPrinterIndex(), -1);
    EXPECT_EQ(device->DeviceName(), QStringLiteral("Office Laser")) << "the system default";
    TRPDevice alone(std::make_unique<TFixedPrinterCatalog>());
    EXPECT_EQ(alone.PrinterNames(), QStringList{QStringLiteral("Save as PDF")});
    EXPECT_TRUE(alone.IsPdfPrinter());
}

TEST(DeviceTest, SelectByNameMatchesNameOnPortIgnoringCase)
{
    const auto device = MakeOfficeDevice();
    EXPECT_TRUE(device->SelectPrinterByName(QStringLiteral("save AS pdf")));
    EXPECT_EQ(device->CurrentPrinterIndex(), 1);
    EXPECT_TRUE(device->SelectPrinterByName(QStringLiteral("laser on lpt1")));
    EXPECT_EQ(device->CurrentPrinterIndex(), 0);
    EXPECT_FALSE(device->SelectPrinterByName(QStringLiteral("Plotter")));
    EXPECT_EQ(device->CurrentPrinterIndex(), 0) << "an unknown name changes nothing";
}

TEST(DeviceTest, PaperCodesAndCustomSizes)
{
    const auto device = MakeOfficeDevice();
    const struct {
        int code;
        double width, height;
        bool accepted;
    } cases[] = {{9, 8.27, 11.69, true}, {11, 5.83, 8.27, true}, {1, 8.5, 11.0, true}, {20, 8.5, 11.0, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(device->ChoosePaper(c.code, 0, 0), c.accepted) << c.code;
        EXPECT_NEAR(device->PaperWidth(), c.width, 0.01) << c.code;
        EXPECT_NEAR(device->PaperHeight(), c.height, 0.01) << c.code;
    }
    EXPECT_FALSE(device->ChoosePaper(0, 4.0, 9.5)) << "the laser takes no custom sizes";
    device->SelectPrinterByName(QStringLiteral("Save as PDF"));
    // The PDF printer takes the common sheets and every envelope by code.
    const struct {
        int code;
        double width, height;
    } pdfCases[] = {{1, 8.5, 11}, {3, 11, 17}, {5, 8.5, 14}, {9, 8.27, 11.69}, {19, 3.875, 8.875},
                    {23, 5, 11.5}, {33, 9.84, 13.9}, {38, 3.625, 6.5}};
    for (const auto& c : pdfCases) {
        EXPECT_TRUE(device->ChoosePaper(c.code, 0, 0)) << c.code;
        EXPECT_NEAR(device->PaperWidth(), c.width, 0.01) << c.code;
        EXPECT_NEAR(device->PaperHeight(), c.height, 0.01) << c.code;
        EXPECT_EQ(device->PaperNames().at(device->CurrentPaperIndex()), device->Paper().name()) << c.code;
    }
    EXPECT_FALSE(device->ChoosePaper(14, 0, 0)) << "a code no paper has";
    ASSERT_TRUE(device->ChoosePaper(0, 4.125, 9.5));
    EXPECT_NEAR(device->PaperWidth(), 9.5, 0.002);
    EXPECT_NEAR(device->PaperHeight(), 4.125, 0.002);
}

TEST(DeviceTest, LandscapeTurnsPaperAndBorders)
{
    TFixedPrinterCatalog::Printer printer;
    printer.entry = {QStringLiteral("Label Printer"), QStringLiteral("USB001"), QStringLiteral("ZPL"), true};
    printer.sizes = {QPageSize(QPageSize::Letter)};
    printer.margins = QMarginsF(0.1, 0.2, 0.3, 0.4);
    TRPDevice device(std::make_unique<TFixedPrinterCatalog>(std::vector{printer}));
    device.SetOrientation(QPageLayout::Landscape);
    EXPECT_DOUBLE_EQ(device.PaperWidth(), 11.0);
    EXPECT_DOUBLE_EQ(device.PaperHeight(), 8.5);
    EXPECT_EQ(device.Unprintable(), QMarginsF(0.2, 0.3, 0.4, 0.1));
}

TEST(DeviceTest, BinsAndPapersByName)
{
    const auto device = MakeOfficeDevice();
    EXPECT_TRUE(device->SelectBinByName(QStringLiteral("manual feed")));
    EXPECT_EQ(device->CurrentBinIndex(), 1);
    EXPECT_FALSE(device->SelectBinByName(QStringLiteral("Tray 9")));
    EXPECT_EQ(device->CurrentBinIndex(), 1);
    EXPECT_TRUE(device->SelectPaperByName(device->PaperNames().at(1)));
    EXPECT_EQ(device->CurrentPaperIndex(), 1);
}

TEST(DeviceTest, WithoutPrintersPaperQuestionsAreRefused)
{
    TRPDevice device(std::make_unique<TFixedPrinterCatalog>(), false);
    EXPECT_FALSE(device.HasPrinters());
    try {
        device.BinNames();
        FAIL();
    } catch (const EReportError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("Invalid operation.  Device has no DevMode structure"));
    }
    EXPECT_THROW(device.SetOrientation(QPageLayout::Landscape), EReportError);
}

TEST(DeviceTest, ComponentsReportTheDevicesGeometryInTheirUnits)
{
    const auto device = MakeOfficeDevice(0.25);
    TReportPrinter printer;
    printer.SetDevice(device.get());
    printer.SetMarginLeft(0.5);
    EXPECT_DOUBLE_EQ(printer.UnprintableLeft(), 0.25);
    EXPECT_EQ(printer.ToDeviceX(0.5), 150) << "600 dpi, a quarter inch into the printable area";
    printer.SetUnits(unMM);
    EXPECT_DOUBLE_EQ(printer.UnprintableLeft(), 6.35);
    printer.SetOrientation(poLandScape);
    EXPECT_DOUBLE_EQ(printer.PaperWidth(), 279.4);
}

TEST(DeviceTest, PrintOptionsAndSetupGoThroughTheDialogs)
{
    const auto device = MakeOfficeDevice();
    TScriptedOutputDialogs dialogs;
    TReportPrinter printer;
    printer.SetDevice(device.get());
    printer.SetDialogs(&dialogs);
    dialogs.printOptionAnswers.push_back(TPrintOptions{3, 2, 4});
    dialogs.printOptionAnswers.push_back(std::nullopt);
    EXPECT_TRUE(printer.AskPrintOptions());
    EXPECT_EQ(printer.Copies(), 3);
    EXPECT_EQ(printer.FirstPage(), 2);
    EXPECT_EQ(printer.LastPage(), 4);
    EXPECT_FALSE(printer.AskPrintOptions());
    EXPECT_EQ(printer.Copies(), 3) << "cancelled: unchanged";

    dialogs.setupAnswers.push_back([](TRPDevice& d) {
        d.SelectPrinterIndex(1);
        return true;
    });
    EXPECT_TRUE(printer.AskPrinterSetup());
    EXPECT_EQ(printer.DeviceName(), QStringLiteral("Save as PDF"));
}
