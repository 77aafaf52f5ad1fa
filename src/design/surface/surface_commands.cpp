#include "design/surface/surface_commands.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace design::surface {

namespace {

int Right(const TGGraphicControl* object) { return object->Left() + object->Width(); }
int Bottom(const TGGraphicControl* object) { return object->Top() + object->Height(); }

QRect RectOf(const TGGraphicControl* object)
{
    return QRect(object->Left(), object->Top(), object->Width(), object->Height());
}

int RoundHalfEven(double value)
{
    const double rounded = std::nearbyint(value);
    return static_cast<int>(std::clamp(rounded, 0.0, static_cast<double>(std::numeric_limits<int>::max())));
}

} // namespace

void AlignLeft(const std::vector<TGGraphicControl*>& objects, int surfaceWidth)
{
    int left = surfaceWidth;
    for (const TGGraphicControl* object : objects)
        left = std::min(left, object->Left());
    for (TGGraphicControl* object : objects)
        object->SetLeft(left);
}

void AlignRight(const std::vector<TGGraphicControl*>& objects)
{
    int right = 0;
    for (const TGGraphicControl* object : objects)
        right = std::max(right, Right(object));
    for (TGGraphicControl* object : objects)
        object->SetLeft(right - object->Width());
}

void AlignTops(const std::vector<TGGraphicControl*>& objects, int surfaceHeight)
{
    int top = surfaceHeight;
    for (const TGGraphicControl* object : objects)
        top = std::min(top, object->Top());
    for (TGGraphicControl* object : objects)
        object->SetTop(top);
}

void AlignBottoms(const std::vector<TGGraphicControl*>& objects)
{
    int bottom = 0;
    for (const TGGraphicControl* object : objects)
        bottom = std::max(bottom, Bottom(object));
    for (TGGraphicControl* object : objects)
        object->SetTop(bottom - object->Height());
}

void SetLockedOfAll(const std::vector<TGGraphicControl*>& objects, bool locked)
{
    for (TGGraphicControl* object : objects)
        object->SetLocked(locked);
}

void SetUnselectableOfAll(const std::vector<TGGraphicControl*>& objects, bool unselectable)
{
    for (TGGraphicControl* object : objects)
        object->SetUnselectable(unselectable);
}

void KeepObjectsInside(const std::vector<TGGraphicControl*>& objects, QSize surface, TGKeepInsideRule rule)
{
    const int lowestTop = surface.height() - rule.BottomMargin;
    const int rightmostLeft = surface.width() - rule.RightMargin;
    for (TGGraphicControl* object : objects) {
        if (object->Top() > lowestTop)
            object->SetTop(lowestTop);
        if (object->Left() > rightmostLeft)
            object->SetLeft(rightmostLeft);
    }
}

std::vector<TGGraphicControl*> ObjectsOutside(const std::vector<TGGraphicControl*>& objects, QSize surface,
                                              TGOutsideRule rule)
{
    std::vector<TGGraphicControl*> outside;
    for (TGGraphicControl* object : objects) {
        const bool below = object->Top() > surface.height() + rule.TopAllowance;
        const bool beyond = object->Left() > surface.width() + rule.LeftAllowance;
        const bool empty = rule.WithoutExtent && (object->Width() < 1 || object->Height() < 1);
        if (below || beyond || empty)
            outside.push_back(object);
    }
    return outside;
}

std::vector<TGGraphicControl*> ObjectsInBand(const std::vector<TGGraphicControl*>& objects, const QRect& band)
{
    // A band of no size (a click) still touches the object under it.
    const QRect area = band.adjusted(0, 0, 1, 1);
    std::vector<TGGraphicControl*> found;
    for (TGGraphicControl* object : objects) {
        if (!object->Unselectable() && RectOf(object).intersects(area))
            found.push_back(object);
    }
    return found;
}

TGGraphicControl* ObjectAt(const std::vector<TGGraphicControl*>& objects, QPoint point)
{
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (RectOf(*it).contains(point))
            return *it;
    }
    return nullptr;
}

QRect WidenedToolRect(const QRect& dragged)
{
    QRect rect = dragged;
    if (rect.width() < 25)
        rect.setWidth(50);
    if (rect.height() < 15)
        rect.setHeight(15);
    return rect;
}

TGBounds PlacedBounds(const QRect& rect)
{
    return {rect.left(), rect.top(), std::max(rect.width(), 10), std::max(rect.height(), 15)};
}

QSize Zoomed(QSize size, float ratio)
{
    return QSize(RoundHalfEven(static_cast<double>(size.width()) * static_cast<double>(ratio)),
                 RoundHalfEven(static_cast<double>(size.height()) * static_cast<double>(ratio)));
}

} // namespace design::surface
