#pragma once

#include "design/model/object_menu.h"

#include <QObject>

namespace design {

class TGBasePanel;

// What an object's menu on a surface acts through: the surface's commands
// and the application's dialogs (font, colour, the object dialogs, help).
// It lives as long as the menu it serves.
class TGSurfaceMenuHost : public QObject, public TGMenuHost {
public:
    TGSurfaceMenuHost(TGBasePanel& panel, QObject* parent);

    std::optional<TColor> ChooseColor(TColor initial) override;
    void LoadImageFromDisk(TGImage& image) override;
    int SurfaceWidth() const override;
    int SurfaceHeight() const override;
    void Repaint() override;
    std::optional<TGFont> ChooseFont(const TGFont& initial) override;
    void RunObjectCommand(TGGraphicControl& object, TGObjectCommand command) override;
    bool OpenObjectDialog(TGGraphicControl& object, TGObjectDialog dialog) override;

private:
    bool OpenTextDialog(TGGraphicControl& object, TGObjectDialog dialog);
    bool OpenFieldDialog(TGGraphicControl& object, TGObjectDialog dialog);

    TGBasePanel& panel_;
};

} // namespace design
