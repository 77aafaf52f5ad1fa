#pragma once

#include "design/model/graphic_control.h"
#include "design/surface/handle_geometry.h"

#include <QPoint>
#include <QSize>

#include <optional>

namespace design {

// Moving and resizing the selection with the mouse, as a state machine fed
// with frame coordinates and times in milliseconds. A press and release in
// quick succession is a click, even when the hand shook in between: only a
// release 150 ms or more after the press moves anything.
class TGDragTracker {
public:
    static constexpr qint64 kClickMilliseconds = 150;
    static constexpr qint64 kDragDelayMilliseconds = 10;

    bool Dragging() const { return dragging_; }
    bool Pending() const { return pending_; }
    frame::TGZone Zone() const { return zone_; }
    // The zone under the cursor while no button is held; remembered for the
    // next drag. Only one selected object can be resized.
    frame::TGZone Hover(QPoint point, QSize frameSize, bool oneSelected);

    // A left press on the frame: dragging starts at once.
    void PressOnFrame(QPoint point, qint64 now);
    // A press on an object selected it; a drag may follow the move after.
    void PressSelectedObject(qint64 now);
    // A move with the left button held. Returns the frame bounds to show as
    // feedback while dragging.
    std::optional<TGBounds> Move(QPoint point, qint64 now, const TGBounds& frame, QSize surface, int gridX, int gridY);
    // The release: the frame bounds to apply, or nothing for a click.
    std::optional<TGBounds> Release(QPoint point, qint64 now, const TGBounds& frame, QSize surface, int gridX,
                                    int gridY);
    // Forgets the drag (after a double click, or when the selection went).
    void Cancel();

private:
    bool dragging_ = false;
    bool pending_ = false;
    QPoint start_;
    qint64 pressTime_ = 0;
    frame::TGZone zone_ = frame::TGZone::Move;
};

// Moving or resizing the selection with the arrow keys: each press moves the
// outline by one pixel; the release applies it.
class TGNudge {
public:
    enum class TGArrow { Left, Right, Up, Down };

    bool Active() const { return active_; }
    const QRect& Outline() const { return outline_; }
    // The first arrow key starts from the frame; later ones move on.
    void Key(TGArrow arrow, bool resize, const TGBounds& frame, QSize surface);
    // The frame bounds to apply; the nudge is over.
    std::optional<TGBounds> Finish();

private:
    bool active_ = false;
    QRect outline_;
};

} // namespace design
