// Where the design lands on the page for every way of feeding an envelope,
// and the texts "Envelope Print" shows about the feed and the paper.
#include "envelopes/envelope_feed.h"

#include <gtest/gtest.h>

using namespace envelopes;

namespace {

const QSizeF kNumberTen(9.5, 4.125);
const QSizeF kLandscapeLetter(11, 8.5);
const QSizeF kPortraitTabloid(11, 17);
const QSizeF kPortraitLetter(8.5, 11);

TEnvelopeFeedDescription Feed(TFeedFacing facing, TFeedOrientation orientation, TFeedPosition position,
                              bool clockwise = false)
{
    return {position, orientation, facing, clockwise};
}

std::string Describe(const TEnvelopeFeedDescription& feed, QSizeF paper)
{
    return PaperFeedDesc(feed).replace(QStringLiteral("\r\n"), QStringLiteral(", ")).toStdString() + " on "
         + std::to_string(paper.width()) + " x " + std::to_string(paper.height());
}

} // namespace

// A #10 envelope. Landscape Letter leaves 1.5 inches across and 4.375 down,
// portrait Tabloid 1.5 across and 12.875 down. Portrait feeds ignore the
// rotation flag.
TEST(EnvelopeOffsetsTest, EveryFeedOnLandscapeLetterAndPortraitTabloid)
{
    const struct {
        QSizeF paper;
        TEnvelopeFeedDescription feed;
        double x, y;
    } cases[] = {
        {kLandscapeLetter, Feed(ffUp, foPortrait, fpLeft), 0, 0},
        {kLandscapeLetter, Feed(ffUp, foPortrait, fpRight), 1.5, 0},
        {kLandscapeLetter, Feed(ffUp, foPortrait, fpCenter), 0.75, 0},
        {kLandscapeLetter, Feed(ffUp, foPortrait, fpLeft, true), 0, 0},
        {kLandscapeLetter, Feed(ffUp, foPortrait, fpRight, true), 1.5, 0},
        {kLandscapeLetter, Feed(ffUp, foPortrait, fpCenter, true), 0.75, 0},
        {kLandscapeLetter, Feed(ffUp, foLandscape, fpLeft), 1.5, 0},
        {kLandscapeLetter, Feed(ffUp, foLandscape, fpRight), 1.5, 4.375},
        {kLandscapeLetter, Feed(ffUp, foLandscape, fpCenter), 1.5, 2.1875},
        {kLandscapeLetter, Feed(ffUp, foLandscape, fpLeft, true), 0, 0},
        {kLandscapeLetter, Feed(ffUp, foLandscape, fpRight, true), 0, 4.375},
        {kLandscapeLetter, Feed(ffUp, foLandscape, fpCenter, true), 0, 2.1875},
        {kLandscapeLetter, Feed(ffDown, foPortrait, fpLeft), 1.5, 0},
        {kLandscapeLetter, Feed(ffDown, foPortrait, fpRight), 0, 0},
        {kLandscapeLetter, Feed(ffDown, foPortrait, fpCenter), 0.75, 0},
        {kLandscapeLetter, Feed(ffDown, foPortrait, fpLeft, true), 1.5, 0},
        {kLandscapeLetter, Feed(ffDown, foPortrait, fpRight, true), 0, 0},
        {kLandscapeLetter, Feed(ffDown, foPortrait, fpCenter, true), 0.75, 0},
        {kLandscapeLetter, Feed(ffDown, foLandscape, fpLeft), 1.5, 4.375},
        {kLandscapeLetter, Feed(ffDown, foLandscape, fpRight), 1.5, 0},
        {kLandscapeLetter, Feed(ffDown, foLandscape, fpCenter), 1.5, 2.1875},
        {kLandscapeLetter, Feed(ffDown, foLandscape, fpLeft, true), 0, 4.375},
        {kLandscapeLetter, Feed(ffDown, foLandscape, fpRight, true), 0, 0},
        {kLandscapeLetter, Feed(ffDown, foLandscape, fpCenter, true), 0, 2.1875},

        {kPortraitTabloid, Feed(ffUp, foPortrait, fpLeft), 0, 0},
        {kPortraitTabloid, Feed(ffUp, foPortrait, fpRight), 1.5, 0},
        {kPortraitTabloid, Feed(ffUp, foPortrait, fpCenter), 0.75, 0},
        {kPortraitTabloid, Feed(ffUp, foPortrait, fpLeft, true), 0, 0},
        {kPortraitTabloid, Feed(ffUp, foPortrait, fpRight, true), 1.5, 0},
        {kPortraitTabloid, Feed(ffUp, foPortrait, fpCenter, true), 0.75, 0},
        {kPortraitTabloid, Feed(ffUp, foLandscape, fpLeft), 1.5, 0},
        {kPortraitTabloid, Feed(ffUp, foLandscape, fpRight), 1.5, 12.875},
        {kPortraitTabloid, Feed(ffUp, foLandscape, fpCenter), 1.5, 6.4375},
        {kPortraitTabloid, Feed(ffUp, foLandscape, fpLeft, true), 0, 0},
        {kPortraitTabloid, Feed(ffUp, foLandscape, fpRight, true), 0, 12.875},
        {kPortraitTabloid, Feed(ffUp, foLandscape, fpCenter, true), 0, 6.4375},
        {kPortraitTabloid, Feed(ffDown, foPortrait, fpLeft), 1.5, 0},
        {kPortraitTabloid, Feed(ffDown, foPortrait, fpRight), 0, 0},
        {kPortraitTabloid, Feed(ffDown, foPortrait, fpCenter), 0.75, 0},
        {kPortraitTabloid, Feed(ffDown, foPortrait, fpLeft, true), 1.5, 0},
        {kPortraitTabloid, Feed(ffDown, foPortrait, fpRight, true), 0, 0},
        {kPortraitTabloid, Feed(ffDown, foPortrait, fpCenter, true), 0.75, 0},
        {kPortraitTabloid, Feed(ffDown, foLandscape, fpLeft), 1.5, 12.875},
        {kPortraitTabloid, Feed(ffDown, foLandscape, fpRight), 1.5, 0},
        {kPortraitTabloid, Feed(ffDown, foLandscape, fpCenter), 1.5, 6.4375},
        {kPortraitTabloid, Feed(ffDown, foLandscape, fpLeft, true), 0, 12.875},
        {kPortraitTabloid, Feed(ffDown, foLandscape, fpRight, true), 0, 0},
        {kPortraitTabloid, Feed(ffDown, foLandscape, fpCenter, true), 0, 6.4375},

        // An envelope wider than the page starts at the page's edge: 8.5 -
        // 9.5 is -1, drawn at 0.
        {kPortraitLetter, Feed(ffUp, foPortrait, fpRight), 0, 0},
        {kPortraitLetter, Feed(ffDown, foPortrait, fpLeft), 0, 0},
        {kPortraitLetter, Feed(ffUp, foPortrait, fpCenter), 0, 0},
        {kPortraitLetter, Feed(ffDown, foLandscape, fpLeft), 0, 6.875},
    };
    for (const auto& c : cases) {
        const QPointF offset = EnvelopeOffsets(c.feed, c.paper, kNumberTen);
        EXPECT_DOUBLE_EQ(offset.x(), c.x) << Describe(c.feed, c.paper);
        EXPECT_DOUBLE_EQ(offset.y(), c.y) << Describe(c.feed, c.paper);
    }
}

// A page the size of the envelope, to the tenth of an inch as the test
// cuts it, is the envelope itself, however it is fed.
TEST(EnvelopeOffsetsTest, PaperTheSizeOfTheEnvelopeNeedsNoOffset)
{
    const struct {
        QSizeF paper;
        QSizeF envelope;
    } cases[] = {
        {{9.5, 4.125}, kNumberTen},
        {{9.5, 4.1252}, kNumberTen}, // as a driver may report a #10 envelope
        {{9.59, 4.19}, kNumberTen},
        {{6.5, 3.625}, {6.5, 3.625}},
    };
    for (const auto& c : cases)
        for (const auto facing : {ffUp, ffDown})
            for (const auto orientation : {foPortrait, foLandscape})
                for (const auto position : {fpLeft, fpRight, fpCenter})
                    for (const bool clockwise : {false, true}) {
                        const TEnvelopeFeedDescription feed = Feed(facing, orientation, position, clockwise);
                        EXPECT_EQ(EnvelopeOffsets(feed, c.paper, c.envelope), QPointF(0, 0)) << Describe(feed, c.paper);
                    }
    // A tenth more in either direction is another paper.
    EXPECT_NEAR(EnvelopeOffsets(Feed(ffDown, foLandscape, fpLeft), {9.6, 4.125}, kNumberTen).x(), 0.1, 1e-9);
    EXPECT_NEAR(EnvelopeOffsets(Feed(ffDown, foLandscape, fpLeft), {9.5, 4.2}, kNumberTen).y(), 0.075, 1e-9);
}

TEST(EnvelopeFeedTextTest, PaperFeedDescNamesEachChoiceOnItsOwnLine)
{
    const struct {
        TEnvelopeFeedDescription feed;
        const char* text;
    } cases[] = {
        {TEnvelopeFeedDescription{}, "Position: Center\r\nOrientation : Landscape\r\nFacing Down"},
        {Feed(ffUp, foPortrait, fpLeft), "Position: Left\r\nOrientation : Portrait\r\nFacing Up"},
        {Feed(ffUp, foLandscape, fpRight, true),
         "Position: Right\r\nOrientation : Landscape\r\nClockwise Rotation\r\nFacing Up"},
        {Feed(ffDown, foPortrait, fpCenter, true),
         "Position: Center\r\nOrientation : Portrait\r\nClockwise Rotation\r\nFacing Down"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PaperFeedDesc(c.feed), QString::fromLatin1(c.text));
}

// More than one inch apart in either direction, counted in hundredths.
TEST(EnvelopeFeedTextTest, PageSizeMismatchBeyondOneInch)
{
    const struct {
        QSizeF paper;
        bool mismatch;
    } cases[] = {
        {{9.5, 4.125}, false},  {{10.5, 4.125}, false}, {{10.51, 4.125}, true}, {{8.5, 4.125}, false},
        {{8.49, 4.125}, true},  {{9.5, 5.125}, false},  {{9.5, 5.13}, true},    {{9.5, 3.125}, false},
        {{9.5, 3.11}, true},    {{11, 8.5}, true},      {{10.509, 5.129}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PageSizeMismatch(kNumberTen, c.paper), c.mismatch) << c.paper.width() << " x " << c.paper.height();
    EXPECT_EQ(PageSizeWarning(), QStringLiteral("WARNING: Printer PAPER SIZE and ORIENTATION do not match selected "
                                                "Envelope.\r\nUse Printer Setup to correct this."));
}
