#pragma once

#include "design/model/graphic_control.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace design {

// The arithmetic of the selection frame, kept apart from the frame window so
// that it can be checked case by case. The frame reaches 2 pixels beyond its
// objects on every side, so that the corner marks sit just outside them.
namespace frame {

// The frame around a single object.
TGBounds AroundFirst(const TGBounds& object);
// The frame grown to take in one more object.
TGBounds Adding(const TGBounds& frame, const TGBounds& object);
// The frame around what is left after a removal (empty list: the reset
// frame, 24 x 24 at the origin).
TGBounds AroundRemaining(const std::vector<TGBounds>& objects);
// The frame fitted afresh after objects moved or changed size.
TGBounds Refit(const std::vector<TGBounds>& objects);
// The frame of an empty selection.
TGBounds Reset();

// The grabbed part of the frame: 0 moves, 1 to 4 are the corners (top-left,
// top-right, bottom-left, bottom-right), 5 to 8 the edge middles (top, left,
// bottom, right). Point in frame coordinates.
enum class TGZone { Move = 0, TopLeft, TopRight, BottomLeft, BottomRight, Top, Left, Bottom, Right };
TGZone ZoneAt(QPoint point, QSize frameSize);

// The frame after dragging from start to current (both in frame
// coordinates), snapped to the grid steps (1 = no snapping).
TGBounds Dragged(const TGBounds& frame, TGZone zone, QPoint start, QPoint current, int gridX, int gridY);
// Keeps a drag point where the frame stays inside the surface.
QPoint ClampDragPoint(QPoint point, const TGBounds& frame, QSize surface);
// The object's bounds after its frame went from one rectangle to another:
// moved by the same offset, and grown by the same amount.
TGBounds FollowFrame(const TGBounds& object, const TGBounds& oldFrame, const TGBounds& newFrame);
// The dotted outline shown for frame bounds while dragging or nudging.
QRect FeedbackOutline(const TGBounds& frame);
// The frame bounds for a nudge rectangle given by its edge coordinates.
TGBounds FromFeedbackOutline(const QRect& outline);

// The selection marks of one object: four corners, and the four edge
// middles when it is the only object selected.
std::vector<QRect> SelectionMarks(const TGBounds& object, bool onlyOneSelected);

} // namespace frame

} // namespace design
