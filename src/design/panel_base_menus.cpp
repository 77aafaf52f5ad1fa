#include "design/panel_base.h"

#include "design/design_qcolor.h"
#include "design/graphic_control.h"
#include "design/panel_menu.h"
#include "ui/services.h"

#include <QMenu>

namespace design {

namespace {

struct TGSurfaceCommand {
    const char* caption;
    void (TGBasePanel::*run)();
    enum { Always, WithSelection, WithObjects, WithClipboard } when;
};

// The surface's right-click menu, in order; nullptr marks a separator.
const TGSurfaceCommand kSurfaceCommands[] = {
    {"Bring To Front", &TGBasePanel::BringToFrontClick, TGSurfaceCommand::WithSelection},
    {"Send To Back", &TGBasePanel::SendToBackClick, TGSurfaceCommand::WithSelection},
    {nullptr, nullptr, TGSurfaceCommand::Always},
    {"Cut", &TGBasePanel::CutClick, TGSurfaceCommand::WithSelection},
    {"Copy", &TGBasePanel::CopyClick, TGSurfaceCommand::WithSelection},
    {"Paste", &TGBasePanel::PasteClick, TGSurfaceCommand::WithClipboard},
    {nullptr, nullptr, TGSurfaceCommand::Always},
    {"Delete", &TGBasePanel::DeleteClick, TGSurfaceCommand::WithSelection},
    {nullptr, nullptr, TGSurfaceCommand::Always},
    {"Align Left", &TGBasePanel::AlignLeftClick, TGSurfaceCommand::WithSelection},
    {"Align Right", &TGBasePanel::AlignRightClick, TGSurfaceCommand::WithSelection},
    {"Align Tops", &TGBasePanel::AlignTopsClick, TGSurfaceCommand::WithSelection},
    {"Align Bottoms", &TGBasePanel::AlignBottomsClick, TGSurfaceCommand::WithSelection},
    {nullptr, nullptr, TGSurfaceCommand::Always},
    {"Center Vertically", &TGBasePanel::CenterVerticallyClick, TGSurfaceCommand::WithSelection},
    {"Center Horizontally", &TGBasePanel::CenterHorizontallyClick, TGSurfaceCommand::WithSelection},
    {nullptr, nullptr, TGSurfaceCommand::Always},
    {"Lock All", &TGBasePanel::LockAllClick, TGSurfaceCommand::WithObjects},
    {"Unlock All", &TGBasePanel::UnlockAllClick, TGSurfaceCommand::WithObjects},
    {nullptr, nullptr, TGSurfaceCommand::Always},
    {"Mark All Selectable", &TGBasePanel::MarkAllSelectableClick, TGSurfaceCommand::Always},
    {"Mark All Unselectable", &TGBasePanel::MarkAllUnselectableClick, TGSurfaceCommand::Always},
    {"Select All", &TGBasePanel::SelectAllClick, TGSurfaceCommand::Always},
    {nullptr, nullptr, TGSurfaceCommand::Always},
    {"Font", &TGBasePanel::FontClick, TGSurfaceCommand::WithSelection},
};

} // namespace

QMenu& TGBasePanel::SurfaceMenu()
{
    if (!surfaceMenu_) {
        surfaceMenu_ = new QMenu(this);
        surfaceMenu_->setObjectName(QStringLiteral("SurfaceMenu"));
        for (const TGSurfaceCommand& command : kSurfaceCommands) {
            if (!command.caption) {
                surfaceMenu_->addSeparator();
                continue;
            }
            const QString caption = QString::fromLatin1(command.caption);
            QAction* action = surfaceMenu_->addAction(caption);
            action->setObjectName(MenuObjectName(caption));
            action->setProperty("when", static_cast<int>(command.when));
            connect(action, &QAction::triggered, this, command.run);
        }
    }
    const bool selected = !Selection().empty();
    const bool hasObjects = objects_.Count() > 0;
    const bool canPaste = clipboard_.HasContent();
    for (QAction* action : surfaceMenu_->actions()) {
        if (action->isSeparator())
            continue;
        switch (action->property("when").toInt()) {
        case TGSurfaceCommand::WithSelection:
            action->setEnabled(selected);
            break;
        case TGSurfaceCommand::WithObjects:
            action->setEnabled(hasObjects);
            break;
        case TGSurfaceCommand::WithClipboard:
            action->setEnabled(canPaste);
            break;
        default:
            action->setEnabled(true);
        }
    }
    return *surfaceMenu_;
}

void TGBasePanel::OpenObjectMenu(TGGraphicControl& object, QPoint globalPoint)
{
    TGMenuItems items{
        TGMenuItem::Command(QStringLiteral("Bring To Front"), [this, &object] { BringObjectToFront(object); }),
        TGMenuItem::Command(QStringLiteral("Send To Back"), [this, &object] { SendObjectToBack(object); }),
        TGMenuItem::Command(QStringLiteral("Cut"), [this, &object] { CutObject(object); }),
        TGMenuItem::Command(QStringLiteral("Copy"), [this, &object] { CopyObject(object); }),
        TGMenuItem::Command(QStringLiteral("Delete"), [this, &object] {
            NotifyChanged();
            DeleteObject(object);
        }),
        TGMenuItem::Command(QStringLiteral("Clone"), [this, &object] { CloneObject(object); }),
        TGMenuItem::Separator(),
        TGMenuItem::Toggle(QStringLiteral("Locked"), object.Locked(), [&object] { object.ToggleLocked(); }),
        TGMenuItem::Toggle(QStringLiteral("Unselectable"), object.Unselectable(),
                           [this, &object] {
                               object.MakeUnselectable();
                               handle_->Remove(&object);
                               update();
                           }),
        TGMenuItem::Separator(),
        TGMenuItem::Command(QStringLiteral("Center Vertically"),
                            [this, &object] {
                                object.CenterVertically(height());
                                ProcessPendingUpdates();
                                update();
                            }),
        TGMenuItem::Command(QStringLiteral("Center Horizontally"),
                            [this, &object] {
                                object.CenterHorizontally(width());
                                ProcessPendingUpdates();
                                update();
                            }),
    };
    if (classMenuItems_) {
        for (TGMenuItem& item : classMenuItems_(object, *this))
            items.push_back(std::move(item));
    }
    DiscardObjectMenu();
    objectMenu_ = new QMenu(this);
    objectMenu_->setObjectName(QStringLiteral("ObjectMenu"));
    FillMenu(*objectMenu_, items);
    objectMenu_->popup(globalPoint);
}

void TGBasePanel::DiscardObjectMenu()
{
    if (!objectMenu_)
        return;
    objectMenu_->hide();
    objectMenu_->deleteLater();
    objectMenu_ = nullptr;
}

std::optional<TColor> TGBasePanel::ChooseColor(TColor initial)
{
    const auto chosen = quorvel::TServices::dialogs().colour(this, ToQColor(initial));
    if (!chosen)
        return std::nullopt;
    return FromQColor(*chosen);
}

void TGBasePanel::LoadImageFromDisk(TGImage& image)
{
    if (imageLoader_)
        imageLoader_(image);
}

} // namespace design
