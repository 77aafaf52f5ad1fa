#include "envelopes/windows/envelope_feed_picture.h"

#include <QPainter>

namespace envelopes {

namespace {

const QColor kPaper(Qt::white);
const QColor kInk(Qt::black);
const QColor kStamp(200, 40, 40);

// The envelope's front, upright in a w x h box at the origin: the stamp at
// the top right, a return address at the top left, the address block
// in the middle.
void DrawFront(QPainter& painter, int w, int h)
{
    painter.fillRect(w - 12, 3, 9, 10, kStamp);
    painter.drawLine(4, 4, 20, 4);
    painter.drawLine(4, 7, 16, 7);
    for (int line = 0; line < 3; ++line)
        painter.drawLine(w / 3, h / 2 + 3 * line, w / 3 + 24 - 4 * line, h / 2 + 3 * line);
}

// The envelope's back: the flap closing down to the middle.
void DrawBack(QPainter& painter, int w, int h)
{
    painter.drawLine(0, 0, w / 2, h * 3 / 5);
    painter.drawLine(w / 2, h * 3 / 5, w - 1, 0);
}

} // namespace

TEnvelopeFeedPicture::TEnvelopeFeedPicture(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FeedPicture"));
    setFixedSize(sizeHint());
}

QSize TEnvelopeFeedPicture::sizeHint() const
{
    // One more pixel each way for the page's outline.
    return kPageSize + QSize(1, 1);
}

void TEnvelopeFeedPicture::SetFeed(const TEnvelopeFeedDescription& feed)
{
    feed_ = feed;
    update();
}

TFeedPictureEnvelope TEnvelopeFeedPicture::EnvelopePlacement(const TEnvelopeFeedDescription& feed)
{
    const bool turned = feed.orientation == foLandscape;
    const QSize size = turned ? kEnvelopeSize.transposed() : kEnvelopeSize;
    int left = (kPageSize.width() - size.width()) / 2;
    if (feed.position == fpLeft)
        left = kEdgeGap;
    else if (feed.position == fpRight)
        left = kPageSize.width() - size.width() - kEdgeGap;
    TFeedPictureEnvelope placement;
    placement.bounds = QRect(QPoint(left, kEdgeGap), size);
    if (turned)
        placement.turn = feed.clockwise ? 90 : -90;
    return placement;
}

void TEnvelopeFeedPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(kInk);
    painter.setBrush(kPaper);
    painter.drawRect(QRect(QPoint(0, 0), kPageSize));

    // The envelope is drawn upright about its centre and turned there.
    const TFeedPictureEnvelope placement = EnvelopePlacement(feed_);
    const int w = kEnvelopeSize.width();
    const int h = kEnvelopeSize.height();
    painter.translate(QRectF(placement.bounds).center());
    painter.rotate(placement.turn);
    painter.translate(-w / 2.0, -h / 2.0);
    painter.drawRect(0, 0, w - 1, h - 1);
    if (feed_.facing == ffUp)
        DrawFront(painter, w, h);
    else
        DrawBack(painter, w, h);
}

} // namespace envelopes
