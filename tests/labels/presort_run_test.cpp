// The presorted side of a label run, with presort lists written by hand:
// reading the list, break labels in front of each package, ZIP lines
// without records, and what stops a presorted run.
#include "label_run_fixture.h"

#include "labels/presort_list.h"
#include "output/output_test_support.h"
#include "xbase/apollo_env.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace labels;
using namespace labels_testing;
using output::TPrintOutcome;

namespace {

TEST(PresortListTest, ReadsLinesAsWrittenOrEditedByHand)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList lines;
    };
    const QStringList typical{QStringLiteral("** 5-digit 30301"), QStringLiteral("30301")};
    const Case cases[] = {
        {"CR LF", "** 5-digit 30301\r\n30301\r\n", typical},
        {"LF alone", "** 5-digit 30301\n30301\n", typical},
        {"CR alone", "** 5-digit 30301\r30301\r", typical},
        {"no ending on the last line", "** 5-digit 30301\r\n30301", typical},
        {"blank lines and trailing blanks", "\r\n** 5-digit 30301 \t\r\n   \r\n30301  \r\n\r\n", typical},
        {"blanks inside are kept", "** ADC LAS VEGAS  NV 890\r\n", {QStringLiteral("** ADC LAS VEGAS  NV 890")}},
        {"Windows-1252 bytes", "** Montr\xe9" "al\r\n", {QStringLiteral("** Montr\u00e9al")}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList lines = ParsePresortList(c.bytes);
        EXPECT_EQ(lines, c.lines);
        const std::optional<QByteArray> written = PresortListBytes(lines);
        ASSERT_TRUE(written.has_value());
        EXPECT_EQ(ParsePresortList(*written), lines);
    }
    EXPECT_EQ(PresortListBytes(typical), QByteArray("** 5-digit 30301\r\n30301\r\n"));
    EXPECT_TRUE(IsPresortBreak(QStringLiteral("** Unknown")));
    EXPECT_FALSE(IsPresortBreak(QStringLiteral("30301")));
}

// Records with ZIP codes in three packages, one outside the list and one
// without a ZIP code.
class PresortRunTest : public LabelRunTest {
protected:
    void SetUp() override
    {
        LabelRunTest::SetUp();
        AddRecords(7, {"30301", "30305", "30301", "30307", "99999", "", "30301-1234"});
    }

    void WriteList(const QByteArray& bytes)
    {
        QFile file(presortFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static TLabelRunOptions Presorted()
    {
        TLabelRunOptions options;
        options.preview = true;
        options.presort = true;
        options.records = rcAllRecords;
        return options;
    }
};

TEST_F(PresortRunTest, PackagesPrintInListOrderAfterTheirBreakLabels)
{
    // A 30399 line that no record has is passed over without printing a
    // record of another ZIP code.
    WriteList("** 5-digit 30301\r\n30301\r\n** 3-digit 303\r\n30305\r\n30399\r\n30307\r\n");
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
    ASSERT_TRUE(dataset.GoTo(5));
    // The run makes key comparison inexact for its seeks; it must put back
    // what it found.
    xbase::TApolloEnv& env = xbase::TApolloEnv::global();
    env.sx_SetExact(true);
    const TLabelRunResult result = Run(Presorted());
    const bool exactAfterwards = env.sx_GetExact();
    env.sx_SetExact(false);
    EXPECT_TRUE(exactAfterwards);

    ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted) << result.message.toStdString();
    EXPECT_EQ(dialogs.notices, QStringList{messages::presortOrder()});
    const std::vector<PrintedLabel> expected = {
        {1, 0, QStringLiteral("** 5-digit 30301")}, {1, 1, QStringLiteral("R01")}, {1, 2, QStringLiteral("R03")},
        {1, 3, QStringLiteral("R07")}, {1, 4, QStringLiteral("** 3-digit 303")}, {1, 5, QStringLiteral("R02")},
        {1, 6, QStringLiteral("R04")},
    };
    EXPECT_EQ(Labels(), expected);
    EXPECT_EQ(result.counts.labels, 5);
    EXPECT_EQ(result.counts.records, 5);
    ExpectRestored("presorted");
}

TEST_F(PresortRunTest, ABreakLabelIsSmallArialClippedToItsPitchBox)
{
    WriteList("** 3-digit 303\r\n30305\r\n");
    ASSERT_EQ(Run(Presorted()).outcome, TPrintOutcome::poCompleted);
    ASSERT_EQ(host.pages.size(), 1u);
    const TLabelGeometry sheet = Sheet5160();
    const output::TTextOp breakLabel = output_testing::TextsOf(host.pages[0]).front();
    EXPECT_EQ(breakLabel.text, QStringLiteral("** 3-digit 303"));
    EXPECT_EQ(breakLabel.font.name, QStringLiteral("Arial"));
    EXPECT_EQ(breakLabel.font.size, 8.0);
    ASSERT_TRUE(breakLabel.clip.has_value());
    EXPECT_EQ(*breakLabel.clip, QRectF(sheet.leftMargin, sheet.topMargin, sheet.horizPitch, sheet.vertPitch));
    EXPECT_DOUBLE_EQ(breakLabel.position.x(), sheet.leftMargin + 0.15);
    // The text's top is a third of the pitch down; the stream keeps its baseline.
    const double top = sheet.topMargin + sheet.vertPitch / 3;
    EXPECT_GT(breakLabel.position.y(), top);
    EXPECT_LT(breakLabel.position.y(), top + 8.0 / 72);
}

TEST_F(PresortRunTest, ARunEndsQuietlyWhenThePresortIsCancelled)
{
    WriteList("30301\r\n");
    host.presortAnswer = false;
    const TLabelRunResult result = Run(Presorted());
    EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_TRUE(dialogs.notices.isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_FALSE(host.previewShown);
    ExpectRestored("presort cancelled");
}

TEST_F(PresortRunTest, AMissingListStopsTheRunWithAMessage)
{
    const TLabelRunResult result = Run(Presorted());
    EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().contains(QLatin1String("PRESORT.PSL"))) << dialogs.errors.front().toStdString();
    EXPECT_FALSE(host.previewShown);
    ExpectRestored("no list");
}

TEST_F(PresortRunTest, OnlyTheCurrentRecordIsNeverPresorted)
{
    ASSERT_TRUE(dataset.GoTo(4));
    TLabelRunOptions options = Presorted();
    options.records = rcOnlyCurrent;
    ASSERT_EQ(Run(options).outcome, TPrintOutcome::poCompleted);
    EXPECT_TRUE(dialogs.notices.isEmpty());
    EXPECT_EQ(Labels(), (std::vector<PrintedLabel>{{1, 0, QStringLiteral("R04")}}));
    ExpectRestored("only current");
}

// The real presort before the run: every selected record prints exactly
// once, in the list's order, the records the presort does not count last.
class PresortedRunTest : public LabelRunTest {
protected:
    void SetUp() override
    {
        LabelRunTest::SetUp();
        host.realPresort = true;
        // Lower and upper case, a short ZIP and one with a blank, ZIP+4,
        // empty, foreign and garbled codes.
        AddRecords(8, {"1234a", "", "1234A", "K1A 0B1", "1234", "12345-6789", "1234 5678", "9999A"});
    }

    static TLabelRunOptions Presorted(TRecordChoice records = rcAllRecords)
    {
        TLabelRunOptions options;
        options.preview = true;
        options.presort = true;
        options.records = records;
        return options;
    }

    static QStringList Texts(const std::vector<PrintedLabel>& labels)
    {
        QStringList texts;
        for (const PrintedLabel& label : labels)
            texts << label.text;
        return texts;
    }
};

TEST_F(PresortedRunTest, PrintsEverySelectedRecordOnceInListOrder)
{
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
    ASSERT_TRUE(dataset.GoTo(6));
    TLabelRunOptions options = Presorted();
    // Positions 1 and 4 of every sheet stay empty; nothing is lost to them.
    options.mask.reset(1);
    options.mask.reset(4);
    const TLabelRunResult result = Run(options);
    ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted) << result.message.toStdString();

    EXPECT_EQ(ReadPresortFile(presortFile).lines,
              QStringList({QStringLiteral("** ADC ALBANY NY 120"), QStringLiteral("1234"), QStringLiteral("12345"),
                           QStringLiteral("1234A"), QStringLiteral("1234a"), QStringLiteral("** Not presorted")}));
    EXPECT_EQ(dialogs.notices, QStringList{messages::presortOrder(true)});
    EXPECT_TRUE(messages::presortOrder(true).endsWith(QStringLiteral("\r\n  4. Not presorted")));
    const std::vector<PrintedLabel> expected = {
        {1, 0, QStringLiteral("** ADC ALBANY NY 120")},
        {1, 2, QStringLiteral("R05")}, // 1234
        {1, 3, QStringLiteral("R07")}, // 1234 5678
        {1, 5, QStringLiteral("R06")}, // 12345-6789
        {1, 6, QStringLiteral("R03")}, // 1234A
        {1, 7, QStringLiteral("R01")}, // 1234a, found although the tag keys it upper case
        {1, 8, QStringLiteral("** Not presorted")},
        {1, 9, QStringLiteral("R02")},  // empty, first in ZIP order
        {1, 10, QStringLiteral("R08")}, // 9999A
        {1, 11, QStringLiteral("R04")}, // K1A 0B1
    };
    EXPECT_EQ(Labels(), expected);
    EXPECT_EQ(result.counts.records, 8);
    ExpectRestored("presorted with odd ZIPs");
}

TEST_F(PresortedRunTest, AFilterSelectsTheSameRecordsForThePresortAndTheRun)
{
    add({{"LNAME", "X1"}, {"ZIP", "1234"}, {"ISDEL", "T"}});
    add({{"LNAME", "X2"}, {"ZIP", ""}});
    ASSERT_TRUE(dataset.Delete());
    // An .or. bracketed so that it cannot reach the deleted records.
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("(UPPER(ZIP) = \"1234\" .or. LNAME = \"R02\" .or. LNAME = \"R04\" .or. LNAME = \"X\") .and. !ISDEL")));
    const TLabelRunResult result = Run(Presorted(rcMatchingFilter));
    ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted) << result.message.toStdString();
    EXPECT_EQ(Texts(Labels()),
              QStringList({QStringLiteral("** ADC ALBANY NY 120"), QStringLiteral("R05"), QStringLiteral("R07"),
                           QStringLiteral("R06"), QStringLiteral("R03"), QStringLiteral("R01"),
                           QStringLiteral("** Not presorted"), QStringLiteral("R02"), QStringLiteral("R04")}));
    ExpectRestored("filtered");
}

TEST_F(PresortedRunTest, ACountedSelectionHasNoNotPresortedPart)
{
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("(UPPER(ZIP) = \"12345\") .and. !ISDEL")));
    ASSERT_EQ(Run(Presorted(rcMatchingFilter)).outcome, TPrintOutcome::poCompleted);
    EXPECT_EQ(dialogs.notices, QStringList{messages::presortOrder()});
    EXPECT_EQ(Texts(Labels()), QStringList({QStringLiteral("** ADC ALBANY NY 120"), QStringLiteral("R06")}));
}

// Cancels the presort at its first status text.
class CancellingProgress : public TPresortProgress {
public:
    void ShowStatus(const QString&) override {}
    bool CancelRequested() override { return true; }
};

TEST_F(PresortedRunTest, ACancelledOrFailedPresortStartsNoRun)
{
    ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
    ASSERT_TRUE(dataset.GoTo(3));
    CancellingProgress cancelling;
    host.presortProgress = &cancelling;
    TLabelRunResult result = Run(Presorted());
    EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_FALSE(QFile::exists(presortFile));
    EXPECT_FALSE(host.previewShown);
    ExpectRestored("presort cancelled");

    host.presortProgress = nullptr;
    presortFile = quorvel::store_tests::qs(dir.file("missing/PRESORT.PSL"));
    result = Run(Presorted());
    EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
    EXPECT_TRUE(result.message.contains(QLatin1String("PRESORT.PSL"))) << result.message.toStdString();
    EXPECT_EQ(dialogs.errors, QStringList{result.message});
    EXPECT_FALSE(host.previewShown);
    ExpectRestored("presort failed");
}

} // namespace
