#include "design/surface/selection_frame.h"

#include "design/surface/handle_geometry.h"

#include <algorithm>

namespace design {

namespace {

std::vector<TGBounds> BoundsOf(const std::vector<TGGraphicControl*>& objects)
{
    std::vector<TGBounds> bounds;
    bounds.reserve(objects.size());
    for (const TGGraphicControl* object : objects)
        bounds.push_back(object->Bounds());
    return bounds;
}

} // namespace

bool TGSelectionFrame::Contains(const TGGraphicControl* object) const
{
    return std::find(objects_.begin(), objects_.end(), object) != objects_.end();
}

bool TGSelectionFrame::Add(TGGraphicControl* object)
{
    if (!object || object->Unselectable() || Contains(object))
        return false;
    bounds_ = objects_.empty() ? frame::AroundFirst(object->Bounds()) : frame::Adding(bounds_, object->Bounds());
    objects_.push_back(object);
    return true;
}

bool TGSelectionFrame::Remove(TGGraphicControl* object)
{
    const auto found = std::find(objects_.begin(), objects_.end(), object);
    if (found == objects_.end())
        return false;
    objects_.erase(found);
    bounds_ = frame::AroundRemaining(BoundsOf(objects_));
    return true;
}

void TGSelectionFrame::Toggle(TGGraphicControl* object)
{
    if (!Remove(object))
        Add(object);
}

void TGSelectionFrame::Clear()
{
    objects_.clear();
    bounds_ = frame::Reset();
}

void TGSelectionFrame::Refit()
{
    if (!objects_.empty())
        bounds_ = frame::Refit(BoundsOf(objects_));
}

void TGSelectionFrame::MoveFrameTo(const TGBounds& bounds)
{
    const TGBounds old = bounds_;
    // The frame first, so that the objects' own refit requests find it in
    // its new place.
    bounds_ = bounds;
    for (TGGraphicControl* object : objects_) {
        if (object->Locked())
            continue;
        const TGBounds moved = frame::FollowFrame(object->Bounds(), old, bounds);
        object->SetBounds(moved.Left, moved.Top, moved.Width, moved.Height);
    }
}

int TGSelectionFrame::ValidStep(int step) { return std::clamp(step, 1, 32); }

void TGSelectionFrame::SetGridX(int step)
{
    gridX_ = ValidStep(step);
    if (gridX_ > 1)
        rememberedX_ = gridX_;
}

void TGSelectionFrame::SetGridY(int step)
{
    gridY_ = ValidStep(step);
    if (gridY_ > 1)
        rememberedY_ = gridY_;
}

void TGSelectionFrame::SetSnapToGrid(bool snap)
{
    gridX_ = snap ? rememberedX_ : 1;
    gridY_ = snap ? rememberedY_ : 1;
}

} // namespace design
