#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>

// How the user's printer takes envelopes, and where on the printer's page
// an envelope design has to be drawn for it to land on the envelope.
namespace envelopes {

enum TFeedPosition { fpLeft = 0, fpRight = 1, fpCenter = 2 };
enum TFeedOrientation { foPortrait = 0, foLandscape = 1 };
enum TFeedFacing { ffUp = 0, ffDown = 1 };

// Where in the paper path the envelope goes in, which way round and which
// side up. The rotation only means something in landscape.
struct TEnvelopeFeedDescription {
    TFeedPosition position = fpCenter;
    TFeedOrientation orientation = foLandscape;
    TFeedFacing facing = ffDown;
    bool clockwise = false;

    bool operator==(const TEnvelopeFeedDescription&) const = default;
};

// The point on the job's page, in inches from its top-left corner, at which
// the envelope design is drawn upright. A page as large as the envelope
// (equal in tenths of an inch, which is as exact as drivers report sizes)
// is the envelope itself: (0, 0). Otherwise the envelope sits where the
// feed puts it: against the left or right edge of the paper path, or in
// its middle; turned round for face-down feeds; clockwise rotation moves it
// to the other side. An envelope wider than the page is drawn from the
// page's edge rather than before it.
QPointF EnvelopeOffsets(const TEnvelopeFeedDescription& feed, QSizeF paperInches, QSizeF envelopeInches);

// The feed in words, one line each: "Position: Center", "Orientation :
// Landscape", "Clockwise Rotation" when set, "Facing Down"; lines end with
// CR LF, the last one has none.
QString PaperFeedDesc(const TEnvelopeFeedDescription& feed);

// Whether the paper differs from the envelope by more than an inch in width
// or height (compared in whole hundredths); then PageSizeWarning is shown.
bool PageSizeMismatch(QSizeF envelopeInches, QSizeF paperInches);
QString PageSizeWarning();

} // namespace envelopes
