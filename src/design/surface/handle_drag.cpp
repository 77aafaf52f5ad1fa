#include "design/surface/handle_drag.h"

namespace design {

frame::TGZone TGDragTracker::Hover(QPoint point, QSize frameSize, bool oneSelected)
{
    zone_ = oneSelected ? frame::ZoneAt(point, frameSize) : frame::TGZone::Move;
    return zone_;
}

void TGDragTracker::PressOnFrame(QPoint point, qint64 now)
{
    dragging_ = true;
    pending_ = false;
    start_ = point;
    pressTime_ = now;
}

void TGDragTracker::PressSelectedObject(qint64 now)
{
    dragging_ = false;
    pending_ = true;
    zone_ = frame::TGZone::Move;
    pressTime_ = now;
}

std::optional<TGBounds> TGDragTracker::Move(QPoint point, qint64 now, const TGBounds& frame, QSize surface,
                                            int gridX, int gridY)
{
    if (pending_ && now - pressTime_ > kDragDelayMilliseconds) {
        pending_ = false;
        dragging_ = true;
        start_ = point;
    }
    if (!dragging_)
        return std::nullopt;
    const QPoint clamped = frame::ClampDragPoint(point, frame, surface);
    return frame::Dragged(frame, zone_, start_, clamped, gridX, gridY);
}

std::optional<TGBounds> TGDragTracker::Release(QPoint point, qint64 now, const TGBounds& frame, QSize surface,
                                               int gridX, int gridY)
{
    const bool wasDragging = dragging_;
    Cancel();
    if (!wasDragging || now - pressTime_ < kClickMilliseconds)
        return std::nullopt;
    const QPoint clamped = frame::ClampDragPoint(point, frame, surface);
    if (clamped == start_)
        return std::nullopt;
    return frame::Dragged(frame, zone_, start_, clamped, gridX, gridY);
}

void TGDragTracker::Cancel()
{
    dragging_ = false;
    pending_ = false;
}

void TGNudge::Key(TGArrow arrow, bool resize, const TGBounds& frame, QSize surface)
{
    if (!active_) {
        outline_ = frame::FeedbackOutline(frame);
        active_ = true;
    }
    QRect& r = outline_;
    switch (arrow) {
    case TGArrow::Left:
        if (resize) {
            if (r.width() > 10)
                r.setRight(r.right() - 1);
        } else if (r.left() > 0) {
            r.translate(-1, 0);
        }
        break;
    case TGArrow::Up:
        if (resize) {
            if (r.height() > 10)
                r.setBottom(r.bottom() - 1);
        } else if (r.top() > 0) {
            r.translate(0, -1);
        }
        break;
    case TGArrow::Right:
        if (surface.width() >= r.width() + r.left()) {
            if (resize)
                r.setRight(r.right() + 1);
            else
                r.translate(1, 0);
        }
        break;
    case TGArrow::Down:
        if (surface.height() >= r.height() + r.top()) {
            if (resize)
                r.setBottom(r.bottom() + 1);
            else
                r.translate(0, 1);
        }
        break;
    }
}

std::optional<TGBounds> TGNudge::Finish()
{
    if (!active_)
        return std::nullopt;
    active_ = false;
    return frame::FromFeedbackOutline(outline_);
}

} // namespace design
