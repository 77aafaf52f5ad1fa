#include "design/surface/handle_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace design::frame {

namespace {

constexpr int kMargin = 2;
constexpr int kMinimumSize = 5;
constexpr int kCornerReach = 8;
constexpr int kMiddleReach = 6;
constexpr int kMarkSize = 5;

int Snap(int value, int step) { return step * (value / step); }

int AtLeastMinimum(int size) { return std::max(size, kMinimumSize); }

} // namespace

TGBounds AroundFirst(const TGBounds& object)
{
    return {object.Left - kMargin, object.Top - kMargin, object.Width + 5, object.Height + 5};
}

TGBounds Adding(const TGBounds& frame, const TGBounds& object)
{
    const int left = std::min(frame.Left, object.Left - kMargin);
    const int top = std::min(frame.Top, object.Top - kMargin);
    const int right = std::max(frame.Left + frame.Width - 3, object.Left + object.Width);
    const int bottom = std::max(frame.Top + frame.Height - 3, object.Top + object.Height);
    return {left, top, right - left + 3, bottom - top + 3};
}

TGBounds AroundRemaining(const std::vector<TGBounds>& objects)
{
    if (objects.empty())
        return Reset();
    const TGBounds& first = objects.front();
    TGBounds result{first.Left - kMargin, first.Top - kMargin, first.Width + 3, first.Height + 3};
    for (std::size_t i = 1; i < objects.size(); ++i)
        result = Adding(result, objects[i]);
    return result;
}

TGBounds Refit(const std::vector<TGBounds>& objects)
{
    if (objects.empty())
        return Reset();
    int minLeft = objects.front().Left;
    int minTop = objects.front().Top;
    int maxRight = objects.front().Left + objects.front().Width;
    int maxBottom = objects.front().Top + objects.front().Height;
    for (const TGBounds& object : objects) {
        minLeft = std::min(minLeft, object.Left);
        minTop = std::min(minTop, object.Top);
        maxRight = std::max(maxRight, object.Left + object.Width);
        maxBottom = std::max(maxBottom, object.Top + object.Height);
    }
    return {minLeft - kMargin, minTop - kMargin, maxRight - minLeft + 6, maxBottom - minTop + 6};
}

TGBounds Reset() { return {0, 0, 24, 24}; }

TGZone ZoneAt(QPoint point, QSize frameSize)
{
    const int x = point.x();
    const int y = point.y();
    const int w = frameSize.width();
    const int h = frameSize.height();
    const auto near = [](double distance, int reach) { return std::abs(distance) < reach; };
    // Tested in this order; a later match wins where small frames overlap.
    TGZone zone = TGZone::Move;
    if (near(x, kCornerReach) && near(y, kCornerReach))
        zone = TGZone::TopLeft;
    if (near(x - w, kCornerReach) && near(y - h, kCornerReach))
        zone = TGZone::BottomRight;
    if (near(x - w, kCornerReach) && near(y, kCornerReach))
        zone = TGZone::TopRight;
    if (near(x, kCornerReach) && near(y - h, kCornerReach))
        zone = TGZone::BottomLeft;
    if (near(x - w * 0.5, kMiddleReach) && near(y, kCornerReach))
        zone = TGZone::Top;
    if (near(x - w * 0.5, kMiddleReach) && near(y - h, kCornerReach))
        zone = TGZone::Bottom;
    if (near(y - h * 0.5, kMiddleReach) && near(x, kCornerReach))
        zone = TGZone::Left;
    if (near(y - h * 0.5, kMiddleReach) && near(x - w, kCornerReach))
        zone = TGZone::Right;
    return zone;
}

TGBounds Dragged(const TGBounds& frame, TGZone zone, QPoint start, QPoint current, int gridX, int gridY)
{
    const int dx = current.x() - start.x();
    const int dy = current.y() - start.y();
    const int movedLeft = Snap(dx + frame.Left, gridX);
    const int movedTop = Snap(dy + frame.Top, gridY);
    const int grownWidth = Snap(dx + frame.Width, gridX) - 1;
    const int grownHeight = Snap(dy + frame.Height, gridY) - 1;
    const int widthLeftEdge = frame.Width + frame.Left - movedLeft;
    const int heightTopEdge = frame.Height + frame.Top - movedTop;

    TGBounds result = frame;
    switch (zone) {
    case TGZone::Move:
        result = {movedLeft, movedTop, frame.Width, frame.Height};
        break;
    case TGZone::TopLeft:
        result = {movedLeft, movedTop, widthLeftEdge, heightTopEdge};
        break;
    case TGZone::TopRight:
        result = {frame.Left, movedTop, grownWidth, heightTopEdge};
        break;
    case TGZone::BottomLeft:
        result = {movedLeft, frame.Top, widthLeftEdge, grownHeight};
        break;
    case TGZone::BottomRight:
        result = {frame.Left, frame.Top, grownWidth, grownHeight};
        break;
    case TGZone::Top:
        result = {frame.Left, movedTop, frame.Width, heightTopEdge};
        break;
    case TGZone::Left:
        result = {movedLeft, frame.Top, widthLeftEdge, frame.Height};
        break;
    case TGZone::Bottom:
        result = {frame.Left, frame.Top, frame.Width, grownHeight};
        break;
    case TGZone::Right:
        result = {frame.Left, frame.Top, grownWidth, frame.Height};
        break;
    }
    result.Width = AtLeastMinimum(result.Width);
    result.Height = AtLeastMinimum(result.Height);
    return result;
}

QPoint ClampDragPoint(QPoint point, const TGBounds& frame, QSize surface)
{
    const int x = std::min(std::max(point.x(), -frame.Left), surface.width() - frame.Left);
    const int y = std::min(std::max(point.y(), -frame.Top), surface.height() - frame.Top);
    return {x, y};
}

TGBounds FollowFrame(const TGBounds& object, const TGBounds& oldFrame, const TGBounds& newFrame)
{
    return {newFrame.Left + (object.Left - oldFrame.Left), newFrame.Top + (object.Top - oldFrame.Top),
            newFrame.Width + (object.Width - oldFrame.Width), newFrame.Height + (object.Height - oldFrame.Height)};
}

QRect FeedbackOutline(const TGBounds& frame)
{
    // Edge coordinates: left and top 2 inside, right and bottom 3 inside.
    return QRect(QPoint(frame.Left + 2, frame.Top + 2),
                 QPoint(frame.Left + frame.Width - 3, frame.Top + frame.Height - 3));
}

TGBounds FromFeedbackOutline(const QRect& outline)
{
    const int right = outline.left() + outline.width() - 1;
    const int bottom = outline.top() + outline.height() - 1;
    return {outline.left() - 2, outline.top() - 2, right - outline.left() + 5, bottom - outline.top() + 5};
}

std::vector<QRect> SelectionMarks(const TGBounds& object, bool onlyOneSelected)
{
    const int left = object.Left - kMargin;
    const int top = object.Top - kMargin;
    const int right = object.Left + object.Width + kMargin;
    const int bottom = object.Top + object.Height + kMargin;
    const auto square = [](int x, int y) { return QRect(x, y, kMarkSize, kMarkSize); };
    std::vector<QRect> marks{square(left, top), square(right - kMarkSize, top),
                             square(right - kMarkSize, bottom - kMarkSize), square(left, bottom - kMarkSize)};
    if (onlyOneSelected) {
        const int halfWidth = static_cast<int>(std::trunc((right - left) * 0.5));
        const int halfHeight = static_cast<int>(std::trunc((bottom - top) * 0.5));
        marks.push_back(square(left + halfWidth - 2, top));
        marks.push_back(square(left + halfWidth - 2, bottom - kMarkSize));
        marks.push_back(square(left, top + halfHeight - 2));
        marks.push_back(square(right - kMarkSize, top + halfHeight - 2));
    }
    return marks;
}

} // namespace design::frame
