#include "design/panels/panel_base.h"

#include "design/model/graphic_control.h"
#include "design/panels/panel_menu.h"
#include "design/panels/surface_menu_host.h"

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
    DiscardObjectMenu();
    objectMenu_ = new QMenu(this);
    objectMenu_->setObjectName(QStringLiteral("ObjectMenu"));
    // The host lives with the menu: the items' actions act through it.
    auto* host = new TGSurfaceMenuHost(*this, objectMenu_);
    FillMenu(*objectMenu_, object.MenuItems(*host));
    // Each command ends with the surface repainted.
    connect(objectMenu_, &QMenu::triggered, this, [this] { update(); });
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

void TGBasePanel::LoadImageFromDisk(TGImage& image)
{
    if (imageLoader_)
        imageLoader_(image);
}

} // namespace design
