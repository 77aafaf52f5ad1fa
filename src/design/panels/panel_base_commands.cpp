#include "design/panels/panel_base.h"

#include "design/model/design_owner.h"
#include "design/model/graphic_control.h"
#include "design/surface/object_commands.h"
#include "design/surface/surface_commands.h"
#include "ui/services.h"

#include <QApplication>
#include <QFontInfo>

namespace design {

void TGBasePanel::SelectObject(TGGraphicControl* object, bool addToSelection)
{
    if (!addToSelection)
        handle_->Clear();
    handle_->Add(object);
    update();
}

void TGBasePanel::ClearSelection()
{
    handle_->Clear();
    update();
}

void TGBasePanel::AfterCommand() { update(); }

void TGBasePanel::BringToFrontClick()
{
    if (Selection().empty())
        return;
    for (TGGraphicControl* object : Selection())
        objects_.BringToFront(object);
    handle_->raise();
    NotifyChanged();
    AfterCommand();
}

void TGBasePanel::SendToBackClick()
{
    if (Selection().empty())
        return;
    for (TGGraphicControl* object : Selection())
        objects_.SendToBack(object);
    ClearSelection();
    NotifyChanged();
    AfterCommand();
}

void TGBasePanel::CutClick()
{
    if (Selection().empty())
        return;
    CopyClick();
    DeleteClick();
}

void TGBasePanel::CopyClick()
{
    if (!Selection().empty())
        CopyObjects(Selection());
}

void TGBasePanel::CopyObjects(const std::vector<TGGraphicControl*>& objects)
{
    // The clipboard holds actual-size geometry, like a design file, so that
    // a paste onto a surface at another zoom lands at the right size.
    WithActualSize(objects, [&] { ShowError(clipboard_.Copy(objects)); });
}

void TGBasePanel::PasteClick()
{
    const qint64 now = Now();
    if (!clipboard_.HasContent() || !pasteTimer_.Allowed(now))
        return;
    pasteTimer_.Record(now);
    ShowError(clipboard_.Paste(owner_, objects_));
    HookAllObjects();
    NotifyChanged();
    ProcessPendingUpdates();
    AfterCommand();
}

void TGBasePanel::DeleteClick()
{
    if (Selection().empty())
        return;
    const std::vector<TGGraphicControl*> selected = Selection();
    DeleteObjects(std::vector<TGGraphicControl*>(selected.rbegin(), selected.rend()));
}

void TGBasePanel::DeleteObjects(const std::vector<TGGraphicControl*>& objects)
{
    DiscardObjectMenu();
    for (TGGraphicControl* object : objects) {
        handle_->Remove(object);
        objects_.Destroy(object);
        NotifyChanged();
    }
    AfterCommand();
}

void TGBasePanel::AlignLeftClick()
{
    if (Selection().empty())
        return;
    NotifyChanged();
    surface::AlignLeft(Selection(), width());
    AfterCommand();
}

void TGBasePanel::AlignRightClick()
{
    if (Selection().empty())
        return;
    NotifyChanged();
    surface::AlignRight(Selection());
    AfterCommand();
}

void TGBasePanel::AlignTopsClick()
{
    if (Selection().empty())
        return;
    NotifyChanged();
    surface::AlignTops(Selection(), height());
    AfterCommand();
}

void TGBasePanel::AlignBottomsClick()
{
    if (Selection().empty())
        return;
    NotifyChanged();
    surface::AlignBottoms(Selection());
    AfterCommand();
}

void TGBasePanel::CenterVerticallyClick()
{
    for (TGGraphicControl* object : Selection())
        object->CenterVertically(height());
    AfterCommand();
}

void TGBasePanel::CenterHorizontallyClick()
{
    for (TGGraphicControl* object : Selection())
        object->CenterHorizontally(width());
    AfterCommand();
}

void TGBasePanel::LockAllClick()
{
    surface::SetLockedOfAll(objects_.Objects(), true);
    AfterCommand();
}

void TGBasePanel::UnlockAllClick()
{
    surface::SetLockedOfAll(objects_.Objects(), false);
    AfterCommand();
}

void TGBasePanel::MarkAllSelectableClick()
{
    surface::SetUnselectableOfAll(objects_.Objects(), false);
    AfterCommand();
}

void TGBasePanel::MarkAllUnselectableClick()
{
    // Unselectable objects cannot stay selected.
    ClearSelection();
    surface::SetUnselectableOfAll(objects_.Objects(), true);
    AfterCommand();
}

void TGBasePanel::SelectAllClick()
{
    handle_->Clear();
    for (TGGraphicControl* object : objects_.Objects())
        handle_->Add(object);
    AfterCommand();
}

void TGBasePanel::FontClick()
{
    if (Selection().empty())
        return;
    const auto chosen = quorvel::TServices::dialogs().font(this, font());
    if (!chosen)
        return;
    setFont(*chosen);
    const TGFont designFont = NewObjectFont();
    for (TGGraphicControl* object : Selection())
        object->ApplyFont(designFont);
    AfterCommand();
}

std::vector<TGGraphicControl*> TGBasePanel::TargetsOf(TGGraphicControl& object) const
{
    if (handle_->Selection().Contains(&object))
        return Selection();
    return {&object};
}

void TGBasePanel::BringObjectToFront(TGGraphicControl& object)
{
    NotifyChanged();
    objects_.BringToFront(&object);
    handle_->raise();
    AfterCommand();
}

void TGBasePanel::SendObjectToBack(TGGraphicControl& object)
{
    NotifyChanged();
    objects_.SendToBack(&object);
    ClearSelection();
}

void TGBasePanel::CutObject(TGGraphicControl& object)
{
    NotifyChanged();
    CopyObject(object);
    DeleteObject(object);
}

void TGBasePanel::CopyObject(TGGraphicControl& object) { CopyObjects(TargetsOf(object)); }

void TGBasePanel::DeleteObject(TGGraphicControl& object)
{
    const auto targets = TargetsOf(object);
    DeleteObjects(std::vector<TGGraphicControl*>(targets.rbegin(), targets.rend()));
}

TGGraphicControl* TGBasePanel::CloneObject(TGGraphicControl& object)
{
    const TGCloneResult result = CloneDesignObject(object, owner_, objects_);
    ShowError(result.status);
    if (!result.copy)
        return nullptr;
    // The copy was read at the source's on-screen size: fitting it to the
    // surface's zoom must not scale it a second time.
    const TGBounds placed = result.copy->Bounds();
    HookObject(*result.copy);
    result.copy->SetBounds(placed.Left, placed.Top, placed.Width, placed.Height);
    RefreshData();
    if (handle_->Selection().Contains(&object)) {
        handle_->Remove(&object);
        handle_->Add(result.copy);
    }
    HookAllObjects();
    NotifyChanged();
    AfterCommand();
    return result.copy;
}

void TGBasePanel::ShowError(const TGFilerStatus& status)
{
    if (!status.IsOk())
        quorvel::TServices::messages().error(this, status.Message());
}

} // namespace design
