#pragma once

#include "design/model/graphic_control.h"
#include "design/model/object_menu.h"

namespace design {

// A Facing Identification Mark for envelopes. Square on the screen; printed
// at the mark's physical size.
class TGFIMBarCode : public TGGraphicControl {
public:
    explicit TGFIMBarCode(TGDesignOwner& owner);
    QByteArray ClassName() const override { return QByteArrayLiteral("TGFIMBarCode"); }

    TFIMBarCodeType FIMType() const { return fimType_; }
    void SetFIMType(TFIMBarCodeType type) { fimType_ = type; }
    // The "Set FIM to Type ..." commands: notify, then change the type.
    void ChooseFIMType(TFIMBarCodeType type);

    void PrintTo(output::TBaseReport& report, double xOffset, double yOffset) override;
    // Snaps back to the square size at the zoom, then draws the bars with the
    // painter's origin at the object's top-left corner.
    void Paint(QPainter& painter) override;
    // Adds the class's items to the common ones.
    TGMenuItems MenuItems(TGMenuHost& host) override;

    void DefineProperties(TGPropertyList& list) override;

private:
    TFIMBarCodeType fimType_ = TFIMBarCodeType::fimTypeA;
};

} // namespace design
