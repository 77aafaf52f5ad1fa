#include "design/model/surface_objects.h"

#include "design/model/graphic_control.h"

#include <algorithm>

namespace design {

TGSurfaceObjects::TGSurfaceObjects(const TGClassSet& acceptedClasses) : classes_(&acceptedClasses) {}

TGSurfaceObjects::~TGSurfaceObjects() { Clear(); }

int TGSurfaceObjects::IndexOf(const TGGraphicControl* object) const
{
    for (std::size_t i = 0; i < objects_.size(); ++i) {
        if (objects_[i].get() == object)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<TGGraphicControl*> TGSurfaceObjects::Objects() const
{
    std::vector<TGGraphicControl*> list;
    list.reserve(objects_.size());
    for (const auto& object : objects_)
        list.push_back(object.get());
    return list;
}

TGGraphicControl* TGSurfaceObjects::Add(std::unique_ptr<TGGraphicControl> object)
{
    object->SetParent(this);
    objects_.push_back(std::move(object));
    return objects_.back().get();
}

std::unique_ptr<TGGraphicControl> TGSurfaceObjects::Take(TGGraphicControl* object)
{
    const int index = IndexOf(object);
    if (index < 0)
        return nullptr;
    auto taken = std::move(objects_[static_cast<std::size_t>(index)]);
    objects_.erase(objects_.begin() + index);
    taken->SetParent(nullptr);
    return taken;
}

void TGSurfaceObjects::Destroy(TGGraphicControl* object) { Take(object).reset(); }

void TGSurfaceObjects::Clear()
{
    while (!objects_.empty()) {
        auto frontmost = std::move(objects_.back());
        objects_.pop_back();
        frontmost->SetParent(nullptr);
    }
}

void TGSurfaceObjects::BringToFront(TGGraphicControl* object)
{
    const int index = IndexOf(object);
    if (index >= 0)
        std::rotate(objects_.begin() + index, objects_.begin() + index + 1, objects_.end());
}

void TGSurfaceObjects::SendToBack(TGGraphicControl* object)
{
    const int index = IndexOf(object);
    if (index >= 0)
        std::rotate(objects_.begin(), objects_.begin() + index, objects_.begin() + index + 1);
}

void TGSurfaceObjects::SetZoomOfAll(float factor)
{
    for (const auto& object : objects_)
        object->SetZoom(factor);
}

void TGSurfaceObjects::ClearAllData()
{
    for (const auto& object : objects_)
        object->ClearData();
}

void TGSurfaceObjects::ShowAllData()
{
    for (const auto& object : objects_)
        object->ShowData();
}

void TGSurfaceObjects::PrintObjects(output::TBaseReport& report, double xOffset, double yOffset) const
{
    for (const auto& object : objects_)
        object->PrintTo(report, xOffset, yOffset);
}

void TGSurfaceObjects::AdvanceAllCounters()
{
    for (const auto& object : objects_)
        object->AdvanceCounter();
}

void TGSurfaceObjects::ResetAllCounters()
{
    for (const auto& object : objects_)
        object->ResetCounter();
}

void TGSurfaceObjects::ObjectChanged(TGGraphicControl& object)
{
    if (listener_)
        listener_->ObjectChanged(object);
}

void TGSurfaceObjects::ObjectBoundsChanged(TGGraphicControl& object)
{
    if (listener_)
        listener_->ObjectBoundsChanged(object);
}

} // namespace design
