// Envelope runs on a small address file, read back from the recorded pages
// of a preview (and from the PDF file of a print): which records get an
// envelope, where the design lands on the page for a feed, Stop, Cancel
// and failures, and the address file coming back as it was whatever
// happened.
#include "envelope_run_fixture.h"

#include "labels/label_run_options.h"
#include "output/output_error.h"
#include "output/output_test_support.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace envelopes;
using namespace envelopes_testing;
using output::TPrintOutcome;

namespace {

std::vector<PrintedEnvelope> Pages(std::initializer_list<int> records)
{
    std::vector<PrintedEnvelope> envelopes;
    for (const int record : records)
        envelopes.push_back({static_cast<int>(envelopes.size()) + 1, Record(record)});
    return envelopes;
}

const QString kFilter = QStringLiteral("LNAME >= \"R03\" .and. !ISDEL");

TEST_F(EnvelopeRunTest, RecordChoicesGiveOneEnvelopeAPage)
{
    AddRecords(5);
    struct Case {
        const char* name;
        labels::TRecordChoice choice;
        std::uint32_t current;
        std::vector<PrintedEnvelope> expected;
    };
    const Case cases[] = {
        {"records matching filter", labels::rcMatchingFilter, 4, Pages({3, 4, 5})},
        {"all records, filter or not", labels::rcAllRecords, 4, Pages({1, 2, 3, 4, 5})},
        {"only the current record while the filter selects three", labels::rcOnlyCurrent, 4, Pages({4})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host = {};
        ASSERT_TRUE(dataset.SetQuery(kFilter));
        ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
        ASSERT_TRUE(dataset.GoTo(c.current));
        const TEnvelopeRunResult result = Preview(c.choice);
        ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted) << result.message.toStdString();
        EXPECT_EQ(Envelopes(), c.expected);
        EXPECT_EQ(result.envelopes, static_cast<int>(c.expected.size()));
        EXPECT_EQ(host.saves, 1) << "a confirmed run keeps its settings";
        EXPECT_TRUE(dialogs.notices.isEmpty());
        ExpectRestored(c.name);
    }
}

TEST_F(EnvelopeRunTest, StartFromCurrentRecordStartsThereOrAtTheFirstWithANotice)
{
    AddRecords(5);
    ASSERT_TRUE(dataset.SetQuery(kFilter));

    ASSERT_TRUE(dataset.GoTo(4));
    ASSERT_EQ(Preview(labels::rcMatchingFilter, true).outcome, TPrintOutcome::poCompleted);
    EXPECT_EQ(Envelopes(), Pages({4, 5}));
    EXPECT_TRUE(dialogs.notices.isEmpty());
    ExpectRestored("inside the filter");

    // Record 1 is outside the filter: the run says so and starts at the first.
    host = {};
    ASSERT_TRUE(dataset.GoTo(1));
    ASSERT_EQ(Preview(labels::rcMatchingFilter, true).outcome, TPrintOutcome::poCompleted);
    EXPECT_EQ(dialogs.notices, QStringList{labels::messages::recordOutOfRange()});
    EXPECT_EQ(Envelopes(), Pages({3, 4, 5}));
    ExpectRestored("outside the filter");
}

// The office printer has no envelope paper: the envelope lies on letter
// paper, turned with the feed, and the design lands where the feed puts
// the envelope on it.
TEST_F(EnvelopeRunTest, TheDesignIsDrawnUprightWhereTheFeedPutsTheEnvelope)
{
    AddRecords(2);
    struct Case {
        const char* name;
        TEnvelopeFeedDescription feed;
        QSizeF paper;
        QPointF offset;
    };
    const Case cases[] = {
        {"landscape, face down, centre", {fpCenter, foLandscape, ffDown, false}, {11.0, 8.5}, {1.5, 2.1875}},
        {"landscape, face up, right, clockwise", {fpRight, foLandscape, ffUp, true}, {11.0, 8.5}, {0.0, 4.375}},
        // 8.5 - 9.5 is negative: the design starts at the paper's edge.
        {"portrait, face up, right", {fpRight, foPortrait, ffUp, false}, {8.5, 11.0}, {0.0, 0.0}},
    };
    std::optional<QPointF> sameForEveryFeed;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host = {};
        host.feed = c.feed;
        const TEnvelopeRunResult result = Preview();
        ASSERT_EQ(result.outcome, TPrintOutcome::poCompleted);
        EXPECT_EQ(result.landscape, c.feed.orientation == foLandscape);
        EXPECT_NEAR(result.paper.width(), c.paper.width(), 1e-3);
        EXPECT_NEAR(result.paper.height(), c.paper.height(), 1e-3);
        EXPECT_NEAR(result.offset.x(), c.offset.x(), 1e-9);
        EXPECT_NEAR(result.offset.y(), c.offset.y(), 1e-9);
        ASSERT_EQ(host.pages.size(), 2u);
        for (const output::TPage& page : host.pages) {
            const std::vector<output::TTextOp> texts = output_testing::TextsOf(page);
            ASSERT_EQ(texts.size(), 1u);
            // The field's left edge is 4 pixels into the design; the text
            // lies the same way from the offset on every page of every feed.
            const QPointF fromOffset = texts.front().position - c.offset;
            EXPECT_NEAR(fromOffset.x(), 4.0 / 96, 0.02);
            if (!sameForEveryFeed)
                sameForEveryFeed = fromOffset;
            EXPECT_NEAR(fromOffset.x(), sameForEveryFeed->x(), 1e-9);
            EXPECT_NEAR(fromOffset.y(), sameForEveryFeed->y(), 1e-9);
        }
    }
}

// A preview shows what the printer cannot reach as a red dotted frame, and
// counts its pages as printing does.
TEST_F(EnvelopeRunTest, APreviewShowsThePrintableAreaOnEveryPage)
{
    AddRecords(2);
    ASSERT_EQ(Preview().outcome, TPrintOutcome::poCompleted);
    ASSERT_EQ(host.pages.size(), 2u);
    for (const output::TPage& page : host.pages) {
        const std::vector<output::TShapeOp> shapes = output_testing::ShapesOf(page);
        ASSERT_FALSE(shapes.empty());
        const output::TShapeOp& frame = shapes.front();
        EXPECT_EQ(frame.kind, output::skRectangle);
        EXPECT_EQ(frame.pen.color, qRgb(255, 0, 0));
        EXPECT_EQ(frame.pen.style, output::psDot);
        EXPECT_EQ(frame.brush.style, output::bsClear);
        EXPECT_NEAR(frame.rect.left(), 0.25, 1e-6);
        EXPECT_NEAR(frame.rect.top(), 0.25, 1e-6);
        EXPECT_NEAR(frame.rect.right(), 10.75, 1e-6);
        EXPECT_NEAR(frame.rect.bottom(), 8.25, 1e-6);
    }
    EXPECT_TRUE(host.endStatus.startsWith(QLatin1String("Printing Page 2"))) << host.endStatus.toStdString();
    EXPECT_TRUE(host.closesItself);
}

TEST_F(EnvelopeRunTest, StoppingAPreviewAfterTheThirdEnvelopePreviewsThreePages)
{
    AddRecords(10);
    host.onEvents = [](output::TPrintStatus& status) {
        if (status.Report().CurrentPage() == 3)
            status.CancelButtonClick();
    };
    const TEnvelopeRunResult result = Preview();
    EXPECT_EQ(result.outcome, TPrintOutcome::poStopped);
    EXPECT_EQ(host.endStatus, QStringLiteral("\rPreview Stopped!"));
    ASSERT_TRUE(host.previewShown);
    EXPECT_EQ(Envelopes(), Pages({1, 2, 3}));
    EXPECT_TRUE(host.closesItself);
    ExpectRestored("stopped");
}

// However a run ends, the address file's filter, order and record are back.
TEST_F(EnvelopeRunTest, EveryEndingRestoresTheAddressFile)
{
    AddRecords(6);
    enum class Act { None, CancelPrePrint, Button, Close, Error };
    struct Case {
        const char* name;
        bool preview;
        Act act;
        TPrintOutcome outcome;
        const char* status; // at the end of the job; none when no job ran
        bool pdfKept;
    };
    const Case cases[] = {
        {"print completed", false, Act::None, TPrintOutcome::poCompleted, "\rEnvelope Print Completed!", true},
        {"Cancel in Envelope Print", false, Act::CancelPrePrint, TPrintOutcome::poNotRun, nullptr, false},
        {"print cancelled, no question asked", false, Act::Button, TPrintOutcome::poCanceled,
         "\rEnvelope Print Canceled!", false},
        {"print failed", false, Act::Error, TPrintOutcome::poFailed, "\rThe disk is full.", false},
        {"preview stopped", true, Act::Button, TPrintOutcome::poStopped, "\rPreview Stopped!", false},
        {"preview window closed", true, Act::Close, TPrintOutcome::poCanceled, "\rEnvelope Preview Canceled!", false},
        {"preview failed", true, Act::Error, TPrintOutcome::poFailed, "\rThe disk is full.", false},
    };
    device->SelectPrinterByName(output::TRPDevice::PdfPrinterName());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host = {};
        dialogs = {};
        const QString pdf = quorvel::store_tests::qs(dir.file("envelopes.pdf"));
        dialogs.pdfFileNames.push_back(pdf);
        host.confirm = c.act != Act::CancelPrePrint;
        host.onEvents = [act = c.act](output::TPrintStatus& status) {
            if (status.Report().CurrentPage() != 2)
                return;
            if (act == Act::Button)
                status.CancelButtonClick();
            else if (act == Act::Close)
                status.CloseRequested();
            else if (act == Act::Error)
                throw output::EReportError(QStringLiteral("The disk is full."));
        };
        ASSERT_TRUE(dataset.SetQuery(kFilter));
        ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
        ASSERT_TRUE(dataset.GoTo(5));
        TEnvelopeRunOptions options;
        options.preview = c.preview;
        const TEnvelopeRunResult result = Run(options);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(host.jobRun, c.status != nullptr);
        if (c.status) {
            EXPECT_EQ(host.endStatus, QString::fromLatin1(c.status));
        }
        EXPECT_EQ(host.saves, c.act == Act::CancelPrePrint ? 0 : 1);
        if (c.outcome == TPrintOutcome::poFailed) {
            EXPECT_EQ(result.message, QStringLiteral("The disk is full."));
            EXPECT_FALSE(host.closesItself) << "the error stays to be read";
        }
        EXPECT_TRUE(dialogs.questions.isEmpty());
        EXPECT_EQ(QFile::exists(pdf), c.pdfKept) << "no half-written PDF";
        EXPECT_EQ(host.previewShown, c.preview && c.outcome == TPrintOutcome::poStopped);
        ExpectRestored(c.name);
        EXPECT_EQ(dataset.Query(), kFilter);
        QFile::remove(pdf);
    }
}

TEST_F(EnvelopeRunTest, AMissingOrDamagedDesignFileGivesItsMessageAndNoJob)
{
    AddRecords(3);
    ASSERT_TRUE(dataset.GoTo(2));

    // A name that is not a plain design file name in sysdata counts as missing.
    for (const char* name : {"BIN00009.E", "../BIN00001.E", ""}) {
        SCOPED_TRACE(name);
        host = {};
        dialogs = {};
        layout.designFile = QString::fromLatin1(name);
        const TEnvelopeRunResult result = Preview();
        EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
        EXPECT_EQ(dialogs.notices, QStringList{EnvelopeLayoutKind().missingDesign});
        EXPECT_EQ(result.message, EnvelopeLayoutKind().missingDesign);
        EXPECT_EQ(host.confirmations, 0);
        EXPECT_FALSE(host.jobRun);
        ExpectRestored(name);
    }

    // A file that does not read must not print blank envelopes: the
    // reader's message is shown instead.
    host = {};
    dialogs = {};
    layout.designFile = QStringLiteral("BIN00002.E");
    QFile damaged(sysdata + QStringLiteral("/BIN00002.E"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("This is no design file.");
    damaged.close();
    const TEnvelopeRunResult result = Preview();
    EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors.front(), result.message);
    EXPECT_FALSE(result.message.isEmpty());
    EXPECT_EQ(host.confirmations, 0);
    EXPECT_FALSE(host.jobRun);
    ExpectRestored("damaged");
}

} // namespace
