#include "envelopes/envelope_feed.h"

#include <algorithm>
#include <cmath>

namespace envelopes {

namespace {

// The length in whole units of 1/scale inch, cut toward zero. Lengths reach
// here as binary doubles: 4.6 inches may come as 4.5999999..., which is
// still 46 tenths; the nudge is far below anything a driver reports.
long Truncated(double inches, int scale) { return std::lround(std::trunc(inches * scale + 1e-9)); }

bool SameInTenths(QSizeF paper, QSizeF envelope)
{
    return Truncated(paper.width(), 10) == Truncated(envelope.width(), 10)
        && Truncated(paper.height(), 10) == Truncated(envelope.height(), 10);
}

// Where the envelope sits across the paper path, given the room the page
// leaves beside it: across the page (x) in portrait, where the envelope
// enters short side first; down the turned page (y) in landscape. Face down
// the printer sees the envelope from the other side, so left and right
// change places.
double AcrossPath(const TEnvelopeFeedDescription& feed, double room)
{
    switch (feed.position) {
    case fpLeft: return feed.facing == ffUp ? 0.0 : room;
    case fpRight: return feed.facing == ffUp ? room : 0.0;
    case fpCenter: break;
    }
    return room / 2;
}

} // namespace

QPointF EnvelopeOffsets(const TEnvelopeFeedDescription& feed, QSizeF paperInches, QSizeF envelopeInches)
{
    if (SameInTenths(paperInches, envelopeInches))
        return {0.0, 0.0};
    const double roomX = paperInches.width() - envelopeInches.width();
    const double roomY = paperInches.height() - envelopeInches.height();
    const QPointF offset = feed.orientation == foPortrait
                               ? QPointF(AcrossPath(feed, roomX), 0.0)
                               : QPointF(feed.clockwise ? 0.0 : roomX, AcrossPath(feed, roomY));
    return {std::max(offset.x(), 0.0), std::max(offset.y(), 0.0)};
}

QString PaperFeedDesc(const TEnvelopeFeedDescription& feed)
{
    static const QString crlf = QStringLiteral("\r\n");
    QString text;
    switch (feed.position) {
    case fpLeft: text = QStringLiteral("Position: Left"); break;
    case fpRight: text = QStringLiteral("Position: Right"); break;
    case fpCenter: text = QStringLiteral("Position: Center"); break;
    }
    text += crlf;
    text += feed.orientation == foPortrait ? QStringLiteral("Orientation : Portrait")
                                           : QStringLiteral("Orientation : Landscape");
    text += crlf;
    if (feed.clockwise)
        text += QStringLiteral("Clockwise Rotation") + crlf;
    text += feed.facing == ffUp ? QStringLiteral("Facing Up") : QStringLiteral("Facing Down");
    return text;
}

bool PageSizeMismatch(QSizeF envelopeInches, QSizeF paperInches)
{
    const auto apart = [](double a, double b) { return std::abs(Truncated(a, 100) - Truncated(b, 100)) > 100; };
    return apart(envelopeInches.width(), paperInches.width()) || apart(envelopeInches.height(), paperInches.height());
}

QString PageSizeWarning()
{
    return QStringLiteral("WARNING: Printer PAPER SIZE and ORIENTATION do not match selected Envelope.\r\n"
                          "Use Printer Setup to correct this.");
}

} // namespace envelopes
