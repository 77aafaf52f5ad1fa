#pragma once

#include "envelopes/envelope_feed.h"

#include <QRect>
#include <QWidget>

namespace envelopes {

// Where the envelope lies on the page of the feed picture: its bounds on
// the page, and how far it is turned from upright (0, 90 clockwise or -90).
struct TFeedPictureEnvelope {
    QRect bounds;
    int turn = 0;
};

// How envelopes go into the printer, as a picture: the page as it enters
// the printer, top edge first, and on it the envelope as it is fed (its
// front when it goes in face up, its back when face down), lying across the
// page in portrait and turned one way or the other in landscape.
class TEnvelopeFeedPicture : public QWidget {
    Q_OBJECT

public:
    // The page picture, and the envelope upright (a #10 to scale).
    static constexpr QSize kPageSize { 100, 130 };
    static constexpr QSize kEnvelopeSize { 76, 33 };
    // The envelope keeps this gap to the page edge it is fed against.
    static constexpr int kEdgeGap = 2;

    explicit TEnvelopeFeedPicture(QWidget* parent = nullptr);

    const TEnvelopeFeedDescription& Feed() const { return feed_; }
    void SetFeed(const TEnvelopeFeedDescription& feed);

    static TFeedPictureEnvelope EnvelopePlacement(const TEnvelopeFeedDescription& feed);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TEnvelopeFeedDescription feed_;
};

} // namespace envelopes
