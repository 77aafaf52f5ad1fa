#include "design/model/graphic_control.h"

namespace design {

TGMenuItems TGGraphicControl::MenuItems(TGMenuHost& host)
{
    const auto surfaceCommand = [this, &host](const char* caption, TGObjectCommand command) {
        return TGMenuItem::Command(QString::fromLatin1(caption),
                                   [this, &host, command] { host.RunObjectCommand(*this, command); });
    };
    return {
        surfaceCommand("Bring To Front", TGObjectCommand::BringToFront),
        surfaceCommand("Send To Back", TGObjectCommand::SendToBack),
        surfaceCommand("Cut", TGObjectCommand::Cut),
        surfaceCommand("Copy", TGObjectCommand::Copy),
        surfaceCommand("Delete", TGObjectCommand::Delete),
        surfaceCommand("Clone", TGObjectCommand::Clone),
        TGMenuItem::Separator(),
        TGMenuItem::Toggle(QStringLiteral("Locked"), Locked(), [this] { ToggleLocked(); }),
        // There is no way back from here: the surface's "Mark All
        // Selectable" is the way back.
        TGMenuItem::Toggle(QStringLiteral("Unselectable"), Unselectable(),
                           [this, &host] {
                               MakeUnselectable();
                               host.RunObjectCommand(*this, TGObjectCommand::Deselect);
                           }),
        TGMenuItem::Separator(),
        TGMenuItem::Command(QStringLiteral("Center Vertically"),
                            [this, &host] {
                                CenterVertically(host.SurfaceHeight());
                                host.Repaint();
                            }),
        TGMenuItem::Command(QStringLiteral("Center Horizontally"),
                            [this, &host] {
                                CenterHorizontally(host.SurfaceWidth());
                                host.Repaint();
                            }),
    };
}

} // namespace design
