// The envelope feed and printer in the settings file: what an absent or
// damaged section reads as, what a save writes, and how the stored printer,
// source and paper are found again on a device that may have changed.
#include "envelopes/envelope_settings.h"
#include "output/output_test_support.h"
#include "store/ini_file.h"
#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace envelopes;

namespace {

class EnvelopeSettings : public ::testing::Test {
protected:
    quorvel::TIniFile Ini(const QByteArray& text = {}) const
    {
        const QString path = QString::fromStdString(dir.file("QUORVL.ini"));
        if (!text.isNull()) {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
        return quorvel::TIniFile(path);
    }

    testing_support::TempDir dir;
    std::unique_ptr<output::TRPDevice> device = output_testing::MakeOfficeDevice();
};

} // namespace

TEST_F(EnvelopeSettings, AbsentOrDamagedValuesReadAsTheDefaults)
{
    const TEnvelopeFeedDescription defaults{fpCenter, foLandscape, ffDown, false};
    EXPECT_EQ(ReadEnvelopeFeed(Ini()), defaults);
    const TEnvelopePrinterSettings printer = ReadEnvelopePrinter(Ini());
    EXPECT_TRUE(printer.printer.isEmpty());
    EXPECT_TRUE(printer.bin.isEmpty());
    EXPECT_TRUE(printer.paper.isEmpty());
    EXPECT_FALSE(printer.orientation.has_value());

    EXPECT_EQ(ReadEnvelopeFeed(Ini("[Envelope Feed]\r\nOrientation=7\r\nFacing=-1\r\nPosition=x\r\n")), defaults);
    EXPECT_FALSE(ReadEnvelopePrinter(Ini("[Envelope Printer]\r\nOrientation=sideways\r\n")).orientation.has_value());
    EXPECT_EQ(ReadEnvelopePrinter(Ini("[Envelope Printer]\r\nOrientation=1\r\n")).orientation, 1);
    EXPECT_EQ(ReadEnvelopeFeed(Ini("[Envelope Feed]\r\nOrientation=0\r\nFacing=0\r\nPosition=1\r\n"
                                   "ClockWiseRotation=1\r\n")),
              (TEnvelopeFeedDescription{fpRight, foPortrait, ffUp, true}));
}

TEST_F(EnvelopeSettings, SaveWritesTheDeviceAndTheFeedUnderTheirKeys)
{
    device->SelectBinByName(QStringLiteral("Manual Feed"));
    ASSERT_TRUE(device->SelectPaperByName(QStringLiteral("A4")));
    device->SetOrientation(QPageLayout::Landscape);
    quorvel::TIniFile ini = Ini("[Other]\r\nKept=1\r\n");
    const quorvel::TTableResult saved =
        SaveEnvelopeSettings(ini, *device, TEnvelopeFeedDescription{fpLeft, foPortrait, ffUp, true});
    ASSERT_TRUE(saved.ok) << saved.messages.join(u'\n').toStdString();

    const quorvel::TIniDocument written = ini.read();
    EXPECT_EQ(written.keys(u"Envelope Printer"),
              (QStringList{QStringLiteral("Printer"), QStringLiteral("Bin"), QStringLiteral("Paper"),
                           QStringLiteral("Orientation")}));
    EXPECT_EQ(written.keys(u"Envelope Feed"),
              (QStringList{QStringLiteral("Orientation"), QStringLiteral("Facing"), QStringLiteral("Position"),
                           QStringLiteral("ClockWiseRotation")}));
    const struct {
        const char16_t* section;
        const char16_t* key;
        const char* value;
    } expected[] = {
        {u"Envelope Printer", u"Printer", "Office Laser on LPT1:"},
        {u"Envelope Printer", u"Bin", "Manual Feed"},
        {u"Envelope Printer", u"Paper", "A4"},
        {u"Envelope Printer", u"Orientation", "1"},
        {u"Envelope Feed", u"Orientation", "0"},
        {u"Envelope Feed", u"Facing", "0"},
        {u"Envelope Feed", u"Position", "0"},
        {u"Envelope Feed", u"ClockWiseRotation", "1"},
        {u"Other", u"Kept", "1"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(written.value(e.section, e.key).value_or(QStringLiteral("<absent>")), QString::fromLatin1(e.value))
            << QString::fromUtf16(e.key).toStdString();
}

TEST_F(EnvelopeSettings, WhatWasSavedIsSelectedAgainOnAFreshDevice)
{
    device->SelectBinByName(QStringLiteral("Manual Feed"));
    device->SelectPaperByName(QStringLiteral("A5"));
    device->SetOrientation(QPageLayout::Landscape);
    quorvel::TIniFile ini = Ini();
    ASSERT_TRUE(SaveEnvelopeSettings(ini, *device, {}).ok);

    const auto fresh = output_testing::MakeOfficeDevice();
    fresh->SelectPrinterIndex(1); // Save as PDF, as another screen may have left it
    ApplyEnvelopePrinter(ReadEnvelopePrinter(ini), *fresh);
    EXPECT_EQ(fresh->DeviceName(), QStringLiteral("Office Laser"));
    EXPECT_EQ(fresh->CurrentBinIndex(), 1);
    EXPECT_EQ(fresh->Paper().name(), QStringLiteral("A5"));
    EXPECT_EQ(fresh->Orientation(), QPageLayout::Landscape);

    // The PDF printer, on an envelope it lists for the run.
    device->SelectPrinterIndex(1);
    ASSERT_TRUE(device->ChoosePaper(33, 0, 0));
    ASSERT_TRUE(SaveEnvelopeSettings(ini, *device, {}).ok);
    const auto again = output_testing::MakeOfficeDevice();
    ApplyEnvelopePrinter(ReadEnvelopePrinter(ini), *again);
    EXPECT_TRUE(again->IsPdfPrinter());
    EXPECT_TRUE(again->Paper().isEquivalentTo(QPageSize(QPageSize::EnvelopeB4))) << again->Paper().name().toStdString();
}

TEST_F(EnvelopeSettings, PrinterIsFoundByItsNameBeforeOnInAnyCase)
{
    const struct {
        const char* stored;
        const char* selected;
    } cases[] = {
        {"Office Laser on LPT1:", "Office Laser"},
        {"OFFICE LASER on COM9:", "Office Laser"}, // the port has changed since
        {"office laser", "Office Laser"},
        {"Save as PDF on FILE:", "Save as PDF"},
        {"Office on LPT1:", "Save as PDF"}, // a part of a name is not the name
        {"Plotter on LPT2:", "Save as PDF"},
    };
    for (const auto& c : cases) {
        device->SelectPrinterIndex(1);
        ApplyEnvelopePrinter({QString::fromLatin1(c.stored), {}, {}, std::nullopt}, *device);
        EXPECT_EQ(device->DeviceName(), QString::fromLatin1(c.selected)) << c.stored;
    }
}

TEST_F(EnvelopeSettings, UnknownSourceOrPaperLeavesTheDevicesChoice)
{
    device->SelectBinByName(QStringLiteral("Manual Feed"));
    device->SelectPaperByName(QStringLiteral("A4"));
    ApplyEnvelopePrinter({QStringLiteral("Office Laser on LPT1:"), QStringLiteral("Tray 9"),
                          QStringLiteral("Envelope #10"), std::nullopt},
                         *device);
    EXPECT_EQ(device->CurrentBinIndex(), 1);
    EXPECT_EQ(device->Paper().name(), QStringLiteral("A4"));
    EXPECT_EQ(device->Orientation(), QPageLayout::Portrait) << "no stored orientation";

    ApplyEnvelopePrinter({{}, QStringLiteral("upper tray"), QStringLiteral("a5"), 0}, *device);
    EXPECT_EQ(device->CurrentBinIndex(), 0);
    EXPECT_EQ(device->Paper().name(), QStringLiteral("A5"));
    EXPECT_EQ(device->Orientation(), QPageLayout::Portrait);
}

TEST_F(EnvelopeSettings, AFailedWriteIsReported)
{
    const QString folder = QString::fromStdString(dir.file("gone"));
    quorvel::TIniFile ini(folder + QStringLiteral("/QUORVL.ini"));
    const quorvel::TTableResult saved = SaveEnvelopeSettings(ini, *device, {});
    EXPECT_FALSE(saved.ok);
    ASSERT_EQ(saved.messages.size(), 1);
    EXPECT_TRUE(saved.messages.first().startsWith(QStringLiteral("The envelope printer settings could not be saved: ")))
        << saved.messages.first().toStdString();
    EXPECT_FALSE(QFile::exists(folder));
}
