#pragma once

#include "design/model/graphic_control.h"
#include "design/model/object_menu.h"

namespace design {

// A straight line along the top edge, the left edge or a diagonal of the
// object's rectangle. The pen width is screen pixels on the screen and
// hundredths of an inch on paper.
class TGLineShape : public TGGraphicControl {
public:
    explicit TGLineShape(TGDesignOwner& owner);
    QByteArray ClassName() const override { return QByteArrayLiteral("TGLineShape"); }

    TLineStyle LineStyle() const { return lineStyle_; }
    void SetLineStyle(TLineStyle style) { lineStyle_ = style; }
    const TGPen& Pen() const { return pen_; }
    void SetPen(const TGPen& pen) { pen_ = pen; }

    // The menu commands; each but the last fires the change notification.
    void ChooseLineStyle(TLineStyle style);
    void ChooseColor(TColor color);
    void ChooseLineThickness(int width);
    // Horizontal lines span the surface's width, vertical ones its height;
    // sloping lines stay as they are.
    void StretchToEdges(int surfaceWidth, int surfaceHeight);

    void PrintTo(output::TBaseReport& report, double xOffset, double yOffset) override;
    // Draws with the painter's origin at the object's top-left corner.
    void Paint(QPainter& painter) override;
    // Adds the class's items to the common ones.
    TGMenuItems MenuItems(TGMenuHost& host) override;

    void DefineProperties(TGPropertyList& list) override;

private:
    TLineStyle lineStyle_ = TLineStyle::stHorizontal;
    TGPen pen_;
};

} // namespace design
