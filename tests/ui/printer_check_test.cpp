#include "ui/printer_check.h"
#include "ui/scripted_messages.h"

#include <gtest/gtest.h>

using namespace quorvel;

namespace {

// Printers as a test wants them: none, one that answers only after being
// selected again, or one that never answers.
class TFakePrinters : public TPrinterSource {
public:
    bool installed = true;
    bool answers = true;
    bool answersAfterReselect = false;
    int reselections = 0;

    bool hasInstalledPrinter() const override { return installed; }
    bool currentPrinterHasSettings() const override { return answers; }
    void reselectCurrentPrinter() override
    {
        ++reselections;
        answers = answersAfterReselect;
    }
};

} // namespace

TEST(PrinterCheck, PassesSilentlyWithAUsablePrinter)
{
    TFakePrinters printers;
    TScriptedMessages messages;
    EXPECT_TRUE(checkPrinterPresent(printers, messages, nullptr));
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(printers.reselections, 0);
}

TEST(PrinterCheck, NoPrinterInstalled)
{
    TFakePrinters printers;
    printers.installed = false;
    TScriptedMessages messages;
    EXPECT_FALSE(checkPrinterPresent(printers, messages, nullptr));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(messages.shown()[0].text,
              QStringLiteral("There are no installed printers.\r\nUnable to perform printer related operations"));
}

TEST(PrinterCheck, SelectsThePrinterAgainBeforeGivingUp)
{
    TFakePrinters printers;
    printers.answers = false;
    printers.answersAfterReselect = true;
    TScriptedMessages messages;
    EXPECT_TRUE(checkPrinterPresent(printers, messages, nullptr));
    EXPECT_EQ(printers.reselections, 1);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST(PrinterCheck, NoDefaultPrinter)
{
    TFakePrinters printers;
    printers.answers = false;
    TScriptedMessages messages;
    EXPECT_FALSE(checkPrinterPresent(printers, messages, nullptr));
    EXPECT_EQ(printers.reselections, 1);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.lastText(),
              QStringLiteral("There is no default printer selected.\r\nUnable to perform printer related operations"));
}
