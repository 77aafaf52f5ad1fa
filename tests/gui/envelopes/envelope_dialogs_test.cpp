// "Paper Feed Method" and "Envelope Print" on their own: the choices, the
// feed picture that follows them, and the paper size warning.
#include "envelopes/envelope_feed.h"
#include "envelopes/envelope_sizes.h"
#include "envelopes/windows/envelope_feed_dialog.h"
#include "envelopes/windows/envelope_feed_picture.h"
#include "envelopes/windows/envelope_pre_print.h"
#include "label_windows_fixture.h"
#include "output/printer_catalog.h"
#include "output/rp_device.h"
#include "output/scripted_output_dialogs.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>

namespace labels_gui {
namespace {

using envelopes::TEnvelopeFeed;
using envelopes::TEnvelopeFeedDescription;
using envelopes::TEnvelopeFeedPicture;
using envelopes::TEnvelopePrePrint;

// What the picture shows: its pixels.
QImage Picture(TEnvelopeFeedPicture& picture)
{
    return picture.grab().toImage();
}

TEST(EnvelopeFeedTest, ClockwiseRotationIsOfferedOnlyInLandscape)
{
    quorvel::TScriptedServices ui;
    TEnvelopeFeedDescription feed;
    feed.orientation = envelopes::foPortrait;
    TEnvelopeFeed dialog(feed);
    dialog.show();
    auto* clockwise = child<QCheckBox>(&dialog, "ClockwiseCheck");
    auto* picture = child<TEnvelopeFeedPicture>(&dialog, "FeedPicture");
    EXPECT_FALSE(clockwise->isVisible());
    const QImage portrait = Picture(*picture);

    clickToggle(child<QRadioButton>(&dialog, "rbLandscape"));
    EXPECT_TRUE(clockwise->isVisible());
    EXPECT_EQ(picture->Feed().orientation, envelopes::foLandscape);
    const QImage landscape = Picture(*picture);
    EXPECT_NE(landscape, portrait) << "the picture follows the choice";

    clickToggle(clockwise);
    EXPECT_NE(Picture(*picture), landscape) << "turned the other way";
    clickToggle(child<QRadioButton>(&dialog, "rbPortrait"));
    EXPECT_FALSE(clockwise->isVisible());
    EXPECT_EQ(Picture(*picture), portrait) << "an upright envelope does not turn";
    clickToggle(child<QRadioButton>(&dialog, "rbLandscape"));
    clickToggle(child<QRadioButton>(&dialog, "rbUp"));
    clickToggle(child<QRadioButton>(&dialog, "rbLeft"));
    clickButton(&dialog, "OKButton");
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(dialog.Feed().position, envelopes::fpLeft);
    EXPECT_EQ(dialog.Feed().orientation, envelopes::foLandscape);
    EXPECT_EQ(dialog.Feed().facing, envelopes::ffUp);
    EXPECT_TRUE(dialog.Feed().clockwise);
}

TEST(EnvelopeFeedTest, CancelKeepsTheFeedItWasGiven)
{
    quorvel::TScriptedServices ui;
    TEnvelopeFeed dialog(TEnvelopeFeedDescription {});
    dialog.show();
    clickToggle(child<QRadioButton>(&dialog, "rbRight"));
    clickButton(&dialog, "CancelButton");
    EXPECT_EQ(dialog.result(), 2);
}

// The envelope on the page picture: 2 pixels from the edge it is fed
// against or centred, 2 from the top, across the page in portrait and
// turned in landscape.
TEST(EnvelopeFeedPictureTest, EnvelopeLiesAgainstTheEdgeItIsFedAgainst)
{
    const int page = TEnvelopeFeedPicture::kPageSize.width();
    const int wide = TEnvelopeFeedPicture::kEnvelopeSize.width();
    const int tall = TEnvelopeFeedPicture::kEnvelopeSize.height();
    struct Case {
        envelopes::TFeedPosition position;
        envelopes::TFeedOrientation orientation;
        bool clockwise;
        QRect bounds;
        int turn;
    };
    const Case cases[] = {
        { envelopes::fpLeft, envelopes::foPortrait, false, QRect(2, 2, wide, tall), 0 },
        { envelopes::fpRight, envelopes::foPortrait, true, QRect(page - wide - 2, 2, wide, tall), 0 },
        { envelopes::fpCenter, envelopes::foPortrait, false, QRect((page - wide) / 2, 2, wide, tall), 0 },
        { envelopes::fpLeft, envelopes::foLandscape, false, QRect(2, 2, tall, wide), -90 },
        { envelopes::fpRight, envelopes::foLandscape, true, QRect(page - tall - 2, 2, tall, wide), 90 },
        { envelopes::fpCenter, envelopes::foLandscape, true, QRect((page - tall) / 2, 2, tall, wide), 90 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.position) * 10 + static_cast<int>(c.orientation));
        TEnvelopeFeedDescription feed;
        feed.position = c.position;
        feed.orientation = c.orientation;
        feed.clockwise = c.clockwise;
        const envelopes::TFeedPictureEnvelope placed = TEnvelopeFeedPicture::EnvelopePlacement(feed);
        EXPECT_EQ(placed.bounds, c.bounds);
        EXPECT_EQ(placed.turn, c.turn);
    }
}

TEST(EnvelopeFeedPictureTest, FaceUpShowsTheFrontAndFaceDownTheBack)
{
    TEnvelopeFeedPicture picture;
    TEnvelopeFeedDescription feed;
    feed.orientation = envelopes::foPortrait;
    feed.position = envelopes::fpLeft;
    feed.facing = envelopes::ffUp;
    picture.SetFeed(feed);
    const QRect envelope = TEnvelopeFeedPicture::EnvelopePlacement(feed).bounds;
    // The stamp sits in the front's top right corner.
    const QPoint stamp = envelope.topRight() + QPoint(-7, 7);
    EXPECT_NE(Picture(picture).pixelColor(stamp), QColor(Qt::white));
    feed.facing = envelopes::ffDown;
    picture.SetFeed(feed);
    EXPECT_EQ(Picture(picture).pixelColor(stamp), QColor(Qt::white));
}

// "Envelope Print" on a device of its own: the PDF printer alone, whose
// paper the test chooses.
class EnvelopePrePrintTest : public ::testing::Test {
protected:
    EnvelopePrePrintTest() : device(std::make_unique<output::TFixedPrinterCatalog>(), true) { }

    bool WarningShown(TEnvelopePrePrint& dialog)
    {
        return !child<QLabel>(&dialog, "PageSizeWarning")->isHidden();
    }

    quorvel::TScriptedServices ui;
    output::TRPDevice device;
    output::TScriptedOutputDialogs dialogs;
};

TEST_F(EnvelopePrePrintTest, WarnsWhilePaperAndEnvelopeDiffer)
{
    device.SelectPrinterByName(output::TRPDevice::PdfPrinterName());
    ASSERT_TRUE(device.ChoosePaper(20, 9.5, 4.125));
    device.SetOrientation(QPageLayout::Landscape);
    TEnvelopeFeedDescription feed; // landscape, face down, centre
    TEnvelopePrePrint dialog(feed, envelopes::kDefaultEnvelopeCode, device, dialogs);
    dialog.show();
    EXPECT_FALSE(WarningShown(dialog)) << "a #10 envelope on #10 paper";
    EXPECT_EQ(child<QLabel>(&dialog, "OrientationLabel")->text(), QStringLiteral("Landscape"));
    EXPECT_TRUE(child<QLabel>(&dialog, "PaperLabel")->text().startsWith(QStringLiteral("Paper: ")));
    EXPECT_TRUE(child<QLabel>(&dialog, "SourceLabel")->text().startsWith(QStringLiteral("Source: ")));
    EXPECT_EQ(child<QLabel>(&dialog, "FeedDescription")->text(),
        QString(envelopes::PaperFeedDesc(feed)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // A portrait feed turns the job, and #10 paper no longer fits.
    whenModalNamed("TEnvelopeFeed", [](QWidget* method) {
        clickToggle(child<QRadioButton>(method, "rbPortrait"));
        clickButton(method, "OKButton");
    });
    clickButton(&dialog, "FeedMethodButton");
    EXPECT_EQ(dialog.Feed().orientation, envelopes::foPortrait);
    EXPECT_EQ(device.Orientation(), QPageLayout::Portrait);
    EXPECT_EQ(child<QLabel>(&dialog, "OrientationLabel")->text(), QStringLiteral("Portrait"));
    EXPECT_TRUE(WarningShown(dialog));
    EXPECT_EQ(child<QLabel>(&dialog, "PageSizeWarning")->text(),
        QString(envelopes::PageSizeWarning()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // Printer Setup changes the device, and the dialog shows it again.
    dialogs.setupAnswers.push_back([](output::TRPDevice& setup) {
        setup.SetOrientation(QPageLayout::Landscape);
        return true;
    });
    clickButton(&dialog, "PrinterSetupButton");
    EXPECT_FALSE(WarningShown(dialog));
    clickButton(&dialog, "OKButton");
    EXPECT_EQ(dialog.result(), 1);
}

TEST_F(EnvelopePrePrintTest, CancelOfTheFeedMethodChangesNothing)
{
    device.SelectPrinterByName(output::TRPDevice::PdfPrinterName());
    ASSERT_TRUE(device.ChoosePaper(1, 11, 8.5));
    device.SetOrientation(QPageLayout::Landscape);
    TEnvelopePrePrint dialog(TEnvelopeFeedDescription {}, envelopes::kDefaultEnvelopeCode, device, dialogs);
    dialog.show();
    EXPECT_TRUE(WarningShown(dialog)) << "letter paper is 1.5 inches wider than a #10 envelope";
    whenModalNamed("TEnvelopeFeed", [](QWidget* method) {
        clickToggle(child<QRadioButton>(method, "rbPortrait"));
        clickButton(method, "CancelButton");
    });
    clickButton(&dialog, "FeedMethodButton");
    EXPECT_EQ(dialog.Feed().orientation, envelopes::foLandscape);
    EXPECT_EQ(device.Orientation(), QPageLayout::Landscape);
    clickButton(&dialog, "CancelButton");
    EXPECT_EQ(dialog.result(), 2);
}

} // namespace
} // namespace labels_gui
