#include "design/panels/panel_base.h"

#include "design/file/label_object_filer.h"
#include "design/model/design_owner.h"
#include "design/model/graphic_control.h"
#include "design/surface/surface_commands.h"

#include <QFileInfo>

namespace design {

void TGBasePanel::WithActualSize(const std::vector<TGGraphicControl*>& objects, const std::function<void()>& work)
{
    if (zoom_ == 1.0f) {
        work();
        return;
    }
    const bool wasZooming = zooming_;
    zooming_ = true;
    std::vector<TGBounds> onScreen;
    onScreen.reserve(objects.size());
    for (TGGraphicControl* object : objects) {
        onScreen.push_back(object->Bounds());
        object->SetZoom(1.0f);
    }
    work();
    // Back to the exact screen geometry: scaling down and up again could
    // move an object by a pixel on every save.
    for (std::size_t i = 0; i < objects.size(); ++i) {
        objects[i]->SetZoom(zoom_);
        objects[i]->SetBounds(onScreen[i].Left, onScreen[i].Top, onScreen[i].Width, onScreen[i].Height);
    }
    zooming_ = wasZooming;
}

TGFilerStatus TGBasePanel::SaveToFile(const QString& path)
{
    objects_.ClearAllData();
    TGFilerStatus status;
    WithActualSize(objects_.Objects(), [&] { status = TGLabelObjectFiler().SaveSurface(objects_, path); });
    RefreshData();
    ShowError(status);
    return status;
}

TGFilerStatus TGBasePanel::LoadFromFile(const QString& path)
{
    if (!QFileInfo::exists(path))
        return TGFilerStatus::Ok();
    const TGFilerStatus status = TGLabelObjectFiler().LoadSurface(owner_, objects_, path);
    HookAllObjects();
    RefreshData();
    update();
    ShowError(status);
    return status;
}

void TGBasePanel::ClearObjects()
{
    DiscardObjectMenu();
    ClearSelection();
    objects_.Clear();
    update();
}

void TGBasePanel::ClearAllData() { objects_.ClearAllData(); }

void TGBasePanel::AdvanceAllCounters() { objects_.AdvanceAllCounters(); }

void TGBasePanel::ResetAllCounters() { objects_.ResetAllCounters(); }

TGGraphicControl* TGBasePanel::AddObject(std::unique_ptr<TGGraphicControl> object, const QRect& rect)
{
    object->SetName(owner_.NameForPlacedObject());
    TGGraphicControl* placed = objects_.Add(std::move(object));
    // The rectangle was drawn on the zoomed screen: the object takes the
    // zoom first, so that the drawn size is not scaled a second time.
    const bool wasZooming = zooming_;
    zooming_ = true;
    HookObject(*placed);
    zooming_ = wasZooming;
    const TGBounds bounds = surface::PlacedBounds(rect);
    placed->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    NotifyChanged();
    ProcessPendingUpdates();
    update();
    return placed;
}

void TGBasePanel::CreateObjectInRect(const QRect&) {}

void TGBasePanel::RefreshData() {}

void TGBasePanel::PrintObjects(output::TBaseReport& report, double xOffset, double yOffset)
{
    // Pages are printed at actual size whatever the zoom on the screen.
    WithActualSize(objects_.Objects(), [&] { objects_.PrintObjects(report, xOffset, yOffset); });
}

void TGBasePanel::KeepObjectsInside()
{
    ClearSelection();
    surface::KeepObjectsInside(objects_.Objects(), size(), surface::TGKeepInsideRule{});
    update();
}

void TGBasePanel::RemoveObjectsOutside()
{
    DiscardObjectMenu();
    ClearSelection();
    for (TGGraphicControl* object : surface::ObjectsOutside(objects_.Objects(), size(), surface::TGOutsideRule{}))
        objects_.Destroy(object);
    update();
}

} // namespace design
